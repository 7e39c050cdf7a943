// The Form 944 screen's lines, one row each (see ReturnLine): the form line
// the field really is, its column, where it stands, its LineAmt slots, what
// Add opens, the printout item that prints its amount, the formula of a
// computed line (or the field's own Enter and leaving work) and where Enter
// moves on. The table's order is the tab order. Several columns
// carry Form 941 names: the annual return keeps its months 4 to 12 and some
// of its lines in them.

#include "common/LineArithmetic.h"
#include "returns/f944/Form944Slots.h"
#include "returns/f944/frmDet944Covid.h"

#include <algorithm>

using namespace slot944;

std::vector<ReturnLine> frmDet944Covid::Form944Lines() {
    const LineRecompute line1Wages = Line1_Seed();
    LineRecompute line10j = Line10j_Formula();
    line10j.onEnter = [this] { Line10j_Enter(); };
    constexpr Tab kStop = Tab::Stop;
    constexpr Entry kKept = Entry::Untouched;
    constexpr Entry kAdd = Entry::OpenedByAdd;
    constexpr auto kEnter = EnterKeyChain::Trigger::Enter;

    // Line 3 (Check2) and the computed lines stay out of the Enter chain;
    // leaving 8c to 8f and 10a to 10g moves on as Enter does; Enter passes
    // 10e by (Enter in 10e joins at 10f) and the reserved lines 17 and 18;
    // the reserved lines 25 and 26 form a chain of their own.
    // clang-format off
    std::vector<ReturnLine> lines = {
        // field          line    column                  page row left         width  slots                        tab    entry  print recompute                      Enter moves to
        // page 0: lines 1 to 8g
        {&fpLine2,        "1", {},    "L_2",                  {0, 0,  kColumn2},          {Line1},                     kStop, kAdd,  10,  {},                            &fpLine3},
        {&fpLine3,        "2", {},    "L_3",                  {0, 1,  kColumn2},          {Line2},                     kStop, kAdd,  11,  {},                            &fpLine6A},
        {&Check2,         "3", {},    "Not_Subj",             {0, 2,  kLabelLeft, 9800},  {},                          kStop, kAdd,  0},
        {&fpLine6A,       "4a", {},   "L_6A",                 {0, 3,  kColumn1},          {Wages4a},                   kStop, kAdd,  13,  line1Wages,                    &fpL5a1c1},
        {&fpLine6B,       "4a", {},   "L_6B",                 {0, 3,  kColumn2},          {Tax4a},                     kStop, kKept, 14,  TaxAt(fpLine6A, rate::SocialSecurity)},
        {&fpL5a1c1,       "4a(i)", {},"L5a1c1",               {0, 4,  kColumn1},          {},                          kStop, kKept, 24,  {},                            &fpL5a2c1},
        {&fpL5a1c2,       "4a(i)", {},"L5a1c2",               {0, 4,  kColumn2},          {Tax4ai},                    kStop, kKept, 25,  TaxAt(fpL5a1c1, rate::QualifiedLeave)},
        {&fpL5a2c1,       "4a(ii)", {},"L5a2c1",              {0, 5,  kColumn1},          {},                          kStop, kKept, 26,  {},                            &fpLine6c},
        {&fpL5a2c2,       "4a(ii)", {},"L5a2c2",              {0, 5,  kColumn2},          {Tax4aii},                   kStop, kKept, 28,  TaxAt(fpL5a2c1, rate::QualifiedLeave)},
        {&fpLine6c,       "4b", {},   "L_6C",                 {0, 6,  kColumn1},          {Tips4b},                    kStop, kAdd,  15,  {},                            &fpLine7A},
        {&fpLine6D,       "4b", {},   "L_6D",                 {0, 6,  kColumn2},          {Tax4b},                     kStop, kKept, 16,  TaxAt(fpLine6c, rate::SocialSecurity)},
        {&fpLine7A,       "4c", {},   "L_7A",                 {0, 7,  kColumn1},          {Wages4c},                   kStop, kAdd,  17,  line1Wages,                    &fpLine5d1},
        {&fpLine7B,       "4c", {},   "L_7B",                 {0, 7,  kColumn2},          {Tax4c},                     kStop, kKept, 18,  TaxAt(fpLine7A, rate::Medicare)},
        {&fpLine5d1,      "4d", {},   "L_12",                 {0, 8,  kColumn1},          {Wages4d},                   kStop, kAdd,  30,  {},                            &fpLine9A},
        {&fpLine5D2,      "4d", {},   "L_13",                 {0, 8,  kColumn2},          {Tax4d},                     kStop, kKept, 31,  TaxAt(fpLine5d1, rate::AdditionalMedicare)},
        {&fpLine8,        "4e", {},   "L_8",                  {0, 9,  kColumn2},          {Total4e},                   kStop, kKept, 19,  Line4e_Formula()},
        {&fpLine5,        "5", {},    "L_5",                  {0, 10, kColumn2},          {},                          kStop, kKept, 20,  Line5_Formula()},
        {&fpLine9A,       "6", {},    "L_9A",                 {0, 11, kColumn2},          {Line6, Adjustments},        kStop, kAdd,  22,  {},                            &fpLine11a},
        {&fpLine11,       "7", {},    "L_11",                 {0, 12, kColumn2},          {Line5PlusAdjustments, Line7}, kStop, kKept, 29,  Line7_Formula()},
        {&fpLine11a,      "8a", {},   "L11a",                 {0, 13, kColumn2},          {Credit8a},                  kStop, kKept, 32,  {},                           &fpLine11b},
        {&fpLine11b,      "8b", {},   "L11b",                 {0, 14, kColumn2},          {Credit8b},                  kStop, kKept, 33,  {},                           &fpCurrency18},
        {&fpLine11c,      "8c", {},   "L11c",                 {0, 15, kColumn2},          {Credits8cTo8e},             kStop, kKept, 34,  {},                           &fpCurrency18,   kEnter, &fpCurrency18},
        {&fpCurrency18,   "8d", {},   "L11g",                 {0, 16, kColumn2},          {Credits8cTo8e},             kStop, kKept, 38,  {},                           &fpCurrency19,   kEnter, &fpCurrency19},
        {&fpCurrency19,   "8e", {},   "L12aCobra",            {0, 17, kColumn2},          {Credits8cTo8e},             kStop, kKept, 114, {},                           &fpLongInteger2, kEnter, &fpLongInteger2},
        {&fpLongInteger2, "8f", {},   "L12bCobraIndividuals", {0, 18, kColumn2, 1000},    {},                          kStop, kKept, 0,   {},                           &Command2,       kEnter, &Command2},
        {&fpLine11d,      "8g", {},   "L11d",                 {0, 19, kColumn2},          {Total8g},                   kStop, kKept, 91,  Line8g_Formula()},
        // page 1: lines 9 to 13
        {&fpLine12,       "9", {},    "Line12",               {1, 0,  kColumn2},          {Line9},                     kStop, kAdd,  92, Line9_Formula()},
        {&fpLine13a,      "10a", {},  "L13a",                 {1, 1,  kColumn2},          {Deposits10a},               kStop, kKept, 93,  {},                             &fpLine13d, kEnter, &fpLine13d},
        {&fpLine13d,      "10d", {},  "L13d",                 {1, 2,  kColumn2},          {Credit10d},                 kStop, kKept, 96,  {},                           &fpLine13b,      kEnter, &fpLine13b},
        {&fpLine13e,      "10e", {},  "L13e",                 {1, 3,  kColumn2},          {Reserved10e},               kStop, kKept, 97,  {},                           &fpLine13b,      kEnter, &fpLine13b},
        {&fpLine13b,      "10f", {},  "L13b",                 {1, 4,  kColumn2},          {Credit10f},                 kStop, kKept, 94,  {},                           &fpLine13c,      kEnter, &fpLine13c},
        {&fpLine13c,      "10g", {},  "L13c",                 {1, 5,  kColumn2},          {Credit10g},                 kStop, kKept, 95,  {},                           &fpLine14,       kEnter, &fpLine14},
        {&fpLine13f,      "10h", {},  "L13f",                 {1, 6,  kColumn2},          {Total10h},                  kStop, kKept, 98,  Line10h_Formula()},
        {&fpLine14,       "10i", {},  "L_14",                 {1, 7,  kColumn2},          {Reserved10i},               kStop, kAdd,  99,  {},                            &fpLine15},
        // 10j's Enter decides its move by the balance
        {&fpLine15,       "10j", {},  "L_15",                 {1, 8,  kColumn2},          {},                          kStop, kKept, 100, line10j,                       nullptr},
        {&fpLine10,       "11", {},   "L_10",                 {1, 9,  kColumn2},          {},                          kStop, kKept, 101, BalanceDueOf(fpLine12, fpLine15)},
        {&fpLine16(1),    "12", {},   "L_16",                 {1, 10, kColumn2},          {},                          kStop, kKept, 102, OverpaymentOf(fpLine12, fpLine15)},
        {&Check3,         "12", {},   "Apply_Nxt",            {1, 11, kLabelLeft, 4000},  {},                          kStop, kKept, 0},
        {&Check4,         "12", {},   "Refunded",             {1, 11, 4300, 2000},        {},                          kStop, kKept, 0},
        {&Check6,         "13", {},   "Monthly",              {1, 12, 5200, 3200},        {},                          kStop, kKept, 0},
        {&Check5,         "13", {},   "SemiWkly",             {1, 12, 8500, 2600},        {},                          kStop, kKept, 0},
        // the months of line 13 follow (MonthLines)
        {&fpLine17D,      "13m", {},  "L_20_D",               {1, kFirstMonthRow + 4, kMonthColumn[2] + 3100}, {YearTotal}, kStop, kKept, 48,  YearTotal_Formula(), nullptr, kEnter, nullptr, PrintWhen::MonthlySchedule},
        // page 2: lines 14 to 26
        {&Check8,         "14", {},   "OutOfBusiness",        {2, 0,  kLabelLeft, 9800},  {},                          kStop, kKept, 0},
        {&fpLine19,       "15", {},   "L_19",                 {2, 1,  kColumn2},          {},                          kStop, kKept, 84,  {},                           &fpLine20},
        {&fpLine20,       "16", {},   "L20",                  {2, 2,  kColumn2},          {},                          kStop, kKept, 85,  {},                           &fpLine23},
        {&fpLine21,       "17", {},   "L21",                  {2, 3,  kColumn2},          {},                          kStop, kKept, 86,  {},                           &fpLine22},
        {&fpLine22,       "18", {},   "L22",                  {2, 4,  kColumn2},          {},                          kStop, kKept, 87,  {},                           &fpLine23},
        {&fpLine23,       "19", {},   "L23",                  {2, 5,  kColumn2},          {},                          kStop, kKept, 88,  {},                           &fpCurrency11},
        {&fpCurrency11,   "20", {},   "L26",                  {2, 6,  kColumn2},          {},                          kStop, kKept, 89,  {},                           &fpCurrency12},
        {&fpCurrency12,   "21", {},   "L27",                  {2, 7,  kColumn2},          {},                          kStop, kKept, 90,  {},                           &fpCurrency13},
        {&fpCurrency13,   "22", {},   "L28",                  {2, 8,  kColumn2},          {},                          kStop, kKept, 116, {},                           &fpCurrency14},
        {&fpCurrency14,   "23", {},   "L29",                  {2, 9,  kColumn2},          {},                          kStop, kKept, 117, {},                           &fpCurrency15},
        {&fpCurrency15,   "24", {},   "L30",                  {2, 10, kColumn2},          {},                          kStop, kKept, 118, {},                           &Command6,       kEnter, &Command6},
        {&fpCurrency16,   "25", {},   "L13H",                 {2, 11, kColumn2},          {},                          kStop, kKept, 119, {},                           &fpCurrency17},
        {&fpCurrency17,   "26", {},   "L13I",                 {2, 12, kColumn2},          {},                          kStop, kKept, 120, {},                           &Command6,       kEnter, &Command6},
    };
    // clang-format on
    const std::vector<ReturnLine> months = MonthLines();
    auto total =
        std::find_if(lines.begin(), lines.end(), [this](const ReturnLine& line) { return line.field == &fpLine17D; });
    lines.insert(total, months.begin(), months.end());
    return lines;
}

