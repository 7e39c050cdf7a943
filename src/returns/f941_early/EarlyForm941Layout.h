#pragma once
// The layout tables of the earlier Form 941 printouts: 81 rows (FieldNo 0 to
// 80), 1 to 39 on page 1, 40 to 70 on page 2, 71 to 80 on the 941-V voucher.
// frmDet941's table is the base; the twin's design replaces some of its rows,
// and a few more rows move for certain period codes.
#include "common/PrintLayout.h"

#include <span>
#include <string>

inline constexpr int kEarlyForm941LayoutRows = 81;

// The items these printouts print by their own rules where the Form 941
// printout has others; the rest they print as it does, under its names.
namespace itemEarly941 {
// clang-format off
enum Item : short {
    CobraIndividuals  = 25, // line 12b, the number of individuals
    TotalTax          = 26, // line 12, the total tax
    BalanceDue        = 33, // line 14
    ApplyBox          = 35, // line 15 box: apply to next return
    RefundBox         = 36, // line 15 box: refund
    ExemptIndividuals = 37, // line 12c (older layout)
    SeasonalBox       = 52, // the seasonal employer's box
};
// clang-format on
} // namespace itemEarly941

// Rows that stand elsewhere when the screen was loaded for `periodCode`.
struct PeriodLayoutRule {
    const char* periodCode;
    std::span<const LayoutRow> rows;
};

struct EarlyForm941PrintDesign {
    std::span<const LayoutRow> otherRows;
    std::span<const PeriodLayoutRule> periodRules;
};

// The layout for a screen of this design loaded for `periodCode` (its
// txtQtr_Yr, compared exactly).
FieldLayout EarlyForm941FieldLayout(const EarlyForm941PrintDesign& design, const std::string& periodCode);
