#include "returns/f941/Form941TracedLayout.h"

#include <array>
#include <vector>

#include "returns/f941/Form941Layout.h"

namespace {

// The rows where the traced procedure places its items differently from the
// print run; every other row of 0 to 80 is the print run's.
// clang-format off
constexpr std::array<LayoutRow, 55> kTracedRows = {{
//  FieldNo     X       Y  Width  Height
    {  8,   5.87,  1.433,   1.0, 0},
    {  9,  6.145,   3.93,   1.6, 2},
    { 10,  6.265,   4.26,   1.6, 2},
    { 11,  6.265,   4.59,   1.6, 2},
    { 13,    2.9,   5.35,   1.3, 2},
    { 14,  4.692,   5.35,   1.4, 2},
    { 15,    2.9,   5.61,   1.3, 2},
    { 16,  4.692,   5.61,   1.4, 2},
    { 17,    2.9,   5.86,   1.3, 2},
    { 18,  4.692,   5.86,   1.4, 2},
    { 19,  6.265,  6.537,   1.6, 2},
    { 20,  6.267,  7.193,   1.6, 2},
    { 21,   6.48,   7.53,   1.4, 2},
    { 22,   6.48,   7.85,   1.4, 2},
    { 23,   6.48,   8.18,   1.4, 2},
    { 24,  6.273,   8.84,   1.6, 2},
    { 25,  4.417,  9.175,   1.0, 2},
    { 26,   6.48,   9.21,   1.4, 2},
    { 27,   6.48,   6.86,   1.4, 2},
    { 28,  6.273,   6.14,   1.6, 2},
    { 29,  6.273,    8.5,   1.6, 2},
    { 30,   2.59,   6.17,   1.6, 2},
    { 31,   4.49,   6.17,   1.6, 2},
    { 32,  6.273,   9.57,   1.6, 2},
    { 33,  6.273,   9.92,   1.6, 2},
    { 34,   3.97,  10.26,   1.4, 2},
    { 40,    0.7,    0.9,  4.75, 0},
    { 41,    5.8,    0.9,   2.1, 0},
    { 43,  1.593,    1.7,  0.16, 0},
    { 44,  1.593,   2.35,  0.16, 0},
    { 45,   3.35,   2.79,   1.6, 2},
    { 46,   3.35,   3.09,   1.6, 2},
    { 47,   3.35,   3.39,   1.6, 2},
    { 48,   3.35,   3.69,   1.6, 2},
    { 49,  1.593,   3.91,  0.16, 0},
    { 50,  6.775,   4.62,  0.16, 0},
    { 52,   6.72,   5.23,  0.16, 0},
    { 53,   0.94,  6.025,  0.16, 0},
    { 54,    3.7,    6.0,   5.5, 0},
    { 55,   6.05,   7.56,   1.8, 0},
    { 56,   6.05,   6.31,   1.4, 0},
    { 57,   0.94,  6.587,  0.16, 0},
    { 58,   6.05,   7.86,  5.75, 0},
    { 59,    1.8,   8.88,  5.75, 0},
    { 60,    6.5,   8.33,   1.8, 0},
    { 61,    1.8,   9.56,  5.75, 0},
    { 62,    1.8,   9.87,  5.75, 0},
    { 63,    6.3,   9.55,  5.75, 0},
    { 64,    1.8, 10.205,  5.75, 0},
    { 65,    5.0, 10.205,  5.75, 0},
    { 66,    6.3, 10.205,  5.75, 0},
    { 67,    6.3,  9.875,  5.75, 0},
    { 68,    6.3,   8.89,  5.75, 0},
    { 69,   7.63,   8.59,  5.75, 0},
    { 70,    6.5,    6.0,  5.75, 0},
}};
// clang-format on

FieldLayout MakeTracedLayout() {
    std::vector<LayoutRow> rows;
    for (int n = 0; n < kForm941TracedLayoutRows; ++n) rows.push_back(Form941FieldLayout().Row(n));
    FieldLayout layout(kForm941TracedLayoutRows, rows);
    layout.Replace(kTracedRows);
    return layout;
}

} // namespace

const FieldLayout& Form941TracedFieldLayout() {
    static const FieldLayout layout = MakeTracedLayout();
    return layout;
}
