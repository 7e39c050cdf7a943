#include "returns/f941/Det941Layout.h"

namespace {

using namespace itemEarly941;

// Where each item of frmDet941's printout stands, in inches from the page's
// top-left corner; the employer's and the voucher's are every Form 941
// printout's.
// clang-format off
constexpr LayoutRow kDet941Rows[] = {
//  FieldNo                X        Y   Width  Height
    {QuarterBox,             5.87,   1.433,   1.0, 0},
    {Line1Employees,        6.145,    3.93,   1.6, 2},
    {Line2,                 6.265,    4.26,   1.6, 2},
    {Line3,                 6.265,    4.59,   1.6, 2},
    {Line4Box,               6.08,     4.9,  0.25, 2},
    {Line5aWages,             2.9,    5.35,   1.3, 2},
    {Line5aTax,             4.692,    5.35,   1.4, 2},
    {Line5bTips,              2.9,    5.61,   1.3, 2},
    {Line5bTax,             4.692,    5.61,   1.4, 2},
    {Line5cWages,             2.9,    5.86,   1.3, 2},
    {Line5cTax,             4.692,    5.86,   1.4, 2},
    {Line5e,                6.265,   6.537,   1.6, 2},
    {Line6,                 6.267,   7.193,   1.6, 2},
    {Line7,                  6.48,    7.53,   1.4, 2},
    {Line8,                  6.48,    7.85,   1.4, 2},
    {Line9,                  6.48,    8.18,   1.4, 2},
    {Line11Credit,          6.273,    8.84,   1.6, 2},
    {CobraIndividuals,      4.417,   9.175,   1.0, 2},
    {TotalTax,               6.48,    9.21,   1.4, 2},
    {Line5f,                 6.48,    6.86,   1.4, 2},
    {ExemptTaxes,           6.273,    6.14,   1.6, 2},
    {Line10,                6.273,     8.5,   1.6, 2},
    {Line5dWages,            2.59,    6.17,   1.6, 2},
    {Line5dTax,              4.49,    6.17,   1.6, 2},
    {Deposits,              6.273,    9.57,   1.6, 2},
    {BalanceDue,            6.273,    9.92,   1.6, 2},
    {Overpayment,            3.97,   10.26,   1.4, 2},
    {ApplyBox,               6.04,   10.26,  0.25, 2},
    {RefundBox,              7.04,   10.26,  0.25, 2},
    {ExemptIndividuals,     4.417,    8.93,   1.0, 2},
    {ExemptWages,           3.737,    9.21,   1.6, 2},
    {ExemptWagesTax,        6.273,    9.21,   1.6, 2},
    // page 2
    {HeaderName,              0.7,     0.9,  4.75, 0},
    {HeaderEin,               5.8,     0.9,   2.1, 0},
    {Unused42,               0.95,    1.78,   0.5, 0},
    {Line16SmallBox,        1.593,     1.7,  0.16, 0},
    {Line16MonthlyBox,      1.593,    2.35,  0.16, 0},
    {Line16Month1,           3.35,    2.79,   1.6, 2},
    {Line16Month2,           3.35,    3.09,   1.6, 2},
    {Line16Month3,           3.35,    3.39,   1.6, 2},
    {Line16Total,            3.35,    3.69,   1.6, 2},
    {Line16SemiweeklyBox,   1.593,    3.91,  0.16, 0},
    {Unused50,              6.775,    4.62,  0.16, 0},
    {Unused51,               2.95,    4.94,   1.1, 0},
    {SeasonalBox,            6.72,    5.23,  0.16, 0},
    {DesigneeYes,            0.94,   6.025,  0.16, 0},
    {DesigneeName,            3.7,     6.0,   5.5, 0},
    {SignerName,             6.05,    7.56,   1.8, 0},
    {DesigneePin,            6.05,    6.31,   1.4, 0},
    {DesigneeNo,             0.94,   6.587,  0.16, 0},
    {SignerTitle,            6.05,    7.86,  5.75, 0},
    {PreparerName,            1.8,    8.88,  5.75, 0},
    {SignerPhone,             6.5,    8.33,   1.8, 0},
    {FirmName,                1.8,    9.56,  5.75, 0},
    {FirmAddress,             1.8,    9.87,  5.75, 0},
    {FirmEin,                 6.3,    9.55,  5.75, 0},
    {FirmCity,                1.8,  10.205,  5.75, 0},
    {FirmState,               5.0,  10.205,  5.75, 0},
    {FirmZip,                 6.3,  10.205,  5.75, 0},
    {FirmPhone,               6.3,   9.875,  5.75, 0},
    {PreparerPtin,            6.3,    8.89,  5.75, 0},
    {SelfEmployedBox,        7.63,    8.59,  5.75, 0},
    {DesigneePhone,           6.5,     6.0,  5.75, 0},
};
// clang-format on

} // namespace

const FieldLayout& Det941FieldLayout() {
    static const FieldLayout layout = WithForm941SharedRows(kDet941LayoutRows, kDet941Rows);
    return layout;
}
