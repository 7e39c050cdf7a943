// frmDet941's controls outside its line table, where they stand (twips) and
// what they say: the header, the period, the boxes' own captions, the
// buttons, and two labels without a text; the twin's are the same.

#include "returns/f941_early/EarlyForm941Design.h"

namespace {

// clang-format off
constexpr ControlPlace kPlaces[] = {
    // header
    {"txtQtr_Yr",        0,    0,    735,  375},
    {"Label1",           1320, 0,    855,  285},
    {"txtEmployerName",  2280, 0,    3735, 285},
    {"txtEmployerNo",    6240, 0,    975,  375},
    {"Label2",           7320, 0,    735,  285},
    {"txtEmployerTaxId", 8160, 0,    1575, 285},
    // the period
    {"Label3",           120,  480,  615,  255},
    {"mskQtr_yr",        840,  480,  615,  300},
    // labels of older layouts, without a text
    {"Label40",          6480, 3720, 1215, 255},
    {"Label44",          6480, 3480, 1215, 255},
    // buttons
    {"cmdAddNew",        360,  7560, 1215, 375},
    {"cmdEditRecord",    1800, 7560, 1215, 375},
    {"cmdDeleteRecord",  3240, 7560, 1215, 375},
    {"DMWin2",           4680, 7560, 1215, 375},
    {"cmdSaveRecord",    6120, 7560, 1215, 375},
    {"cmdClose",         7560, 7560, 1215, 375},
    {"datDollars",       9000, 7560, 1335, 375},
    {"ReSize1",          9960, 0,    480,  480},
};

constexpr CaptionText kCaptions[] = {
    {"Label1",          "Employer:"},
    {"Label2",          "Tax ID:"},
    {"Label3",          "Qtr/Yr:"},
    {"Check1",          "Check if Seasonal Employer:"},
    {"Check2",          "Check if Wages not subject to Fica/Medicare:"},
    {"Check3",          "Check if to be applied to next return"},
    {"Check4",          "OR Refunded:"},
    {"Check5",          "Semiweekly schedule depositors:"},
    {"Check6",          "Monthly schedule depositors:"},
    {"cmdAddNew",       "&Add"},
    {"cmdEditRecord",   "&Edit"},
    {"cmdDeleteRecord", "&Delete"},
    {"DMWin2",          "Print"},
    {"cmdSaveRecord",   "&Save"},
    {"cmdClose",        "&Close"},
};
// clang-format on

} // namespace

const std::span<const ControlPlace> kDet941Places = kPlaces;
const std::span<const CaptionText> kDet941Captions = kCaptions;
