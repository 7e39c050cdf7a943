#pragma once
// Where the Form 941 screen keeps each line in LineAmt.

namespace slot941 {

enum : int {
    Line2 = 2,
    Line3 = 3,
    Wages5a = 6,
    Tax5a = 7,
    Tips5b = 8,
    Tax5b = 9,
    Wages5c = 10,
    Tax5c = 11,
    Total5e = 12,
    Adjustments = 13, // lines 7 to 9
    Line10 = 15,
    Month1 = 21,
    Month2 = 22,
    Month3 = 23,
    QuarterTotal = 24,
    Wages5d = 28,
    Tax5d = 29,
    Credits11ade = 31,
    Credit11b = 32,
    Credit11c = 33,
    Line11g = 34,
    Line12 = 35,
    Payments13aef = 36,
    Payment13b = 37,
    Payment13c = 38,
    Payment13d = 39,
    Line13g = 40,
    Line13h = 41,
    Tax5ai = 43,
    Tax5aii = 45,
};

} // namespace slot941
