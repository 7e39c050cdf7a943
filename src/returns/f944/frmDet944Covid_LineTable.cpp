// The Form 944 screen's lines, one row each (see ReturnLine): the form line
// the field really is, its column, where it stands, what Add opens, the
// printout item that prints its amount, the formula of a computed line (or
// the field's own Enter and leaving work) and where Enter moves on. The
// table's order is the tab order. Several columns carry Form 941 names: the
// annual return keeps its months 4 to 12 and some of its lines in them.

#include "common/LineArithmetic.h"
#include "returns/f944/Form944Layout.h"
#include "returns/f944/frmDet944Covid.h"

#include <algorithm>


std::vector<ReturnLine> frmDet944Covid::Form944Lines() {
    const LineRecompute line1Wages = Line1_Seed();
    LineRecompute line10j = Line10j_Formula();
    line10j.onEnter = [this] { Line10j_Enter(); };
    using namespace lineTable;

    // Line 3 (Check2) and the computed lines stay out of the Enter chain;
    // leaving 8c to 8f and 10a to 10g moves on as Enter does; Enter passes
    // 10e by (Enter in 10e joins at 10f) and the reserved lines 17 and 18;
    // the reserved lines 25 and 26 form a chain of their own.
    // clang-format off
    std::vector<ReturnLine> lines = {
        // field          line labels column                  page row left         width  tab    entry  print recompute                      Enter moves to
        // page 0: lines 1 to 8g
        {&fpLine2,        "1", {{&Label5(0), "1  Wages, tips and other compensation..... (1)", kLabelLeft, 4100}},
                                      "L_2",                  {0, 0,  kColumn2},          kStop, kAdd,  item944::Line1,  {},                            &fpLine3},
        {&fpLine3,        "2", {{&lblLine2, "2  Federal income tax withheld from wages, tips and other compensation.. (2)", kLabelLeft, 4100}},
                                      "L_3",                  {0, 1,  kColumn2},          kStop, kAdd,  item944::Line2,  {},                            &fpLine6A},
        {&Check2,         "3", {},    "Not_Subj",             {0, 2,  kLabelLeft, 9800},  kStop, kAdd,  {item944::Line3Box, kByRule}},
        {&fpLine6A,       "4a", {{&lblLine4a, "4a Taxable social security wages..............  (4a)", kLabelLeft, 4100}, {&lblRate4a, " X 12.4%  (.124)   =   (4a)", kRateLeft, 3000}},
                                      "L_6A",                 {0, 3,  kColumn1},          kStop, kAdd,  item944::Line4aWages,  line1Wages,                    &fpL5a1c1},
        {&fpLine6B,       "4a", {},   "L_6B",                 {0, 3,  kColumn2},          kStop, kKept, item944::Line4aTax,  TaxAt(fpLine6A, rate::SocialSecurity)},
        {&fpL5a1c1,       "4a(i)", {{&lblLine4ai, "4a(i) Qualified sick leave wages..............(4a(i))", kLabelLeft, 4100}, {&lblRate4ai, " X  6.2%   (.062)  =  (4a(i))", kRateLeft, 3000}},
                                      "L5a1c1",               {0, 4,  kColumn1},          kStop, kKept, item944::Line4aiWages,  {},                            &fpL5a2c1},
        {&fpL5a1c2,       "4a(i)", {},"L5a1c2",               {0, 4,  kColumn2},          kStop, kKept, item944::Line4aiTax,  TaxAt(fpL5a1c1, rate::QualifiedLeave)},
        {&fpL5a2c1,       "4a(ii)", {{&lblLine4aii, "4a(ii) Qualified family leave wages...........(4a(ii))", kLabelLeft, 4100}, {&lblRate4aii, " X  6.2%   (.062)  =  (4a(ii))", kRateLeft, 3000}},
                                      "L5a2c1",              {0, 5,  kColumn1},          kStop, kKept, item944::Line4aiiWages,  {},                            &fpLine6c},
        {&fpL5a2c2,       "4a(ii)", {},"L5a2c2",              {0, 5,  kColumn2},          kStop, kKept, item944::Line4aiiTax,  TaxAt(fpL5a2c1, rate::QualifiedLeave)},
        {&fpLine6c,       "4b", {{&lblLine4b, "4b Taxable social security tips................... (4b)", kLabelLeft, 4100}, {&lblRate4b, " X 12.4%  (.124)   =   (4b)", kRateLeft, 3000}},
                                      "L_6C",                 {0, 6,  kColumn1},          kStop, kAdd,  item944::Line4bTips,  {},                            &fpLine7A},
        {&fpLine6D,       "4b", {},   "L_6D",                 {0, 6,  kColumn2},          kStop, kKept, item944::Line4bTax,  TaxAt(fpLine6c, rate::SocialSecurity)},
        {&fpLine7A,       "4c", {{&lblLine4c, "4c Taxable Medicare wages and tips.........(4c)", kLabelLeft, 4100}, {&lblRate4c, " X  2.9%   (.029)   =   (4c)", kRateLeft, 3000}},
                                      "L_7A",                 {0, 7,  kColumn1},          kStop, kAdd,  item944::Line4cWages,  line1Wages,                    &fpLine5d1},
        {&fpLine7B,       "4c", {},   "L_7B",                 {0, 7,  kColumn2},          kStop, kKept, item944::Line4cTax,  TaxAt(fpLine7A, rate::Medicare)},
        {&fpLine5d1,      "4d", {{&lblLine4d, "4d Taxable wages & tips subject to Additional Medicare Tax withholding.....(4d)", kLabelLeft, 4100}, {&lblRate4d, " X  0.9%   (.009)   =  (4d)", kRateLeft, 3000}},
                                      "L_12",                 {0, 8,  kColumn1},          kStop, kAdd,  item944::Line4dWages,  {},                            &fpLine9A},
        {&fpLine5D2,      "4d", {},   "L_13",                 {0, 8,  kColumn2},          kStop, kKept, item944::Line4dTax,  TaxAt(fpLine5d1, rate::AdditionalMedicare)},
        {&fpLine8,        "4e", {{&lblLine4e, "4e  Total social security and Medicare taxes (4a + 4a(i) + 4a(ii) + 4b + 4c + 4d)  =  (4e)", kLabelLeft, 8800}},
                                      "L_8",                  {0, 9,  kColumn2},          kStop, kKept, item944::Line4e,  Line4e_Formula()},
        {&fpLine5,        "5", {{&lblLine5, "5  Total taxes before adjustments:     lines 2 + 4e  =   (5)", kLabelLeft, 8800}},
                                      "L_5",                  {0, 10, kColumn2},          kStop, kKept, item944::Line5,  Line5_Formula()},
        {&fpLine9A,       "6", {{&lblLine6, "6  Current year's adjustments (see instructions)........ (6)", kLabelLeft, 8800}},
                                      "L_9A",                 {0, 11, kColumn2},          kStop, kAdd,  item944::Line6,  {},                            &fpLine11a},
        {&fpLine11,       "7", {{&lblLine7, "7  Total taxes after adjustments. Combine lines 5 and 6.......... (7)", kLabelLeft, 8800}},
                                      "L_11",                 {0, 12, kColumn2},          kStop, kKept, item944::Line7,  Line7_Formula()},
        {&fpLine11a,      "8a", {{&lblLine8a, "8a Qualified small business payroll tax credit for increasing research activities. Attach Form 8974  (8a)", kLabelLeft, 8800}},
                                      "L11a",                 {0, 13, kColumn2},          kStop, kKept, item944::Line8a,  {},                           &fpLine11b},
        {&fpLine11b,      "8b", {{&lblLine8b, "8b Nonrefundable portion of credit for qualified sick/ family leave wages taken bf 04/01/2021     (8b)", kLabelLeft, 8800}},
                                      "L11b",                 {0, 14, kColumn2},          kStop, kKept, item944::Line8b,  {},                           &fpCurrency18},
        {&fpLine11c,      "8c", {{&lblLine8c, "8c Reserved for future use ..............................................................    (8c)", kLabelLeft, 8800}},
                                      "L11c",                 {0, 15, kColumn2},          kStop, kKept, item944::Line8c,  {},                           &fpCurrency18,   kEnter, &fpCurrency18},
        {&fpCurrency18,   "8d", {{&lblLine8d, "8d Nonrefundable portion of qual. sick/family leave wages for leave taken after 03/31/2021...    (8d)", kLabelLeft, 8800}},
                                      "L11g",                 {0, 16, kColumn2},          kStop, kKept, item944::Line8d,  {},                           &fpCurrency19,   kEnter, &fpCurrency19},
        {&fpCurrency19,   "8e", {{&lblLine8e, "8e Nonrefundable portion of COBRA premium assistance credit ...........................    (8e)", kLabelLeft, 8800}},
                                      "L12aCobra",            {0, 17, kColumn2},          kStop, kKept, item944::Line8e, {},                           &fpLongInteger2, kEnter, &fpLongInteger2},
        {&fpLongInteger2, "8f", {{&lblLine8f, "8f Number of individuals provided COBRA premium assistance ........................................    (8f)", kLabelLeft, 8800}},
                                      "L12bCobraIndividuals", {0, 18, kColumn2, 1000},    kStop, kKept, {item944::Line8f, kByRule},   {},                           &Command2,       kEnter, &Command2},
        {&fpLine11d,      "8g", {{&lblLine8g, "8g Total nonrefundable credits. Add lines 8a, 8b, 8c, 8d and 8e.......................................... (8g)", kLabelLeft, 8800}},
                                      "L11d",                 {0, 19, kColumn2},          kStop, kKept, item944::Line8g,  Line8g_Formula()},
        // page 1: lines 9 to 13
        {&fpLine12,       "9", {{&lblLine9, "9  Total taxes after adjustments and nonrefundable credits. Subtract line 8g from line 7..................... (9)", kLabelLeft, 8800}},
                                      "Line12",               {1, 0,  kColumn2},          kStop, kAdd,  item944::Line9, Line9_Formula()},
        {&fpLine13a,      "10a", {{&lblLine10a, "10a Total deposits for this year, including overpayment applied from a prior year and Forms 944-X.... (10a)", kLabelLeft, 8800}},
                                      "L13a",                 {1, 1,  kColumn2},          kStop, kKept, item944::Line10a,  {},                             &fpLine13d, kEnter, &fpLine13d},
        {&fpLine13d,      "10d", {{&lblLine10d, "10d Refundable portion of credit for qualified sick/family leave wages taken bf 04/01/2021..... (10d)", kLabelLeft, 8800}},
                                      "L13d",                 {1, 2,  kColumn2},          kStop, kKept, item944::Line10d,  {},                           &fpLine13b,      kEnter, &fpLine13b},
        {&fpLine13e,      "10e", {{&lblLine10e, "10e Reserved for future use ............................................................. (10e)", kLabelLeft, 8800}},
                                      "L13e",                 {1, 3,  kColumn2},          kStop, kKept, item944::Line10e,  {},                           &fpLine13b,      kEnter, &fpLine13b},
        {&fpLine13b,      "10f", {{&lblLine10f, "10f Refundable portion of qual. sick/family leave wages for leave taken after 03/31/2021....... (10f)", kLabelLeft, 8800}},
                                      "L13b",                 {1, 4,  kColumn2},          kStop, kKept, item944::Line10f,  {},                           &fpLine13c,      kEnter, &fpLine13c},
        {&fpLine13c,      "10g", {{&lblLine10g, "10g Refundable portion of COBRA premium assistance credit.................................... (10g)", kLabelLeft, 8800}},
                                      "L13c",                 {1, 5,  kColumn2},          kStop, kKept, item944::Line10g,  {},                           &fpLine14,       kEnter, &fpLine14},
        {&fpLine13f,      "10h", {{&lblLine10h, "10h Total deposits, deferrals and refundable credits. Add lines 10a, 10d, 10e, 10f and 10g.... (10h)", kLabelLeft, 8800}},
                                      "L13f",                 {1, 6,  kColumn2},          kStop, kKept, item944::Line10h,  Line10h_Formula()},
        {&fpLine14,       "10i", {{&lblLine10i, "10i Reserved for future use ............................................................. (10i)", kLabelLeft, 8800}},
                                      "L_14",                 {1, 7,  kColumn2},          kStop, kAdd,  item944::Line10i,  {},                            &fpLine15},
        // 10j's Enter decides its move by the balance
        {&fpLine15,       "10j", {{&lblLine10j, "10j Total deposits and refundable credits less advances. Subtract line 10i from line 10h....... (10j)", kLabelLeft, 8800}},
                                      "L_15",                 {1, 8,  kColumn2},          kStop, kKept, item944::Line10j, line10j,                       nullptr},
        {&fpLine10,       "11", {{&lblLine11, "11  Balance due. If line 9 is more than line 10j, enter the difference......................... (11)", kLabelLeft, 8800}},
                                      "L_10",                 {1, 9,  kColumn2},          kStop, kKept, item944::Line11, BalanceDueOf(fpLine12, fpLine15)},
        {&fpLine16(1),    "12", {{&lblLine12, "12  Overpayment. If line 10j is more than line 9, enter the difference........................ (12)", kLabelLeft, 8800}},
                                      "L_16",                 {1, 10, kColumn2},          kStop, kKept, item944::Line12, OverpaymentOf(fpLine12, fpLine15)},
        {&Check3,         "12", {},   "Apply_Nxt",            {1, 11, kLabelLeft, 4000},  kStop, kKept, {item944::ApplyBox, kByRule}},
        {&Check4,         "12", {},   "Refunded",             {1, 11, 4300, 2000},        kStop, kKept, {item944::RefundBox, kByRule}},
        {&Check6,         "13", {{&lblLine13, "13  Monthly Summary of Federal Tax Liability:", kLabelLeft, 5000}},
                                      "Monthly",              {1, 12, 5200, 3200},        kStop, kKept, {item944::Line13MonthlyBox, kByRule}},
        {&Check5,         "13", {},   "SemiWkly",             {1, 12, 8500, 2600},        kStop, kKept, {item944::SemiweeklyBox, kByRule}},
        // the months of line 13 follow (MonthLines)
        {&fpLine17D,      "13m", {{&lblYearTotal, "13m Total liability for the year.", kMonthColumn[2], 3000}, {&lblMustEqual, "Total must equal line 9.", kMonthColumn[2], 3000, LineTop(kFirstMonthRow + 5)}},
                                      "L_20_D",               {1, kFirstMonthRow + 4, kMonthColumn[2] + 3100}, kStop, kKept, {item944::YearTotal, kMonthly}, YearTotal_Formula()},
        // page 2: lines 14 to 26
        {&Check8,         "14", {},   "OutOfBusiness",        {2, 0,  kLabelLeft, 9800},  kStop, kKept, {item944::Line14Box, kByRule}},
        {&fpLine19,       "15", {{&lblLine15, "15  Qualified health plan expenses allocable to qualified sick leave wages (before 04/01/2021)....... (15)", kLabelLeft, 8800}},
                                      "L_19",                 {2, 1,  kColumn2},          kStop, kKept, item944::Line15,  {},                           &fpLine20},
        {&fpLine20,       "16", {{&lblLine16, "16  Qualified health plan expenses allocable to qualified family leave wages (before 04/01/2021).... (16)", kLabelLeft, 8800}},
                                      "L20",                  {2, 2,  kColumn2},          kStop, kKept, item944::Line16,  {},                           &fpLine23},
        {&fpLine21,       "17", {{&lblLine17, "17  Reserved for future use.......................................................... (17)", kLabelLeft, 8800}},
                                      "L21",                  {2, 3,  kColumn2},          kStop, kKept, item944::Line17,  {},                           &fpLine22},
        {&fpLine22,       "18", {{&lblLine18, "18  Reserved for future use.......................................................... (18)", kLabelLeft, 8800}},
                                      "L22",                  {2, 4,  kColumn2},          kStop, kKept, item944::Line18,  {},                           &fpLine23},
        {&fpLine23,       "19", {{&lblLine19, "19  Qualified sick leave wages for leave taken after 03/31/2021........ (19)", kLabelLeft, 8800}},
                                      "L23",                  {2, 5,  kColumn2},          kStop, kKept, item944::Line19,  {},                           &fpCurrency11},
        {&fpCurrency11,   "20", {{&lblLine20, "20  Qualified health plan expenses allocable to the qualified sick leave wages on line 19...... (20)", kLabelLeft, 8800}},
                                      "L26",                  {2, 6,  kColumn2},          kStop, kKept, item944::Line20,  {},                           &fpCurrency12},
        {&fpCurrency12,   "21", {{&lblLine21, "21  Amounts under certain collectively bargained agreements allocable to line 19.............. (21)", kLabelLeft, 8800}},
                                      "L27",                  {2, 7,  kColumn2},          kStop, kKept, item944::Line21,  {},                           &fpCurrency13},
        {&fpCurrency13,   "22", {{&lblLine22, "22  Qualified family leave wages for leave taken after 03/31/2021...... (22)", kLabelLeft, 8800}},
                                      "L28",                  {2, 8,  kColumn2},          kStop, kKept, item944::Line22, {},                           &fpCurrency14},
        {&fpCurrency14,   "23", {{&lblLine23, "23  Qualified health plan expenses allocable to the qualified family leave wages on line 22.... (23)", kLabelLeft, 8800}},
                                      "L29",                  {2, 9,  kColumn2},          kStop, kKept, item944::Line23, {},                           &fpCurrency15},
        {&fpCurrency15,   "24", {{&lblLine24, "24  Amounts under certain collectively bargained agreements allocable to line 22.............. (24)", kLabelLeft, 8800}},
                                      "L30",                  {2, 10, kColumn2},          kStop, kKept, item944::Line24, {},                           &Command6,       kEnter, &Command6},
        {&fpCurrency16,   "25", {{&lblLine25, "25  Reserved for future use.......................................................... (25)", kLabelLeft, 8800}},
                                      "L13H",                 {2, 11, kColumn2},          kStop, kKept, item944::Line25, {},                           &fpCurrency17},
        {&fpCurrency17,   "26", {{&lblLine26, "26  Reserved for future use.......................................................... (26)", kLabelLeft, 8800}},
                                      "L13I",                 {2, 12, kColumn2},          kStop, kKept, item944::Line26, {},                           &Command6,       kEnter, &Command6},
    };
    // clang-format on
    const std::vector<ReturnLine> months = MonthLines();
    auto total =
        std::find_if(lines.begin(), lines.end(), [this](const ReturnLine& line) { return line.field == &fpLine17D; });
    lines.insert(total, months.begin(), months.end());
    return lines;
}

