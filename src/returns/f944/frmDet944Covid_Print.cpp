// The Form 944 screen's print control: the return or its 944-V voucher,
// built from the fields as they stand and the employer screen's employer.
#include "common/EmployerHandOver.h"
#include "returns/f944/Form944Items.h"
#include "returns/f944/Form944Layout.h"
#include "returns/f944/Form944PrintoutPlan.h"
#include "returns/f944/Form944Shapes.h"
#include "returns/f944/frmDet944Covid.h"

// The questions and titles of the Form 944 printout, as its users know them
// (the document titles and the preparer question still name Form 941 and
// Part 5); every voucher item sits 0.166 in below its layout row.
const ReturnPrintoutPlan kForm944PrintoutPlan{
    {"Click on Yes to print Form 944 or on No to print the 944-V Payment Voucher.",
     "Print Form 944 or print 944-V Payment Voucher?",
     "Click on Yes if you wish to print Part 6, Paid Preparer Information, Click No if you do NOT wish "
     "to print Paid Preparer Information",
     "Print Part 5: For Paid Preparers only?"},
    "Print Form 941 - Schedule A",
    "Print Form 941 - Payment Voucher",
    0.166,
    "Form 944"};

void frmDet944Covid::DMWin2_PrintRequest() {
    ReturnPrintout printout(CurrentEmployer(), DMWin2);
    Form944Items items(*this, printout.Employer(), printout.Run());
    auto page1 = [&](short n) { items.Page1Item(n); };
    auto page2 = [&](short n) { items.Page2Item(n); };
    auto page3 = [&](short n) { items.Page3Item(n); };
    auto voucher = [&](short n) { items.VoucherItem(n); };

    printout.Print(
        kForm944PrintoutPlan, Form944FieldLayout(),
        [&] {
            const Form944PageImages& images = Form944PageImagesFor(items.PeriodCode());
            return std::vector<PrintedPage>{
                {{"Page 1", kForm944Template, images.Page1}, {{1, 39}}, page1},
                {{"Page 2", kForm944Template, images.Page2}, {{40, 49}, {91, 115}}, page2},
                {{"Page 3", kForm944Template, images.Page3}, {{40, 41}, {81, 90}, {116, 120}, {50, 70}}, page3},
            };
        },
        [&] {
            return PrintedPage{
                {"Page 1", kVoucher944Template, Form944PageImagesFor(items.PeriodCode()).Voucher}, {{71, 80}}, voucher};
        });
}
