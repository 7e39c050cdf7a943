#include "returns/f941/Form941TracedPrintout.h"

#include "common/ControlReads.h"
#include "common/TextShapes.h"
#include "platform/basic/Strings.h"
#include "platform/forms/Dialogs.h"
#include "returns/f941/Form941Layout.h"
#include "returns/f941/Form941PageImages.h"
#include "returns/f941/Form941PrintoutPlan.h"
#include "returns/f941/Form941TracedLayout.h"

namespace {
const ReturnPrintoutPlan& kPlan = kForm941PrintoutPlan;
}

Form941TracedPrintout::Form941TracedPrintout(const ReturnScreen& returnScreen, const EmployerHandOver& employer,
                                             printing::DMWin& control)
    : employer_(employer), run_(control), items_(returnScreen, employer_, run_) {}

void Form941TracedPrintout::Print() {
    run_.Run([&] {
        run_.FieldNo = kFirstEmployerMarker;
        run_.ReadEmployerTexts(EmployerRowOf(employer_));
        run_.ReadPreparer();
        // The marker stays at the preparer's read until the first item.
        run_.ShowHourglass();
        run_.VoucherChoice = "No";
        run_.Part6Choice = "No";
        if (run_.AskYesNo(kPlan.questions.returnOrVoucherPrompt, kPlan.questions.returnOrVoucherTitle)) {
            run_.VoucherChoice = "No";
            run_.Part6Choice = run_.AskYesNo(kPlan.questions.preparerPrompt, kPlan.questions.preparerTitle) ? "Yes" : "No";
            PrintReturn();
        } else {
            run_.VoucherChoice = "Yes";
            PrintVoucher();
        }
    });
}

std::string Form941TracedPrintout::Picture(const char* of2022, const char* otherwise) const {
    return basic::Right(items_.PeriodCode(), 2) == "22" ? of2022 : otherwise;
}

void Form941TracedPrintout::Progress(const std::string& text) {
    forms::MsgBox(text, forms::vbOKOnly);
}

void Form941TracedPrintout::PrintReturn() {
    const FieldLayout& layout = Form941TracedFieldLayout();
    run_.StartDocument(kPlan.returnDocumentTitle);
    run_.SetUpPage({"Page 1", kForm941Template, Picture("TF1P122C.wmf", "tf1p123C.wmf")});
    run_.AskDesigneeQuestion(employer_.ContactName, employer_.ContactPhone, employer_.DesigneePIN);
    run_.PrintItems(layout, 1, 39, [&](short n) { Page1Item(n); });
    Progress("Page 1 has been processed.");
    Progress("About to Process and Print Page 2.");

    run_.SetUpPage({"Page 2", kForm941Template, Picture("tf1p222C.wmf", "tf1p223C.wmf")},
                   [&] { Progress("about to assign the wmf file name to page 2"); });
    Progress("About to print Page 2 for x = 40 to 70");
    for (run_.FieldNo = 40; run_.FieldNo <= 70; ++run_.FieldNo) {
        const short n = run_.FieldNo;
        run_.StorePlacement(layout.Row(n));
        Progress("X = " + std::to_string(n));
        if (n <= 49) items_.Page2Item(n);
        else items_.Page3Item(n);
        run_.StorePrintText();
    }
    Progress("Page 2 printed.");

    if (basic::Right(items_.PeriodCode(), 2) == "21") {
        // The return ends as a document of its own before any voucher starts,
        // so that neither is lost.
        run_.Finish();
        if (run_.VoucherChoice == "Yes") PrintVoucher();
        return;
    }
    run_.SetUpPage({"Page 3", kForm941Template, Picture("tf1p322C.wmf", "tf1p323C.wmf")});
    run_.Finish();
}

void Form941TracedPrintout::Page1Item(short fieldNo) {
    switch (fieldNo) {
    case 24: case 25: case 26: case 28:
        run_.StoreItemText(" ");
        break;
    case 32: run_.StoreItemText(items_.Amount("fpLine14")); break;
    case 33: {
        const std::string balanceDue = items_.Amount("fpLine15");
        run_.VoucherChoice = balanceDue == " " ? "No" : "Yes";
        run_.StoreItemText(balanceDue);
        break;
    }
    case 34: run_.StoreItemText(items_.Amount("fpLine16", 1)); break;
    case 35: run_.StoreItemText(CheckMark(CheckValueOf(items_.Screen(), "Check3"))); break;
    default: items_.Page1Item(fieldNo); break;
    }
}

void Form941TracedPrintout::PrintVoucher() {
    run_.StartDocument(kPlan.voucherDocumentTitle);
    run_.SetUpPage({"Page 1", kVoucher941Template, Picture("tf1v22.wmf", "tf1v23.wmf")});
    run_.PrintItems(Form941FieldLayout(), 71, 80, [&](short n) { items_.VoucherItem(n); }, kPlan.voucherDrop);
    run_.Finish();
}
