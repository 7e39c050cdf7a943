#pragma once
// Where the Form 944 screen keeps each line in LineAmt. Slots 21 to 33 are
// the monthly liabilities and their total alone; no other line shares them.

namespace slot944 {

enum : int {
    Line1 = 2,
    Line2 = 3,
    Wages4a = 6,
    Tax4a = 7,
    Tips4b = 8,
    Tax4b = 9,
    Wages4c = 10,
    Tax4c = 11,
    Total4e = 12,
    Adjustments = 13, // the year's adjustments: line 6 alone
    Line5PlusAdjustments = 14,
    Line7 = 15,
    Wages4d = 16,
    Tax4d = 17,
    Line6 = 18,
    Credit8a = 19,
    Credit8b = 20,
    Month1 = 21, // months 1 to 12 are slots 21 to 32
    Month12 = 32,
    YearTotal = 33,
    Total8g = 34,
    Line9 = 35,
    Deposits10a = 36,
    Credit10f = 37,
    Credit10g = 38,
    Credit10d = 39,
    Reserved10e = 40,
    Total10h = 41,
    Reserved10i = 42,
    Tax4ai = 43,
    Credits8cTo8e = 44,
    Tax4aii = 45,
};

constexpr int MonthSlot(int month) { return Month1 + month - 1; }

} // namespace slot944
