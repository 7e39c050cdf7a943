#pragma once
// Where the earlier Form 944 screen keeps each line in LineAmt (slots 0 to 40).

namespace slot944early {

enum : int {
    Line1 = 1,
    Line2 = 2,
    Wages4a = 3,
    Tips4b = 4,
    Wages4c = 5,
    Tax4a = 6,
    Tax4b = 7,
    Tax4c = 8,
    Wages4d = 9,
    Line5 = 10,
    Line6 = 11,
    Tax4d = 12,
    Line8Entered = 13, // line 8 as last entered
    Line8Loaded = 14,  // line 8 as the row held it at Edit
    Hidden6E = 15,     // the hidden L_6E
    Hidden6F = 16,     // the hidden L_6F
    Line7 = 17,
    Typed4e = 18, // 4e as the user typed it
    Line9 = 19,
    Line10 = 20,
    Line11 = 21,
    Line12 = 22,
    January = 25, // to December, 36
    YearTotal = 37,
};

} // namespace slot944early
