// The earlier Form 944 screen's lines, one row each: the line of the form,
// its captions and where they stand, the Det944 column, the place on the
// form in twips, whether Tab stops, the printout item, the formula of a
// computed line (or what Enter does besides moving on) and where Enter moves
// on.

#include "common/LineArithmetic.h"
#include "returns/f944_early/EarlyForm944Layout.h"
#include "returns/f944_early/EarlyForm944PrintLayout.h"
#include "returns/f944_early/frmdet944.h"

using namespace layout944early;

std::vector<ReturnLine> frmdet944::Form944Lines() {
    const LineRecompute line1Wages = WagesOfLine1();
    auto amount = [](long left, int row, long width = kAmountWide) { return OnForm(left, RowTop(row), width, kHigh); };
    auto box = [](long left, int row, long width) { return OnForm(left, RowTop(row), width, kBoxHigh); };
    // A month's caption stands at the left of its amount.
    auto month = [this](int index, const char* caption) {
        return LineLabel{&lblMonth(index), caption, MonthCaptionLeft(index), kMonthCaptionWide, RowTop(MonthRow(index))};
    };
    using namespace lineTable;

    // clang-format off
    std::vector<ReturnLine> lines = {
        // field       line  labels (label, text, left, width, top)
        //                   column       place                              tab    entry  print recompute                 Enter moves to
        {&fpLine1,     "1",  {{&lblLine1, "1  Wages and tips, and other compensation..................................................(1)", kLeft, kLineWide, RowTop(0)}},
                             "L_1",       amount(kRight, 0),                 kStop, kKept, item944early::Line1,  {},                       &fpLine2},
        {&fpLine2,     "2",  {{&lblLine2, "2  Total income tax withheld from wages, tips, and other compensation..............(2)", kLeft, kLineWide, RowTop(1)}},
                             "L_2",       amount(kRight, 1),                 kStop, kKept, item944early::Line2, {},                       &Check2},
        {&Check2,      "3",  {},
                             "Not_Subj",  box(kLeft, 2, 7000),               kStop, kKept, {item944early::Line3Box, kByRule},  {},                       &fpLine4A},
        {&fpLine4A,    "4a", {{&lblLine4a, "4  Taxable social security wages", kLeft, kTaxCaptionWide, RowTop(3)}, {&lblRate4a, " X 12.4%  (.124)   =               (4a)", kRate, kRateWide, RowTop(3)}},
                             "L_4A",      amount(kWages, 3),                 kStop, kKept, item944early::Line4aWages, line1Wages,               &fpLine4B},
        {&fpLine4A2,   "4a", {},
                             "L_4A_2",    amount(kRight, 3),                 kSkip, kKept, item944early::Line4aTax, TaxAt(fpLine4A, rate::SocialSecurity)},
        {&fpLine4B,    "4b", {{&lblLine4b, "    Taxable social security tips", kLeft, kTaxCaptionWide, RowTop(4)}, {&lblRate4b, " X 12.4%  (.124)   =               (4b)", kRate, kRateWide, RowTop(4)}},
                             "L_4B",      amount(kWages, 4),                 kStop, kKept, item944early::Line4bTips, {},                       &fpLine4C},
        {&fpLine4B2,   "4b", {},
                             "L_4B_2",    amount(kRight, 4),                 kSkip, kKept, item944early::Line4bTax, TaxAt(fpLine4B, rate::SocialSecurity)},
        {&fpLine4C,    "4c", {{&lblLine4c, "    Taxable Medicare wages and tips", kLeft, kTaxCaptionWide, RowTop(5)}, {&lblRate4c, " X  2.9%   (.029)   =               (4c)", kRate, kRateWide, RowTop(5)}},
                             "L_4C",      amount(kWages, 5),                 kStop, kKept, item944early::Line4cWages, line1Wages,               &fpLine4D},
        {&fpLine4C2,   "4c", {},
                             "L_4C_2",    amount(kRight, 5),                 kSkip, kKept, item944early::Line4cTax, TaxAt(fpLine4C, rate::Medicare)},
        {&fpLine4D,    "4d", {{&lblLine4d, "   Total wages/tips subject to add'l Meicare. tax", kLeft, kTaxCaptionWide, RowTop(6)}, {&lblRate4d, "X  0.9%    (.009)   =               (4d)", kRate, kRateWide, RowTop(6)}},
                             "L_4D",      amount(kWages, 6),                 kStop, kKept, item944early::Line4dWages, NoWages4dAfterLine1(),    &fpLine6A},
        {&fpLine4d2,   "4d", {},
                             "L_6B",      amount(kRight, 6),                 kSkip, kKept, item944early::Line4dTax, TaxAt(fpLine4D, rate::AdditionalMedicare)},
        // the chain passes 4e by; the user reaches it with the mouse or Tab
        {&fpLine8,     "4e", {{&lblLine4e, "4e  subtotal of column 2 from  lines 4a, 4b, 4c, and 4d.....................................(4e)", kLeft, kLineWide, RowTop(7)}},
                             "L_8",       amount(kRight, 7),                 kStop, kKept, item944early::Line4e, TaxesOf4e(),              &fpLine10},
        {&fpLine5,     "5",  {{&lblLine5, "5  Total taxes before adjustments (lines 2 + 4a + 4b + 4c+ 4d = line 5)..........(5)", kLeft, kLineWide, RowTop(8)}},
                             "L_5",       amount(kRight, 8),                 kSkip, kKept, item944early::Line5, Line5Formula()},
        {&fpLine6A,    "6",  {{&lblLine6, "6  Adjustments: Curr.Yr", kLeft, kLine6 - kLeft, RowTop(9)}},
                             "L_6A",      amount(kLine6, 9),                 kStop, kKept, item944early::Line6, {},                       &fpLine6D},
        {&fpLine7,     "7",  {{&lblLine7, "7 Total taxes after adjustments (line 5 plus line 6)....(7)", kLine7Caption, kRight - kLine7Caption - 100, RowTop(9)}},
                             "L_7",       amount(kRight, 9),                 kSkip, kKept, item944early::Line7, Line7Formula()},
        {&fpLine6D,    "8",  {{&lblLine8, "8  Qualified small business payroll tax credit for increasing research activities....(8)", kLeft, kLineWide, RowTop(10)}},
                             "L_6D",      amount(kRight, 10),                kStop, kKept, item944early::Line8, {},                       &fpLine10},
        {&fpLine9,     "9",  {{&lblLine9, "9  Total taxes after adjustments and credits. Subtract line 8 from line 7..........(9)", kLeft, kLineWide, RowTop(11)}},
                             "L_9",       amount(kRight, 11),                kSkip, kKept, item944early::Line9, Line9Formula()},
        // the balance decides where Enter goes
        {&fpLine10,    "10", {{&lblLine10, "10 Total deposits for the year, including overpayment applied from a prior year...[10]", kLeft, kLineWide, RowTop(12)}},
                             "L_10",      amount(kRight, 12),                kStop, kKept, item944early::Line10, Line10_Enter(),           nullptr},
        {&fpLine11,    "11", {{&lblLine11, "11  Balance due......................................................................................[11]", kLeft, kLineWide, RowTop(13)}},
                             "L_11",      amount(kRight, 13),                kSkip, kKept, item944early::Line11, BalanceDueOf(fpLine9, fpLine10)},
        {&fpLine12,    "12", {{&lblLine12, "12  Overpayment:  ", kLeft, kLine12 - kLeft, RowTop(14)}},
                             "L_12",      amount(kLine12, 14),               kSkip, kKept, item944early::Line12, OverpaymentOf(fpLine9, fpLine10)},
        {&Check3,      "12", {},
                             "Apply_Nxt", box(kApplyBox, 14, 3700),          kStop, kKept, {item944early::ApplyBox, kByRule},  {},                       &Check4},
        {&Check4,      "12", {},
                             "Refunded",  box(kRefundBox, 14, 1600),         kStop, kKept, {item944early::RefundBox, kByRule},  {},                       &fpLine13a},
        // line 13's caption stands on its own row above the months
        {&fpLine13a,   "13", {{&lblLine13, "13 Tax Liab:", kLeft, 2000, RowTop(kLine13Row)}, month(0, "Jan.")},
                             "L_13A",     amount(MonthLeft(0), MonthRow(0)), kStop, kKept, {item944early::January, kMonthly}, {},                       &fpLine13b},
        {&fpLine13b,   "13", {month(1, "Feb.")},
                             "L_13B",     amount(MonthLeft(1), MonthRow(1)), kStop, kKept, {item944early::February, kMonthly}, {},                       &fpLine13c},
        {&fpLine13c,   "13", {month(2, "Mar.")},
                             "L_13C",     amount(MonthLeft(2), MonthRow(2)), kStop, kKept, {item944early::March, kMonthly}, {},                       &fpLine13d},
        {&fpLine13d,   "13", {month(3, "Apr.")},
                             "L_13D",     amount(MonthLeft(3), MonthRow(3)), kStop, kKept, {item944early::April, kMonthly}, {},                       &fpLine13e},
        {&fpLine13e,   "13", {month(4, "May")},
                             "L_13E",     amount(MonthLeft(4), MonthRow(4)), kStop, kKept, {item944early::May, kMonthly}, {},                       &fpLine13f},
        {&fpLine13f,   "13", {month(5, "Jun.")},
                             "L_13F",     amount(MonthLeft(5), MonthRow(5)), kStop, kKept, {item944early::June, kMonthly}, {},                       &fpLine13g},
        {&fpLine13g,   "13", {month(6, "Jul.")},
                             "L_13G",     amount(MonthLeft(6), MonthRow(6)), kStop, kKept, {item944early::July, kMonthly}, {},                       &fpLine13h},
        {&fpLine13h,   "13", {month(7, "Aug.")},
                             "L_13H",     amount(MonthLeft(7), MonthRow(7)), kStop, kKept, {item944early::August, kMonthly}, {},                       &fpLine13I},
        {&fpLine13I,   "13", {month(8, "Sep.")},
                             "L_13I",     amount(MonthLeft(8), MonthRow(8)), kStop, kKept, {item944early::September, kMonthly}, {},                       &fpLine13J},
        {&fpLine13J,   "13", {month(9, "Oct.")},
                             "L_13J",     amount(MonthLeft(9), MonthRow(9)), kStop, kKept, {item944early::October, kMonthly}, {},                       &fpLine13K},
        {&fpLine13K,   "13", {month(10, "Nov.")},
                             "L_13K",     amount(MonthLeft(10), MonthRow(10)), kStop, kKept, {item944early::November, kMonthly}, {},                     &fpLine13L},
        // the year check decides where Enter goes
        {&fpLine13L,   "13", {month(11, "Dec.")},
                             "L_13L",     amount(MonthLeft(11), MonthRow(11)), kStop, kKept, {item944early::December, kMonthly}, December_Enter(),      nullptr},
        {&fpLine13M,   "13", {{&lblYearTotal, "Total Liabiliy for the year:", kRight - 400, 1800, RowTop(MonthRow(11) - 1)}},
                             "L_13M",     amount(kRight, MonthRow(11)),      kStop, kKept, {item944early::YearTotal, kMonthly}, MonthsTotal(),            nullptr},
        // an older layout's lines, bound and never shown
        {&fpLine6E,    "",   {},
                             "L_6E",      amount(kRight, 0),                 kStop, kKept, {item944early::Line6eCount, kByRule}},
        {&fpLine6f,    "",   {},
                             "L_6F",      amount(kRight, 0),                 kSkip, kKept, 0},
    };
    // clang-format on
    return lines;
}
