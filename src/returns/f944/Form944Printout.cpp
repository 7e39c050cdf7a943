#include "returns/f944/Form944Printout.h"

#include "common/ControlReads.h"
#include "returns/f944/Form944Layout.h"
#include "returns/f944/Form944Shapes.h"

Form944Printout::Form944Printout(const forms::Form& returnScreen, const forms::Form& employerScreen,
                                 printing::DMWin& control)
    : employers_(employerScreen), run_(control), items_(returnScreen, employerScreen, run_) {}

void Form944Printout::Print() {
    run_.PrintReturnOrVoucher(employers_, {kReturnOrVoucher944Prompt, kReturnOrVoucher944Title, kPart5Prompt, kPart5Title}, [&] { PrintReturn(); },
                              [&] { PrintVoucher(); });
}

void Form944Printout::PrintReturn() {
    const FieldLayout& layout = Form944FieldLayout();
    const Form944PageImages& images = Form944PageImagesFor(items_.PeriodCode());
    auto page1 = [&](short n) { items_.Page1Item(n); };
    auto page2 = [&](short n) { items_.Page2Item(n); };
    auto page3 = [&](short n) { items_.Page3Item(n); };

    run_.StartDocument(kReturn944DocumentTitle);
    run_.SetUpPage({"Page 1", kForm944Template, images.Page1});
    run_.AskDesigneeQuestion(TextOf(employers_, "mskContactName"), TextOf(employers_, "mskContactPhone"),
                             TextOf(employers_, "mskDesigneePIN"));
    run_.PrintItems(layout, 1, 39, page1);

    run_.SetUpPage({"Page 2", kForm944Template, images.Page2});
    run_.PrintItems(layout, 40, 49, page2);
    run_.PrintItems(layout, 91, 115, page2);

    run_.SetUpPage({"Page 3", kForm944Template, images.Page3});
    run_.PrintItems(layout, 40, 41, page3);
    run_.PrintItems(layout, 81, 90, page3);
    run_.PrintItems(layout, 116, 120, page3);
    run_.PrintItems(layout, 50, 70, page3);
    run_.Finish();
}

void Form944Printout::PrintVoucher() {
    const Form944PageImages& images = Form944PageImagesFor(items_.PeriodCode());
    run_.StartDocument(kVoucher944DocumentTitle);
    run_.SetUpPage({"Page 1", kVoucher944Template, images.Voucher});
    run_.PrintItems(Form944FieldLayout(), 71, 80, [&](short n) { items_.VoucherItem(n); }, kVoucher944Drop);
    run_.Finish();
}
