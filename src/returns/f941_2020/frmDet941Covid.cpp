// The 2020 Form 941 screen's load: the frame's header and captions, then the
// current employer's row for the chosen period, and its page buttons.

#include "returns/f941_2020/frmDet941Covid.h"

void frmDet941Covid::Form_Load() { LoadRowOfPeriod("Form 941- Data Entry"); }

void frmDet941Covid::Command4_Click() {
    RecomputeLines();
    SSTab1.SetTab(2);
}
