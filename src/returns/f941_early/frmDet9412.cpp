// frmDet9412's design: where it differs from frmDet941.

#include "returns/f941_early/frmDet9412.h"

namespace {

// clang-format off
constexpr ControlPlace kMoved[] = {
    {"Label24",        360,  4560, 4335, 255},
    {"Label32",        360,  2640, 3855, 495},
    {"fpLine14",       8760, 5280, 1215, 300},
    {"Label28",        360,  5400, 7935, 255},
    {"Label29",        8400, 5400, 735,  255},
    {"fpLine15",       8760, 5640, 1215, 300},
    {"Label30",        360,  5760, 8055, 255},
    {"Label31",        8400, 5760, 375,  255},
    {"fpLine16",       8760, 6000, 1215, 300},
    {"Label33",        360,  6120, 8055, 330},
    {"Label21",        8400, 6120, 375,  255},
    {"fpLine12a",      6480, 5640, 1335, 300},
    {"fpLine11and12a", 2520, 6120, 1695, 300},
    {"Label20",        360,  6240, 2775, 255},
    {"Label45",        360,  5880, 5535, 255},
    {"fpLongInt4",     6840, 5280, 1215, 300},
};

constexpr CaptionText kCaptions[] = {
    {"Label28", "11  Total deposits for the quarter, including overpayment applied from a prior quarter  ", 44},
    {"Label29", "(11)"},
    {"Label30", "12  Balance due (line 10 minus line 11)", 115},
    {"Label31", "(12)"},
    {"Label33", "13  Overpayment", 149},
    {"Label21", "(13)"},
    {"Label38", "14  Monthly Summary of Fed. Tax Liability:"},
    {"Label34", "14  (a)"},
    {"Label35", "14  (b)"},
    {"Label36", "14  (c)"},
    {"Label37", "14  (d)"},
    {"Label20", "13   Lines 11 + 12a"},
    {"Label45", "12d Exempt wages/tips paid to qualified employees March 19 - 31 ..... (12d)"},
};
// clang-format on

constexpr const char* kHidden[] = {
    "fpLongInt1", "Label8",      "fpLongInt2",     "fpLongInt3", "fpCurrency2", "fpLongInt4",
    "Label49",    "fpCurrency3", "fpCurrency4",    "Label46",    "Label7",      "Label41",
    "Label40",    "fpLine12a",   "fpLine11and12a", "Label20",    "Label45",
};

constexpr const char* kDisabled[] = {"fpLine12a"};

constexpr const char* kTabOrder[] = {
    "fpLongInt3",     "fpLongInt2",       "fpCurrency4",     "fpCurrency3",   "fpLongInt4",      "fpCurrency2",
    "fpCurrency1",    "fpLine11and12a",   "fpLongInt1",      "fpLine12a",     "DMWin2",          "txtQtr_Yr",
    "txtEmployerNo",  "Check6",           "Check5",          "fpLine17D",     "fpLine17C",       "fpLine17B",
    "fpLine17A",      "Check4",           "Check3",          "fpLine16",      "fpLine15",        "fpLine14",
    "fpLine5D2",      "fpLine5d1",        "fpLine11",        "Check2",        "fpLine9C",        "fpLine9B",
    "fpLine9A",       "fpLine10",         "fpLine8",         "fpLine7B",      "fpLine7A",        "fpLine6D",
    "mskNo_Employee", "mskQtr_yr",        "Check1",          "fpLine6c",      "fpLine6B",        "fpLine6A",
    "fpLine5",        "fpLine3",          "fpLine2",         "cmdSaveRecord", "cmdDeleteRecord", "cmdEditRecord",
    "cmdAddNew",      "txtEmployerTaxId", "txtEmployerName", "cmdClose",
};

// The printout's rows that stand elsewhere than frmDet941's, whatever the period.
// clang-format off
constexpr LayoutRow kPrintRows[] = {
//  FieldNo      X        Y   Width  Height    item
    {  10,   6.265,    4.25,   1.6, 2},  // line 2
    {  11,   6.265,    4.58,   1.6, 2},  // line 3
    {  13,     2.9,    5.34,   1.3, 2},  // line 5a wages
    {  14,   4.692,    5.34,   1.4, 2},  // line 5a tax
    {  15,     2.9,    5.59,   1.3, 2},  // line 5b tips
    {  16,   4.692,    5.59,   1.4, 2},  // line 5b tax
    {  17,     2.9,    5.84,   1.3, 2},  // line 5c wages
    {  18,   4.692,    5.84,   1.4, 2},  // line 5c tax
    {  19,   6.265,   6.517,   1.6, 2},  // line 5e
    {  20,   6.267,   7.183,   1.6, 2},  // line 6
    {  21,    6.48,    7.52,   1.4, 2},  // line 7
    {  22,    6.48,    7.84,   1.4, 2},  // line 8
    {  23,    6.48,    8.17,   1.4, 2},  // line 9
    {  26,    6.48,     9.2,   1.4, 2},  // line 10, the total tax
    {  27,    6.48,    6.85,   1.4, 2},  // line 5f
    {  30,    2.59,    6.16,   1.6, 2},  // line 5d wages
    {  31,    4.49,    6.16,   1.6, 2},  // line 5d tax
    {  34,    3.97,   10.27,   1.4, 2},  // line 13, overpayment
    {  35,    6.04,   10.27,  0.25, 2},  // line 13 box: apply to next return
    {  36,    7.04,   10.27,  0.25, 2},  // line 13 box: refund
    {  44,   1.593,    2.33,  0.16, 0},  // monthly depositor
};

// A first quarter of 2014 moves the tax column of lines 5a to 5c and the
// overpayment boxes; a first quarter of 2016 moves lines 10 to 13 up.
constexpr LayoutRow kRowsOf114[] = {
    {  14,    4.69,    5.34,   1.4, 2},
    {  16,    4.69,    5.59,   1.4, 2},
    {  18,    4.69,    5.84,   1.4, 2},
    {  35,    6.05,   10.27,  0.25, 2},
    {  36,    7.05,   10.27,  0.25, 2},
};
constexpr LayoutRow kRowsOf116[] = {
    {  26,    6.48,    9.19,   1.4, 2},
    {  32,   6.273,    9.19,   1.6, 2},
    {  33,   6.273,    9.52,   1.6, 2},
    {  34,    3.97,    9.83,   1.4, 2},
    {  35,    6.04,    9.84,  0.25, 2},
    {  36,    7.04,    9.84,  0.25, 2},
};
// clang-format on
constexpr PeriodLayoutRule kPeriodRules[] = {{"114", kRowsOf114}, {"116", kRowsOf116}};

const EarlyForm941Design kDesign{
    .clientHeight = 8100,
    .movedControls = kMoved,
    .otherCaptions = kCaptions,
    .hidden = kHidden,
    .disabled = kDisabled,
    .tabOrder = kTabOrder,
    .showsCreditAndTotalTax = false,
    .monthsShortMessage = "Oops. Line 17, column D is supposed to equal Line 10. Please review.",
    .print = {.otherRows = kPrintRows, .periodRules = kPeriodRules},
};

} // namespace

frmDet9412::frmDet9412() : EarlyForm941Screen("frmDet9412", kDesign) {}
