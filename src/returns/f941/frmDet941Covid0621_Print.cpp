// The Form 941 screen's print control: the return or its voucher, built from
// the fields as they stand and the current employer of the employer screen.
#include "employers/frmEmployersDE.h"
#include "returns/f941/Form941Printout.h"
#include "returns/f941/Form941TracedPrintout.h"
#include "returns/f941/frmDet941Covid0621.h"

void frmDet941Covid0621::DMWin2_PrintRequest() {
    Form941Printout(*this, forms::Screen<frmEmployersDE>(), DMWin2).Print();
}

void frmDet941Covid0621::PrintFormTrace() {
    Form941TracedPrintout(*this, forms::Screen<frmEmployersDE>(), DMWin2).Print();
}