// The twelve months of line 13, three columns of four, each an input of the
// year's total: Enter moves on to the next month, and so does leaving months 3
// to 11 where no click or Tab of the user's chose another field; month 12
// checks the year.
std::vector<ReturnLine> frmDet944Covid::MonthLines() {
    struct Month {
        const char* line;
        const char* column;
        short printItem;
    };
    // clang-format off
    constexpr Month kMonths[12] = {
        {"13a", "L_20_A", 45},           {"13b", "L_20_B", 46}, {"13c", "L_20_C", 47}, {"13d", "L6c_ExemptWages", 105},
        {"13e", "L_9B", 106},            {"13f", "L_9C", 107},  {"13g", "L25", 108},   {"13h", "L12d_ExemptWages", 109},
        {"13i", "L12e", 110},            {"13j", "L_17", 111},  {"13k", "L_18", 112},  {"13l", "L24", 113},
    };
    // clang-format on
    const std::array<forms::CurrencyField*, 12> fields = MonthFields();
    std::vector<ReturnLine> lines;
    for (int m = 0; m < 12; ++m) {
        const int month = m + 1;
        forms::Control* next = month < 12 ? fields[m + 1] : nullptr;
        LineRecompute recompute = month < 12 ? LineRecompute{} : Month12_Check();
        lines.push_back({fields[m],
                         kMonths[m].line,
                         {},
                         kMonths[m].column,
                         {1, kFirstMonthRow + m % 4, kMonthColumn[m / 4] + kMonthFieldOffset},
                         {MonthSlot(month)},
                         Tab::Stop,
                         month <= 3 ? Entry::OpenedByAdd : Entry::Untouched,
                         kMonths[m].printItem,
                         recompute,
                         next,
                         EnterKeyChain::Trigger::Enter,
                         month >= 3 ? next : nullptr,
                         PrintWhen::MonthlySchedule});
    }
    return lines;
}
