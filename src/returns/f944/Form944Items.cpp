#include "returns/f944/Form944Items.h"

#include <array>

#include "common/ControlReads.h"
#include "common/PrintLayout.h"
#include "common/ReturnItems.h"
#include "common/ReturnPrintout.h"
#include "common/TextShapes.h"
#include "platform/basic/Strings.h"
#include "returns/f944/Form944Shapes.h"

namespace {

// Line 13: below this line 9 the small-liability box applies, above the
// other the monthly schedule does.
constexpr double kSmallLiability = 2500.0;
constexpr double kScheduleLiability = 2499.99;

} // namespace

const std::string& Form944Items::PeriodCode() const { return TextOf(screen_, "mskQtr_yr"); }

std::string Form944Items::Amount(const char* field, int index) const {
    return FormatAmountOrBlank(NumberOf(screen_, field, index));
}

// An empty line 9 counts as 0; text that is no number stops the print.
double Form944Items::Line9() const { return NumberOf(screen_, "fpLine12"); }

bool Form944Items::MonthlyScheduleApplies() const {
    const double line9 = Line9();
    return CheckValueOf(screen_, "Check6") == 1 && line9 > kScheduleLiability;
}

void Form944Items::StoreWhen(bool condition, const std::string& text) { run_.StoreItemText(condition ? text : " "); }

void Form944Items::Page1Item(short fieldNo) {
    if (StoreLineAmount(run_, screen_, fieldNo) || StoreEmployerItem(run_, fieldNo)) return;
    const EmployerPrintTexts& employer = run_.Employer;
    switch (fieldNo) {
    case 1: run_.StoreItemText(Form944EinBoxesText(employer.Pyr_TaxId)); break;
    case 12: run_.StoreItemText(CheckMark(CheckValueOf(screen_, "Check2"))); break;
    default: run_.StoreItemText(" "); break; // 8, 9, 21, 23, 27, 35 to 37, 39
    }
}

void Form944Items::Page2Item(short fieldNo) {
    if (StoreLineAmount(run_, screen_, fieldNo)) return;
    // The months of line 13 and their total print only for a monthly
    // depositor whose line 9 reaches 2,500.
    if (StoreLineAmount(run_, screen_, fieldNo, PrintWhen::MonthlySchedule,
                        [this] { return MonthlyScheduleApplies(); }))
        return;
    switch (fieldNo) {
    case 40: run_.StoreItemText(run_.Employer.EmployerName1); break;
    case 41: run_.StoreItemText(EinText(run_.Employer.Pyr_TaxId)); break;
    case 43: StoreWhen(Line9() < kSmallLiability, "X"); break;
    case 44: StoreWhen(MonthlyScheduleApplies(), "X"); break;
    case 49: run_.StoreItemText(CheckMark(CheckValueOf(screen_, "Check5"))); break;
    case 103: run_.StoreItemText(CheckMark(CheckValueOf(screen_, "Check3"))); break;
    case 104: run_.StoreItemText(CheckMark(CheckValueOf(screen_, "Check4"))); break;
    case 115: {
        // The count goes to the print control as the field's own value.
        if (NumberOf(screen_, "fpLongInteger2") > 0) {
            run_.StoreItemText(static_cast<long long>(NumberOf(screen_, "fpLongInteger2")));
        } else {
            run_.StoreItemText(" ");
        }
        break;
    }
    default: run_.StoreItemText(" "); break; // 42
    }
}

void Form944Items::Page3Item(short fieldNo) {
    if (StoreLineAmount(run_, screen_, fieldNo) || StoreSignatureItem(run_, employer_, fieldNo, Form944FirmZipText)) {
        return;
    }
    const EmployerPrintTexts& employer = run_.Employer;
    switch (fieldNo) {
    case 40: run_.StoreItemText(employer.EmployerName1); break;
    case 41: run_.StoreItemText(EinText(employer.Pyr_TaxId)); break;
    case 81: run_.StoreItemText(CheckMark(CheckValueOf(screen_, "Check8"))); break;
    default: run_.StoreItemText(" "); break; // 82, 83, 50 to 52
    }
}

void Form944Items::VoucherItem(short fieldNo) {
    StoreVoucherItem(
        run_, PeriodCode(), [this] { return Amount("fpLine10"); }, fieldNo);
}
