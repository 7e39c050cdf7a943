#include "returns/f941/Form941Items.h"

#include "common/ReturnItems.h"
#include "common/ReturnPrintout.h"

#include "common/ControlReads.h"
#include "common/TextShapes.h"
#include "platform/basic/Strings.h"
#include "platform/basic/TextToNumber.h"

using basic::Left;

namespace {

// How far below the first quarter's box each later quarter's box lies.
constexpr double kQuarterBoxTop = 1.433;
constexpr double kQuarter2Drop = 0.24;
constexpr double kQuarter3Drop = 0.485;
constexpr double kQuarter4Drop = 0.725;

// Line 16: below this line 12 the first box applies, above the other the
// monthly schedule does; whole cents make exactly one of them hold.
constexpr double kSmallLiability = 2500;
constexpr double kScheduleLiability = 2499.99;

} // namespace

std::string Form941Items::Amount(const char* field, int index) const {
    return FormatAmountOrBlank(NumberOf(screen_, field, index));
}

const std::string& Form941Items::PeriodCode() const { return TextOf(screen_, "mskQtr_yr"); }

// An empty line 12 counts as 0; text that is no number stops the print.
double Form941Items::Line12() const { return NumberOf(screen_, "fpLine12"); }

void Form941Items::Page1Item(short fieldNo) {
    if (StoreLineAmount(run_, screen_, fieldNo) || StoreEmployerItem(run_, fieldNo)) return;
    const EmployerPrintTexts& employer = run_.Employer;
    switch (fieldNo) {
    case 1: run_.StoreItemText(EinBoxesText(employer.Pyr_TaxId)); break;
    case 8:
        StoreQuarterBoxTop();
        run_.StoreItemText("X");
        break;
    case 9: run_.StoreItemText(CountOrBlank(NumberOf(screen_, "mskNo_Employee"))); break;
    case 12: run_.StoreItemText(CheckMark(CheckValueOf(screen_, "Check2"))); break;
    default:
        // 35 and 36 have places but nothing to print: a blank, so that they
        // never print line 11c's text a second time.
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
    run_.StoreItemText(" ");
    switch (fieldNo) {
    case 43:
        if (Line12() < kSmallLiability) run_.StoreItemText("X");
        break;
    case 44:
        if (Line12() > kScheduleLiability && CheckValueOf(screen_, "Check6") == 1) run_.StoreItemText("X");
        break;
    default: {
        static constexpr const char* kMonths[] = {"fpLine17A", "fpLine17B", "fpLine17C", "fpLine17D"};
        if (CheckValueOf(screen_, "Check6") == 1 && Line12() > kScheduleLiability)
            run_.StoreItemText(Amount(kMonths[fieldNo - 45]));
        break;
    }
    }
}

void Form941Items::Page2Item(short fieldNo) {
    if (StoreLineAmount(run_, screen_, fieldNo)) return;
    switch (fieldNo) {
    case 40:
        run_.StoreItemText(" ");
        run_.StoreItemText(run_.Employer.EmployerName1);
        break;
    case 41:
        run_.StoreItemText(" ");
        run_.StoreItemText(EinText(run_.Employer.Pyr_TaxId));
        break;
    case 43:
    case 44:
    case 45:
    case 46:
    case 47:
    case 48: Line16Box(fieldNo); break;
    case 49: run_.StoreItemText(CheckMark(CheckValueOf(screen_, "Check5"))); break;
    case 102: run_.StoreItemText(CheckMark(CheckValueOf(screen_, "Check3"))); break;
    case 103: run_.StoreItemText(CheckMark(CheckValueOf(screen_, "Check10"))); break;
    case 109: {
        // The count of individuals prints as the number itself, not as an amount.
        const double individuals = basic::Val(TextOf(screen_, "MaskEdBox2"));
        if (individuals > 0) run_.StoreItemText(individuals);
        else run_.StoreItemText(" ");
        break;
    }
    default:
        // 42, and 13h and 13i, which this revision never prints.
        run_.StoreItemText(" ");
        break;
    }
}

void Form941Items::Page3Item(short fieldNo) {
    if (fieldNo == 40 || fieldNo == 41) return Page2Item(fieldNo);
    if (StoreLineAmount(run_, screen_, fieldNo) || StoreSignatureItem(run_, employer_, fieldNo, FirmZipText)) return;
    switch (fieldNo) {
    case 81: run_.StoreItemText(CheckMark(CheckValueOf(screen_, "Check8"))); break;
    case 83: run_.StoreItemText(CheckMark(CheckValueOf(screen_, "Check1"))); break;
    case 107: run_.StoreItemText(CheckMark(CheckValueOf(screen_, "Check9"))); break;
    default:
        // 50, 51, 52 and 82: places on the form this revision leaves empty.
        run_.StoreItemText(" ");
        break;
    }
}

void Form941Items::VoucherItem(short fieldNo) {
    StoreVoucherItem(
        run_, PeriodCode(), [this] { return Amount("fpLine15"); }, fieldNo);
}
