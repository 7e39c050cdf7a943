#pragma once
// The layout tables of the earlier Form 941 printouts: 81 rows (FieldNo 0 to
// 80), 1 to 39 on page 1, 40 to 70 on page 2, 71 to 80 on the 941-V voucher.
// frmDet941's table is the base; the twin's design replaces some of its rows,
// and a few more rows move for certain period codes.
#include "common/PrintLayout.h"
#include "returns/f941/Form941Layout.h"

#include <span>
#include <string>

inline constexpr int kEarlyForm941LayoutRows = 81;

// The items of frmDet941's layout where these printouts print other lines
// than the Form 941 printout under the same numbers; the rest they print as
// it does, under its names. The traced print procedure of the later Form 941
// screens places its items on this layout too.
namespace itemEarly941 {
using namespace item941;
// clang-format off
enum Item : short {
    Line11Credit      = 24, // line 11, the credit
    CobraIndividuals  = 25, // line 12b, the number of individuals
    TotalTax          = 26, // line 12, the total tax
    ExemptTaxes       = 28, // line 6d, the exempt taxes (older layout)
    Deposits          = 32, // line 13, the deposits
    BalanceDue        = 33, // line 14
    Overpayment       = 34, // line 15
    ApplyBox          = 35, // line 15 box: apply to next return
    RefundBox         = 36, // line 15 box: refund
    ExemptIndividuals = 37, // line 12c (older layout)
    ExemptWages       = 38, // line 12d (older layout)
    ExemptWagesTax    = 39, // line 12e, their tax (older layout)
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

// frmDet941's layout, for every period: the base of the others.
const FieldLayout& Det941FieldLayout();

// The layout for a screen of this design loaded for `periodCode` (its
// txtQtr_Yr, compared exactly).
FieldLayout EarlyForm941FieldLayout(const EarlyForm941PrintDesign& design, const std::string& periodCode);
