#pragma once
// The twin Form 941 screen of an earlier revision: the deposits follow line
// 10 at once, and lines 11 to 14 are the deposits, the balance due, the
// overpayment and the monthly summary. Nothing in the system opens it.
#include "returns/f941_early/EarlyForm941Screen.h"

class frmDet9412 : public EarlyForm941Screen {
public:
    frmDet9412();
};
