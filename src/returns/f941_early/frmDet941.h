#pragma once
// The Form 941 screen of the last revision before 2020. Nothing in the
// system opens it.
#include "returns/f941_early/EarlyForm941Screen.h"

class frmDet941 : public EarlyForm941Screen {
public:
    frmDet941();
};
