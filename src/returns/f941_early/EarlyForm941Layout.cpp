#include "returns/f941_early/EarlyForm941Layout.h"

namespace {

// Where each item of frmDet941's printout stands, in inches from the page's
// top-left corner.
// clang-format off
constexpr LayoutRow kDet941Rows[] = {
//  FieldNo      X        Y   Width  Height    item
    {   1,     2.2,   1.125,  3.75, 0},  // EIN boxes
    {   2,     2.0,    1.45,  3.75, 0},  // name
    {   3,     1.7,     1.8,   3.5, 0},  // trade name
    {   4,     1.2,    2.13,  3.75, 0},  // street
    {   5,     1.2,    2.48,  3.75, 0},  // city
    {   6,     3.9,    2.48,   4.2, 0},  // state
    {   7,     4.4,    2.48,  1.25, 0},  // ZIP code
    {   8,    5.87,   1.433,   1.0, 0},  // quarter box (moved down by quarter)
    {   9,   6.145,    3.93,   1.6, 2},  // line 1, number of employees
    {  10,   6.265,    4.26,   1.6, 2},  // line 2
    {  11,   6.265,    4.59,   1.6, 2},  // line 3
    {  12,    6.08,     4.9,  0.25, 2},  // wages not subject box
    {  13,     2.9,    5.35,   1.3, 2},  // line 5a wages
    {  14,   4.692,    5.35,   1.4, 2},  // line 5a tax
    {  15,     2.9,    5.61,   1.3, 2},  // line 5b tips
    {  16,   4.692,    5.61,   1.4, 2},  // line 5b tax
    {  17,     2.9,    5.86,   1.3, 2},  // line 5c wages
    {  18,   4.692,    5.86,   1.4, 2},  // line 5c tax
    {  19,   6.265,   6.537,   1.6, 2},  // line 5e
    {  20,   6.267,   7.193,   1.6, 2},  // line 6
    {  21,    6.48,    7.53,   1.4, 2},  // line 7
    {  22,    6.48,    7.85,   1.4, 2},  // line 8
    {  23,    6.48,    8.18,   1.4, 2},  // line 9
    {  24,   6.273,    8.84,   1.6, 2},  // line 11
    {  25,   4.417,   9.175,   1.0, 2},  // COBRA individuals
    {  26,    6.48,    9.21,   1.4, 2},  // line 12, the total tax
    {  27,    6.48,    6.86,   1.4, 2},  // line 5f
    {  28,   6.273,    6.14,   1.6, 2},  // exempt taxes (older layout)
    {  29,   6.273,     8.5,   1.6, 2},  // line 10
    {  30,    2.59,    6.17,   1.6, 2},  // line 5d wages
    {  31,    4.49,    6.17,   1.6, 2},  // line 5d tax
    {  32,   6.273,    9.57,   1.6, 2},  // line 13, deposits
    {  33,   6.273,    9.92,   1.6, 2},  // line 14, balance due
    {  34,    3.97,   10.26,   1.4, 2},  // line 15, overpayment
    {  35,    6.04,   10.26,  0.25, 2},  // line 15 box: apply to next return
    {  36,    7.04,   10.26,  0.25, 2},  // line 15 box: refund
    {  37,   4.417,    8.93,   1.0, 2},  // exempt individuals (older layout)
    {  38,   3.737,    9.21,   1.6, 2},  // exempt wages (older layout)
    {  39,   6.273,    9.21,   1.6, 2},  // their tax (older layout)
    // page 2
    {  40,     0.7,     0.9,  4.75, 0},  // employer's name
    {  41,     5.8,     0.9,   2.1, 0},  // employer's EIN
    {  42,    0.95,    1.78,   0.5, 0},  // (empty)
    {  43,   1.593,     1.7,  0.16, 0},  // total tax below 2,500
    {  44,   1.593,    2.35,  0.16, 0},  // monthly depositor
    {  45,    3.35,    2.79,   1.6, 2},  // month 1
    {  46,    3.35,    3.09,   1.6, 2},  // month 2
    {  47,    3.35,    3.39,   1.6, 2},  // month 3
    {  48,    3.35,    3.69,   1.6, 2},  // total liability
    {  49,   1.593,    3.91,  0.16, 0},  // semiweekly depositor
    {  50,   6.775,    4.62,  0.16, 0},  // (empty)
    {  51,    2.95,    4.94,   1.1, 0},  // (empty)
    {  52,    6.72,    5.23,  0.16, 0},  // seasonal employer
    {  53,    0.94,   6.025,  0.16, 0},  // designee: yes
    {  54,     3.7,     6.0,   5.5, 0},  // designee's name
    {  55,    6.05,    7.56,   1.8, 0},  // signer's name
    {  56,    6.05,    6.31,   1.4, 0},  // designee's PIN
    {  57,    0.94,   6.587,  0.16, 0},  // designee: no
    {  58,    6.05,    7.86,  5.75, 0},  // signer's title
    {  59,     1.8,    8.88,  5.75, 0},  // preparer's name
    {  60,     6.5,    8.33,   1.8, 0},  // signer's phone
    {  61,     1.8,    9.56,  5.75, 0},  // firm's name
    {  62,     1.8,    9.87,  5.75, 0},  // firm's address
    {  63,     6.3,    9.55,  5.75, 0},  // firm's EIN
    {  64,     1.8,  10.205,  5.75, 0},  // firm's city
    {  65,     5.0,  10.205,  5.75, 0},  // firm's state
    {  66,     6.3,  10.205,  5.75, 0},  // firm's ZIP
    {  67,     6.3,   9.875,  5.75, 0},  // firm's phone
    {  68,     6.3,    8.89,  5.75, 0},  // preparer's PTIN
    {  69,    7.63,    8.59,  5.75, 0},  // self-employed
    {  70,     6.5,     6.0,  5.75, 0},  // designee's phone
    // the 941-V voucher (printed 0.166 lower)
    {  71,     1.1,     8.5,   1.5, 0},  // employer's EIN
    {  72,    5.95,     8.5,   1.8, 2},  // balance due
    {  73,     3.5,    8.83,   4.4, 0},  // employer's name
    {  74,   0.735,    8.98,   0.2, 0},  // 1st quarter
    {  75,    1.91,    8.98,   0.2, 0},  // 3rd quarter
    {  76,     3.5,    9.15,   4.4, 0},  // street
    {  77,   0.735,   9.395,   0.2, 0},  // 2nd quarter
    {  78,    1.91,   9.395,   0.2, 0},  // 4th quarter
    {  79,     3.5,     9.5,   4.4, 0},  // city line
    {  80,     7.5,     9.9,   0.5, 0},  // (empty)
};
// clang-format on

} // namespace

FieldLayout EarlyForm941FieldLayout(const EarlyForm941PrintDesign& design, const std::string& periodCode) {
    FieldLayout layout(kEarlyForm941LayoutRows, kDet941Rows);
    layout.Replace(design.otherRows);
    for (const PeriodLayoutRule& rule : design.periodRules) {
        if (periodCode == rule.periodCode) layout.Replace(rule.rows);
    }
    return layout;
}
