// frmDet941's design: the base of the earlier Form 941 screens, so it moves
// and recaptions nothing.

#include "returns/f941_early/frmDet941.h"

namespace {

constexpr const char* kHidden[] = {
    "fpLongInt1",  "Label8",      "fpLongInt2", "fpLongInt3", "fpCurrency2", "fpLongInt4", "Label49",
    "fpCurrency3", "fpCurrency4", "Label46",    "Label7",     "Label41",     "Label40",    "Label44",
};

constexpr const char* kTabOrder[] = {
    "cmdClose",      "txtEmployerName", "txtEmployerTaxId", "cmdAddNew",   "cmdEditRecord",  "cmdDeleteRecord",
    "cmdSaveRecord", "Check1",          "Check2",           "Check3",      "Check4",         "Check5",
    "Check6",        "txtEmployerNo",   "txtQtr_Yr",        "fpLongInt3",  "fpLongInt2",     "fpCurrency4",
    "fpCurrency3",   "fpLongInt4",      "fpCurrency2",      "fpCurrency1", "fpLine11and12a", "fpLongInt1",
    "fpLine12a",     "DMWin2",          "fpLine17D",        "fpLine17C",   "fpLine17B",      "fpLine17A",
    "fpLine16",      "fpLine15",        "fpLine14",         "fpLine5D2",   "fpLine5d1",      "fpLine11",
    "fpLine9C",      "fpLine9B",        "fpLine9A",         "fpLine10",    "fpLine8",        "fpLine7B",
    "fpLine7A",      "fpLine6D",        "mskNo_Employee",   "mskQtr_yr",   "fpLine6c",       "fpLine6B",
    "fpLine6A",      "fpLine5",         "fpLine3",          "fpLine2",
};

// A first quarter of 2018 moves the box of line 15's "apply to next return".
constexpr LayoutRow kRowsOf118[] = {{35, 6.05, 10.26, 0.25, 2}};
constexpr PeriodLayoutRule kPeriodRules[] = {{"118", kRowsOf118}};

const EarlyForm941Design kDesign{
    .clientHeight = 8370,
    .movedControls = {},
    .otherCaptions = {},
    .hidden = kHidden,
    .disabled = {},
    .tabOrder = kTabOrder,
    .showsCreditAndTotalTax = true,
    .monthsShortMessage = "Oops. Line 16, column D is supposed to equal Line 12. Please review.",
    .print = {.otherRows = {}, .periodRules = kPeriodRules},
};

} // namespace

frmDet941::frmDet941() : EarlyForm941Screen("frmDet941", kDesign) {}
