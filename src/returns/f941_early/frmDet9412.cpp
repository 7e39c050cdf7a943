// frmDet9412's design: where it differs from frmDet941.

#include "returns/f941_early/frmDet9412.h"
#include "returns/f941/Form941TaxLines.h"

#include "common/DottedCaption.h"

namespace {

using namespace itemEarly941;

// The rows that differ from frmDet941's, in the twin's tab order (a box may
// follow one moved before it): its lines 11 to 14 are numbered and stand as on
// its form, frmDet941's hidden lines 11 and 12 stand elsewhere, and each box
// tabs next to its line.
// clang-format off
const LineChange kLineChanges[] = {
    {"fpLongInt4",     Twips{6840, 5280, 1215, 300}},
    {"fpLine11and12a", Twips{2520, 6120, 1695, 300}, {{"Label20", Twips{360, 6240, 2775, 255}, "13   Lines 11 + 12a"}}},
    {"fpLine12a",      Twips{6480, 5640, 1335, 300},
                       {{"Label45", Twips{360, 5880, 5535, 255}, "12d Exempt wages/tips paid to qualified employees March 19 - 31 ..... (12d)"}}},
    {"Check6",         {}, {}, "fpLine12a"},
    {"Check5",         {}, {{"Label38", {}, "14  Monthly Summary of Fed. Tax Liability:"}}, "Check6"},
    {"fpLine17D",      {}, {{"Label37", {}, "14  (d)"}}},
    {"fpLine17C",      {}, {{"Label36", {}, "14  (c)"}}},
    {"fpLine17B",      {}, {{"Label35", {}, "14  (b)"}}},
    {"fpLine17A",      {}, {{"Label34", {}, "14  (a)"}}},
    {"Check4",         {}, {}, "fpLine17A"},
    {"Check3",         {}, {}, "Check4"},
    {"fpLine16",       Twips{8760, 6000, 1215, 300},
                       {{"Label33", Twips{360, 6120, 8055, 330}, DottedCaption("13  Overpayment", 149)},
                        {"Label21", Twips{8400, 6120, 375, 255}, "(13)"}}},
    {"fpLine15",       Twips{8760, 5640, 1215, 300},
                       {{"Label30", Twips{360, 5760, 8055, 255}, DottedCaption("12  Balance due (line 10 minus line 11)", 115)},
                        {"Label31", Twips{8400, 5760, 375, 255}, "(12)"}}},
    {"fpLine14",       Twips{8760, 5280, 1215, 300},
                       {{"Label28", Twips{360, 5400, 7935, 255}, DottedCaption("11  Total deposits for the quarter, including overpayment applied from a prior quarter  ", 44)},
                        {"Label29", Twips{8400, 5400, 735, 255}, "(11)"}}},
    {"fpLine5d1",      {}, {{"Label32", Twips{360, 2640, 3855, 495}}}},
    {"Check2",         {}, {}, "fpLine11"},
    {"fpLine9C",       {}, {{"Label24", Twips{360, 4560, 4335, 255}}}},
    {"Check1",         {}, {}, "mskNo_Employee"},
};
// clang-format on

constexpr const char* kHidden[] = {
    "fpLongInt1", "Label8",      "fpLongInt2",     "fpLongInt3", "fpCurrency2", "fpLongInt4",
    "Label49",    "fpCurrency3", "fpCurrency4",    "Label46",    "Label7",      "Label41",
    "Label40",    "fpLine12a",   "fpLine11and12a", "Label20",    "Label45",
};

constexpr const char* kDisabled[] = {"fpLine12a"};

// The period's fields and Print tab after line 12a's row, the buttons and
// the employer's fields after the last row.
// clang-format off
constexpr FrameTab kFrameTabs[] = {
    {"DMWin2",           "fpLine12a"},
    {"txtQtr_Yr",        "fpLine12a"},
    {"txtEmployerNo",    "fpLine12a"},
    {"mskQtr_yr",        "mskNo_Employee"},
    {"cmdSaveRecord",    "fpLine2"},
    {"cmdDeleteRecord",  "fpLine2"},
    {"cmdEditRecord",    "fpLine2"},
    {"cmdAddNew",        "fpLine2"},
    {"txtEmployerTaxId", "fpLine2"},
    {"txtEmployerName",  "fpLine2"},
    {"cmdClose",         "fpLine2"},
};
// clang-format on

// The printout's rows that stand elsewhere than frmDet941's, whatever the period.
// clang-format off
constexpr LayoutRow kPrintRows[] = {
//  FieldNo                X        Y   Width  Height
    {Line2,              6.265,    4.25,   1.6, 2},
    {Line3,              6.265,    4.58,   1.6, 2},
    {Line5aWages,          2.9,    5.34,   1.3, 2},
    {Line5aTax,          4.692,    5.34,   1.4, 2},
    {Line5bTips,           2.9,    5.59,   1.3, 2},
    {Line5bTax,          4.692,    5.59,   1.4, 2},
    {Line5cWages,          2.9,    5.84,   1.3, 2},
    {Line5cTax,          4.692,    5.84,   1.4, 2},
    {Line5e,             6.265,   6.517,   1.6, 2},
    {Line6,              6.267,   7.183,   1.6, 2},
    {Line7,               6.48,    7.52,   1.4, 2},
    {Line8,               6.48,    7.84,   1.4, 2},
    {Line9,               6.48,    8.17,   1.4, 2},
    {TotalTax,            6.48,     9.2,   1.4, 2},
    {Line5f,              6.48,    6.85,   1.4, 2},
    {Line5dWages,         2.59,    6.16,   1.6, 2},
    {Line5dTax,           4.49,    6.16,   1.6, 2},
    {Overpayment,         3.97,   10.27,   1.4, 2},
    {ApplyBox,            6.04,   10.27,  0.25, 2},
    {RefundBox,           7.04,   10.27,  0.25, 2},
    {Line16MonthlyBox,   1.593,    2.33,  0.16, 0},
};

// A first quarter of 2014 moves the tax column of lines 5a to 5c and the
// overpayment boxes; a first quarter of 2016 moves lines 10 to 13 up.
constexpr LayoutRow kRowsOf114[] = {
    {Line5aTax,           4.69,    5.34,   1.4, 2},
    {Line5bTax,           4.69,    5.59,   1.4, 2},
    {Line5cTax,           4.69,    5.84,   1.4, 2},
    {ApplyBox,            6.05,   10.27,  0.25, 2},
    {RefundBox,           7.05,   10.27,  0.25, 2},
};
constexpr LayoutRow kRowsOf116[] = {
    {TotalTax,            6.48,    9.19,   1.4, 2},
    {Deposits,           6.273,    9.19,   1.6, 2},
    {BalanceDue,         6.273,    9.52,   1.6, 2},
    {Overpayment,         3.97,    9.83,   1.4, 2},
    {ApplyBox,            6.04,    9.84,  0.25, 2},
    {RefundBox,           7.04,    9.84,  0.25, 2},
};
// clang-format on
constexpr PeriodLayoutRule kPeriodRules[] = {{"114", kRowsOf114}, {"116", kRowsOf116}};

const EarlyForm941Design kDesign{
    .clientHeight = 8100,
    .lineChanges = kLineChanges,
    .hidden = kHidden,
    .disabled = kDisabled,
    .frameTabs = kFrameTabs,
    .showsCreditAndTotalTax = false,
    .monthsShortMessage = kMonthsNotLine10,
    .print = {.otherRows = kPrintRows, .periodRules = kPeriodRules},
};

} // namespace

frmDet9412::frmDet9412() : EarlyForm941Screen("frmDet9412", kDesign) {}
