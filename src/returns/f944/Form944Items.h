#pragma once
// The texts of the Form 944 printout's items, by FieldNo: what each stores as
// ItemText, read from the Form 944 screen's fields as they stand, the
// employer screen's designee and signer boxes, and the employer and preparer
// texts of the run.
#include "common/ReturnPrintRun.h"
#include "common/ReturnScreen.h"

namespace forms {
class Form;
}

class Form944Items {
public:
    Form944Items(const ReturnScreen& returnScreen, const EmployerHandOver& employer, ReturnPrintRun& run)
        : screen_(returnScreen), employer_(employer), run_(run) {}

    void Page1Item(short fieldNo);   // 1 to 39
    void Page2Item(short fieldNo);   // 40 to 49, 91 to 115
    void Page3Item(short fieldNo);   // 40, 41, 81 to 90, 116 to 120, 50 to 70
    void VoucherItem(short fieldNo); // 71 to 80

    // The return screen's period code ("622").
    const std::string& PeriodCode() const;

private:
    double Line9Amount() const;
    bool MonthlyScheduleApplies() const;
    void StoreBox(short item);
    void StoreWhen(bool condition, const std::string& text);

    const ReturnScreen& screen_;
    const EmployerHandOver& employer_;
    ReturnPrintRun& run_;
};
