#pragma once
// The layout table of the Form 941 printout: 116 rows (FieldNo 0 to 115), of
// which 1 to 112 place the items of pages 1 to 3 and of the 941-V voucher.
// Its items are named here (the employer's, signature and voucher items as
// every return printout names them); the layout, the screen's line table and
// the items code all use these names. The other Form 941 printouts print
// these items under the same numbers.
#include "common/PrintLayout.h"
#include "common/ReturnItemNames.h"

#include <span>

inline constexpr int kForm941LayoutRows = 116;

namespace item941 {
using namespace returnItem;
// clang-format off
enum Item : short {
    QuarterBox          =   8, // quarter box (moved down by quarter)
    Line1Employees      =   9, // line 1, number of employees
    Line2               =  10, // line 2
    Line3               =  11, // line 3
    Line4Box            =  12, // line 4 check box
    Line5aWages         =  13, // line 5a, column 1
    Line5aTax           =  14, // line 5a, column 2
    Line5bTips          =  15, // line 5b, column 1
    Line5bTax           =  16, // line 5b, column 2
    Line5cWages         =  17, // line 5c, column 1
    Line5cTax           =  18, // line 5c, column 2
    Line5e              =  19, // line 5e
    Line6               =  20, // line 6
    Line7               =  21, // line 7
    Line8               =  22, // line 8
    Line9               =  23, // line 9
    Line5aiWages        =  24, // line 5a(i), column 1
    Line5aiTax          =  25, // line 5a(i), column 2
    Line5aiiWages       =  26, // line 5a(ii), column 1
    Line5f              =  27, // line 5f
    Line5aiiTax         =  28, // line 5a(ii), column 2
    Line10              =  29, // line 10
    Line5dWages         =  30, // line 5d, column 1
    Line5dTax           =  31, // line 5d, column 2
    Line11a             =  32, // line 11a
    Line11b             =  33, // line 11b
    Line11c             =  34, // line 11c
    Unused35            =  35, // none
    Unused36            =  36, // none
    Unused37            =  37, // none
    Unused38            =  38, // none
    Unused39            =  39, // none
    Unused42            =  42, // none
    Line16SmallBox      =  43, // line 16, first box (line 12 less than 2,500)
    Line16MonthlyBox    =  44, // line 16, monthly depositor box
    Line16Month1        =  45, // line 16, month 1
    Line16Month2        =  46, // line 16, month 2
    Line16Month3        =  47, // line 16, month 3
    Line16Total         =  48, // line 16, total liability for the quarter
    Line16SemiweeklyBox =  49, // line 16, semiweekly depositor box
    Unused50            =  50, // none
    Unused51            =  51, // none
    Unused52            =  52, // none
    Line17Box           =  81, // line 17 box (business closed or stopped paying wages)
    Unused82            =  82, // none
    Line18aBox          =  83, // line 18a box (seasonal employer)
    Line19              =  84, // line 19
    Line20              =  85, // line 20
    Line21              =  86, // line 21
    Line22              =  87, // line 22
    Line23              =  88, // line 23
    Line24              =  89, // line 24
    Line25              =  90, // line 25
    Line11d             =  91, // 11d
    Line12              =  92, // 12
    Line13a             =  93, // 13a
    Line13b             =  94, // 13b
    Line13c             =  95, // 13c
    Line13d             =  96, // 13d
    Line13g             =  97, // 13g
    Line13h             =  98, // 13h
    Line13i             =  99, // 13i
    Line14              = 100, // 14, balance due
    Line15              = 101, // 15, overpayment
    Line15ApplyBox      = 102, // 15, box: apply the overpayment to the next return
    Line15RefundBox     = 103, // 15, box: send a refund
    Line26              = 104, // line 26
    Line27              = 105, // line 27
    Line28              = 106, // line 28
    Line18bBox          = 107, // line 18b box (recovery startup business)
    Line11e             = 108, // 11e
    Line11f             = 109, // 11f, number of individuals
    Line11g             = 110, // 11g
    Line13e             = 111, // 13e
    Line13f             = 112, // 13f
};
// clang-format on
} // namespace item941

// A printout's layout of rowCount rows: the rows given, and the employer's
// texts of page 1 and the 941-V voucher's rows, which every Form 941
// printout places alike.
FieldLayout WithForm941SharedRows(int rowCount, std::span<const LayoutRow> rows);

const FieldLayout& Form941FieldLayout();
