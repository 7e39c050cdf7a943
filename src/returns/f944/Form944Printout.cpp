#include "returns/f944/Form944Printout.h"

#include "common/ReturnPrintout.h"
#include "returns/f944/Form944Items.h"
#include "returns/f944/Form944Layout.h"
#include "returns/f944/Form944Shapes.h"

void PrintForm944(const ReturnScreen& returnScreen, const EmployerHandOver& employer, printing::DMWin& control) {
    static const ReturnPrintoutPlan kPlan{
        {kReturnOrVoucher944Prompt, kReturnOrVoucher944Title, kPart5Prompt, kPart5Title},
        kReturn944DocumentTitle, kVoucher944DocumentTitle, kVoucher944Drop};
    ReturnPrintout printout(employer, control);
    Form944Items items(returnScreen, printout.Employer(), printout.Run());
    auto page1 = [&](short n) { items.Page1Item(n); };
    auto page2 = [&](short n) { items.Page2Item(n); };
    auto page3 = [&](short n) { items.Page3Item(n); };
    auto voucher = [&](short n) { items.VoucherItem(n); };

    printout.Print(
        kPlan, Form944FieldLayout(),
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
