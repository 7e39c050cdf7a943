// The Form 941 screen's print control: the return or its voucher, built from
// the fields as they stand and the current employer of the employer screen.
#include "common/EmployerHandOver.h"
#include "returns/f941/Form941Printout.h"
#include "returns/f941/Form941TracedPrintout.h"
#include "returns/f941/frmDet941Covid0621.h"

void frmDet941Covid0621::DMWin2_PrintRequest() {
    PrintForm941(*this, CurrentEmployer(), DMWin2);
}

void frmDet941Covid0621::PrintFormTrace() {
    Form941TracedPrintout(*this, CurrentEmployer(), DMWin2).Print();
}
