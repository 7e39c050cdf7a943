// frmDet941's design: the base of the earlier Form 941 screens, so it
// changes none of the line table's rows.

#include "returns/f941_early/frmDet941.h"
#include "returns/f941/Form941TaxLines.h"

namespace {

using namespace itemEarly941;

constexpr const char* kHidden[] = {
    "fpLongInt1",  "Label8",      "fpLongInt2", "fpLongInt3", "fpCurrency2", "fpLongInt4", "Label49",
    "fpCurrency3", "fpCurrency4", "Label46",    "Label7",     "Label41",     "Label40",    "Label44",
};

// The buttons and the employer's fields tab before the first row.
// clang-format off
constexpr FrameTab kFrameTabs[] = {
    {"cmdClose",         nullptr},
    {"txtEmployerName",  nullptr},
    {"txtEmployerTaxId", nullptr},
    {"cmdAddNew",        nullptr},
    {"cmdEditRecord",    nullptr},
    {"cmdDeleteRecord",  nullptr},
    {"cmdSaveRecord",    nullptr},
    {"txtEmployerNo",    "Check6"},
    {"txtQtr_Yr",        "Check6"},
    {"DMWin2",           "fpLine12a"},
    {"mskQtr_yr",        "mskNo_Employee"},
};
// clang-format on

// A first quarter of 2018 moves the box of line 15's "apply to next return".
constexpr LayoutRow kRowsOf118[] = {{ApplyBox, 6.05, 10.26, 0.25, 2}};
constexpr PeriodLayoutRule kPeriodRules[] = {{"118", kRowsOf118}};

const EarlyForm941Design kDesign{
    .clientHeight = 8370,
    .lineChanges = {},
    .hidden = kHidden,
    .disabled = {},
    .frameTabs = kFrameTabs,
    .showsCreditAndTotalTax = true,
    .monthsShortMessage = kMonthsNotLine12,
    .print = {.otherRows = {}, .periodRules = kPeriodRules},
};

} // namespace

frmDet941::frmDet941() : EarlyForm941Screen("frmDet941", kDesign) {}
