#pragma once
// frmDet941's printout layout: 81 rows (FieldNo 0 to 80), 1 to 39 on page 1,
// 40 to 70 on page 2, 71 to 80 on the 941-V voucher. The earlier Form 941
// screens' layouts are built on it, and the later screens' traced print
// procedure and the 2020 revision's layout place their items on it.
#include "common/PrintLayout.h"
#include "returns/f941/Form941Layout.h"

inline constexpr int kDet941LayoutRows = 81;

// The items of frmDet941's layout where it prints other lines than the Form
// 941 printout under the same numbers; the rest it prints as that printout
// does, under its names.
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

// frmDet941's layout, for every period.
const FieldLayout& Det941FieldLayout();
