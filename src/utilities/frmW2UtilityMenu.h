#pragma once
#include "utilities/UtilityMenu.h"

// The older utility menu, shown only when the DOS conversion screen cannot
// be loaded.
class frmW2UtilityMenu : public UtilityMenu {
public:
    frmW2UtilityMenu();
};
