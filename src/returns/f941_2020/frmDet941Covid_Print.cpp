// The 2020 Form 941 screen's print control: the return's three pages or its
// 941-V voucher over the page images of the 2021 and 2022 forms, and the
// older traced print procedure that nothing calls.
#include "common/EmployerHandOver.h"
#include "common/ReturnPrintout.h"
#include "platform/basic/Strings.h"
#include "returns/f941/Form941PageImages.h"
#include "returns/f941/Form941PrintoutPlan.h"
#include "returns/f941/Form941TracedPrintout.h"
#include "returns/f941_2020/Rev2020Items.h"
#include "returns/f941_2020/Rev2020Layout.h"
#include "returns/f941_2020/frmDet941Covid.h"

namespace {

// The page images by the period's year: the 2022 form, or the 2021 form for
// every other year. The names differ in case, as the files are named.
// clang-format off
constexpr Form941PageImages kImagesOf2022     = {"tf1p122C.wmf", "tf1p222c.wmf", "tf1p322c.wmf", "TF1V22.wmf"};
constexpr Form941PageImages kImagesOtherwise  = {"tf1p121C.wmf", "tf1p221C.wmf", "tf1p321C.wmf", "tf1v21.wmf"};
constexpr Form941PageImages kTracedImagesOf2022 = {"TF1P122C.wmf", "tf1p222C.wmf", "tf1p322C.wmf", "tf1v22.wmf"};
// clang-format on

const Form941PageImages& ImagesFor(const std::string& periodCode) {
    return basic::Right(periodCode, 2) == "22" ? kImagesOf2022 : kImagesOtherwise;
}

} // namespace

void frmDet941Covid::DMWin2_PrintRequest() {
    ReturnPrintout printout(CurrentEmployer(), DMWin2);
    Rev2020Items items(*this, printout.Employer(), printout.Run());
    const std::string period = items.PeriodCode();
    auto page1 = [&](short n) { items.Page1Item(n); };
    auto page2 = [&](short n) { items.Page2Item(n); };
    auto page3 = [&](short n) { items.Page3Item(n); };
    auto voucher = [&](short n) { items.VoucherItem(n); };

    printout.Print(
        kForm941PrintoutPlan, Rev2020FieldLayout(period),
        [&] {
            const Form941PageImages& images = ImagesFor(period);
            return std::vector<PrintedPage>{
                {{"Page 1", kForm941Template, images.Page1}, {{1, 39}}, page1},
                {{"Page 2", kForm941Template, images.Page2}, {{40, 49}, {91, 103}}, page2},
                {{"Page 3", kForm941Template, images.Page3}, {{40, 41}, {81, 90}, {50, 70}}, page3},
            };
        },
        [&] {
            return PrintedPage{{"Page 1", kVoucher941Template, ImagesFor(period).Voucher}, {{71, 80}}, voucher};
        });
}

void frmDet941Covid::PrintFormTrace() {
    Form941TracedPrintout printout(*this, CurrentEmployer(), DMWin2);
    Rev2020Items items(*this, printout.Employer(), printout.Run());
    printout.Print({
        kTracedImagesOf2022,
        kImagesOtherwise,
        Rev2020TracedFieldLayout(items.PeriodCode()),
        [&](short n) { items.TracedPage1Item(n); },
        [&](short n) { items.TracedPage2Item(n); },
        [&](short n) { items.VoucherItem(n); },
    });
}
