// The Form 944 screen's print control: the return or its 944-V voucher,
// built from the fields as they stand and the employer screen's employer.
#include "common/EmployerHandOver.h"
#include "returns/f944/Form944Printout.h"
#include "returns/f944/frmDet944Covid.h"

void frmDet944Covid::DMWin2_PrintRequest() {
    PrintForm944(*this, CurrentEmployer(), DMWin2);
}
