#pragma once
// The older, traced form of the Form 941 print run, kept on the Form 941
// screens as PrintFormTrace: the return's items on two pages (page 3 carries
// only its image), progress boxes between the steps, and the voucher after a
// return of a period ending in "21". Nothing in the program calls it. Each
// screen names its page images, its layout and how its items print (a design).
#include "common/ReturnPrintRun.h"
#include "returns/f941/Form941Items.h"
#include "returns/f941/Form941PageImages.h"

#include <functional>

class ReturnScreen;

struct Form941TracedDesign {
    Form941PageImages of2022; // a period ending in "22"
    Form941PageImages otherwise;
    // Rows 0 to 80, the voucher's rows too: frmDet941's layout (its items
    // named in itemEarly941), the traced run's places.
    FieldLayout layout;
    // Page 1's items where the traced run prints what the print run does
    // (all but 24 to 28 and 32 to 35); page 2's items 40 to 70; the
    // voucher's 71 to 80.
    std::function<void(short fieldNo)> page1Item;
    std::function<void(short fieldNo)> page2Item;
    std::function<void(short fieldNo)> voucherItem;
};

class Form941TracedPrintout {
public:
    Form941TracedPrintout(const ReturnScreen& returnScreen, const EmployerHandOver& employer, printing::DMWin& control);

    const EmployerHandOver& Employer() const { return employer_; }
    ReturnPrintRun& Run() { return run_; }

    void Print(const Form941TracedDesign& design);

private:
    void PrintReturn(const Form941TracedDesign& design);
    void PrintVoucher(const Form941TracedDesign& design);
    void Page1Item(const Form941TracedDesign& design, short fieldNo);
    void Progress(const std::string& text);
    const Form941PageImages& Images(const Form941TracedDesign& design) const;

    EmployerHandOver employer_;
    ReturnPrintRun run_;
    Form941Items items_;
};
