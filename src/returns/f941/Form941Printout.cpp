#include "returns/f941/Form941Printout.h"

#include "common/ReturnPrintout.h"
#include "returns/f941/Form941Items.h"
#include "returns/f941/Form941Layout.h"
#include "returns/f941/Form941PageImages.h"

void PrintForm941(const ReturnScreen& returnScreen, const EmployerHandOver& employer, printing::DMWin& control) {
    static const ReturnPrintoutPlan kPlan{{kReturnOrVoucherPrompt, kReturnOrVoucherTitle, kPart6Prompt, kPart6Title},
                                          kReturnDocumentTitle, kVoucherDocumentTitle, kVoucherDrop};
    ReturnPrintout printout(employer, control);
    Form941Items items(returnScreen, printout.Employer(), printout.Run());
    auto page1 = [&](short n) { items.Page1Item(n); };
    auto page2 = [&](short n) { items.Page2Item(n); };
    auto page3 = [&](short n) { items.Page3Item(n); };
    auto voucher = [&](short n) { items.VoucherItem(n); };

    printout.Print(
        kPlan, Form941FieldLayout(),
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
