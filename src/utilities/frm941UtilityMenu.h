#pragma once
#include "utilities/UtilityMenu.h"

// The utility menu the main menu opens.
class frm941UtilityMenu : public UtilityMenu {
public:
    frm941UtilityMenu();
};
