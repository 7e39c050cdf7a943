#pragma once
// The texts of the Form 941 printout's items, by FieldNo: what each stores
// as ItemText (and, for the quarter box, its moved TextTop), read from the
// return screen's fields as they stand, the employer screen's designee and
// signer boxes, and the employer and preparer texts of the run.
#include "common/ReturnPrintRun.h"
#include "common/ReturnScreen.h"

namespace forms {
class Form;
}

class Form941Items {
public:
    Form941Items(const ReturnScreen& returnScreen, const EmployerHandOver& employer, ReturnPrintRun& run)
        : screen_(returnScreen), employer_(employer), run_(run) {}

    void Page1Item(short fieldNo);   // 1 to 39
    void Page2Item(short fieldNo);   // 40 to 49, 91 to 103, 108 to 112
    void Page3Item(short fieldNo);   // 40, 41, 81 to 90, 104 to 107, 50 to 70
    void VoucherItem(short fieldNo); // 71 to 80

    // The amount of the line that the screen's line table names for an item,
    // as the printout prints it.
    std::string Amount(short item) const;
    // A box's mark, from the check box the screen's line table names for an
    // item; and that mark stored as the item's text.
    std::string Box(short item) const;
    void StoreBox(short item);
    // Item 8: moves the quarter's box down from the first quarter's place.
    void StoreQuarterBoxTop();
    // The return screen's period code ("322").
    const std::string& PeriodCode() const;

private:
    double Line12() const;
    bool Ticked(short item) const;
    void Line16Box(short fieldNo);

    const ReturnScreen& screen_;
    const EmployerHandOver& employer_;
    ReturnPrintRun& run_;
};
