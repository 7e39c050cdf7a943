#include "returns/f944/Form944Items.h"

#include <array>

#include "common/ControlReads.h"
#include "common/LiabilitySchedule.h"
#include "common/PrintLayout.h"
#include "common/ReturnItems.h"
#include "common/ReturnPrintout.h"
#include "common/TextShapes.h"
#include "platform/basic/Strings.h"
#include "returns/f944/Form944Layout.h"
#include "returns/f944/Form944Shapes.h"

using namespace item944;

const std::string& Form944Items::PeriodCode() const { return screen_.mskQtr_yr.Text(); }

// An empty line 9 counts as 0; text that is no number stops the print.
double Form944Items::Line9Amount() const { return NumberOf(FieldOfItem(screen_, Line9)); }

bool Form944Items::MonthlyScheduleApplies() const {
    const double line9 = Line9Amount();
    return CheckValueOf(FieldOfItem(screen_, Line13MonthlyBox)) == 1 && line9 > kScheduleLiability;
}

void Form944Items::StoreBox(short item) { run_.StoreItemText(BoxMarkOfItem(screen_, item)); }

void Form944Items::StoreWhen(bool condition, const std::string& text) { run_.StoreItemText(condition ? text : " "); }

void Form944Items::Page1Item(short fieldNo) {
    if (StoreLineAmount(run_, screen_, fieldNo) || StoreEmployerItem(run_, fieldNo)) return;
    const EmployerPrintTexts& employer = run_.Employer;
    switch (fieldNo) {
    case EinBoxes: run_.StoreItemText(Form944EinBoxesText(employer.Pyr_TaxId)); break;
    case Line3Box: StoreBox(Line3Box); break;
    default: run_.StoreItemText(" "); break; // the unused places of page 1
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
    case HeaderName: run_.StoreItemText(run_.Employer.EmployerName1); break;
    case HeaderEin: run_.StoreItemText(EinText(run_.Employer.Pyr_TaxId)); break;
    case Line13SmallBox: StoreWhen(Line9Amount() < kSmallLiability, "X"); break;
    case Line13MonthlyBox: StoreWhen(MonthlyScheduleApplies(), "X"); break;
    case SemiweeklyBox:
    case ApplyBox:
    case RefundBox: StoreBox(fieldNo); break;
    case Line8f: {
        // The count goes to the print control as the field's own value.
        const forms::Control& individuals = FieldOfItem(screen_, Line8f);
        if (NumberOf(individuals) > 0) {
            run_.StoreItemText(static_cast<long long>(NumberOf(individuals)));
        } else {
            run_.StoreItemText(" ");
        }
        break;
    }
    default: run_.StoreItemText(" "); break; // Unused42
    }
}

void Form944Items::Page3Item(short fieldNo) {
    if (StoreLineAmount(run_, screen_, fieldNo) || StoreSignatureItem(run_, employer_, fieldNo, Form944FirmZipText)) {
        return;
    }
    const EmployerPrintTexts& employer = run_.Employer;
    switch (fieldNo) {
    case HeaderName: run_.StoreItemText(employer.EmployerName1); break;
    case HeaderEin: run_.StoreItemText(EinText(employer.Pyr_TaxId)); break;
    case Line14Box: StoreBox(Line14Box); break;
    default: run_.StoreItemText(" "); break; // Unused82, Unused83, Unused50 to Unused52
    }
}

void Form944Items::VoucherItem(short fieldNo) {
    StoreVoucherItem(
        run_, PeriodCode(), [this] { return FormatAmountOrBlank(NumberOf(FieldOfItem(screen_, Line11))); },
        fieldNo);
}
