// The earlier Form 941 screens' print control: the return's two pages over
// the forms' page images, or the 941-V voucher, of the row on the screen.

#include "common/ReturnPrintout.h"
#include "returns/f941/Form941PageImages.h"
#include "returns/f941/Form941PrintoutPlan.h"
#include "returns/f941_early/EarlyForm941Items.h"
#include "returns/f941_early/EarlyForm941Layout.h"
#include "returns/f941_early/EarlyForm941Screen.h"

#include "platform/basic/Strings.h"

namespace {

struct PageImages {
    const char* page1;
    const char* page2;
    const char* voucher;
};

// By the last two characters of the row's period code.
const PageImages& PageImagesFor(const std::string& periodCode) {
    static constexpr PageImages k2021{"tf1p121.wmf", "tf1p221.wmf", "tf1v21.wmf"};
    static constexpr PageImages kOther{"tf1p120.wmf", "tf1p220.wmf", "tf1v20.wmf"};
    return basic::Right(periodCode, 2) == "21" ? k2021 : kOther;
}

} // namespace

void EarlyForm941Screen::DMWin2_PrintRequest() {
    // The Form 941 printout's questions and titles; the preparer's step
    // marker stays until the first item.
    ReturnPrintoutPlan plan = kForm941PrintoutPlan;
    plan.questions.setUpMarker = kPreparerMarker;
    const FieldLayout layout = EarlyForm941FieldLayout(design_.print, txtQtr_Yr.Text());
    ReturnPrintout printout(CurrentEmployer(), DMWin2);
    EarlyForm941Items items(*this, printout.Employer(), printout.Run());

    printout.Print(
        plan, layout,
        [&] {
            const PageImages& images = PageImagesFor(items.PeriodCode());
            return std::vector<PrintedPage>{
                {{"Page 1", kForm941Template, images.page1}, {{1, 39}}, [&](short n) { items.Page1Item(n); }},
                {{"Page 2", kForm941Template, images.page2}, {{40, 70}}, [&](short n) { items.Page2Item(n); }},
            };
        },
        [&] {
            return PrintedPage{{"Page 1", kVoucher941Template, PageImagesFor(items.PeriodCode()).voucher},
                               {{71, 80}},
                               [&](short n) { items.VoucherItem(n); }};
        });
}
