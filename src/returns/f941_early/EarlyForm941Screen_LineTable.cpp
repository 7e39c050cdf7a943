// The earlier Form 941 screens' lines, one row each: the line the field is on
// frmDet941, its labels, its column, its place in twips, whether Tab stops at
// it, what Add opens, the formula of a computed line (or a field's own Enter
// work) and where Enter moves on. The table's order is the tab order. The twin's design changes some rows' places, labels and
// order; its Enter chain passes from line 10 straight to the deposits, and
// its line 13 after the deposits is frmDet941's line 12.

#include "returns/f941_early/EarlyForm941Screen.h"
#include "returns/f941/Form941Layout.h"
#include "returns/f941_early/EarlyForm941Layout.h"

#include "common/DottedCaption.h"
#include "common/LineArithmetic.h"

namespace {

// A label on the form: its text, left, top and width in twips, as the
// fields' places are written.
LineLabel At(forms::Label& label, std::string text, long left, long top, long width) {
    constexpr long kLabelHeight = 255;
    return {&label, std::move(text), left, width, top, kLabelHeight};
}

} // namespace

std::vector<ReturnLine> EarlyForm941Screen::EarlyLines() {
    using S = EarlyForm941Screen;
    auto enter = [this](void (S::*work)()) { return LineRecompute{[this, work] { (this->*work)(); }, {}}; };
    const bool credit = design_.showsCreditAndTotalTax;
    // frmDet941's line 12 is line 10 less the credit of line 11; the twin's
    // hidden line 13 of an older layout is the deposits plus its line 12a.
    const LineRecompute line12or13 =
        credit ? Computed({&fpLine11, &fpLine12a},
                          [](std::span<const double> amounts) { return Cents(amounts[0]) - Cents(amounts[1]); })
               : Computed({&fpLine14, &fpLine12a},
                          [](std::span<const double> amounts) { return Cents(amounts[0]) + Cents(amounts[1]); });
    using namespace lineTable;
    forms::Control* afterLine9 = credit ? static_cast<forms::Control*>(&fpLine12a) : &fpLine14;

    // The rows stand in tab order: the boxes, the lines of older layouts,
    // then from the monthly summary up to line 2.
    // clang-format off
    std::vector<ReturnLine> lines = {
        // field          line   labels: label, text, left, top, width
        //                                         column                   place (left, top, width, height)  tab    entry   print recompute                  Enter moves to
        {&Check1,         "", {},                  "Seasonal",              OnForm(1680, 480, 2775, 255),   kStop, kAdd,   {itemEarly941::SeasonalBox, kByRule},   {},                          &mskNo_Employee},
        {&Check2,         "4", {},                 "Not_Subj",              OnForm(120, 3000, 3135, 255),   kStop, kAdd,   {itemEarly941::Line4Box, kByRule},   {},                          &fpCurrency1},
        {&Check3,         "15", {},                "Apply_Nxt",             OnForm(4920, 6480, 3135, 255),  kStop, kAdd,   {itemEarly941::ApplyBox, kByRule},   {},                          &Check4},
        {&Check4,         "15", {},                "Refunded",              OnForm(8160, 6480, 1455, 255),  kStop, kAdd,   {itemEarly941::RefundBox, kByRule},   {},                          &Check5},
        {&Check5,         "16", {At(Label38, "16  Monthly Summary of Fed. Tax Liability:", 360, 6840, 3735)},
                                                   "SemiWkly",              OnForm(4320, 6840, 2895, 255),  kStop, kAdd,   {itemEarly941::Line16SemiweeklyBox, kByRule},   {},                          &Check6},
        {&Check6,         "16", {},                "Monthly",               OnForm(7440, 6840, 2655, 255),  kStop, kAdd,   {itemEarly941::Line16MonthlyBox, kByRule},   {},                          &fpLine17A},
        // lines of older layouts, bound and never shown
        {&fpLongInt3,     "6b", {},                "L6b_NoEmployees",       OnForm(6480, 4320, 1215, 300),  kSkip, kKept,  0,   {},                          &fpCurrency1},
        {&fpLongInt2,     "6a", {At(Label41, "Lines 6a through 6d - Reserved for Future Use.", 360, 3960, 4095)},
                                                   "L6a_NoEmployees",       OnForm(6480, 3960, 1215, 300),  kSkip, kKept,  0,   {},                          &fpLongInt3},
        {&fpCurrency4,    "12e", {At(Label46, "x .062  = ", 6480, 5580, 855)},
                                                   "L12e",                  OnForm(6480, 5820, 1215, 300),  kSkip, kKept,  itemEarly941::ExemptWagesTax},
        {&fpCurrency3,    "12d", {},               "L12d_ExemptWages",      OnForm(5160, 5820, 1215, 300),  kStop, kKept,  itemEarly941::ExemptWages},
        {&fpLongInt4,     "12c", {At(Label49, "(12c)", 4440, 5580, 615)},
                                                   "L12c_ExemptIndividuals",OnForm(5160, 5520, 1215, 300),  kStop, kKept,  {itemEarly941::ExemptIndividuals, kByRule},   {},                          &fpCurrency3},
        {&fpCurrency2,    "6d", {},                "L6d_ExemptTaxes",       OnForm(6480, 4680, 1215, 300),  kSkip, kKept,  itemEarly941::ExemptTaxes},
        {&fpCurrency1,    "5f", {At(Label39, DottedCaption("5f Section 312(g) Notice and Demand -- Tax due on unreported tips (see instructions)", 45), 360, 3360, 7935),
                                 At(Label50, "(5f)", 8400, 3360, 375)},
                                                   "L6c_ExemptWages",       OnForm(8760, 3240, 1215, 300),  kStop, kKept,  itemEarly941::Line5f,  taxLines_.Line5fToCents(*this), &fpLine9B},
        {&fpLine11and12a, "12", {At(Label20, "12 Total Tax  Line 10 - 11  (12)", 360, 5640, 7935)},
                                                   "L13TotalPayments",      OnForm(8760, 5520, 1215, 300),  kSkip, kKept,  0,   line12or13},
        {&fpLongInt1,     "12b", {At(Label8, "12b # of Individuals - COBRA", 6480, 4920, 2175)},
                                                   "L12bCobraIndividuals",  OnForm(6480, 5220, 1215, 300),  kStop, kKept,  {itemEarly941::CobraIndividuals, kByRule},   {},                          &fpLine12a},
        {&fpLine12a,      "11", {At(Label45, "11  Qual. small bus. payroll tax credit for increasing research activities...(11)", 360, 5340, 4695),
                                 At(Label7, "12a COBRA payments", 5160, 4920, 1335)},
                                                   "L12aCobra",             OnForm(5160, 5220, 1215, 300),  kStop, credit ? kAdd : kKept,
                                                                                                                                                                    itemEarly941::Line11Credit,  {},                          &fpLine14},
        // the monthly summary
        {&fpLine17D,      "16d", {At(Label37, "16  (d)", 6840, 7200, 615)},
                                                   "L_20_D",                OnForm(7560, 7080, 1215, 300),  kSkip, kKept,  {itemEarly941::Line16Total, kMonthly},   TotalOf({&fpLine17A, &fpLine17B, &fpLine17C})},
        // the month check decides where Enter goes
        {&fpLine17C,      "16c", {At(Label36, "16  (c)", 4680, 7200, 615)},
                                                   "L_20_C",                OnForm(5400, 7080, 1215, 300),  kStop, kAdd,   {itemEarly941::Line16Month3, kMonthly},   enter(&S::Month3_Enter),     nullptr},
        {&fpLine17B,      "16b", {At(Label35, "16  (b)", 2520, 7200, 615)},
                                                   "L_20_B",                OnForm(3240, 7080, 1215, 300),  kStop, kAdd,   {itemEarly941::Line16Month2, kMonthly},   {},                          &fpLine17C},
        {&fpLine17A,      "16a", {At(Label34, "16  (a)", 360, 7200, 615)},
                                                   "L_20_A",                OnForm(1080, 7080, 1215, 300),  kStop, kAdd,   {itemEarly941::Line16Month1, kMonthly},   {},                          &fpLine17B},
        // lines 13 to 15: the deposits and the balance
        {&fpLine16,       "15", {At(Label33, DottedCaption("15  Overpayment", 24), 360, 6600, 2655),
                                 At(Label21, "(15)", 3000, 6600, 375)},
                                                   "L_16",                  OnForm(3480, 6480, 1215, 300),  kSkip, kKept,  itemEarly941::Overpayment,  OverpaymentOf(TotalTax(), fpLine14)},
        {&fpLine15,       "14", {At(Label30, DottedCaption("14  Balance due (line 10 minus lines 11 and 13)", 115), 360, 6240, 7935),
                                 At(Label31, "(14)", 8400, 6240, 375)},
                                                   "L_15",                  OnForm(8760, 6120, 1215, 300),  kSkip, kKept,  itemEarly941::BalanceDue, BalanceDueOf(TotalTax(), fpLine14)},
        // the deposits' balance decides where Enter goes
        {&fpLine14,       "13", {At(Label28, DottedCaption("13  Total deposits for the quarter, including overpayment applied from a prior quarter  ", 44), 360, 5940, 7935),
                                 At(Label29, "(13)", 8400, 5940, 375)},
                                                   "L_14",                  OnForm(8760, 5820, 1215, 300),  kStop, kAdd,   itemEarly941::Deposits,  enter(&S::Deposits_Enter),   nullptr},
        // lines 5d to 10
        {&fpLine5D2,      "5d", {},                "L_13",                  OnForm(7440, 2520, 1215, 300),  kSkip, kKept,  itemEarly941::Line5dTax,  taxLines_.Tax5d()},
        {&fpLine5d1,      "5d", {At(Label25, " Taxable wages & tips subject to", 360, 2400, 3495),
                                 At(Label32, DottedCaption(" Additional Medicare Tax withholding", 6, "(5d)"), 360, 2640, 3495),
                                 At(Label27, " X  0.9%   (.009)   =  (5d)", 5280, 2640, 2055)},
                                                   "L_12",                  OnForm(3960, 2520, 1215, 300),  kSkip, kAdd,   itemEarly941::Line5dWages,  {},                          &Check2},
        {&fpLine11,       "10", {At(Label22, DottedCaption("10  Total taxes after adjustments (combine lines 6 through  line 9)  ", 73), 360, 5040, 7935),
                                 At(Label19, "(10)", 8400, 5040, 375)},
                                                   "L_11",                  OnForm(8760, 4920, 1215, 300),  kSkip, kKept,  itemEarly941::Line10,  taxLines_.Line10()},
        {&fpLine9C,       "9", {At(Label24, "9  Current quarter's adjustments for tips/group-term life in ..", 360, 4560, 4095),
                                At(Label18, "(9)", 4440, 4560, 375)},
                                                   "L_9C",                  OnForm(4920, 4440, 1215, 300),  kStop, kAdd,   itemEarly941::Line9,  {},                          afterLine9},
        {&fpLine9B,       "7", {At(Label17, DottedCaption("7  Current quarter's adjustment for fractions of cents", 10), 360, 4200, 3975),
                                At(Label48, "(7)", 4440, 4200, 375)},
                                                   "L_9B",                  OnForm(4920, 4080, 1215, 300),  kStop, kAdd,   itemEarly941::Line7,  {},                          &fpLine9A},
        {&fpLine9A,       "8", {At(Label26, "8 Adjustment for sick pay ....", 6240, 4200, 2055),
                                At(Label23, "(8)", 8400, 4200, 375)},
                                                   "L_9A",                  OnForm(8760, 4080, 1215, 300),  kStop, kAdd,   itemEarly941::Line8,  {},                          &fpLine9C},
        {&fpLine10,       "", {At(Label47, "Total adjustments.", 6960, 4560, 1455)},
                                                   "L_10",                  OnForm(8760, 4440, 1215, 300),  kSkip, kKept,  0,   taxLines_.Adjustments()},
        // lines 1 to 5e
        {&fpLine8,        "5e", {At(Label15, "5e  Total soc. sec. and Med. taxes (5a + 5b + 5c + 5d) ", 3360, 3000, 3495),
                                 At(Label16, "(5e)", 6960, 3000, 375)},
                                                   "L_8",                   OnForm(7440, 2880, 1215, 300),  kSkip, kKept,  itemEarly941::Line5e,  taxLines_.Line5e()},
        {&fpLine7B,       "5c", {},                "L_7B",                  OnForm(7440, 2040, 1215, 300),  kSkip, kKept,  itemEarly941::Line5cTax,  taxLines_.Tax5c()},
        {&fpLine7A,       "5c", {At(Label13, DottedCaption(" Taxable Medicare wages and tips", 10, "(5c)"), 360, 2160, 3495),
                                 At(Label14, " X  2.9%   (.029)   =   (5c)                ", 5280, 2160, 2055)},
                                                   "L_7A",                  OnForm(3960, 2040, 1215, 300),  kStop, kAdd,   itemEarly941::Line5cWages,  taxLines_.Wages5c(),         &fpLine5d1},
        {&fpLine6D,       "5b", {},                "L_6D",                  OnForm(7440, 1680, 1215, 300),  kSkip, kKept,  itemEarly941::Line5bTax,  taxLines_.Tax5b()},
        {&mskNo_Employee, "1", {At(Label4, "Number of Employees in 3/12 pay period:", 4560, 480, 3735),
                                At(Label43, "(1)", 8400, 480, 375)},
                                                   "No_Employee",           OnForm(8760, 480, 735, 300),    kStop, kAdd,   {itemEarly941::Line1Employees, kByRule},   {},                          &fpLine2},
        {&fpLine6c,       "5b", {At(Label11, DottedCaption("    Taxable social security tips", 20, " (5b)"), 360, 1800, 3495),
                                 At(Label12, " X 12.4%  (.124)   =   (5b)                ", 5280, 1800, 2055)},
                                                   "L_6C",                  OnForm(3960, 1680, 1215, 300),  kStop, kAdd,   itemEarly941::Line5bTips,  {},                          &fpLine7A},
        {&fpLine6B,       "5a", {},                "L_6B",                  OnForm(7440, 1320, 1215, 300),  kSkip, kKept,  itemEarly941::Line5aTax,  taxLines_.Tax5a()},
        {&fpLine6A,       "5a", {At(Label9, DottedCaption("5  Taxable social security wages", 14, "  (5a)"), 360, 1440, 3495),
                                 At(Label10, " X 12.4%  (.124)   =   (5a)               ", 5280, 1440, 2055)},
                                                   "L_6A",                  OnForm(3960, 1320, 1215, 300),  kStop, kAdd,   itemEarly941::Line5aWages,  taxLines_.Wages5a(),         &fpLine6c},
        {&fpLine5,        "6", {At(Label42, "6 Total taxes before adjustmnets:     lines 3 + 5e + 5f  =   (6)", 360, 3720, 7935)},
                                                   "L_5",                   OnForm(8760, 3600, 1215, 300),  kSkip, kKept,  itemEarly941::Line6,  taxLines_.Line6()},
        {&fpLine3,        "3", {At(Label6, DottedCaption("3  Income tax withheld", 11, " (3) "), 5280, 960, 3135)},
                                                   "L_3",                   OnForm(8760, 840, 1215, 300),   kStop, kAdd,   itemEarly941::Line3,  {},                          &fpLine6A},
        {&fpLine2,        "2", {At(Label5, DottedCaption("2  Wages, tips and other compensation", 20, " (2)"), 360, 960, 3495)},
                                                   "L_2",                   OnForm(3960, 840, 1215, 300),   kStop, kAdd,   itemEarly941::Line2,  {},                          &fpLine3},
    };
    // clang-format on

    ApplyLineChanges(lines, design_.lineChanges);
    return lines;
}
