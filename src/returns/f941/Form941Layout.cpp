#include "returns/f941/Form941Layout.h"

#include <array>

namespace {

// Where each item of the Form 941 printout stands, in inches from the page's
// top-left corner; the same for every period. Rows 40 and 41 (the page
// header) serve pages 2 and 3 alike.
// clang-format off
constexpr std::array<LayoutRow, 112> kForm941Rows = {{
//  FieldNo      X        Y   Width  Height    item
    {   1,     2.2,   1.125,  3.75, 0},  // EIN boxes
    {   2,     2.0,    1.45,  3.75, 0},  // name (not your trade name)
    {   3,     1.7,     1.8,   3.5, 0},  // trade name
    {   4,     1.2,    2.13,  3.75, 0},  // address: number and street
    {   5,     1.2,    2.48,  3.75, 0},  // city
    {   6,     3.9,    2.48,   4.2, 0},  // state
    {   7,     4.4,    2.48,  1.25, 0},  // ZIP code
    {   8,    5.95,   1.433,   1.0, 0},  // quarter box (moved down by quarter)
    {   9,   6.145,    3.92,   1.6, 2},  // line 1, number of employees
    {  10,   6.265,    4.24,   1.6, 2},  // line 2
    {  11,   6.265,    4.57,   1.6, 2},  // line 3
    {  12,    6.08,     4.9,  0.25, 2},  // line 4 check box
    {  13,    2.88,    5.33,   1.3, 2},  // line 5a, column 1
    {  14,    4.68,    5.33,   1.4, 2},  // line 5a, column 2
    {  15,    2.88,     6.1,   1.3, 2},  // line 5b, column 1
    {  16,    4.68,     6.1,   1.4, 2},  // line 5b, column 2
    {  17,    2.88,    6.35,   1.3, 2},  // line 5c, column 1
    {  18,    4.68,    6.35,   1.4, 2},  // line 5c, column 2
    {  19,   6.265,    7.02,   1.6, 2},  // line 5e
    {  20,   6.267,    7.68,   1.6, 2},  // line 6
    {  21,    6.48,   8.013,   1.4, 2},  // line 7
    {  22,    6.48,    8.34,   1.4, 2},  // line 8
    {  23,    6.48,   8.667,   1.4, 2},  // line 9
    {  24,     2.9,    5.59,   1.3, 2},  // line 5a(i), column 1
    {  25,   4.692,    5.59,   1.4, 2},  // line 5a(i), column 2
    {  26,     2.9,    5.84,   1.3, 2},  // line 5a(ii), column 1
    {  27,    6.48,    7.35,   1.4, 2},  // line 5f
    {  28,   4.692,    5.84,   1.4, 2},  // line 5a(ii), column 2
    {  29,   6.273,     9.0,   1.6, 2},  // line 10
    {  30,    2.59,     6.7,   1.6, 2},  // line 5d, column 1
    {  31,    4.49,     6.7,   1.6, 2},  // line 5d, column 2
    {  32,   6.273,    9.33,   1.6, 2},  // line 11a
    {  33,   6.273,    9.75,   1.6, 2},  // line 11b
    {  34,   6.273,  10.123,   1.6, 2},  // line 11c
    {  35,    6.04,   10.26,  0.25, 2},  // none
    {  36,    7.04,   10.26,  0.25, 2},  // none
    {  37,   4.417,    8.93,   1.0, 2},  // none
    {  38,   3.737,    9.21,   1.6, 2},  // none
    {  39,   6.273,    9.21,   1.6, 2},  // none
    {  40,     0.7,    0.92,  4.75, 0},  // page header: employer's name
    {  41,     5.8,    0.92,   2.1, 0},  // page header: EIN
    {  42,    0.95,    1.78,   0.5, 0},  // none
    {  43,    1.52,    7.69,  0.16, 0},  // line 16, first box (line 12 less than 2,500)
    {  44,    1.52,    8.38,  0.16, 0},  // line 16, monthly depositor box
    {  45,    3.27,    8.84,   1.6, 2},  // line 16, month 1
    {  46,    3.27,    9.14,   1.6, 2},  // line 16, month 2
    {  47,    3.27,    9.44,   1.6, 2},  // line 16, month 3
    {  48,    3.27,    9.74,   1.6, 2},  // line 16, total liability for the quarter
    {  49,    1.52,    9.96,  0.16, 0},  // line 16, semiweekly depositor box
    {  50,    6.75,    4.67,  0.16, 0},  // none
    {  51,    2.95,    4.94,   1.1, 0},  // none
    {  52,    6.75,    5.27,  0.16, 0},  // none
    {  53,    0.91,    5.55,  0.16, 0},  // designee "Yes" box
    {  54,     3.7,    5.58,   5.5, 0},  // designee's name
    {  55,    6.05,    6.98,   1.8, 0},  // signer's name
    {  56,    6.08,    5.88,   1.4, 0},  // designee's PIN
    {  57,    0.91,    6.12,  0.16, 0},  // designee "No" box
    {  58,    6.05,    7.28,  5.75, 0},  // signer's title
    {  59,     1.8,    8.39,  5.75, 0},  // preparer's name
    {  60,     6.5,    7.72,   1.8, 0},  // signer's phone
    {  61,     1.8,    9.05,  5.75, 0},  // firm's name
    {  62,     1.8,    9.38,  5.75, 0},  // firm's address
    {  63,     6.3,    9.05,  5.75, 0},  // firm's EIN
    {  64,     1.8,    9.71,  5.75, 0},  // firm's city
    {  65,     4.9,    9.71,  5.75, 0},  // firm's state
    {  66,     6.3,    9.71,  5.75, 0},  // firm's ZIP code
    {  67,     6.3,    9.38,  5.75, 0},  // firm's phone
    {  68,     6.3,    8.38,  5.75, 0},  // preparer's PTIN
    {  69,    7.66,    8.09,  5.75, 0},  // self-employed box
    {  70,     6.5,    5.58,  5.75, 0},  // designee's phone
    {  71,     1.1,     8.5,   1.5, 0},  // EIN
    {  72,    5.95,     8.5,   1.8, 2},  // amount of the payment
    {  73,     3.5,    8.83,   4.4, 0},  // employer's name
    {  74,   0.735,    8.98,   0.2, 0},  // first-quarter box
    {  75,    1.91,    8.98,   0.2, 0},  // third-quarter box
    {  76,     3.5,    9.15,   4.4, 0},  // street address
    {  77,   0.735,   9.395,   0.2, 0},  // second-quarter box
    {  78,    1.91,   9.395,   0.2, 0},  // fourth-quarter box
    {  79,     3.5,     9.5,   4.4, 0},  // city, state and ZIP code
    {  80,     7.5,     9.9,   0.5, 0},  // none
    {  81,    6.72,    1.35,   0.2, 0},  // line 17 box (business closed or stopped paying wages)
    {  82,    3.01,    1.67,  1.25, 0},  // none
    {  83,    6.72,    1.94,   0.2, 0},  // line 18a box (seasonal employer)
    {  84,   6.285,    2.26,   1.6, 2},  // line 19
    {  85,   6.285,     2.5,   1.6, 2},  // line 20
    {  86,   6.285,    2.74,   1.6, 2},  // line 21
    {  87,   6.285,    2.98,   1.6, 2},  // line 22
    {  88,   6.285,    3.25,   1.6, 2},  // line 23
    {  89,   6.285,    3.49,   1.6, 2},  // line 24
    {  90,   6.285,    3.84,   1.6, 2},  // line 25
    {  91,   6.283,    1.49,   1.6, 2},  // 11d
    {  92,   6.283,    2.91,   1.6, 2},  // 12
    {  93,   6.283,    3.32,   1.6, 2},  // 13a
    {  94,   6.283,    3.67,   1.6, 2},  // 13b
    {  95,   6.283,    4.09,   1.6, 2},  // 13c
    {  96,   6.283,    4.41,   1.6, 2},  // 13d
    {  97,   6.283,    5.58,   1.6, 2},  // 13g
    {  98,   6.283,     5.9,   1.6, 2},  // 13h
    {  99,   6.283,    6.23,   1.6, 2},  // 13i
    { 100,   6.283,    6.58,   1.6, 2},  // 14, balance due
    { 101,    3.98,    6.92,   1.4, 2},  // 15, overpayment
    { 102,    6.19,     6.9,   0.2, 0},  // 15, box: apply the overpayment to the next return
    { 103,     7.2,     6.9,   0.2, 0},  // 15, box: send a refund
    { 104,   6.285,    4.21,   1.6, 2},  // line 26
    { 105,   6.285,    4.44,   1.6, 2},  // line 27
    { 106,   6.285,    4.74,   1.6, 2},  // line 28
    { 107,   6.693,     2.2,   0.2, 0},  // line 18b box (recovery startup business)
    { 108,   6.283,     1.9,   1.6, 2},  // 11e
    { 109,     4.4,   2.233,   1.2, 2},  // 11f, number of individuals
    { 110,   6.283,    2.59,   1.6, 2},  // 11g
    { 111,   6.283,    4.84,   1.6, 2},  // 13e
    { 112,   6.283,   5.243,   1.6, 2},  // 13f
}};
// clang-format on

} // namespace

const FieldLayout& Form941FieldLayout() {
    static const FieldLayout layout(kForm941LayoutRows, kForm941Rows);
    return layout;
}
