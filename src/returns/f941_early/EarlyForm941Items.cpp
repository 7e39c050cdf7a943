#include "returns/f941_early/EarlyForm941Items.h"

#include "common/ControlReads.h"
#include "common/ReturnPrintout.h"
#include "common/TextShapes.h"
#include "returns/f941_early/EarlyForm941Screen.h"

namespace {

// Below this total tax the first box of the deposit schedule applies, above
// the other the monthly schedule does; whole cents make one of them hold.
constexpr double kSmallLiability = 2500.0;
constexpr double kScheduleLiability = 2499.99;

constexpr const char* kMonths[] = {"fpLine17A", "fpLine17B", "fpLine17C", "fpLine17D"};

} // namespace

EarlyForm941Items::EarlyForm941Items(const EarlyForm941Screen& screen, const EmployerHandOver& employer,
                                     ReturnPrintRun& run)
    : screen_(screen), run_(run), form941_(screen, employer, run) {}

// A blank, then the quarter's "X" where the Form 941 printout puts it (the
// same box, moved down from the first quarter's for the others).
void EarlyForm941Items::StoreQuarterBox() {
    run_.StoreItemText(" ");
    form941_.Page1Item(8);
}

// A count of the older layouts: blank for 0, else its whole digits.
void EarlyForm941Items::StoreCount(const char* field) { run_.StoreItemText(CountOrBlank(NumberOf(screen_, field))); }

void EarlyForm941Items::StoreBox(const char* checkBox) {
    run_.StoreItemText(CheckMark(CheckValueOf(screen_, checkBox)));
}

void EarlyForm941Items::Page1Item(short fieldNo) {
    switch (fieldNo) {
    case 8: StoreQuarterBox(); break;
    case 25: StoreCount("fpLongInt1"); break;
    case 26: run_.StoreItemText(FormatAmountOrBlank(NumberOf(screen_, screen_.TotalTax().Name()))); break;
    case 27:
        run_.StoreItemText(" ");
        StoreLineAmount(run_, screen_, fieldNo);
        break;
    case 35: StoreBox("Check3"); break;
    case 36: StoreBox("Check4"); break;
    case 37: StoreCount("fpLongInt4"); break;
    default: form941_.Page1Item(fieldNo); break;
    }
}

// Line 16 (14 on the twin): the box for a small total tax, or the monthly
// schedule's box, months and total.
void EarlyForm941Items::StoreMonthlySchedule(short fieldNo) {
    const double totalTax = NumberOf(screen_, screen_.TotalTax().Name());
    const bool monthly = totalTax > kScheduleLiability && CheckValueOf(screen_, "Check6") == 1;
    run_.StoreItemText(" ");
    if (fieldNo == 43) {
        if (totalTax < kSmallLiability) run_.StoreItemText("X");
    } else if (fieldNo == 44) {
        if (monthly) run_.StoreItemText("X");
    } else if (monthly) {
        run_.StoreItemText(FormatAmountOrBlank(NumberOf(screen_, kMonths[fieldNo - 45])));
    }
}

void EarlyForm941Items::Page2Item(short fieldNo) {
    // clang-format off
    switch (fieldNo) {
    case 40: case 41: case 49: form941_.Page2Item(fieldNo); break;
    case 43: case 44: case 45: case 46: case 47: case 48: StoreMonthlySchedule(fieldNo); break;
    case 52:
        run_.StoreItemText(" ");
        if (CheckValueOf(screen_, "Check1") == 1) run_.StoreItemText("X");
        break;
    case 42: case 50: case 51: run_.StoreItemText(" "); break;
    default: form941_.Page3Item(fieldNo); break; // the designee, signer and paid preparer
    }
    // clang-format on
}