// The twelve months of line 13, three columns of four, each captioned at the
// left of its column and an input of the year's total: Enter moves on to the
// next month, and so does leaving months 3 to 11 where no click or Tab of the
// user's chose another field; month 12 checks the year.
std::vector<ReturnLine> frmDet944Covid::MonthLines() {
    struct Month {
        const char* line;
        const char* caption;
        const char* column;
        short printItem;
    };
    // "Month  9" carries two blanks, as the screen has always shown it.
    // clang-format off
    constexpr Month kMonths[12] = {
        {"13a", "Month 1", "L_20_A", item944::Month1},   {"13b", "Month 2", "L_20_B", item944::Month2},  {"13c", "Month 3", "L_20_C", item944::Month3},
        {"13d", "Month 4", "L6c_ExemptWages", item944::Month4},                            {"13e", "Month 5", "L_9B", item944::Month5},
        {"13f", "Month 6", "L_9C", item944::Month6},    {"13g", "Month 7", "L25", item944::Month7},    {"13h", "Month 8", "L12d_ExemptWages", item944::Month8},
        {"13i", "Month  9", "L12e", item944::Month9},   {"13j", "Month 10", "L_17", item944::Month10},  {"13k", "Month 11", "L_18", item944::Month11},
        {"13l", "Month 12", "L24", item944::Month12},
    };
    // clang-format on
    constexpr long kMonthCaptionWidth = 1100;
    const std::array<forms::Label*, 12> captions = {&lblMonth1, &lblMonth2,  &lblMonth3,  &lblMonth4,
                                                    &lblMonth5, &lblMonth6,  &lblMonth7,  &lblMonth8,
                                                    &lblMonth9, &lblMonth10, &lblMonth11, &lblMonth12};
    const std::array<forms::CurrencyField*, 12> fields = MonthFields();
    std::vector<ReturnLine> lines;
    for (int m = 0; m < 12; ++m) {
        const int month = m + 1;
        const long column = kMonthColumn[m / 4];
        forms::Control* next = month < 12 ? fields[m + 1] : nullptr;
        LineRecompute recompute = month < 12 ? LineRecompute{} : Month12_Check();
        lines.push_back({fields[m],
                         kMonths[m].line,
                         {{captions[m], kMonths[m].caption, column, kMonthCaptionWidth}},
                         kMonths[m].column,
                         {1, kFirstMonthRow + m % 4, column + kMonthFieldOffset},
                         Tab::Stop,
                         month <= 3 ? Entry::OpenedByAdd : Entry::Untouched,
                         {kMonths[m].printItem, PrintWhen::MonthlySchedule},
                         recompute,
                         next,
                         EnterKeyChain::Trigger::Enter,
                         month >= 3 ? next : nullptr});
    }
    return lines;
}
