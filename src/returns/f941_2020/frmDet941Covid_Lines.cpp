// The 2020 Form 941 screen's lines, one row each: the form line the field
// is, its captions, its column, where it stands, whether Tab stops at it,
// what Add opens, the printout item of its amount, the formula of a computed
// line (lines 11d to 15 as only this revision has them) and where Enter
// moves on. The table's order is the tab order.

#include "returns/f941_2020/frmDet941Covid.h"

#include "common/DottedCaption.h"
#include "common/LineArithmetic.h"
#include "returns/f941_2020/Rev2020Layout.h"

namespace {

constexpr long kWide = 8800;     // a caption across the page, left of the amounts
constexpr long kLeftHalf = 3500; // lines 7 and 9, left of lines 8 and 10
constexpr long kTwoLines = 540;  // line 10's caption runs over two lines

} // namespace

std::vector<ReturnLine> frmDet941Covid::Form941Lines() {
    const LineRecompute line11d = TotalOf({&fpLine11a, &fpLine11b, &fpLine11c});
    const LineRecompute line12 = DifferenceOf(fpLine11, fpLine11d);
    const LineRecompute line13e = TotalOf({&fpLine13a, &fpLine13b, &fpLine13c, &fpLine13d});
    // 13g = 13e less the advances of line 13f; leaving 13f always lands on 13g.
    const LineRecompute line13g = DifferenceOf(fpLine13e, fpLine13f);
    using namespace lineTable;

    // clang-format off
    return {
        // field       line    column              page row left         width   tab    entry  print recompute                          Enter moves to
        // page 0: lines 1 to 11c
        {&mskNo_Employee, "1", {{&Label5(0), "Label5", kLabelLeft, 4100}},
                                    "No_Employee",     {0, 0,  kColumn1, 800},     kStop, kAdd,  {item2020::Line1Employees, kByRule},   {},                                &Check2},
        {&Check2,      "4", {},     "Not_Subj",        {0, 0,  6200, 4400},        kStop, kAdd,  {item2020::Line4Box, kByRule},   {},                                &fpLine2},
        {&fpLine2,     "2", {{&Label5(1), DottedCaption("2  Wages, tips and other compensation", 5, " (2)"), kLabelLeft, 4100}},
                                    "L_2",             {0, 1,  kColumn1},          kStop, kAdd,  item2020::Line2,  {},                                &fpLine3},
        {&fpLine3,     "3", {{&Label6, "3  Inc. tax withheld.... (3)", kLabelLeft, 4100}},
                                    "L_3",             {0, 2,  kColumn1},          kStop, kAdd,  item2020::Line3,  {},                                &fpLine6A},
        {&fpLine6A,    "5a", {{&Label9, DottedCaption("5  Taxable social security wages", 14, "  (5a)"), kLabelLeft, 4100}, {&Label10, " X 12.4%  (.124)   =   (5a)", kRateLeft, 3000}},
                                    "L_6A",            {0, 3,  kColumn1},          kStop, kAdd,  item2020::Line5aWages,  taxLines_.Wages5a(),               &fpL5a1c1},
        {&fpLine6B,    "5a", {},    "L_6B",            {0, 3,  kColumn2},          kSkip, kKept, item2020::Line5aTax,  taxLines_.Tax5a()},
        {&fpL5a1c1,    "5a(i)", {{&Label8, DottedCaption("5a(i) Qualifed sick leaves wages", 14, "(5a(i))"), kLabelLeft, 4100}, {&Label17, " X  6.2%   (.062)  =  (5a(i)", kRateLeft, 3000}},
                                    "L5a1c1",          {0, 4,  kColumn1},          kStop, kKept, item2020::Line5aiWages,  {},                                &fpL5a2c1},
        {&fpL5a1c2,    "5a(i)", {}, "L5a1c2",          {0, 4,  kColumn2},          kStop, kKept, item2020::Line5aiTax,  taxLines_.Tax5ai()},
        {&fpL5a2c1,    "5a(ii)", {{&Label16, DottedCaption("5a(ii) Qualified family leave wages", 11, "(5a(ii))"), kLabelLeft, 4100}, {&Label18, " X  6.2%   (.062)  =  (5a(ii)", kRateLeft, 3000}},
                                    "L5a2c1",          {0, 5,  kColumn1},          kStop, kKept, item2020::Line5aiiWages,  {},                                &fpLine6c},
        {&fpL5a2c2,    "5a(ii)", {},"L5a2c2",          {0, 5,  kColumn2},          kStop, kKept, item2020::Line5aiiTax,  taxLines_.Tax5aii()},
        {&fpLine6c,    "5b", {{&Label11, DottedCaption("5b Taxable social security tips", 19, " (5b)"), kLabelLeft, 4100}, {&Label12, " X 12.4%  (.124)   =   (5b)", kRateLeft, 3000}},
                                    "L_6C",            {0, 6,  kColumn1},          kStop, kAdd,  item2020::Line5bTips,  {},                                &fpLine7A},
        {&fpLine6D,    "5b", {},    "L_6D",            {0, 6,  kColumn2},          kSkip, kKept, item2020::Line5bTax,  taxLines_.Tax5b()},
        {&fpLine7A,    "5c", {{&Label13, DottedCaption("5c Taxable Medicare wages and tips", 9, "(5c)"), kLabelLeft, 4100}, {&Label14, " X  2.9%   (.029)   =   (5c)", kRateLeft, 3000}},
                                    "L_7A",            {0, 7,  kColumn1},          kStop, kAdd,  item2020::Line5cWages,  taxLines_.Wages5c(),               &fpLine5d1},
        {&fpLine7B,    "5c", {},    "L_7B",            {0, 7,  kColumn2},          kSkip, kKept, item2020::Line5cTax,  taxLines_.Tax5c()},
        {&fpLine5d1,   "5d", {{&Label25, "5d Taxable wages & tips subject to", kLabelLeft, 4100}, {&Label32, DottedCaption("Additional Medicare Tax withholding", 5, "(5d)"), kLabelLeft, 4100, LineTop(9)}, {&Label27, " X  0.9%   (.009)   =  (5d)", kRateLeft, 3000}},
                                    "L_12",            {0, 8,  kColumn1},          kStop, kAdd,  item2020::Line5dWages,  {},                                &fpLine5f},
        {&fpLine5D2,   "5d", {},    "L_13",            {0, 8,  kColumn2},          kSkip, kKept, item2020::Line5dTax,  taxLines_.Tax5d()},
        {&fpLine8,     "5e", {{&Label15, "5e  Total soc. sec. and Med. taxes (5a + 5a(i) + 5a(ii) +5b + 5c + 5d)  =  (5e)", kLabelLeft, kWide}},
                                    "L_8",             {0, 10, kColumn2},          kSkip, kKept, item2020::Line5e,  taxLines_.Line5e()},
        {&fpLine5f,    "5f", {{&Label39, DottedCaption("5f Section 312(g) Notice and Demand -- Tax due on unreported tips (see instructions)", 19, " (5f)"), kLabelLeft, kWide}},
                                    "L6c_ExemptWages", {0, 11, kColumn2},          kStop, kKept, {item2020::Line5f, kByRule},   taxLines_.Line5fToCents(*this),    &fpLine9B},
        {&fpLine5,     "6", {{&Label42, "6 Total taxes before adjustmnets:     lines 3 + 5e + 5f  =   (6)", kLabelLeft, kWide}},
                                    "L_5",             {0, 12, kColumn2},          kSkip, kKept, item2020::Line6,  taxLines_.Line6()},
        {&fpLine9B,    "7", {{&Label19, "7  Current quarter's adjustment for fractions of cents..", kLabelLeft, kLeftHalf}},
                                    "L_9B",            {0, 13, 3700},              kStop, kAdd,  item2020::Line7,  {},                                &fpLine9A},
        {&fpLine9A,    "8", {{&Label26, "8 Adjustment for sick pay ....", kRateLeft, 3000}},
                                    "L_9A",            {0, 13, kColumn2},          kStop, kAdd, item2020::Line8, {}, &fpLine9C},
        {&fpLine9C,    "9", {{&Label24, "9  Curr. quarter's adjustments - tips/group-term life ins..", kLabelLeft, kLeftHalf}},
                                    "L_9C",            {0, 14, 3700},              kStop, kAdd,  item2020::Line9,  {},                                &fpLine11a},
        // the total of lines 7 to 9, kept for line 10 only and never shown
        {&fpLine10,    "", {},      nullptr,           {0, 15, kColumn1},          kSkip, kKept, 0,   taxLines_.Adjustments()},
        {&fpLine11,    "10", {{&Label22, "10  Total taxes after adjust (combine lines 6 thru 9)..", kRateLeft, 3000, kTopOfRow, kTwoLines}},
                                    "L_11",            {0, 14, kColumn2},          kSkip, kKept, item2020::Line10,  taxLines_.Line10()},
        {&fpLine11a,   "11a", {{&Label20, "11a Qualified small business payroll tax credit for increasing research activities. Attach Form 8974  (11a)", kLabelLeft, kWide}},
                                    "L11a",            {0, 16, kColumn2},          kStop, kKept, item2020::Line11a,  {},                                &fpLine11b},
        {&fpLine11b,   "11b", {{&Label21, "11b Nonrefundable portion of credit for qualified sick and family leave wages from Worksheet 1     (11b)", kLabelLeft, kWide}},
                                    "L11b",            {0, 17, kColumn2},          kStop, kKept, item2020::Line11b,  {},                                &fpLine11c},
        {&fpLine11c,   "11c", {{&Label23, DottedCaption("11c Nonrefundable portion of employee retention credit from Worksheet 1  ", 32, "    (11c)"), kLabelLeft, kWide}},
                                    "L11c",            {0, 18, kColumn2},          kStop, kKept, item2020::Line11c,  {},                                &Command2},
        // page 1: lines 11d to 16
        {&fpLine11d,   "11d", {{&Label40, DottedCaption("11d Total nonrefundable credits. Add lines 11a, 11b, and 11c", 66, " (11d)"), kLabelLeft, kWide}},
                                    "L11d",            {1, 0,  kColumn2},          kStop, kKept, item2020::Line11d,  line11d},
        {&fpLine12,    "12", {{&Label41, DottedCaption("12   Total taxes after adjustments and nonrefundable credits. Subtract line 11d from line 10", 21, " (12  )"), kLabelLeft, kWide}},
                                    "Line12",          {1, 1,  kColumn2},          kStop, kAdd, item2020::Line12, line12},
        {&fpLine13a,   "13a", {{&Label43, "13a Total deposits for the quarter, including overpayment applied from a prior quarter and", kLabelLeft, kWide, LineTop(2)}, {&Label44, "overpayments applied from Form 941-X, 941-X (PR), 944-X or 944-X (SP) filed in the current quarter (13a)", kLabelLeft, kWide}},
                                    "L13a",            {1, 3,  kColumn2},          kStop, kKept, item2020::Line13a,   {},                                 &fpLine13c},
        {&fpLine13b,   "13b", {{&Label45, DottedCaption("13b Deferred amount of the employer share of social security tax", 62, " (13b)"), kLabelLeft, kWide}},
                                    "L13b",            {1, 4,  kColumn2},          kStop, kKept, item2020::Line13b,   {},                                 &fpLine13c},
        {&fpLine13c,   "13c", {{&Label46, DottedCaption("13c Refundable portion of credit for qualified sick and family leave wages from Worksheet 1", 19, " (13c)"), kLabelLeft, kWide}},
                                    "L13c",            {1, 5,  kColumn2},          kStop, kKept, item2020::Line13c,   {},                                 &fpLine13d},
        {&fpLine13d,   "13d", {{&Label47, DottedCaption("13d Refundable portion of employee retention credit from Worksheet 1", 53, " (13d)"), kLabelLeft, kWide}},
                                    "L13d",            {1, 6,  kColumn2},          kStop, kKept, item2020::Line13d,   {},                                 &fpLine13f},
        {&fpLine13e,   "13e", {{&Label48, DottedCaption("13e Total deposits, deferrals, and refundable credits. Add lines 13a, 13b, 13c, and 13d", 27, " (13e)"), kLabelLeft, kWide}},
                                    "L13e",            {1, 7,  kColumn2},          kStop, kKept, item2020::Line13e,   line13e},
        {&fpLine13f,   "13f", {{&Label49, DottedCaption("13f Total advances received from filing Form(s) 7200 for the quarter", 57, "  (13f)"), kLabelLeft, kWide}},
                                    "L13f",            {1, 8,  kColumn2},          kStop, kKept, item2020::Line13f,   {},                                 &fpLine14,
                                                                                                  EnterKeyChain::Trigger::Enter, /*leaving moves to*/ &fpLine14},
        {&fpLine14,    "13g", {{&Label36, DottedCaption("13g Total deposits, deferrals, and refundable credits less advances. Subtract line 13f from line 13e ", 9, " (13g)"), kLabelLeft, kWide}},
                                    "L_14",            {1, 9,  kColumn2},          kStop, kAdd,  item2020::Line13g,   line13g,                            &fpLine17A},
        {&fpLine15,    "14", {{&Label37, DottedCaption("14   Balance due. If line 12 is more than line 13g, enter the diference and see instructions", 22, " (14  )"), kLabelLeft, kWide}},
                                    "L_15",            {1, 10, kColumn2},          kSkip, kKept, item2020::Line14, BalanceDueOf(fpLine12, fpLine14)},
        {&fpLine16(1), "15", {{&Label33(1), DottedCaption("15  Overpayment", 10), kLabelLeft, 1800}},
                                    "L_16",            {1, 11, kColumn2},          kSkip, kKept, item2020::Line15, OverpaymentOf(fpLine12, fpLine14)},
        {&Check3,      "15", {},    "Apply_Nxt",       {1, 11, 2000, 3800},        kStop, kKept, {item2020::Line15ApplyBox, kByRule}},
        {&Check4,      "15", {},    "Refunded",        {1, 11, 6000, 2000},        kStop, kKept, {item2020::Line15RefundBox, kByRule}},
        {&Check6,      "16", {},    "Monthly",         {1, 14, kLabelLeft, 4000},  kStop, kKept, {item2020::Line16MonthlyBox, kByRule},   {},                                &Check5},
        {&Check5,      "16", {},    "SemiWkly",        {1, 14, 4300, 3000},        kStop, kKept, {item2020::Line16SemiweeklyBox, kByRule},   {},                                &Command4},
        // month 3's check decides where Enter goes
        {&fpLine17A,   "16", {{&Label29, "Month 1", 1500, 1400}, {&Label28, "Tax Liability:", kLabelLeft, 1300}},
                                    "L_20_A",          {1, 15, 3000},              kStop, kAdd,  {item2020::Line16Month1, kMonthly},   {},                                           &fpLine17B},
        {&fpLine17B,   "16", {{&Label30, "Month 2", 1500, 1400}},
                                    "L_20_B",          {1, 16, 3000},              kStop, kAdd,  {item2020::Line16Month2, kMonthly},   {},                                           &fpLine17C},
        {&fpLine17C,   "16", {{&Label31, "Month 3", 1500, 1400}},
                                    "L_20_C",          {1, 17, 3000},              kStop, kAdd,  {item2020::Line16Month3, kMonthly},   months_.Month3Check(),                         nullptr},
        {&fpLine17D,   "16", {{&Label34, "Total liability for quarter", kLabelLeft, 2800}, {&Label35, "Total must equal line 12.", 4800, 2800}},
                                    "L_20_D",          {1, 18, 3000},              kStop, kKept, {item2020::Line16Total, kMonthly},   months_.QuarterTotal()},
        // page 2: lines 17 to 25
        {&Check8,      "17", {{&Label59, "and enter the final date you paid wages", kLabelLeft, kWide, LineTop(2)}, {&Label60, "also attach a statement to your return. See instructions.", kLabelLeft, kWide, LineTop(3)}},
                                    "OutOfBusiness",   {2, 0,  kLabelLeft, 11000}, kStop, kKept, {item2020::Line17Box, kByRule},   {},                                &Check1},
        {&Check1,      "18", {},    "Seasonal",        {2, 1,  kLabelLeft, 11000}, kStop, kAdd,  {item2020::Line18aBox, kByRule},   {},                                &fpLine19},
        {&fpLine19,    "19", {{&Label50, DottedCaption("19 Qualified health plan expenses allocable to qualified sick leave wages", 57, " (19)"), kLabelLeft, kWide}},
                                    "L_19",            {2, 4,  kColumn2},          kStop, kKept, item2020::Line19,   {},                                &fpLine20},
        {&fpLine20,    "20", {{&Label51, DottedCaption("20 Qualified health plan expenses allocable to qualified family leave wages", 55, " (20)"), kLabelLeft, kWide}},
                                    "L20",             {2, 5,  kColumn2},          kStop, kKept, item2020::Line20,   {},                                &fpLine21},
        {&fpLine21,    "21", {{&Label52, DottedCaption("21 Qualified wages for the employee retention credit", 90, " (21)"), kLabelLeft, kWide}},
                                    "L21",             {2, 6,  kColumn2},          kStop, kKept, item2020::Line21,   {},                                &fpLine22},
        {&fpLine22,    "22", {{&Label53, DottedCaption("22 Qualified health plan expenses allocable to wages reported on line 21", 58, " (22)"), kLabelLeft, kWide}},
                                    "L22",             {2, 7,  kColumn2},          kStop, kKept, item2020::Line22,   {},                                &fpLine23},
        // lines 24 and 25 may be reserved: the chain goes on to the next that is open
        {&fpLine23,    "23", {{&Label54, DottedCaption("23 Credit from Form 5884-C, line 11, for this quarter", 92, " (23)"), kLabelLeft, kWide}},
                                    "L23",             {2, 8,  kColumn2},          kStop, kKept, item2020::Line23,   {},                                &fpLine24},
        {&fpLine24,    "24", {{&Label55, "24 Qualified wages paid March 13 through March 31, 2020, for the employee retention", kLabelLeft, kWide, LineTop(9)}, {&Label56, DottedCaption("credit (use this line only for the second quarter filing of Form 941)", 71, " (24)"), kLabelLeft, kWide}},
                                    "L24",             {2, 10, kColumn2},          kStop, kKept, {item2020::Line24, kByRule},   {},                                &fpLine25},
        {&fpLine25,    "25", {{&Label57, "25 Qualified health plan expenses allocable to wages reported on line 24 (use this line only", kLabelLeft, kWide, LineTop(11)}, {&Label58, DottedCaption("for the second quarter filing of Form 941)", 108, " (25)"), kLabelLeft, kWide}},
                                    "L25",             {2, 12, kColumn2},          kStop, kKept, {item2020::Line25, kByRule},   {},                                &cmdClose},
    };
    // clang-format on
}
