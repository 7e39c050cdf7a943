// The 2020 Form 941 screen's captions, hints, the amounts its fields accept
// and the controls it places but never uses; where each field stands is in
// its line table.

#include "returns/f941_2020/frmDet941Covid.h"

#include "common/DottedCaption.h"
#include "returns/f941/Form941Hints.h"

#include <string>

namespace {

constexpr long Row(int row) { return LineTop(row); }

constexpr long kWide = 8800;     // a caption across the page, left of the amounts
constexpr long kLeftHalf = 3500; // lines 7 and 9, left of lines 8 and 10

} // namespace

frmDet941Covid::frmDet941Covid() : ReturnScreen("frmDet941Covid") {
    SetCaption("Form 941- Data Entry");
    LayOutCaptions();
    SetAmountLimits();
    UseLines(Form941Lines());
    Command4.Click = [this] { Command4_Click(); };
    WirePrint([this] { DMWin2_PrintRequest(); });
}

void frmDet941Covid::LayOutCaptions() {
    SSTab1.SetTabCaption(0, "Form 941 Page 1 Part 1:");
    SSTab1.SetTabCaption(1, "Form 941 Page 2 Parts 1 and 2:");
    SSTab1.SetTabCaption(2, "Form 941 Page 3 Part 3:");

    lblTaxId.SetCaption("Tax ID:");
    lblTaxId.Move(5400, 120, 1100, 285);
    // The row's employer number is shown, never typed over.
    txtEmployerNo.SetEnabled(false);
    mskQtr_yr.SetTabStop(false);

    // clang-format off
    const LineCaption captions[] = {
        // page 0: lines 1 to 11c
        {&Label5(0),  0, kLabelLeft, Row(0),  4100,      "Label5"},
        {&Label5(1),  0, kLabelLeft, Row(1),  4100,      DottedCaption("2  Wages, tips and other compensation", 5, " (2)")},
        {&Label6,     0, kLabelLeft, Row(2),  4100,      "3  Inc. tax withheld.... (3)"},
        {&Label9,     0, kLabelLeft, Row(3),  4100,      DottedCaption("5  Taxable social security wages", 14, "  (5a)")},
        {&Label10,    0, kRateLeft,  Row(3),  3000,      " X 12.4%  (.124)   =   (5a)"},
        {&Label8,     0, kLabelLeft, Row(4),  4100,      DottedCaption("5a(i) Qualifed sick leaves wages", 14, "(5a(i))")},
        {&Label17,    0, kRateLeft,  Row(4),  3000,      " X  6.2%   (.062)  =  (5a(i)"},
        {&Label16,    0, kLabelLeft, Row(5),  4100,      DottedCaption("5a(ii) Qualified family leave wages", 11, "(5a(ii))")},
        {&Label18,    0, kRateLeft,  Row(5),  3000,      " X  6.2%   (.062)  =  (5a(ii)"},
        {&Label11,    0, kLabelLeft, Row(6),  4100,      DottedCaption("5b Taxable social security tips", 19, " (5b)")},
        {&Label12,    0, kRateLeft,  Row(6),  3000,      " X 12.4%  (.124)   =   (5b)"},
        {&Label13,    0, kLabelLeft, Row(7),  4100,      DottedCaption("5c Taxable Medicare wages and tips", 9, "(5c)")},
        {&Label14,    0, kRateLeft,  Row(7),  3000,      " X  2.9%   (.029)   =   (5c)"},
        {&Label25,    0, kLabelLeft, Row(8),  4100,      "5d Taxable wages & tips subject to"},
        {&Label32,    0, kLabelLeft, Row(9),  4100,      DottedCaption("Additional Medicare Tax withholding", 5, "(5d)")},
        {&Label27,    0, kRateLeft,  Row(8),  3000,      " X  0.9%   (.009)   =  (5d)"},
        {&Label15,    0, kLabelLeft, Row(10), kWide,     "5e  Total soc. sec. and Med. taxes (5a + 5a(i) + 5a(ii) +5b + 5c + 5d)  =  (5e)"},
        {&Label39,    0, kLabelLeft, Row(11), kWide,     DottedCaption("5f Section 312(g) Notice and Demand -- Tax due on unreported tips (see instructions)", 19, " (5f)")},
        {&Label42,    0, kLabelLeft, Row(12), kWide,     "6 Total taxes before adjustmnets:     lines 3 + 5e + 5f  =   (6)"},
        {&Label19,    0, kLabelLeft, Row(13), kLeftHalf, "7  Current quarter's adjustment for fractions of cents.."},
        {&Label26,    0, kRateLeft,  Row(13), 3000,      "8 Adjustment for sick pay ...."},
        {&Label24,    0, kLabelLeft, Row(14), kLeftHalf, "9  Curr. quarter's adjustments - tips/group-term life ins.."},
        {&Label22,    0, kRateLeft,  Row(14), 3000,      "10  Total taxes after adjust (combine lines 6 thru 9).."},
        {&Label20,    0, kLabelLeft, Row(16), kWide,     "11a Qualified small business payroll tax credit for increasing research activities. Attach Form 8974  (11a)"},
        {&Label21,    0, kLabelLeft, Row(17), kWide,     "11b Nonrefundable portion of credit for qualified sick and family leave wages from Worksheet 1     (11b)"},
        {&Label23,    0, kLabelLeft, Row(18), kWide,     DottedCaption("11c Nonrefundable portion of employee retention credit from Worksheet 1  ", 32, "    (11c)")},
        // page 1: lines 11d to 16
        {&Label40,    1, kLabelLeft, Row(0),  kWide,     DottedCaption("11d Total nonrefundable credits. Add lines 11a, 11b, and 11c", 66, " (11d)")},
        {&Label41,    1, kLabelLeft, Row(1),  kWide,     DottedCaption("12   Total taxes after adjustments and nonrefundable credits. Subtract line 11d from line 10", 21, " (12  )")},
        {&Label43,    1, kLabelLeft, Row(2),  kWide,     "13a Total deposits for the quarter, including overpayment applied from a prior quarter and"},
        {&Label44,    1, kLabelLeft, Row(3),  kWide,     "overpayments applied from Form 941-X, 941-X (PR), 944-X or 944-X (SP) filed in the current quarter (13a)"},
        {&Label45,    1, kLabelLeft, Row(4),  kWide,     DottedCaption("13b Deferred amount of the employer share of social security tax", 62, " (13b)")},
        {&Label46,    1, kLabelLeft, Row(5),  kWide,     DottedCaption("13c Refundable portion of credit for qualified sick and family leave wages from Worksheet 1", 19, " (13c)")},
        {&Label47,    1, kLabelLeft, Row(6),  kWide,     DottedCaption("13d Refundable portion of employee retention credit from Worksheet 1", 53, " (13d)")},
        {&Label48,    1, kLabelLeft, Row(7),  kWide,     DottedCaption("13e Total deposits, deferrals, and refundable credits. Add lines 13a, 13b, 13c, and 13d", 27, " (13e)")},
        {&Label49,    1, kLabelLeft, Row(8),  kWide,     DottedCaption("13f Total advances received from filing Form(s) 7200 for the quarter", 57, "  (13f)")},
        {&Label36,    1, kLabelLeft, Row(9),  kWide,     DottedCaption("13g Total deposits, deferrals, and refundable credits less advances. Subtract line 13f from line 13e ", 9, " (13g)")},
        {&Label37,    1, kLabelLeft, Row(10), kWide,     DottedCaption("14   Balance due. If line 12 is more than line 13g, enter the diference and see instructions", 22, " (14  )")},
        {&Label33(1), 1, kLabelLeft, Row(11), 1800,      DottedCaption("15  Overpayment", 10)},
        {&Label38,    1, kLabelLeft, Row(13), 5000,      "16  Monthly Summary of Fed. Tax Liability:"},
        {&Label28,    1, kLabelLeft, Row(15), 1300,      "Tax Liability:"},
        {&Label29,    1, 1500,       Row(15), 1400,      "Month 1"},
        {&Label30,    1, 1500,       Row(16), 1400,      "Month 2"},
        {&Label31,    1, 1500,       Row(17), 1400,      "Month 3"},
        {&Label34,    1, kLabelLeft, Row(18), 2800,      "Total liability for quarter"},
        {&Label35,    1, 4800,       Row(18), 2800,      "Total must equal line 12."},
        // page 2: lines 19 to 25; 59 and 60 are never shown
        {&Label59,    2, kLabelLeft, Row(2),  kWide,     "and enter the final date you paid wages"},
        {&Label60,    2, kLabelLeft, Row(3),  kWide,     "also attach a statement to your return. See instructions."},
        {&Label50,    2, kLabelLeft, Row(4),  kWide,     DottedCaption("19 Qualified health plan expenses allocable to qualified sick leave wages", 57, " (19)")},
        {&Label51,    2, kLabelLeft, Row(5),  kWide,     DottedCaption("20 Qualified health plan expenses allocable to qualified family leave wages", 55, " (20)")},
        {&Label52,    2, kLabelLeft, Row(6),  kWide,     DottedCaption("21 Qualified wages for the employee retention credit", 90, " (21)")},
        {&Label53,    2, kLabelLeft, Row(7),  kWide,     DottedCaption("22 Qualified health plan expenses allocable to wages reported on line 21", 58, " (22)")},
        {&Label54,    2, kLabelLeft, Row(8),  kWide,     DottedCaption("23 Credit from Form 5884-C, line 11, for this quarter", 92, " (23)")},
        {&Label55,    2, kLabelLeft, Row(9),  kWide,     "24 Qualified wages paid March 13 through March 31, 2020, for the employee retention"},
        {&Label56,    2, kLabelLeft, Row(10), kWide,     DottedCaption("credit (use this line only for the second quarter filing of Form 941)", 71, " (24)")},
        {&Label57,    2, kLabelLeft, Row(11), kWide,     "25 Qualified health plan expenses allocable to wages reported on line 24 (use this line only"},
        {&Label58,    2, kLabelLeft, Row(12), kWide,     DottedCaption("for the second quarter filing of Form 941)", 108, " (25)")},
    };
    // clang-format on
    PlaceCaptions(captions);
    // Line 10's caption runs over two lines.
    Label22.Move(Label22.Left(), Label22.Top(), Label22.Width(), 540);
    Label59.SetVisible(false);
    Label60.SetVisible(false);

    // clang-format off
    const BoxCaption boxes[] = {
        {&Check2, "Check if Wages not subject to Fica/Medicare:"},
        {&Check3, "Check if to be applied to next return"},
        {&Check4, "or Refunded"},
        {&Check6, "Check one  -  Monthly Depositor:"},
        {&Check5, "Semiweekly depositor:"},
        {&Check8, DottedCaption("17 If your business has closed or you stopped paying wages, Check here", 79)},
        {&Check1, DottedCaption("18 If you're a seasonal employer and you don't have to file a return for every quarter of the year, Check here", 24)},
    };
    // clang-format on
    SetBoxCaptions(boxes);

    mskNo_Employee.SetMask("99999");
    mskNo_Employee.SetMaxLength(5);

    SetHints(Form941FieldHints());

    // Placed on the screen but never shown or used.
    fpCurrency1.Move(9900, 120, 1300, 285);
    Check7.SetCaption("Check7");
    Check7.Move(11300, 120, 300, 285);
    Label7.SetCaption("Label7");
    Label7.Move(11700, 120, 600, 285);
    for (forms::Control* unused : std::initializer_list<forms::Control*>{&fpCurrency1, &Check7, &Label7}) {
        unused->SetVisible(false);
        unused->SetEnabled(false);
        unused->SetTabStop(false);
    }
}

// Every amount accepts 0 to 9,000,000,000; these also accept amounts down to
// -9,000,000,000. Code writes any result, a negative one too.
void frmDet941Covid::SetAmountLimits() {
    fpLine10.SetVisible(false);
    for (forms::CurrencyField* amount :
         {&fpLine2, &fpLine3, &fpLine9B, &fpLine9A, &fpLine9C, &fpLine12, &fpLine10, &fpCurrency1}) {
        amount->SetAllowNegative(true);
    }
}
