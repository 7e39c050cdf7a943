#include "common/ReturnPrintout.h"

#include "common/ControlReads.h"
#include "common/PrintoutFileNames.h"
#include "common/ReturnScreen.h"
#include "common/TextShapes.h"
#include "platform/basic/RuntimeError.h"
#include "platform/forms/Control.h"

bool StoreLineAmount(ReturnPrintRun& run, const ReturnScreen& screen, short fieldNo, PrintWhen when,
                     const std::function<bool()>& applies) {
    const ReturnLine* line = LineOfPrintItem(screen.Lines(), fieldNo, when);
    if (line == nullptr) return false;
    if (applies && !applies()) {
        run.StoreItemText(" ");
        return true;
    }
    // Text that is no number stops the print.
    run.StoreItemText(FormatAmountOrBlank(NumberOf(*line->field)));
    return true;
}

const forms::Control& FieldOfItem(const ReturnScreen& screen, short fieldNo) {
    const ReturnLine* line = LineOfItem(screen.Lines(), fieldNo);
    if (line == nullptr) basic::Raise(basic::errObjectRequired, screen.Name() + ".item " + std::to_string(fieldNo));
    return *line->field;
}

std::string BoxMarkOfItem(const ReturnScreen& screen, short fieldNo) {
    const forms::Control& box = FieldOfItem(screen, fieldNo);
    const OverpaymentBoxes& overpayment = screen.Overpayment();
    if (overpayment.Holds(box) && !overpayment.Overpaid()) return " ";
    return CheckMark(CheckValueOf(box));
}

std::string PrintoutFileName(const ReturnPrintoutPlan& plan, const EmployerHandOver& employer, bool voucher) {
    const std::string period = *plan.formPeriodCode ? plan.formPeriodCode : employer.PeriodCode;
    return ReturnPrintoutFileName(employer.EmployerName1, plan.form + std::string(voucher ? "-V" : ""), period);
}

void ReturnPrintout::Print(const ReturnPrintoutPlan& plan, const FieldLayout& layout,
                           const std::function<std::vector<PrintedPage>()>& returnPages,
                           const std::function<PrintedPage()>& voucherPage) {
    run_.PrintReturnOrVoucher(
        employer_, plan.questions,
        [&] {
            PrintDocument(plan.returnDocumentTitle, PrintoutFileName(plan, employer_, false), layout, returnPages(),
                          plan.questions.designeeForm, 0);
        },
        [&] {
            PrintDocument(plan.voucherDocumentTitle, PrintoutFileName(plan, employer_, true), layout, {voucherPage()},
                          "", plan.voucherDrop);
        });
}

void ReturnPrintout::PrintDocument(const std::string& title, const std::string& fileName, const FieldLayout& layout,
                                   const std::vector<PrintedPage>& pages, const std::string& designeeForm,
                                   double topOffset) {
    run_.StartDocument(title, fileName);
    for (const PrintedPage& page : pages) {
        run_.SetUpPage(page.setUp);
        if (!designeeForm.empty() && &page == &pages.front()) {
            run_.AskDesigneeQuestion(employer_.ContactName, employer_.ContactPhone, employer_.DesigneePIN,
                                     designeeForm);
        }
        for (const ItemRange& range : page.items)
            run_.PrintItems(layout, range.first, range.last, page.item, topOffset);
    }
    run_.Finish();
}
