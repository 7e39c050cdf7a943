#pragma once
// The texts of the earlier Form 941 printouts' items, by FieldNo. Most are
// those of the Form 941 printout (the same fields under the same names, the
// same employer, designee, signer and preparer texts); these printouts differ
// in the quarter box and line 5f (a blank stored first), the counts of the
// older layouts, the overpayment boxes, the total tax that decides the
// monthly schedule, and the seasonal box on page 2.
#include "common/ReturnPrintRun.h"
#include "returns/f941/Form941Items.h"

class EarlyForm941Screen;

class EarlyForm941Items {
public:
    EarlyForm941Items(const EarlyForm941Screen& screen, const EmployerHandOver& employer, ReturnPrintRun& run);

    void Page1Item(short fieldNo);                                     // 1 to 39
    void Page2Item(short fieldNo);                                     // 40 to 70
    void VoucherItem(short fieldNo);                                   // 71 to 80

    const std::string& PeriodCode() const { return form941_.PeriodCode(); }

private:
    void StoreQuarterBox();
    void StoreCount(short item);
    void StoreMonthlySchedule(short fieldNo);

    const EarlyForm941Screen& screen_;
    ReturnPrintRun& run_;
    Form941Items form941_;
};
