#pragma once
// The shape every return printout shares: one click on a return screen's
// print control prints the return's pages or its payment voucher, never
// both. A form's printout names its questions, titles and layout (a plan)
// and the pages it prints; the run, the designee question after page 1's
// set-up, the item loops and the end are the same for every form.
#include "common/EmployerHandOver.h"
#include "common/PrintLayout.h"
#include "common/ReturnLine.h"
#include "common/ReturnPrintRun.h"

#include <functional>
#include <string>
#include <vector>

// FieldNo first to last of a page's layout.
struct ItemRange {
    short first;
    short last;
};

// One page: its set-up stores, the item ranges it prints in order, and what
// stores one item's text.
struct PrintedPage {
    PrintPageSetUp setUp;
    std::vector<ItemRange> items;
    std::function<void(short fieldNo)> item;
};

// What a form's printout names.
struct ReturnPrintoutPlan {
    ReturnPrintRun::OpeningQuestions questions;
    const char* returnDocumentTitle;
    const char* voucherDocumentTitle;
    double voucherDrop; // every voucher item sits this far below its layout row
    // Names the printouts' files: "Form 941", its voucher "Form 941-V".
    const char* form = "Form 941";
    // The period code that names the files' year for a form without periods
    // of its own; empty: the employer's chosen period.
    const char* formPeriodCode = "";
};

// The name the return's printout (with `voucher`, its voucher's) proposes
// for its file ("ACME TOOLS - Form 941-V 2022 Q1").
std::string PrintoutFileName(const ReturnPrintoutPlan& plan, const EmployerHandOver& employer, bool voucher);

class ReturnScreen;

// Stores the amount of the line field that the screen's line table names for
// item fieldNo among its `when` items; " " when `applies` (asked only for
// such an item) says no. False when the table names no field for the item.
bool StoreLineAmount(ReturnPrintRun& run, const ReturnScreen& screen, short fieldNo, PrintWhen when = PrintWhen::Always,
                     const std::function<bool()>& applies = {});

// The field of the row that names item fieldNo, however it prints: how a
// printout's own rules reach a line or a box. 424 when the screen's table
// names no field for the item.
const forms::Control& FieldOfItem(const ReturnScreen& screen, short fieldNo);

// The mark of the box that names item fieldNo: "X" when it is ticked, else
// " ". The overpayment's boxes are marked only while the return shows an
// overpayment: with none there is nothing to apply or refund.
std::string BoxMarkOfItem(const ReturnScreen& screen, short fieldNo);

class ReturnPrintout {
public:
    ReturnPrintout(EmployerHandOver employer, printing::DMWin& control)
        : employer_(std::move(employer)), run_(control) {}

    const EmployerHandOver& Employer() const { return employer_; }
    ReturnPrintRun& Run() { return run_; }

    // The pages are asked for once the user has chosen, so that they may
    // read the screen as it then stands.
    void Print(const ReturnPrintoutPlan& plan, const FieldLayout& layout,
               const std::function<std::vector<PrintedPage>()>& returnPages,
               const std::function<PrintedPage()>& voucherPage);

private:
    // designeeForm: the form the designee question names; empty: not asked.
    void PrintDocument(const std::string& title, const std::string& fileName, const FieldLayout& layout,
                       const std::vector<PrintedPage>& pages, const std::string& designeeForm, double topOffset);

    EmployerHandOver employer_;
    ReturnPrintRun run_;
};
