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
    "fpLongInt1", "Label8",      "fpLongInt2", "fpLongInt3", "fpCurrency2",    "fpLongInt4", "Label49",
    "fpCurrency3", "fpCurrency4", "Label46",   "Label7",     "Label41",        "Label40",    "fpLine12a",
    "fpLine11and12a", "Label20",  "Label45",
};

constexpr const char* kDisabled[] = {"fpLine12a"};

constexpr const char* kTabOrder[] = {
    "fpLongInt3", "fpLongInt2",  "fpCurrency4", "fpCurrency3", "fpLongInt4", "fpCurrency2", "fpCurrency1",
    "fpLine11and12a", "fpLongInt1", "fpLine12a", "DMWin2",    "txtQtr_Yr",  "txtEmployerNo", "Check6",
    "Check5",     "fpLine17D",   "fpLine17C",   "fpLine17B",   "fpLine17A",  "Check4",      "Check3",
    "fpLine16",   "fpLine15",    "fpLine14",    "fpLine5D2",   "fpLine5d1",  "fpLine11",    "Check2",
    "fpLine9C",   "fpLine9B",    "fpLine9A",    "fpLine10",    "fpLine8",    "fpLine7B",    "fpLine7A",
    "fpLine6D",   "mskNo_Employee", "mskQtr_yr", "Check1",     "fpLine6c",   "fpLine6B",    "fpLine6A",
    "fpLine5",    "fpLine3",     "fpLine2",     "cmdSaveRecord", "cmdDeleteRecord", "cmdEditRecord", "cmdAddNew",
    "txtEmployerTaxId", "txtEmployerName", "cmdClose",
};

const EarlyForm941Design kDesign{
    .clientHeight = 8100,
    .movedControls = kMoved,
    .otherCaptions = kCaptions,
    .hidden = kHidden,
    .disabled = kDisabled,
    .tabOrder = kTabOrder,
    .showsCreditAndTotalTax = false,
    .monthsShortMessage = "Oops. Line 17, column D is supposed to equal Line 10. Please review.",
};

} // namespace

frmDet9412::frmDet9412() : EarlyForm941Screen("frmDet9412", kDesign) {}
