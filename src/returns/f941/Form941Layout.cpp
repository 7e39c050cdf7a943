#include "returns/f941/Form941Layout.h"

#include <array>

namespace {

using namespace item941;

// Where each item of the Form 941 printout stands, in inches from the page's
// top-left corner; the same for every period. Rows 40 and 41 (the page
// header) serve pages 2 and 3 alike; the employer's and the voucher's are
// every Form 941 printout's.
// clang-format off
constexpr std::array<LayoutRow, 95> kForm941Rows = {{
//  FieldNo                  X        Y   Width  Height
    {QuarterBox,              5.95,   1.433,   1.0, 0},
    {Line1Employees,         6.145,    3.92,   1.6, 2},
    {Line2,                  6.265,    4.24,   1.6, 2},
    {Line3,                  6.265,    4.57,   1.6, 2},
    {Line4Box,                6.08,     4.9,  0.25, 2},
    {Line5aWages,             2.88,    5.33,   1.3, 2},
    {Line5aTax,               4.68,    5.33,   1.4, 2},
    {Line5bTips,              2.88,     6.1,   1.3, 2},
    {Line5bTax,               4.68,     6.1,   1.4, 2},
    {Line5cWages,             2.88,    6.35,   1.3, 2},
    {Line5cTax,               4.68,    6.35,   1.4, 2},
    {Line5e,                 6.265,    7.02,   1.6, 2},
    {Line6,                  6.267,    7.68,   1.6, 2},
    {Line7,                   6.48,   8.013,   1.4, 2},
    {Line8,                   6.48,    8.34,   1.4, 2},
    {Line9,                   6.48,   8.667,   1.4, 2},
    {Line5aiWages,             2.9,    5.59,   1.3, 2},
    {Line5aiTax,             4.692,    5.59,   1.4, 2},
    {Line5aiiWages,            2.9,    5.84,   1.3, 2},
    {Line5f,                  6.48,    7.35,   1.4, 2},
    {Line5aiiTax,            4.692,    5.84,   1.4, 2},
    {Line10,                 6.273,     9.0,   1.6, 2},
    {Line5dWages,             2.59,     6.7,   1.6, 2},
    {Line5dTax,               4.49,     6.7,   1.6, 2},
    {Line11a,                6.273,    9.33,   1.6, 2},
    {Line11b,                6.273,    9.75,   1.6, 2},
    {Line11c,                6.273,  10.123,   1.6, 2},
    {Unused35,                6.04,   10.26,  0.25, 2},
    {Unused36,                7.04,   10.26,  0.25, 2},
    {Unused37,               4.417,    8.93,   1.0, 2},
    {Unused38,               3.737,    9.21,   1.6, 2},
    {Unused39,               6.273,    9.21,   1.6, 2},
    {HeaderName,               0.7,    0.92,  4.75, 0},
    {HeaderEin,                5.8,    0.92,   2.1, 0},
    {Unused42,                0.95,    1.78,   0.5, 0},
    {Line16SmallBox,          1.52,    7.69,  0.16, 0},
    {Line16MonthlyBox,        1.52,    8.38,  0.16, 0},
    {Line16Month1,            3.27,    8.84,   1.6, 2},
    {Line16Month2,            3.27,    9.14,   1.6, 2},
    {Line16Month3,            3.27,    9.44,   1.6, 2},
    {Line16Total,             3.27,    9.74,   1.6, 2},
    {Line16SemiweeklyBox,     1.52,    9.96,  0.16, 0},
    {Unused50,                6.75,    4.67,  0.16, 0},
    {Unused51,                2.95,    4.94,   1.1, 0},
    {Unused52,                6.75,    5.27,  0.16, 0},
    {DesigneeYes,             0.91,    5.55,  0.16, 0},
    {DesigneeName,             3.7,    5.58,   5.5, 0},
    {SignerName,              6.05,    6.98,   1.8, 0},
    {DesigneePin,             6.08,    5.88,   1.4, 0},
    {DesigneeNo,              0.91,    6.12,  0.16, 0},
    {SignerTitle,             6.05,    7.28,  5.75, 0},
    {PreparerName,             1.8,    8.39,  5.75, 0},
    {SignerPhone,              6.5,    7.72,   1.8, 0},
    {FirmName,                 1.8,    9.05,  5.75, 0},
    {FirmAddress,              1.8,    9.38,  5.75, 0},
    {FirmEin,                  6.3,    9.05,  5.75, 0},
    {FirmCity,                 1.8,    9.71,  5.75, 0},
    {FirmState,                4.9,    9.71,  5.75, 0},
    {FirmZip,                  6.3,    9.71,  5.75, 0},
    {FirmPhone,                6.3,    9.38,  5.75, 0},
    {PreparerPtin,             6.3,    8.38,  5.75, 0},
    {SelfEmployedBox,         7.66,    8.09,  5.75, 0},
    {DesigneePhone,            6.5,    5.58,  5.75, 0},
    {Line17Box,               6.72,    1.35,   0.2, 0},
    {Unused82,                3.01,    1.67,  1.25, 0},
    {Line18aBox,              6.72,    1.94,   0.2, 0},
    {Line19,                 6.285,    2.26,   1.6, 2},
    {Line20,                 6.285,     2.5,   1.6, 2},
    {Line21,                 6.285,    2.74,   1.6, 2},
    {Line22,                 6.285,    2.98,   1.6, 2},
    {Line23,                 6.285,    3.25,   1.6, 2},
    {Line24,                 6.285,    3.49,   1.6, 2},
    {Line25,                 6.285,    3.84,   1.6, 2},
    {Line11d,                6.283,    1.49,   1.6, 2},
    {Line12,                 6.283,    2.91,   1.6, 2},
    {Line13a,                6.283,    3.32,   1.6, 2},
    {Line13b,                6.283,    3.67,   1.6, 2},
    {Line13c,                6.283,    4.09,   1.6, 2},
    {Line13d,                6.283,    4.41,   1.6, 2},
    {Line13g,                6.283,    5.58,   1.6, 2},
    {Line13h,                6.283,     5.9,   1.6, 2},
    {Line13i,                6.283,    6.23,   1.6, 2},
    {Line14,                 6.283,    6.58,   1.6, 2},
    {Line15,                  3.98,    6.92,   1.4, 2},
    {Line15ApplyBox,          6.19,     6.9,   0.2, 0},
    {Line15RefundBox,          7.2,     6.9,   0.2, 0},
    {Line26,                 6.285,    4.21,   1.6, 2},
    {Line27,                 6.285,    4.44,   1.6, 2},
    {Line28,                 6.285,    4.74,   1.6, 2},
    {Line18bBox,             6.693,     2.2,   0.2, 0},
    {Line11e,                6.283,     1.9,   1.6, 2},
    {Line11f,                  4.4,   2.233,   1.2, 2},
    {Line11g,                6.283,    2.59,   1.6, 2},
    {Line13e,                6.283,    4.84,   1.6, 2},
    {Line13f,                6.283,   5.243,   1.6, 2},
}};
// clang-format on

// The employer's texts of page 1 and the 941-V voucher's rows (printed
// 0.166 in lower).
// clang-format off
constexpr std::array<LayoutRow, 17> kForm941SharedRows = {{
//  FieldNo              X        Y  Width  Height
    {EinBoxes,           2.2,   1.125,  3.75, 0},
    {EmployerName,       2.0,    1.45,  3.75, 0},
    {TradeName,          1.7,     1.8,   3.5, 0},
    {Street,             1.2,    2.13,  3.75, 0},
    {City,               1.2,    2.48,  3.75, 0},
    {State,              3.9,    2.48,   4.2, 0},
    {Zip,                4.4,    2.48,  1.25, 0},
    {VoucherEin,         1.1,     8.5,   1.5, 0},
    {VoucherAmount,     5.95,     8.5,   1.8, 2},
    {VoucherName,        3.5,    8.83,   4.4, 0},
    {VoucherQuarter1,  0.735,    8.98,   0.2, 0},
    {VoucherQuarter3,   1.91,    8.98,   0.2, 0},
    {VoucherStreet,      3.5,    9.15,   4.4, 0},
    {VoucherQuarter2,  0.735,   9.395,   0.2, 0},
    {VoucherQuarter4,   1.91,   9.395,   0.2, 0},
    {VoucherCityLine,    3.5,     9.5,   4.4, 0},
    {VoucherBlank,       7.5,     9.9,   0.5, 0},
}};
// clang-format on

} // namespace

FieldLayout WithForm941SharedRows(int rowCount, std::span<const LayoutRow> rows) {
    FieldLayout layout(rowCount, rows);
    layout.Replace(kForm941SharedRows);
    return layout;
}

const FieldLayout& Form941FieldLayout() {
    static const FieldLayout layout = WithForm941SharedRows(kForm941LayoutRows, kForm941Rows);
    return layout;
}
