#include "returns/f941_early/EarlyForm941Items.h"

#include "common/ControlReads.h"
#include "common/LiabilitySchedule.h"
#include "common/ReturnItems.h"
#include "common/ReturnPrintout.h"
#include "common/TextShapes.h"
#include "returns/f941/Form941Layout.h"
#include "returns/f941_early/EarlyForm941Layout.h"
#include "returns/f941_early/EarlyForm941Screen.h"

using namespace itemEarly941;

EarlyForm941Items::EarlyForm941Items(const EarlyForm941Screen& screen, const EmployerHandOver& employer,
                                     ReturnPrintRun& run)
    : screen_(screen), run_(run), form941_(screen, employer, run) {}

// A blank, then the quarter's "X" where the Form 941 printout puts it (the
// same box, moved down from the first quarter's for the others).
void EarlyForm941Items::StoreQuarterBox() {
    run_.StoreItemText(" ");
    form941_.Page1Item(QuarterBox);
}

// A count of the older layouts: blank for 0, else its whole digits.
void EarlyForm941Items::StoreCount(short item) {
    run_.StoreItemText(CountOrBlank(NumberOf(FieldOfItem(screen_, item))));
}

void EarlyForm941Items::Page1Item(short fieldNo) {
    switch (fieldNo) {
    case QuarterBox: StoreQuarterBox(); break;
    case CobraIndividuals:
    case ExemptIndividuals: StoreCount(fieldNo); break;
    case TotalTax: run_.StoreItemText(FormatAmountOrBlank(NumberOf(screen_.TotalTax()))); break;
    case Line5f:
        run_.StoreItemText(" ");
        StoreLineAmount(run_, screen_, fieldNo);
        break;
    case ApplyBox:
    case RefundBox: form941_.StoreBox(fieldNo); break;
    default: form941_.Page1Item(fieldNo); break;
    }
}

// Line 16 (14 on the twin): the box for a small total tax, or the monthly
// schedule's box, months and total.
void EarlyForm941Items::StoreMonthlySchedule(short fieldNo) {
    StoreLiabilityScheduleItem(run_, screen_, fieldNo, NumberOf(screen_.TotalTax()),
                               CheckValueOf(FieldOfItem(screen_, Line16MonthlyBox)) == 1,
                               {Line16SmallBox, Line16MonthlyBox});
}

void EarlyForm941Items::Page2Item(short fieldNo) {
    // clang-format off
    switch (fieldNo) {
    case HeaderName: case HeaderEin: case Line16SemiweeklyBox: form941_.Page2Item(fieldNo); break;
    case Line16SmallBox: case Line16MonthlyBox: case Line16Month1: case Line16Month2: case Line16Month3: case Line16Total:
        StoreMonthlySchedule(fieldNo);
        break;
    case SeasonalBox:
        run_.StoreItemText(" ");
        if (CheckValueOf(FieldOfItem(screen_, SeasonalBox)) == 1) run_.StoreItemText("X");
        break;
    case Unused42: case Unused50: case Unused51: run_.StoreItemText(" "); break;
    default: form941_.Page3Item(fieldNo); break; // the designee, signer and paid preparer
    }
    // clang-format on
}

// The voucher pays the balance due of line 14.
void EarlyForm941Items::VoucherItem(short fieldNo) {
    StoreVoucherItem(
        run_, PeriodCode(), [this] { return form941_.Amount(BalanceDue); }, fieldNo);
}
