// The 2020 Form 941 screen's load: the frame's header and captions, then the
// current employer's row for the chosen period, its page buttons, and the
// months' check that Save repeats.

#include "returns/f941_2020/frmDet941Covid.h"

void frmDet941Covid::Form_Load() { LoadRowOfPeriod("Form 941- Data Entry"); }

bool frmDet941Covid::SaveChecksPass() {
    months_.CheckAtSave();
    return true;
}

void frmDet941Covid::Command4_Click() {
    RecomputeLines();
    SSTab1.SetTab(2);
}
