#pragma once
// The older, traced form of the Form 941 print run, kept on the screen as
// PrintFormTrace: the return's items on two pages (page 3 carries only its
// image), progress boxes between the steps, and the voucher after a return of
// a period ending in "21". Nothing in the program calls it.
#include "common/ReturnPrintRun.h"
#include "returns/f941/Form941Items.h"

namespace forms {
class Form;
}
class ReturnScreen;

class Form941TracedPrintout {
public:
    Form941TracedPrintout(const ReturnScreen& returnScreen, const EmployerHandOver& employer,
                          printing::DMWin& control);

    void Print();

private:
    void PrintReturn();
    void PrintVoucher();
    void Page1Item(short fieldNo);
    void Progress(const std::string& text);
    // The page image by the period's year alone.
    std::string Picture(const char* of2022, const char* otherwise) const;

    EmployerHandOver employer_;
    ReturnPrintRun run_;
    Form941Items items_;
};
