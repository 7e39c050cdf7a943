// The 2020 Form 941 screen's print control.

#include "returns/f941_2020/frmDet941Covid.h"

void frmDet941Covid::DMWin2_PrintRequest() {}

void frmDet941Covid::PrintFormTrace() {}
