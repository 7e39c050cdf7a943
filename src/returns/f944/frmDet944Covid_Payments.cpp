// Line 10 (deposits and refundable credits), the balance due or overpayment
// of lines 11 and 12, and the twelve monthly liabilities of line 13 with the
// year's check against line 9.

#include "returns/f944/frmDet944Covid.h"

#include "common/LineArithmetic.h"
#include "platform/basic/Round.h"
#include "returns/f944/Form944Slots.h"

using namespace slot944;

namespace {

constexpr const char* kYearTotalDiffers =
    "Oops. The total liability for the year is supposed to equal Line 9. Please review.";

} // namespace

// 10h is rebuilt from the five fields as they stand every time.
void frmDet944Covid::Line10h_Recompute() {
    LineAmt.Set(Deposits10a, fpLine13a.Value());
    LineAmt.Set(Credit10f, fpLine13b.Value());
    LineAmt.Set(Credit10g, fpLine13c.Value());
    LineAmt.Set(Credit10d, fpLine13d.Value());
    LineAmt.Set(Reserved10e, fpLine13e.Value());
    LineAmt.Set(Total10h, 0);
    for (int part : {Deposits10a, Credit10f, Credit10g, Credit10d, Reserved10e}) {
        LineAmt.Set(Total10h, LineAmt[Total10h] + LineAmt[part]);
    }
    WriteAmount(fpLine13f, LineAmt[Total10h]);
}

void frmDet944Covid::Line10j_Recompute() {
    LineAmt.Set(Reserved10i, fpLine14.Value());
    WriteAmount(fpLine15, LineAmt[Total10h] - LineAmt[Reserved10i]);
}

// Lines 11 and 12 from line 9 and 10j as they stand (10j may be overtyped).
void frmDet944Covid::Line10j_Balance() {
    WriteBalance(fpLine12.Value(), fpLine15.Value(), fpLine10, fpLine16(1));
    if (OverpaidFlag != "N") {
        Check3.SetFocus();
    } else {
        fpLine17A.SetFocus();
    }
}

void frmDet944Covid::RecomputeYearTotal(int month) {
    const std::array<forms::CurrencyField*, 12> months = MonthFields();
    LineAmt.Set(MonthSlot(month), months[month - 1]->Value());
    LineAmt.Set(YearTotal, 0);
    for (int m = 1; m <= 12; ++m) LineAmt.Set(YearTotal, LineAmt[YearTotal] + LineAmt[MonthSlot(m)]);
    WriteAmount(fpLine17D, LineAmt[YearTotal]);
}

// The year's total must equal line 9 to the cent, in either direction.
std::optional<std::string> frmDet944Covid::CompareYearWithLine9() {
    const double line9 = fpLine12.Value();
    const double total = fpLine17D.Value();
    if (MonthlyTotalCheck::ExceedsBeyondTolerance(line9, total) ||
        MonthlyTotalCheck::ExceedsBeyondTolerance(total, line9)) {
        return std::string(kYearTotalDiffers);
    }
    return std::nullopt;
}

void frmDet944Covid::Month12_Enter() {
    RecomputeYearTotal(12);
    yearCheck_.OnEnter([this] { return CompareYearWithLine9(); });
}

// Leaving month 12 checks the year again; unlike the quarterly screen, a
// passed check moves on to the monthly-depositor box here too.
void frmDet944Covid::Month12_Leave() {
    RecomputeYearTotal(12);
    yearCheck_.OnLeave([this] { return CompareYearWithLine9(); });
    if (!CompareYearWithLine9()) Check6.SetFocus();
}
