#pragma once
// The layout table of the Form 944 printout: 126 rows (FieldNo 0 to 125), of
// which 1 to 120 place the items of pages 1 to 3 and of the 944-V voucher.
// Its items are named here (the employer's, signature and voucher items as
// every return printout names them); the layout, the screen's line table and
// the items code all use these names.
#include "common/PrintLayout.h"
#include "common/ReturnItemNames.h"

inline constexpr int kForm944LayoutRows = 126;

namespace item944 {
using namespace returnItem;
// clang-format off
enum Item : short {
    Unused8          =   8, // (blank)
    Unused9          =   9, // (blank)
    Line1            =  10, // line 1
    Line2            =  11, // line 2
    Line3Box         =  12, // line 3 check box
    Line4aWages      =  13, // 4a, column 1
    Line4aTax        =  14, // 4a, column 2
    Line4bTips       =  15, // 4b, column 1
    Line4bTax        =  16, // 4b, column 2
    Line4cWages      =  17, // 4c, column 1
    Line4cTax        =  18, // 4c, column 2
    Line4e           =  19, // 4e
    Line5            =  20, // 5
    Unused21         =  21, // (blank)
    Line6            =  22, // 6
    Unused23         =  23, // (blank)
    Line4aiWages     =  24, // 4a(i), column 1
    Line4aiTax       =  25, // 4a(i), column 2
    Line4aiiWages    =  26, // 4a(ii), column 1
    Unused27         =  27, // (blank)
    Line4aiiTax      =  28, // 4a(ii), column 2
    Line7            =  29, // 7
    Line4dWages      =  30, // 4d, column 1
    Line4dTax        =  31, // 4d, column 2
    Line8a           =  32, // 8a
    Line8b           =  33, // 8b
    Line8c           =  34, // 8c
    Unused35         =  35, // (blank)
    Unused36         =  36, // (blank)
    Unused37         =  37, // (blank)
    Line8d           =  38, // 8d
    Unused39         =  39, // (blank)
    Unused42         =  42, // (blank)
    Line13SmallBox   =  43, // line 13: less than 2,500 box
    Line13MonthlyBox =  44, // line 13: monthly box
    Month1           =  45, // month 1
    Month2           =  46, // month 2
    Month3           =  47, // month 3
    YearTotal        =  48, // total for the year
    SemiweeklyBox    =  49, // semiweekly box
    Unused50         =  50, // (blank)
    Unused51         =  51, // (blank)
    Unused52         =  52, // (blank)
    Line14Box        =  81, // line 14 box
    Unused82         =  82, // (blank)
    Unused83         =  83, // (blank)
    Line15           =  84, // line 15
    Line16           =  85, // line 16
    Line17           =  86, // line 17
    Line18           =  87, // line 18
    Line19           =  88, // line 19
    Line20           =  89, // line 20
    Line21           =  90, // line 21
    Line8g           =  91, // 8g
    Line9            =  92, // 9
    Line10a          =  93, // 10a
    Line10f          =  94, // 10f
    Line10g          =  95, // 10g
    Line10d          =  96, // 10d
    Line10e          =  97, // 10e
    Line10h          =  98, // 10h
    Line10i          =  99, // 10i
    Line10j          = 100, // 10j
    Line11           = 101, // 11
    Line12           = 102, // 12
    ApplyBox         = 103, // apply to next return box
    RefundBox        = 104, // refund box
    Month4           = 105, // month 4
    Month5           = 106, // month 5
    Month6           = 107, // month 6
    Month7           = 108, // month 7
    Month8           = 109, // month 8
    Month9           = 110, // month 9
    Month10          = 111, // month 10
    Month11          = 112, // month 11
    Month12          = 113, // month 12
    Line8e           = 114, // 8e
    Line8f           = 115, // 8f, number of individuals
    Line22           = 116, // line 22
    Line23           = 117, // line 23
    Line24           = 118, // line 24
    Line25           = 119, // line 25
    Line26           = 120, // line 26
};
// clang-format on
} // namespace item944

const FieldLayout& Form944FieldLayout();
