#include "returns/f941/Form941TracedPrintout.h"

#include "platform/basic/Strings.h"
#include "platform/forms/Dialogs.h"
#include "returns/f941/Det941Layout.h"
#include "returns/f941/Form941PrintoutPlan.h"

using namespace itemEarly941;

namespace {
const ReturnPrintoutPlan& kPlan = kForm941PrintoutPlan;
}

Form941TracedPrintout::Form941TracedPrintout(const ReturnScreen& returnScreen, const EmployerHandOver& employer,
                                             printing::DMWin& control)
    : employer_(employer), run_(control), items_(returnScreen, employer_, run_) {}

void Form941TracedPrintout::Print(const Form941TracedDesign& design) {
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
            run_.Part6Choice =
                run_.AskYesNo(kPlan.questions.preparerPrompt, kPlan.questions.preparerTitle) ? "Yes" : "No";
            PrintReturn(design);
        } else {
            run_.VoucherChoice = "Yes";
            PrintVoucher(design);
        }
    });
}

// The page images by the period's year alone.
const Form941PageImages& Form941TracedPrintout::Images(const Form941TracedDesign& design) const {
    return basic::Right(items_.PeriodCode(), 2) == "22" ? design.of2022 : design.otherwise;
}

void Form941TracedPrintout::Progress(const std::string& text) { forms::MsgBox(text, forms::vbOKOnly); }

void Form941TracedPrintout::PrintReturn(const Form941TracedDesign& design) {
    const FieldLayout& layout = design.layout;
    run_.StartDocument(kPlan.returnDocumentTitle, PrintoutFileName(kPlan, employer_, false));
    run_.SetUpPage({"Page 1", kForm941Template, Images(design).Page1});
    run_.AskDesigneeQuestion(employer_.ContactName, employer_.ContactPhone, employer_.DesigneePIN);
    run_.PrintItems(layout, 1, 39, [&](short n) { Page1Item(design, n); });
    Progress("Page 1 has been processed.");
    Progress("About to Process and Print Page 2.");

    run_.SetUpPage({"Page 2", kForm941Template, Images(design).Page2},
                   [&] { Progress("about to assign the wmf file name to page 2"); });
    Progress("About to print Page 2 for x = 40 to 70");
    for (run_.FieldNo = 40; run_.FieldNo <= 70; ++run_.FieldNo) {
        const short n = run_.FieldNo;
        run_.StorePlacement(layout.Row(n));
        Progress("X = " + std::to_string(n));
        design.page2Item(n);
        run_.StorePrintText();
    }
    Progress("Page 2 printed.");

    if (basic::Right(items_.PeriodCode(), 2) == "21") {
        // The return ends as a document of its own before any voucher starts,
        // so that neither is lost.
        run_.Finish();
        if (run_.VoucherChoice == "Yes") PrintVoucher(design);
        return;
    }
    run_.SetUpPage({"Page 3", kForm941Template, Images(design).Page3});
    run_.Finish();
}

void Form941TracedPrintout::Page1Item(const Form941TracedDesign& design, short fieldNo) {
    switch (fieldNo) {
    case Line11Credit:
    case CobraIndividuals:
    case TotalTax:
    case ExemptTaxes: run_.StoreItemText(" "); break;
    case Deposits: run_.StoreItemText(items_.Amount(item941::Line13i)); break;
    case BalanceDue: {
        const std::string balanceDue = items_.Amount(item941::Line14);
        run_.VoucherChoice = balanceDue == " " ? "No" : "Yes";
        run_.StoreItemText(balanceDue);
        break;
    }
    case Overpayment: run_.StoreItemText(items_.Amount(item941::Line15)); break;
    case ApplyBox: items_.StoreBox(item941::Line15ApplyBox); break;
    default: design.page1Item(fieldNo); break;
    }
}

void Form941TracedPrintout::PrintVoucher(const Form941TracedDesign& design) {
    run_.StartDocument(kPlan.voucherDocumentTitle, PrintoutFileName(kPlan, employer_, true));
    run_.SetUpPage({"Page 1", kVoucher941Template, Images(design).Voucher});
    run_.PrintItems(design.layout, 71, 80, design.voucherItem, kPlan.voucherDrop);
    run_.Finish();
}
