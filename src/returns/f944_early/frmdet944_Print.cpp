// The earlier Form 944 screen's print control: the return's two pages over
// the form's page images, or the 944-V voucher, of the row on the screen.

#include "common/ReturnPrintout.h"
#include "returns/f944_early/EarlyForm944Items.h"
#include "returns/f944_early/EarlyForm944PrintLayout.h"
#include "returns/f944_early/frmdet944.h"

namespace {

constexpr const char* kReturnTemplate = "TAX941.TFL";
constexpr const char* kVoucherTemplate = "941-V.TFL";
// The screen keeps one return per employer, of no period: its files are
// named after the year of its form, whose pages are those of 2020.
constexpr const char* kFormPeriodCode = "620";

// The questions and titles as the users know them; the deposit states are
// asked and change nothing.
ReturnPrintoutPlan EarlyForm944Plan() {
    ReturnPrintoutPlan plan{
        {"Click on Yes to print Form 944 or on No to print the 944-V Payment Voucher.",
         "Print Form 944 or print 944-V Payment Voucher?",
         "Click on Yes if you wish to print Part 6, Paid Preparer Information, Click No if you do NOT wish "
         "to print Paid Preparer Information",
         "Print Part 6: For Paid Preparers only?"},
        "Print Form 944 - Pages 1 and 2",
        "Print Form 944 - Payment Voucher",
        0.166,
        "Form 944",
        kFormPeriodCode};
    plan.questions.depositStatesPrompt = "Click on Yes if deposits were made to a single state, Click No if deposits "
                                         "were made to Multiple States";
    plan.questions.depositStatesTitle = "Deposits made to a single state or to multiple states?";
    plan.questions.designeeForm = "944";
    return plan;
}

} // namespace

void frmdet944::DMWin2_PrintRequest() {
    ReturnPrintout printout(CurrentEmployer(), DMWin2);
    EarlyForm944Items items(*this, printout.Employer(), printout.Run());
    printout.Print(
        EarlyForm944Plan(), EarlyForm944FieldLayout(),
        [&] {
            return std::vector<PrintedPage>{
                {{"Page 1", kReturnTemplate, "tf4p120.wmf"}, {{1, 34}}, [&](short n) { items.Page1Item(n); }},
                {{"Page 2", kReturnTemplate, "tf4p220.wmf"}, {{40, 78}}, [&](short n) { items.Page2Item(n); }},
            };
        },
        [&] {
            return PrintedPage{
                {"Page 1", kVoucherTemplate, "tf4v20.wmf"}, {{81, 90}}, [&](short n) { items.VoucherItem(n); }};
        });
}
