#include "common/LiabilitySchedule.h"

#include "common/ReturnPrintout.h"

void StoreLiabilityScheduleItem(ReturnPrintRun& run, const ReturnScreen& screen, short fieldNo, double tax,
                                bool monthlyChosen, LiabilityScheduleItems items) {
    const bool monthly = monthlyChosen && tax > kScheduleLiability;
    run.StoreItemText(" ");
    if (fieldNo == items.smallBox) {
        if (tax < kSmallLiability) run.StoreItemText("X");
    } else if (fieldNo == items.monthlyBox) {
        if (monthly) run.StoreItemText("X");
    } else if (monthly) {
        StoreLineAmount(run, screen, fieldNo, PrintWhen::MonthlySchedule);
    }
}
