#include "returns/f941_2020/Rev2020Layout.h"

#include "returns/f941/Det941Layout.h"

#include <array>

namespace {

using namespace item2020;

// Where each item of the 2020 revision's printout stands, in inches from the
// page's top-left corner: page 1 (1 to 39), pages 2 and 3 (40 to 70, 81 to
// 103); the employer's (1 to 7) and the voucher's (71 to 80) are every
// Form 941 printout's. Rows 104 to 110 stay empty.
constexpr int kRev2020LayoutRows = 111;
// clang-format off
constexpr std::array<LayoutRow, 86> kRev2020Rows = {{
//  FieldNo                X        Y  Width  Height
    {QuarterBox,             5.95,   1.433,   1.0, 0},
    {Line1Employees,        6.145,    3.92,   1.6, 2},
    {Line2,                 6.265,    4.24,   1.6, 2},
    {Line3,                 6.265,    4.57,   1.6, 2},
    {Line4Box,               6.08,     4.9,  0.25, 2},
    {Line5aWages,             2.9,    5.33,   1.3, 2},
    {Line5aTax,             4.692,    5.33,   1.4, 2},
    {Line5bTips,              2.9,     6.1,   1.3, 2},
    {Line5bTax,             4.692,     6.1,   1.4, 2},
    {Line5cWages,             2.9,    6.35,   1.3, 2},
    {Line5cTax,             4.692,    6.35,   1.4, 2},
    {Line5e,                6.265,    7.02,   1.6, 2},
    {Line6,                 6.267,    7.68,   1.6, 2},
    {Line7,                  6.48,   8.013,   1.4, 2},
    {Line8,                  6.48,    8.34,   1.4, 2},
    {Line9,                  6.48,   8.667,   1.4, 2},
    {Line5aiWages,            2.9,    5.59,   1.3, 2},
    {Line5aiTax,            4.692,    5.59,   1.4, 2},
    {Line5aiiWages,           2.9,    5.84,   1.3, 2},
    {Line5f,                 6.48,    7.35,   1.4, 2},
    {Line5aiiTax,           4.692,    5.84,   1.4, 2},
    {Line10,                6.273,     9.0,   1.6, 2},
    {Line5dWages,            2.59,     6.7,   1.6, 2},
    {Line5dTax,              4.49,     6.7,   1.6, 2},
    {Line11a,               6.273,    9.33,   1.6, 2},
    {Line11b,               6.273,   9.647,   1.6, 2},
    {Line11c,               6.273,    9.98,   1.6, 2},
    {Unused35,               6.04,   10.26,  0.25, 2},
    {Unused36,               7.04,   10.26,  0.25, 2},
    {Unused37,              4.417,    8.93,   1.0, 2},
    {Unused38,              3.737,    9.21,   1.6, 2},
    {Unused39,              6.273,    9.21,   1.6, 2},
    {HeaderName,              0.7,     0.9,  4.75, 0},
    {HeaderEin,               5.8,     0.9,   2.1, 0},
    {Unused42,               0.95,    1.78,   0.5, 0},
    {Line16SmallBox,         1.49,    5.65,  0.16, 0},
    {Line16MonthlyBox,       1.49,    6.32,  0.16, 0},
    {Line16Month1,           3.23,    6.79,   1.6, 2},
    {Line16Month2,           3.23,    7.09,   1.6, 2},
    {Line16Month3,           3.23,    7.39,   1.6, 2},
    {Line16Total,            3.23,    7.69,   1.6, 2},
    {Line16SemiweeklyBox,    1.49,    7.93,  0.16, 0},
    {Unused50,               6.75,    4.66,  0.16, 0},
    {Unused51,               2.95,    4.94,   1.1, 0},
    {Unused52,               6.72,    5.25,  0.16, 0},
    {DesigneeYes,            0.91,    5.33,  0.16, 0},
    {DesigneeName,            3.7,    5.33,   5.5, 0},
    {SignerName,             6.05,    6.67,   1.8, 0},
    {DesigneePin,            6.05,    5.61,   1.4, 0},
    {DesigneeNo,             0.91,    5.91,  0.16, 0},
    {SignerTitle,            6.05,    7.01,  5.75, 0},
    {PreparerName,            1.8,    8.16,  5.75, 0},
    {SignerPhone,             6.5,     7.5,   1.8, 0},
    {FirmName,                1.8,    8.81,  5.75, 0},
    {FirmAddress,             1.8,    9.14,  5.75, 0},
    {FirmEin,                 6.3,    8.81,  5.75, 0},
    {FirmCity,                1.8,    9.45,  5.75, 0},
    {FirmState,               5.0,    9.45,  5.75, 0},
    {FirmZip,                 6.3,    9.45,  5.75, 0},
    {FirmPhone,               6.3,    9.12,  5.75, 0},
    {PreparerPtin,            6.3,    8.16,  5.75, 0},
    {SelfEmployedBox,        7.63,    7.85,  5.75, 0},
    {DesigneePhone,           6.5,     5.3,  5.75, 0},
    {Line17Box,              6.69,    1.35,   0.2, 0},
    {Unused82,               3.01,    1.67,  1.25, 0},
    {Line18aBox,             6.69,    1.93,   0.2, 0},
    {Line19,                6.285,    2.24,   1.6, 2},
    {Line20,                6.285,    2.57,   1.6, 2},
    {Line21,                6.285,    2.89,   1.6, 2},
    {Line22,                6.285,   3.213,   1.6, 2},
    {Line23,                6.285,    3.54,   1.6, 2},
    {Line24,                6.285,    3.99,   1.6, 2},
    {Line25,                6.285,    4.39,   1.6, 2},
    {Line11d,               6.303,    1.46,   1.6, 2},
    {Line12,                6.303,    1.78,   1.6, 2},
    {Line13a,               6.303,     2.2,   1.6, 2},
    {Line13b,               6.303,    2.53,   1.6, 2},
    {Line13c,               6.303,    2.85,   1.6, 2},
    {Line13d,               6.303,    3.17,   1.6, 2},
    {item2020::Line13e,     6.303,    3.52,   1.6, 2},
    {item2020::Line13f,     6.303,    3.84,   1.6, 2},
    {item2020::Line13g,     6.303,    4.17,   1.6, 2},
    {Line14,                6.303,    4.48,   1.6, 2},
    {Line15,                  4.0,    4.83,   1.4, 2},
    {Line15ApplyBox,         6.19,    4.84,   0.2, 0},
    {Line15RefundBox,         7.2,    4.84,   0.2, 0},
}};
// clang-format on

// The signer's title stands a little higher on the first quarter of 2021's form.
constexpr LayoutRow kTitleOf121{SignerTitle, 6.05, 6.99, 5.75, 0};
// The traced run's box of line 15's first choice, on the form of 2018's first quarter.
constexpr double kApplyBoxLeftOf118 = 6.05;

} // namespace

FieldLayout Rev2020FieldLayout(const std::string& periodCode) {
    FieldLayout layout = WithForm941SharedRows(kRev2020LayoutRows, kRev2020Rows);
    if (periodCode == "121") layout.Replace(std::array{kTitleOf121});
    return layout;
}

FieldLayout Rev2020TracedFieldLayout(const std::string& periodCode) {
    FieldLayout layout = Det941FieldLayout();
    if (periodCode == "118") {
        LayoutRow applyBox = layout.Row(itemEarly941::ApplyBox);
        applyBox.X = kApplyBoxLeftOf118;
        layout.Replace(std::array{applyBox});
    }
    return layout;
}
