// The Form 941 screen's lines, one row each: the form line the field really
// is, its column, where it stands, whether Tab stops at it, what Add opens,
// the printout item that prints its amount, the formula of a computed line
// (or a field's own Enter and leaving work) and where Enter moves on. The table's order is the tab order.

#include "common/LineArithmetic.h"
#include "returns/f941/Form941Layout.h"
#include "returns/f941/frmDet941Covid0621.h"

std::vector<ReturnLine> frmDet941Covid0621::Form941Lines() {
    const LineRecompute line11g = Computed({&fpLine11a, &fpLine11b, &fpLine11c, &fpLine11d, &fpL12aCobra}, [this] {
        return SumOf({&fpLine11a, &fpLine11b, &fpLine11c, &fpLine11d, &fpL12aCobra});
    });
    const LineRecompute line12 = Computed({&fpLine11, &fpLine11g}, [this] { return fpLine11.Value() - fpLine11g.Value(); });
    const LineRecompute line13g =
        Computed({&fpLine13a, &fpLine13b, &fpLine13c, &fpLine13d, &fpLine13e, &fpLine13f},
                 [this] { return SumOf({&fpLine13a, &fpLine13b, &fpLine13c, &fpLine13d, &fpLine13e, &fpLine13f}); });
    const LineRecompute line13i = Computed({&fpLine13g, &fpLine13h}, [this] { return fpLine13g.Value() - fpLine13h.Value(); });
    using namespace lineTable;

    // 11d's and 13e's Enter targets depend on the quarter (SetPeriodMoves).
    // clang-format off
    return {
        // field       line    column                  page row left       width  tab    entry    print recompute                      Enter moves to
        // page 0: lines 1 to 11g
        {&mskNo_Employee, "1", {{&Label5(0), "", kLabelLeft, 4100}},
                                     "No_Employee",          {0, 0,  kColumn1, 800},  kStop, kClosed, {item941::Line1Employees, kByRule},   {},                             &Check2},
        {&Check2,      "4", {},     "Not_Subj",             {0, 0,  6200, 4400},     kStop, kClosed, {item941::Line4Box, kByRule},   {},                             &fpLine2},
        {&fpLine2,     "2", {{&lblLine2, "2  Wages, tips and other compensation..... (2)", kLabelLeft, 4100}},
                                        "L_2",                  {0, 1,  kColumn1},       kStop, kClosed, item941::Line2,  {},                             &fpLine3},
        {&fpLine3,     "3", {{&lblLine3, "3  Inc. tax withheld.... (3) ", kLabelLeft, 4100}},
                                        "L_3",                  {0, 2,  kColumn1},       kStop, kClosed, item941::Line3,  {},                             &fpLine6A},
        {&fpLine6A,    "5a", {{&lblLine5a, "5  Taxable social security wages..............  (5a)", kLabelLeft, 4100}, {&lblRate5a, " X 12.4%  (.124)   =   (5a)               ", kRateLeft, 3000}},
                                       "L_6A",                 {0, 3,  kColumn1},       kStop, kClosed, item941::Line5aWages,  taxLines_.Wages5a(),            &fpL5a1c1},
        {&fpLine6B,    "5a", {},    "L_6B",                 {0, 3,  kColumn2},       kSkip, kKept,   item941::Line5aTax,  taxLines_.Tax5a()},
        {&fpL5a1c1,    "5a(i)", {{&lblLine5ai, "5a(i) Qualifed sick leaves wages..............(5a(i))", kLabelLeft, 4100}, {&lblRate5ai, " X  6.2%   (.062)  =  (5a(i)", kRateLeft, 3000}},
                                    "L5a1c1",               {0, 4,  kColumn1},       kStop, kKept,   item941::Line5aiWages,  {},                             &fpL5a2c1},
        {&fpL5a1c2,    "5a(i)", {}, "L5a1c2",               {0, 4,  kColumn2},       kStop, kKept,   item941::Line5aiTax,  taxLines_.Tax5ai()},
        {&fpL5a2c1,    "5a(ii)", {{&lblLine5aii, "5a(ii) Qualified family leave wages...........(5a(ii))", kLabelLeft, 4100}, {&lblRate5aii, " X  6.2%   (.062)  =  (5a(ii)", kRateLeft, 3000}},
                                   "L5a2c1",               {0, 5,  kColumn1},       kStop, kKept,   item941::Line5aiiWages,  {},                             &fpLine6c},
        {&fpL5a2c2,    "5a(ii)", {},"L5a2c2",               {0, 5,  kColumn2},       kStop, kKept,   item941::Line5aiiTax,  taxLines_.Tax5aii()},
        {&fpLine6c,    "5b", {{&lblLine5b, "5b Taxable social security tips................... (5b)", kLabelLeft, 4100}, {&lblRate5b, " X 12.4%  (.124)   =   (5b)                ", kRateLeft, 3000}},
                                       "L_6C",                 {0, 6,  kColumn1},       kStop, kClosed, item941::Line5bTips,  {},                             &fpLine7A},
        {&fpLine6D,    "5b", {},    "L_6D",                 {0, 6,  kColumn2},       kSkip, kKept,   item941::Line5bTax,  taxLines_.Tax5b()},
        {&fpLine7A,    "5c", {{&lblLine5c, "5c Taxable Medicare wages and tips.........(5c)", kLabelLeft, 4100}, {&lblRate5c, " X  2.9%   (.029)   =   (5c)                ", kRateLeft, 3000}},
                                       "L_7A",                 {0, 7,  kColumn1},       kStop, kClosed, item941::Line5cWages,  taxLines_.Wages5c(),            &fpLine5d1},
        {&fpLine7B,    "5c", {},    "L_7B",                 {0, 7,  kColumn2},       kSkip, kKept,   item941::Line5cTax,  taxLines_.Tax5c()},
        {&fpLine5d1,   "5d", {{&lblLine5d, "5d Taxable wages & tips subject to", kLabelLeft, 4100}, {&lblLine5dMore, "Additional Medicare Tax withholding.....(5d)", kLabelLeft, 4100, LineTop(9)}, {&lblRate5d, " X  0.9%   (.009)   =  (5d)", kRateLeft, 3000}},
                                       "L_12",                 {0, 8,  kColumn1},       kStop, kClosed, item941::Line5dWages,  {},                             &fpLine5f},
        {&fpLine5D2,   "5d", {},    "L_13",                 {0, 8,  kColumn2},       kSkip, kKept,   item941::Line5dTax,  taxLines_.Tax5d()},
        {&fpLine8,     "5e", {{&lblLine5e, "5e  Total soc. sec. and Med. taxes (5a + 5a(i) + 5a(ii) +5b + 5c + 5d)  =  (5e)", kLabelLeft, 8800}},
                                       "L_8",                  {0, 10, kColumn2},       kSkip, kKept,   item941::Line5e,  taxLines_.Line5e()},
        {&fpLine5f,    "5f", {{&lblLine5f, "5f Section 312(g) Notice and Demand -- Tax due on unreported tips (see instructions)................... (5f)", kLabelLeft, 8800}},
                                       "L6c_ExemptWages",      {0, 11, kColumn2},       kStop, kKept,   item941::Line5f,  taxLines_.Line5fToCents(*this), &fpLine9B},
        {&fpLine5,     "6", {{&lblLine6, "6 Total taxes before adjustmnets:     lines 3 + 5e + 5f  =   (6)", kLabelLeft, 8800}},
                                        "L_5",                  {0, 12, kColumn2},       kSkip, kKept,   item941::Line6,  taxLines_.Line6()},
        {&fpLine9B,    "7", {{&lblLine7, "7  Current quarter's adjustment for fractions of cents..", kLabelLeft, 8800}},
                                        "L_9B",                 {0, 13, kColumn2},       kStop, kClosed, item941::Line7,  {},                             &fpLine9A},
        {&fpLine9A,    "8", {{&lblLine8, "8 Adjustment for sick pay ....", kLabelLeft, 8800}},
                                        "L_9A",                 {0, 14, kColumn2},       kStop, kClosed, item941::Line8,  {},                             &fpLine9C},
        {&fpLine9C,    "9", {{&lblLine9, "9  Curr. quarter's adjustments - tips/group-term life ins..", kLabelLeft, 8800}},
                                        "L_9C",                 {0, 15, kColumn2},       kStop, kClosed, item941::Line9,  {},                             &fpLine11a},
        // the total of lines 7 to 9, kept for line 10 only and never shown
        {&fpLine10,    "", {},      nullptr,                {0, 15, kColumn1},       kSkip, kKept,   0,   taxLines_.Adjustments()},
        {&fpLine11,    "10", {{&lblLine10, "10  Total taxes after adjust (combine lines 6 thru 9)..", kLabelLeft, 8800}},
                                       "L_11",                 {0, 16, kColumn2},       kSkip, kKept,   item941::Line10,  taxLines_.Line10()},
        {&fpLine11a,   "11a", {{&lblLine11a, "11a Qualified small business payroll tax credit for increasing research activities. Attach Form 8974  (11a) ", kLabelLeft, 8800}},
                                      "L11a",                 {0, 17, kColumn2},       kStop, kKept,   item941::Line11a,  {},                           &fpLine11b},
        {&fpLine11b,   "11b", {{&lblLine11b, "11b Nonrefundable portion of credit for qualified sick/ family leave wages taken bf 04/01/2021     (11b)", kLabelLeft, 8800}},
                                      "L11b",                 {0, 18, kColumn2},       kStop, kKept,   item941::Line11b,  {},                           &fpLine11d},
        {&fpLine11c,   "11c", {{&lblLine11c, "11c Nonrefundable portion of employee retention credit ..............................................................    (11c)", kLabelLeft, 8800}},
                                      "L11c",                 {0, 19, kColumn2},       kStop, kKept,   item941::Line11c,  {},                           &fpLine11d},
        {&fpLine11d,   "11d", {{&lblLine11d, "11d Nonrefundable portion of qual. sick/family leave wages for leave taken after 03/31/2021...    (11d)", kLabelLeft, 8800}},
                                      "L11d",                 {0, 20, kColumn2},       kStop, kKept,   item941::Line11d,  {},                           &fpL12aCobra},
        {&fpL12aCobra, "11e", {{&lblLine11e, "11e Nonrefundable portion of COBRA premium assistance credit (see instructions for app. qtrs...    (11e)", kLabelLeft, 8800}},
                                      "L12aCobra",            {0, 21, kColumn2},       kStop, kKept,   item941::Line11e, {},                           &MaskEdBox2},
        {&MaskEdBox2,  "11f", {{&lblLine11f, "11f Number of individuals provided COBRA premium assistance credit ........................................    (11f)", kLabelLeft, 8800}},
                                      "L12bCobraIndividuals", {0, 22, kColumn2, 800},  kStop, kKept,   {item941::Line11f, kByRule},   {},                           &Command2},
        {&fpLine11g,   "11g", {{&lblLine11g, "11g Total nonrefundable credits. Add lines 11a, 11b, 11c, 11d and 11e.......................................... (11g)", kLabelLeft, 8800}},
                                      "L11g",                 {0, 23, kColumn2},       kStop, kKept,   item941::Line11g, line11g,                           &Command2, EnterKeyChain::Trigger::AnyKey},
        // page 1: lines 12 to 16
        {&fpLine12,    "12", {{&lblLine12, "12   Total taxes after adjustments and nonrefundable credits. Subtract line 11g from line 10..................... (12  )", kLabelLeft, 8800}},
                                       "Line12",               {1, 0,  kColumn2},       kStop, kAdd,    item941::Line12,  line12},
        {&fpLine13a,   "13a", {{&lblLine13a, "13a Total deposits for this quarter, including overpayment applied from a prior quarter.......... (13a)", kLabelLeft, 8800}},
                                      "L13a",                 {1, 1,  kColumn2},       kStop, kKept,   item941::Line13a,  {},                           &fpLine13c},
        {&fpLine13b,   "13b", {{&lblLine13b, "13b Reserved for future use ............................................................. (13b)", kLabelLeft, 8800}},
                                      "L13b",                 {1, 2,  kColumn2},       kStop, kKept,   item941::Line13b,  {},                           &fpLine13c},
        {&fpLine13c,   "13c", {{&lblLine13c, "13c Refundable portion of credit for qualified sick/family leave wages taken bf 04/01/2021..... (13c)", kLabelLeft, 8800}},
                                      "L13c",                 {1, 3,  kColumn2},       kStop, kKept,   item941::Line13c,  {},                           &fpLine13e},
        {&fpLine13d,   "13d", {{&lblLine13d, "13d Reserved for future use ............................................................. (13d)", kLabelLeft, 8800}},
                                      "L13d",                 {1, 4,  kColumn2},       kStop, kKept,   item941::Line13d,  {},                           &fpLine13e},
        {&fpLine13e,   "13e", {{&lblLine13e, "13e Refundable portion of qual. sick/family leave wages for leave taken after 03/31/2021....... (13e)", kLabelLeft, 8800}},
                                      "L13e",                 {1, 5,  kColumn2},       kStop, kKept,   item941::Line13e, {},                           &fpLine13f},
        {&fpLine13f,   "13f", {{&lblLine13f, "13f Refundable portion of COBRA premium assistance credit (see instructions for app. qtrs)..... (13f)", kLabelLeft, 8800}},
                                      "L13f",                 {1, 6,  kColumn2},       kStop, kKept,   item941::Line13f, {},                           &fpLine13h},
        {&fpLine13g,   "13g", {{&lblLine13g, "13g Total deposits and refundable credits. Add lines 13a, 13c, 13e and 13f.................... (13g)", kLabelLeft, 8800}},
                                      "L13g",                 {1, 7,  kColumn2},       kStop, kKept,   item941::Line13g,  line13g},
        {&fpLine13h,   "13h", {{&lblLine13h, "13h Reserved for future use ............................................................. (13h)", kLabelLeft, 8800}},
                                      "L13h",                 {1, 8,  kColumn2},       kStop, kKept,   0,   {},                           &fpLine14, EnterKeyChain::Trigger::Enter, &fpLine14},
        {&fpLine14,    "13i", {{&lblLine13i, "13i Total deposits and refundable credits less advances. Subtract line 13h from line 13g....... (13i)", kLabelLeft, 8800}},
                                      "L_14",                 {1, 9,  kColumn2},       kStop, kClosed, {item941::Line13i, kByRule},   line13i,                      &fpLine17A},
        {&fpLine15,    "14", {{&lblLine14, "14  Balance due. If line 12 is more than line 13i, enter the difference......................... (14)", kLabelLeft, 8800}},
                                       "L_15",                 {1, 10, kColumn2},       kStop, kKept,   item941::Line14, BalanceDueOf(fpLine12, fpLine14)},
        {&fpLine16(1), "15", {{&lblLine15, "15  Overpayment. If line 13i is more than line 12, enter the difference........................ (15)", kLabelLeft, 8800}},
                                       "L_16",                 {1, 11, kColumn2},       kStop, kKept,   item941::Line15, OverpaymentOf(fpLine12, fpLine14)},
        {&Check3,      "15", {},    "Apply_Nxt",            {1, 12, kLabelLeft, 4000}, kStop, kKept,   {item941::Line15ApplyBox, kByRule}},
        {&Check10,     "15", {},    "Refunded",             {1, 12, 4300, 2000},     kStop, kKept,   {item941::Line15RefundBox, kByRule}},
        {&Check6,      "16", {},    "Monthly",              {1, 14, kLabelLeft, 4000}, kStop, kKept,   {item941::Line16MonthlyBox, kByRule},   {},                           &Check5},
        {&Check5,      "16", {},    "SemiWkly",             {1, 14, 4300, 3000},     kStop, kKept,   {item941::Line16SemiweeklyBox, kByRule},   {},                           &Command4},
        // month 3's check decides where Enter goes
        {&fpLine17A,   "16", {{&lblMonth1, "Month 1", kLabelLeft, 1800}},
                                       "L_20_A",               {1, 15, 2000},           kStop, kClosed, {item941::Line16Month1, kMonthly},   {},                                      &fpLine17B},
        {&fpLine17B,   "16", {{&lblMonth2, "Month 2", kLabelLeft, 1800}},
                                       "L_20_B",               {1, 16, 2000},           kStop, kClosed, {item941::Line16Month2, kMonthly},   {},                                      &fpLine17C},
        {&fpLine17C,   "16", {{&lblMonth3, "Month 3", kLabelLeft, 1800}},
                                       "L_20_C",               {1, 17, 2000},           kStop, kClosed, {item941::Line16Month3, kMonthly},   months_.Month3Check(),                    nullptr},
        {&fpLine17D,   "16", {{&lblQuarterTotal, "Total liability for quarter", kLabelLeft, 2800}, {&lblMustEqual, "Total must equal line 12.", 5000, 2800}},
                                       "L_20_D",               {1, 18, 3100},           kStop, kKept,   {item941::Line16Total, kMonthly},   months_.QuarterTotal()},
        // page 2: lines 17 to 28
        {&Check8,      "17", {},    "OutOfBusiness",        {2, 0,  kLabelLeft, 9800}, kStop, kKept,   {item941::Line17Box, kByRule},   {},                           &MaskEdBox2},
        {&Check1,      "18a", {},   "Seasonal",             {2, 1,  kLabelLeft, 9800}, kStop, kClosed, {item941::Line18aBox, kByRule},   {},                           &fpLine19},
        {&Check9,      "18b", {},   "RecovStartup",         {2, 2,  kLabelLeft, 9800}, kStop, kKept,   {item941::Line18bBox, kByRule}},
        {&fpLine19,    "19", {{&lblLine19, "19  Qualified health plan expenses allocable to qualified sick leave wages (before 04/01/2021)....... (19)", kLabelLeft, 8800}},
                                       "L_19",                 {2, 4,  kColumn2},       kStop, kKept,   item941::Line19,  {},                           &fpLine20},
        {&fpLine20,    "20", {{&lblLine20, "20  Qualified health plan expenses allocable to qualified family leave wages (before 04/01/2021).... (20)", kLabelLeft, 8800}},
                                       "L20",                  {2, 5,  kColumn2},       kStop, kKept,   item941::Line20,  {},                           &fpLine23},
        {&fpLine21,    "21", {{&lblLine21, "21  Reserved for future use.......................................................... (21)", kLabelLeft, 8800}},
                                       "L21",                  {2, 6,  kColumn2},       kStop, kKept,   item941::Line21,  {},                           &fpLine22},
        {&fpLine22,    "22", {{&lblLine22, "22  Reserved for future use.......................................................... (22)", kLabelLeft, 8800}},
                                       "L22",                  {2, 7,  kColumn2},       kStop, kKept,   item941::Line22,  {},                           &fpLine23},
        {&fpLine23,    "23", {{&lblLine23, "23  Qualified sick leave wages for leave taken after 03/31/2021 and before 10/01/2021........ (23)", kLabelLeft, 8800}},
                                       "L23",                  {2, 8,  kColumn2},       kStop, kKept,   item941::Line23,  {},                           &fpLine24},
        {&fpLine24,    "24", {{&lblLine24, "24  Qualified health plan expenses allocable to the qualified sick leave wages on line 23...... (24)", kLabelLeft, 8800}},
                                       "L24",                  {2, 9,  kColumn2},       kStop, kKept,   item941::Line24,  {},                           &fpLine25},
        {&fpLine25,    "25", {{&lblLine25, "25  Amounts under certain collectively bargained agreements allocable to line 23.............. (25)", kLabelLeft, 8800}},
                                       "L25",                  {2, 10, kColumn2},       kStop, kKept,   item941::Line25,  {},                           &fpLine26},
        {&fpLine26,    "26", {{&lblLine26, "26  Qualified family leave wages for leave taken after 03/31/2021 and before 10/01/2021...... (26)", kLabelLeft, 8800}},
                                       "L26",                  {2, 11, kColumn2},       kStop, kKept,   item941::Line26, {},                           &fpLine27},
        {&fpLine27,    "27", {{&lblLine27, "27  Qualified health plan expenses allocable to the qualified family leave wages on line 26.... (27)", kLabelLeft, 8800}},
                                       "L27",                  {2, 12, kColumn2},       kStop, kKept,   item941::Line27, {},                           &fpLine28},
        {&fpLine28,    "28", {{&lblLine28, "28  Amounts under certain collectively bargained agreements allocable to line 26.............. (28)", kLabelLeft, 8800}},
                                       "L28",                  {2, 13, kColumn2},       kStop, kKept,   item941::Line28, {},                           &Command6},
    };
    // clang-format on
}
