// The Form 941 screen's print control: the return or its voucher, built from
// the fields as they stand and the current employer of the employer screen.
#include "common/EmployerHandOver.h"
#include "returns/f941/Det941Layout.h"
#include "returns/f941/Form941Items.h"
#include "returns/f941/Form941Layout.h"
#include "returns/f941/Form941PageImages.h"
#include "returns/f941/Form941PrintoutPlan.h"
#include "returns/f941/Form941TracedPrintout.h"
#include "returns/f941/frmDet941Covid0621.h"

// The questions and titles of the Form 941 printout; every voucher item
// sits 0.166 in below its layout row.
const ReturnPrintoutPlan kForm941PrintoutPlan{
    {"Click on Yes to print Form 941 or on No to print the 941-V Payment Voucher.",
     "Print Form 941 or print 941-V Payment Voucher?",
     "Click on Yes if you wish to print Part 6, Paid Preparer Information, Click No if you do NOT wish "
     "to print Paid Preparer Information",
     "Print Part 6: For Paid Preparers only?"},
    "Print Form 941 - Schedule A",
    "Print Form 941 - Payment Voucher",
    0.166,
    "Form 941"};

void frmDet941Covid0621::DMWin2_PrintRequest() {
    ReturnPrintout printout(CurrentEmployer(), DMWin2);
    Form941Items items(*this, printout.Employer(), printout.Run());
    auto page1 = [&](short n) { items.Page1Item(n); };
    auto page2 = [&](short n) { items.Page2Item(n); };
    auto page3 = [&](short n) { items.Page3Item(n); };
    auto voucher = [&](short n) { items.VoucherItem(n); };

    printout.Print(
        kForm941PrintoutPlan, Form941FieldLayout(),
        [&] {
            const Form941PageImages& images = Form941PageImagesFor(items.PeriodCode());
            return std::vector<PrintedPage>{
                {{"Page 1", kForm941Template, images.Page1}, {{1, 39}}, page1},
                {{"Page 2", kForm941Template, images.Page2}, {{40, 49}, {91, 103}, {108, 112}}, page2},
                {{"Page 3", kForm941Template, images.Page3}, {{40, 41}, {81, 90}, {104, 107}, {50, 70}}, page3},
            };
        },
        [&] {
            return PrintedPage{
                {"Page 1", kVoucher941Template, Form941PageImagesFor(items.PeriodCode()).Voucher}, {{71, 80}}, voucher};
        });
}

void frmDet941Covid0621::PrintFormTrace() {
    Form941TracedPrintout printout(*this, CurrentEmployer(), DMWin2);
    Form941Items items(*this, printout.Employer(), printout.Run());
    printout.Print({
        {"TF1P122C.wmf", "tf1p222C.wmf", "tf1p322C.wmf", "tf1v22.wmf"},
        {"tf1p123C.wmf", "tf1p223C.wmf", "tf1p323C.wmf", "tf1v23.wmf"},
        Det941FieldLayout(),
        [&](short n) { items.Page1Item(n); },
        [&](short n) { n <= 49 ? items.Page2Item(n) : items.Page3Item(n); },
        [&](short n) { items.VoucherItem(n); },
    });
}
