// The Form 941 screen's captions, hints and the amounts its fields accept;
// where each field stands is in its line table.

#include "returns/f941/frmDet941Covid0621.h"

#include "returns/f941/Form941Hints.h"

namespace {

constexpr long Row(int row) { return LineTop(row); }

} // namespace

frmDet941Covid0621::frmDet941Covid0621() : ReturnScreen("frmDet941Covid0621") {
    SetCaption("Form 941- Data Entry");
    LayOutLines();
    UseLines(Form941Lines());
    WirePrint([this] { DMWin2_PrintRequest(); });
}

void frmDet941Covid0621::LayOutLines() {
    SSTab1.SetTabCaption(0, "Form 941 Page 1 Part 1:");
    SSTab1.SetTabCaption(1, "Form 941 Page 2 Parts 1 and 2:");
    SSTab1.SetTabCaption(2, "Form 941 Page 3 Part 3:");

    lblTaxId.SetCaption("Tax ID:");
    lblTaxId.Move(5400, 120, 1100, 285);

    // clang-format off
    const LineCaption captions[] = {
        // page 0: lines 1 to 11g
        {&Label5(0),       0, kLabelLeft, Row(0),  4100, ""},
        {&lblLine2,        0, kLabelLeft, Row(1),  4100, "2  Wages, tips and other compensation..... (2)"},
        {&lblLine3,        0, kLabelLeft, Row(2),  4100, "3  Inc. tax withheld.... (3) "},
        {&lblLine5a,       0, kLabelLeft, Row(3),  4100, "5  Taxable social security wages..............  (5a)"},
        {&lblRate5a,       0, kRateLeft,  Row(3),  3000, " X 12.4%  (.124)   =   (5a)               "},
        {&lblLine5ai,      0, kLabelLeft, Row(4),  4100, "5a(i) Qualifed sick leaves wages..............(5a(i))"},
        {&lblRate5ai,      0, kRateLeft,  Row(4),  3000, " X  6.2%   (.062)  =  (5a(i)"},
        {&lblLine5aii,     0, kLabelLeft, Row(5),  4100, "5a(ii) Qualified family leave wages...........(5a(ii))"},
        {&lblRate5aii,     0, kRateLeft,  Row(5),  3000, " X  6.2%   (.062)  =  (5a(ii)"},
        {&lblLine5b,       0, kLabelLeft, Row(6),  4100, "5b Taxable social security tips................... (5b)"},
        {&lblRate5b,       0, kRateLeft,  Row(6),  3000, " X 12.4%  (.124)   =   (5b)                "},
        {&lblLine5c,       0, kLabelLeft, Row(7),  4100, "5c Taxable Medicare wages and tips.........(5c)"},
        {&lblRate5c,       0, kRateLeft,  Row(7),  3000, " X  2.9%   (.029)   =   (5c)                "},
        {&lblLine5d,       0, kLabelLeft, Row(8),  4100, "5d Taxable wages & tips subject to"},
        {&lblLine5dMore,   0, kLabelLeft, Row(9),  4100, "Additional Medicare Tax withholding.....(5d)"},
        {&lblRate5d,       0, kRateLeft,  Row(8),  3000, " X  0.9%   (.009)   =  (5d)"},
        {&lblLine5e,       0, kLabelLeft, Row(10), 8800, "5e  Total soc. sec. and Med. taxes (5a + 5a(i) + 5a(ii) +5b + 5c + 5d)  =  (5e)"},
        {&lblLine5f,       0, kLabelLeft, Row(11), 8800, "5f Section 312(g) Notice and Demand -- Tax due on unreported tips (see instructions)................... (5f)"},
        {&lblLine6,        0, kLabelLeft, Row(12), 8800, "6 Total taxes before adjustmnets:     lines 3 + 5e + 5f  =   (6)"},
        {&lblLine7,        0, kLabelLeft, Row(13), 8800, "7  Current quarter's adjustment for fractions of cents.."},
        {&lblLine8,        0, kLabelLeft, Row(14), 8800, "8 Adjustment for sick pay ...."},
        {&lblLine9,        0, kLabelLeft, Row(15), 8800, "9  Curr. quarter's adjustments - tips/group-term life ins.."},
        {&lblLine10,       0, kLabelLeft, Row(16), 8800, "10  Total taxes after adjust (combine lines 6 thru 9).."},
        {&lblLine11a,      0, kLabelLeft, Row(17), 8800, "11a Qualified small business payroll tax credit for increasing research activities. Attach Form 8974  (11a) "},
        {&lblLine11b,      0, kLabelLeft, Row(18), 8800, "11b Nonrefundable portion of credit for qualified sick/ family leave wages taken bf 04/01/2021     (11b)"},
        {&lblLine11c,      0, kLabelLeft, Row(19), 8800, "11c Nonrefundable portion of employee retention credit ..............................................................    (11c)"},
        {&lblLine11d,      0, kLabelLeft, Row(20), 8800, "11d Nonrefundable portion of qual. sick/family leave wages for leave taken after 03/31/2021...    (11d)"},
        {&lblLine11e,      0, kLabelLeft, Row(21), 8800, "11e Nonrefundable portion of COBRA premium assistance credit (see instructions for app. qtrs...    (11e)"},
        {&lblLine11f,      0, kLabelLeft, Row(22), 8800, "11f Number of individuals provided COBRA premium assistance credit ........................................    (11f)"},
        {&lblLine11g,      0, kLabelLeft, Row(23), 8800, "11g Total nonrefundable credits. Add lines 11a, 11b, 11c, 11d and 11e.......................................... (11g)"},
        // page 1: lines 12 to 16
        {&lblLine12,       1, kLabelLeft, Row(0),  8800, "12   Total taxes after adjustments and nonrefundable credits. Subtract line 11g from line 10..................... (12  )"},
        {&lblLine13a,      1, kLabelLeft, Row(1),  8800, "13a Total deposits for this quarter, including overpayment applied from a prior quarter.......... (13a)"},
        {&lblLine13b,      1, kLabelLeft, Row(2),  8800, "13b Reserved for future use ............................................................. (13b)"},
        {&lblLine13c,      1, kLabelLeft, Row(3),  8800, "13c Refundable portion of credit for qualified sick/family leave wages taken bf 04/01/2021..... (13c)"},
        {&lblLine13d,      1, kLabelLeft, Row(4),  8800, "13d Reserved for future use ............................................................. (13d)"},
        {&lblLine13e,      1, kLabelLeft, Row(5),  8800, "13e Refundable portion of qual. sick/family leave wages for leave taken after 03/31/2021....... (13e)"},
        {&lblLine13f,      1, kLabelLeft, Row(6),  8800, "13f Refundable portion of COBRA premium assistance credit (see instructions for app. qtrs)..... (13f)"},
        {&lblLine13g,      1, kLabelLeft, Row(7),  8800, "13g Total deposits and refundable credits. Add lines 13a, 13c, 13e and 13f.................... (13g)"},
        {&lblLine13h,      1, kLabelLeft, Row(8),  8800, "13h Reserved for future use ............................................................. (13h)"},
        {&lblLine13i,      1, kLabelLeft, Row(9),  8800, "13i Total deposits and refundable credits less advances. Subtract line 13h from line 13g....... (13i)"},
        {&lblLine14,       1, kLabelLeft, Row(10), 8800, "14  Balance due. If line 12 is more than line 13i, enter the difference......................... (14)"},
        {&lblLine15,       1, kLabelLeft, Row(11), 8800, "15  Overpayment. If line 13i is more than line 12, enter the difference........................ (15)"},
        {&lblLine16,       1, kLabelLeft, Row(13), 5000, "16  Monthly Summary of Fed. Tax Liability:"},
        {&lblMonth1,       1, kLabelLeft, Row(15), 1800, "Month 1"},
        {&lblMonth2,       1, kLabelLeft, Row(16), 1800, "Month 2"},
        {&lblMonth3,       1, kLabelLeft, Row(17), 1800, "Month 3"},
        {&lblQuarterTotal, 1, kLabelLeft, Row(18), 2800, "Total liability for quarter"},
        {&lblMustEqual,    1, 5000,       Row(18), 2800, "Total must equal line 12."},
        // page 2: lines 19 to 28
        {&lblLine19,       2, kLabelLeft, Row(4),  8800, "19  Qualified health plan expenses allocable to qualified sick leave wages (before 04/01/2021)....... (19)"},
        {&lblLine20,       2, kLabelLeft, Row(5),  8800, "20  Qualified health plan expenses allocable to qualified family leave wages (before 04/01/2021).... (20)"},
        {&lblLine21,       2, kLabelLeft, Row(6),  8800, "21  Reserved for future use.......................................................... (21)"},
        {&lblLine22,       2, kLabelLeft, Row(7),  8800, "22  Reserved for future use.......................................................... (22)"},
        {&lblLine23,       2, kLabelLeft, Row(8),  8800, "23  Qualified sick leave wages for leave taken after 03/31/2021 and before 10/01/2021........ (23)"},
        {&lblLine24,       2, kLabelLeft, Row(9),  8800, "24  Qualified health plan expenses allocable to the qualified sick leave wages on line 23...... (24)"},
        {&lblLine25,       2, kLabelLeft, Row(10), 8800, "25  Amounts under certain collectively bargained agreements allocable to line 23.............. (25)"},
        {&lblLine26,       2, kLabelLeft, Row(11), 8800, "26  Qualified family leave wages for leave taken after 03/31/2021 and before 10/01/2021...... (26)"},
        {&lblLine27,       2, kLabelLeft, Row(12), 8800, "27  Qualified health plan expenses allocable to the qualified family leave wages on line 26.... (27)"},
        {&lblLine28,       2, kLabelLeft, Row(13), 8800, "28  Amounts under certain collectively bargained agreements allocable to line 26.............. (28)"},
    };
    // clang-format on
    PlaceCaptions(captions);

    // clang-format off
    const BoxCaption boxes[] = {
        {&Check2,  "Check if Wages not subject to Fica/Medicare:"},
        {&Check3,  "Check if to be applied to next return"},
        {&Check10, "or Refunded"},
        {&Check6,  "Check one  -  Monthly Depositor:"},
        {&Check5,  "Semiweekly depositor:"},
        {&Check8,  "17  If your business has closed or you stopped paying wages, check here"},
        {&Check1,  "18a If you are a seasonal employer, check here"},
        {&Check9,  "18b If you are eligible for the employee retention credit solely as a recovery startup business, check here"},
    };
    // clang-format on
    SetBoxCaptions(boxes);

    // The total of the adjustments is kept for line 10 only; nobody sees it.
    fpLine10.SetVisible(false);

    mskNo_Employee.SetMask("99999");
    mskNo_Employee.SetMaxLength(5);
    MaskEdBox2.SetMask("99999");
    MaskEdBox2.SetMaxLength(5);

    // Outside the pages, on the frame's row of buttons.
    Check4.Move(9500, 120, 300, 285);
    MaskEdBox1.SetMaxLength(64);
    MaskEdBox1.Move(9900, 120, 1200, 285);
    fpCurrency1.Move(11150, 120, 1300, 285);
    for (forms::Control* unused : std::initializer_list<forms::Control*>{&Check4, &MaskEdBox1, &fpCurrency1}) {
        unused->SetTabStop(false);
    }

    SetHints(Form941FieldHints());

    // Every amount accepts at most 9,000,000,000; these also accept amounts
    // down to -9,000,000,000, and line 11d up to 9,999,999,999.
    constexpr double kHighest = 9000000000.0;
    for (forms::CurrencyField* amount : {&fpLine2, &fpLine3, &fpLine9B, &fpLine9A, &fpLine9C, &fpLine10, &fpLine11g,
                                         &fpLine12, &fpLine26, &fpLine27, &fpLine28}) {
        amount->SetAllowNegative(true);
        amount->SetRange(-kHighest, kHighest);
    }
    fpLine11d.SetRange(fpLine11d.Min(), 9999999999.0);
}
