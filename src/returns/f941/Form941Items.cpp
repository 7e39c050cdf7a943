#include "returns/f941/Form941Items.h"

#include "common/LiabilitySchedule.h"
#include "common/ReturnItems.h"
#include "common/ReturnPrintout.h"
#include "returns/f941/Form941Layout.h"

#include "common/ControlReads.h"
#include "common/TextShapes.h"
#include "platform/basic/Strings.h"
#include "platform/basic/TextToNumber.h"

using basic::Left;
using namespace item941;

namespace {

// How far below the first quarter's box each later quarter's box lies.
constexpr double kQuarterBoxTop = 1.433;
constexpr double kQuarter2Drop = 0.24;
constexpr double kQuarter3Drop = 0.485;
constexpr double kQuarter4Drop = 0.725;

} // namespace

std::string Form941Items::Amount(short item) const {
    return FormatAmountOrBlank(NumberOf(FieldOfItem(screen_, item)));
}

const std::string& Form941Items::PeriodCode() const { return screen_.mskQtr_yr.Text(); }

// An empty line 12 counts as 0; text that is no number stops the print.
double Form941Items::Line12() const { return NumberOf(FieldOfItem(screen_, item941::Line12)); }

bool Form941Items::Ticked(short item) const { return CheckValueOf(FieldOfItem(screen_, item)) == 1; }

std::string Form941Items::Box(short item) const { return BoxMarkOfItem(screen_, item); }

void Form941Items::StoreBox(short item) { run_.StoreItemText(Box(item)); }

void Form941Items::Page1Item(short fieldNo) {
    if (StoreLineAmount(run_, screen_, fieldNo) || StoreEmployerItem(run_, fieldNo)) return;
    const EmployerPrintTexts& employer = run_.Employer;
    switch (fieldNo) {
    case EinBoxes: run_.StoreItemText(EinBoxesText(employer.Pyr_TaxId)); break;
    case QuarterBox:
        StoreQuarterBoxTop();
        run_.StoreItemText("X");
        break;
    case Line1Employees: run_.StoreItemText(CountOrBlank(NumberOf(FieldOfItem(screen_, Line1Employees)))); break;
    case Line4Box: StoreBox(Line4Box); break;
    default:
        // Unused35 and Unused36 have places but nothing to print: a blank,
        // so that they never print line 11c's text a second time.
        run_.StoreItemText(" ");
        break;
    }
}

// The quarter's box of page 1 stands below the first quarter's by the quarter.
void Form941Items::StoreQuarterBoxTop() {
    const std::string quarter = Left(PeriodCode(), 1);
    if (quarter == "2") run_.StoreTextTop(kQuarterBoxTop + kQuarter2Drop);
    else if (quarter == "3") run_.StoreTextTop(kQuarterBoxTop + kQuarter3Drop);
    else if (quarter != "1") run_.StoreTextTop(kQuarterBoxTop + kQuarter4Drop);
}

void Form941Items::Line16Box(short fieldNo) {
    StoreLiabilityScheduleItem(run_, screen_, fieldNo, Line12(), Ticked(Line16MonthlyBox),
                               {Line16SmallBox, Line16MonthlyBox});
}

void Form941Items::Page2Item(short fieldNo) {
    if (StoreLineAmount(run_, screen_, fieldNo)) return;
    switch (fieldNo) {
    case HeaderName:
        run_.StoreItemText(" ");
        run_.StoreItemText(run_.Employer.EmployerName1);
        break;
    case HeaderEin:
        run_.StoreItemText(" ");
        run_.StoreItemText(EinText(run_.Employer.Pyr_TaxId));
        break;
    case Line16SmallBox:
    case Line16MonthlyBox:
    case Line16Month1:
    case Line16Month2:
    case Line16Month3:
    case Line16Total: Line16Box(fieldNo); break;
    case Line16SemiweeklyBox:
    case Line15ApplyBox:
    case Line15RefundBox: StoreBox(fieldNo); break;
    case Line11f: {
        // The count of individuals prints as the number itself, not as an amount.
        const double individuals = basic::Val(TextOf(FieldOfItem(screen_, Line11f)));
        if (individuals > 0) run_.StoreItemText(individuals);
        else run_.StoreItemText(" ");
        break;
    }
    default:
        // Unused42, and 13h and 13i, which this revision never prints.
        run_.StoreItemText(" ");
        break;
    }
}

void Form941Items::Page3Item(short fieldNo) {
    if (fieldNo == HeaderName || fieldNo == HeaderEin) return Page2Item(fieldNo);
    if (StoreLineAmount(run_, screen_, fieldNo) || StoreSignatureItem(run_, employer_, fieldNo, FirmZipText)) return;
    switch (fieldNo) {
    case Line17Box:
    case Line18aBox:
    case Line18bBox: StoreBox(fieldNo); break;
    default:
        // Unused50 to Unused52 and Unused82: places on the form this
        // revision leaves empty.
        run_.StoreItemText(" ");
        break;
    }
}

void Form941Items::VoucherItem(short fieldNo) {
    StoreVoucherItem(
        run_, PeriodCode(), [this] { return Amount(Line14); }, fieldNo);
}
