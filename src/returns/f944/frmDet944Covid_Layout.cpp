// The Form 944 screen's captions, hints and the amounts its fields accept;
// where each field stands is in its line table.

#include "returns/f944/frmDet944Covid.h"

namespace {

constexpr long Row(int row) { return LineTop(row); }

constexpr long kMonthCaptionWidth = 1100;

} // namespace

std::array<forms::CurrencyField*, 12> frmDet944Covid::MonthFields() {
    return {&fpLine17A,   &fpLine17B,   &fpLine17C,   &fpCurrency2, &fpCurrency3, &fpCurrency4,
            &fpCurrency5, &fpCurrency6, &fpCurrency7, &fpCurrency8, &fpCurrency9, &fpCurrency10};
}

void frmDet944Covid::LayOutLines() {
    SSTab1.SetTabCaption(0, "Form 944 Page 1 Part 1:");
    SSTab1.SetTabCaption(1, "Form 944 Page 2 Parts 1 and 2:");
    SSTab1.SetTabCaption(2, "Form 944 Page 3 Part 3:");

    // clang-format off
    const LineCaption captions[] = {
        // page 0: lines 1 to 8g
        {&Label5(0),    0, kLabelLeft, Row(0),  4100, "1  Wages, tips and other compensation..... (1)"},
        {&lblLine2,     0, kLabelLeft, Row(1),  4100, "2  Federal income tax withheld from wages, tips and other compensation.. (2)"},
        {&lblLine4a,    0, kLabelLeft, Row(3),  4100, "4a Taxable social security wages..............  (4a)"},
        {&lblRate4a,    0, kRateLeft,  Row(3),  3000, " X 12.4%  (.124)   =   (4a)"},
        {&lblLine4ai,   0, kLabelLeft, Row(4),  4100, "4a(i) Qualified sick leave wages..............(4a(i))"},
        {&lblRate4ai,   0, kRateLeft,  Row(4),  3000, " X  6.2%   (.062)  =  (4a(i))"},
        {&lblLine4aii,  0, kLabelLeft, Row(5),  4100, "4a(ii) Qualified family leave wages...........(4a(ii))"},
        {&lblRate4aii,  0, kRateLeft,  Row(5),  3000, " X  6.2%   (.062)  =  (4a(ii))"},
        {&lblLine4b,    0, kLabelLeft, Row(6),  4100, "4b Taxable social security tips................... (4b)"},
        {&lblRate4b,    0, kRateLeft,  Row(6),  3000, " X 12.4%  (.124)   =   (4b)"},
        {&lblLine4c,    0, kLabelLeft, Row(7),  4100, "4c Taxable Medicare wages and tips.........(4c)"},
        {&lblRate4c,    0, kRateLeft,  Row(7),  3000, " X  2.9%   (.029)   =   (4c)"},
        {&lblLine4d,    0, kLabelLeft, Row(8),  4100, "4d Taxable wages & tips subject to Additional Medicare Tax withholding.....(4d)"},
        {&lblRate4d,    0, kRateLeft,  Row(8),  3000, " X  0.9%   (.009)   =  (4d)"},
        {&lblLine4e,    0, kLabelLeft, Row(9),  8800, "4e  Total social security and Medicare taxes (4a + 4a(i) + 4a(ii) + 4b + 4c + 4d)  =  (4e)"},
        {&lblLine5,     0, kLabelLeft, Row(10), 8800, "5  Total taxes before adjustments:     lines 2 + 4e  =   (5)"},
        {&lblLine6,     0, kLabelLeft, Row(11), 8800, "6  Current year's adjustments (see instructions)........ (6)"},
        {&lblLine7,     0, kLabelLeft, Row(12), 8800, "7  Total taxes after adjustments. Combine lines 5 and 6.......... (7)"},
        {&lblLine8a,    0, kLabelLeft, Row(13), 8800, "8a Qualified small business payroll tax credit for increasing research activities. Attach Form 8974  (8a)"},
        {&lblLine8b,    0, kLabelLeft, Row(14), 8800, "8b Nonrefundable portion of credit for qualified sick/ family leave wages taken bf 04/01/2021     (8b)"},
        {&lblLine8c,    0, kLabelLeft, Row(15), 8800, "8c Reserved for future use ..............................................................    (8c)"},
        {&lblLine8d,    0, kLabelLeft, Row(16), 8800, "8d Nonrefundable portion of qual. sick/family leave wages for leave taken after 03/31/2021...    (8d)"},
        {&lblLine8e,    0, kLabelLeft, Row(17), 8800, "8e Nonrefundable portion of COBRA premium assistance credit ...........................    (8e)"},
        {&lblLine8f,    0, kLabelLeft, Row(18), 8800, "8f Number of individuals provided COBRA premium assistance ........................................    (8f)"},
        {&lblLine8g,    0, kLabelLeft, Row(19), 8800, "8g Total nonrefundable credits. Add lines 8a, 8b, 8c, 8d and 8e.......................................... (8g)"},
        // page 1: lines 9 to 13
        {&lblLine9,     1, kLabelLeft, Row(0),  8800, "9  Total taxes after adjustments and nonrefundable credits. Subtract line 8g from line 7..................... (9)"},
        {&lblLine10a,   1, kLabelLeft, Row(1),  8800, "10a Total deposits for this year, including overpayment applied from a prior year and Forms 944-X.... (10a)"},
        {&lblLine10d,   1, kLabelLeft, Row(2),  8800, "10d Refundable portion of credit for qualified sick/family leave wages taken bf 04/01/2021..... (10d)"},
        {&lblLine10e,   1, kLabelLeft, Row(3),  8800, "10e Reserved for future use ............................................................. (10e)"},
        {&lblLine10f,   1, kLabelLeft, Row(4),  8800, "10f Refundable portion of qual. sick/family leave wages for leave taken after 03/31/2021....... (10f)"},
        {&lblLine10g,   1, kLabelLeft, Row(5),  8800, "10g Refundable portion of COBRA premium assistance credit.................................... (10g)"},
        {&lblLine10h,   1, kLabelLeft, Row(6),  8800, "10h Total deposits, deferrals and refundable credits. Add lines 10a, 10d, 10e, 10f and 10g.... (10h)"},
        {&lblLine10i,   1, kLabelLeft, Row(7),  8800, "10i Reserved for future use ............................................................. (10i)"},
        {&lblLine10j,   1, kLabelLeft, Row(8),  8800, "10j Total deposits and refundable credits less advances. Subtract line 10i from line 10h....... (10j)"},
        {&lblLine11,    1, kLabelLeft, Row(9),  8800, "11  Balance due. If line 9 is more than line 10j, enter the difference......................... (11)"},
        {&lblLine12,    1, kLabelLeft, Row(10), 8800, "12  Overpayment. If line 10j is more than line 9, enter the difference........................ (12)"},
        {&lblLine13,    1, kLabelLeft, Row(12), 5000, "13  Monthly Summary of Federal Tax Liability:"},
        {&lblYearTotal, 1, kMonthColumn[2], Row(kFirstMonthRow + 4), 3000, "13m Total liability for the year."},
        {&lblMustEqual, 1, kMonthColumn[2], Row(kFirstMonthRow + 5), 3000, "Total must equal line 9."},
        // page 2: lines 15 to 26
        {&lblLine15,    2, kLabelLeft, Row(1),  8800, "15  Qualified health plan expenses allocable to qualified sick leave wages (before 04/01/2021)....... (15)"},
        {&lblLine16,    2, kLabelLeft, Row(2),  8800, "16  Qualified health plan expenses allocable to qualified family leave wages (before 04/01/2021).... (16)"},
        {&lblLine17,    2, kLabelLeft, Row(3),  8800, "17  Reserved for future use.......................................................... (17)"},
        {&lblLine18,    2, kLabelLeft, Row(4),  8800, "18  Reserved for future use.......................................................... (18)"},
        {&lblLine19,    2, kLabelLeft, Row(5),  8800, "19  Qualified sick leave wages for leave taken after 03/31/2021........ (19)"},
        {&lblLine20,    2, kLabelLeft, Row(6),  8800, "20  Qualified health plan expenses allocable to the qualified sick leave wages on line 19...... (20)"},
        {&lblLine21,    2, kLabelLeft, Row(7),  8800, "21  Amounts under certain collectively bargained agreements allocable to line 19.............. (21)"},
        {&lblLine22,    2, kLabelLeft, Row(8),  8800, "22  Qualified family leave wages for leave taken after 03/31/2021...... (22)"},
        {&lblLine23,    2, kLabelLeft, Row(9),  8800, "23  Qualified health plan expenses allocable to the qualified family leave wages on line 22.... (23)"},
        {&lblLine24,    2, kLabelLeft, Row(10), 8800, "24  Amounts under certain collectively bargained agreements allocable to line 22.............. (24)"},
        {&lblLine25,    2, kLabelLeft, Row(11), 8800, "25  Reserved for future use.......................................................... (25)"},
        {&lblLine26,    2, kLabelLeft, Row(12), 8800, "26  Reserved for future use.......................................................... (26)"},
    };
    // clang-format on
    PlaceCaptions(captions);

    // clang-format off
    const BoxCaption boxes[] = {
        {&Check2, "3  Check if Wages, tips, or other compensation are not subject to Fica/Medicare tax. Then go to line 5........................"},
        {&Check3, "Check if to be applied to next return"},
        {&Check4, "or Refunded"},
        {&Check6, "Check one  -  Monthly Depositor:"},
        {&Check5, "Semiweekly depositor:"},
        {&Check8, "14  If your business has closed or you stopped paying wages, check here"},
    };
    // clang-format on
    SetBoxCaptions(boxes);

    // The months stand in three columns of four, each with its caption
    // (the fields' places are in the line table).
    const std::array<forms::Label*, 12> monthCaptions = {&lblMonth1, &lblMonth2,  &lblMonth3,  &lblMonth4,
                                                         &lblMonth5, &lblMonth6,  &lblMonth7,  &lblMonth8,
                                                         &lblMonth9, &lblMonth10, &lblMonth11, &lblMonth12};
    for (int m = 0; m < 12; ++m) {
        const long left = kMonthColumn[m / 4];
        const long top = Row(kFirstMonthRow + m % 4);
        // "Month  9" carries two blanks, as the screen has always shown it.
        monthCaptions[m]->SetCaption(m == 8 ? "Month  9" : "Month " + std::to_string(m + 1));
        OnPage(*monthCaptions[m], 1, left, top, kMonthCaptionWidth);
    }

    fpCurrency1.Move(11150, 120, 1300, 285);
    fpCurrency1.SetTabStop(false);

    // clang-format off
    const ControlText hints[] = {
        {&Check2,    "Check this box if wages are not subject to Fica/Medicare tax. Otherwise, leave blank."},
        {&fpLine5d1, "Enter the amount of taxable wages and tips subject to additional Medicare tax withholding of 0.9%"},
        {&fpLine17A, "If monthly depositor, enter the First month's liability."},
        {&fpLine17B, "If a montly depositor, enter the Second month's liability."},
        {&fpLine17C, "If a monthly depositor, enter the Third month's liability"},
    };
    // clang-format on
    SetHints(hints);

    // Every amount accepts at most 9,000,000,000; lines 1, 2, 6, 8g, 9 and 11
    // also accept amounts down to -9,000,000,000, line 10j down to ten times that.
    constexpr double kHighest = 9000000000.0;
    for (forms::CurrencyField* amount : {&fpLine2, &fpLine3, &fpLine9A, &fpLine11d, &fpLine12, &fpLine10}) {
        amount->SetAllowNegative(true);
        amount->SetRange(-kHighest, kHighest);
    }
    fpLine15.SetAllowNegative(true);
    fpLine15.SetRange(-10 * kHighest, kHighest);
    fpLongInteger2.SetAllowNegative(true);
    fpLongInteger2.SetRange(-2147483648LL, 2147483647LL);
}
