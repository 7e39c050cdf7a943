#include "returns/f941/Form941Printout.h"

#include "common/ControlReads.h"
#include "returns/f941/Form941Layout.h"
#include "returns/f941/Form941PageImages.h"

Form941Printout::Form941Printout(const ReturnScreen& returnScreen, const forms::Form& employerScreen,
                                 printing::DMWin& control)
    : employers_(employerScreen), run_(control), items_(returnScreen, employerScreen, run_) {}

void Form941Printout::Print() {
    run_.PrintReturnOrVoucher(employers_, {kReturnOrVoucherPrompt, kReturnOrVoucherTitle, kPart6Prompt, kPart6Title}, [&] { PrintReturn(); },
                              [&] { PrintVoucher(); });
}

void Form941Printout::PrintReturn() {
    const FieldLayout& layout = Form941FieldLayout();
    auto page1 = [&](short n) { items_.Page1Item(n); };
    auto page2 = [&](short n) { items_.Page2Item(n); };
    auto page3 = [&](short n) { items_.Page3Item(n); };

    run_.StartDocument(kReturnDocumentTitle);
    run_.SetUpPage({"Page 1", kForm941Template, Form941PageImagesFor(items_.PeriodCode()).Page1});
    run_.AskDesigneeQuestion(TextOf(employers_, "mskContactName"), TextOf(employers_, "mskContactPhone"),
                             TextOf(employers_, "mskDesigneePIN"));
    run_.PrintItems(layout, 1, 39, page1);

    run_.SetUpPage({"Page 2", kForm941Template, Form941PageImagesFor(items_.PeriodCode()).Page2});
    run_.PrintItems(layout, 40, 49, page2);
    run_.PrintItems(layout, 91, 103, page2);
    run_.PrintItems(layout, 108, 112, page2);

    run_.SetUpPage({"Page 3", kForm941Template, Form941PageImagesFor(items_.PeriodCode()).Page3});
    run_.PrintItems(layout, 40, 41, page3);
    run_.PrintItems(layout, 81, 90, page3);
    run_.PrintItems(layout, 104, 107, page3);
    run_.PrintItems(layout, 50, 70, page3);
    run_.Finish();
}

void Form941Printout::PrintVoucher() {
    run_.StartDocument(kVoucherDocumentTitle);
    run_.SetUpPage({"Page 1", kVoucher941Template, Form941PageImagesFor(items_.PeriodCode()).Voucher});
    run_.PrintItems(Form941FieldLayout(), 71, 80, [&](short n) { items_.VoucherItem(n); }, kVoucherDrop);
    run_.Finish();
}
