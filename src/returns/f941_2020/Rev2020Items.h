#pragma once
// The texts of the 2020 revision's printout items, by FieldNo. Where the
// item prints as the live Form 941 printout's does, the live items print it;
// the rest differ in what they read, or store a blank before their text.
#include "returns/f941/Form941Items.h"

class Rev2020Items {
public:
    Rev2020Items(const ReturnScreen& returnScreen, const EmployerHandOver& employer, ReturnPrintRun& run)
        : screen_(returnScreen), employer_(employer), run_(run), live_(returnScreen, employer, run) {}

    void Page1Item(short fieldNo);   // 1 to 39
    void Page2Item(short fieldNo);   // 40 to 49, 91 to 103
    void Page3Item(short fieldNo);   // 40, 41, 81 to 90, 50 to 70
    void VoucherItem(short fieldNo); // 71 to 80
    // The traced run's page 2: 40 to 49 of page 2, 50 to 70 of page 3, and
    // line 18's box at 52.
    void TracedPage2Item(short fieldNo);
    // The traced run's page 1 where it prints what the print run does, with
    // line 15's refund box at 36.
    void TracedPage1Item(short fieldNo);

    const std::string& PeriodCode() const { return live_.PeriodCode(); }

private:
    // A blank first, then the text: the item's last store is what prints.
    void BlankThen(const std::string& text);
    void SignatureItem(short fieldNo);

    const ReturnScreen& screen_;
    const EmployerHandOver& employer_;
    ReturnPrintRun& run_;
    Form941Items live_;
};
