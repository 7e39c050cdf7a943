// Lines 10 to 13 of the Form 944 screen: the formulas of 10h, 10j and the
// year's total of the twelve monthly liabilities (lines 11 and 12 are the
// frame's balance rule), Enter in 10j going on by the balance, and the
// year's check against line 9, which Save repeats.

#include "returns/f944/frmDet944Covid.h"

#include "common/BalanceRule.h"
#include "common/LineArithmetic.h"

namespace {

constexpr const char* kYearTotalDiffers =
    "Oops. The total liability for the year is supposed to equal Line 9. Please review.";

} // namespace

// 10h = 10a + 10f + 10g + 10d + 10e, added in this order.
LineRecompute frmDet944Covid::Line10h_Formula() {
    return TotalOf({&fpLine13a, &fpLine13b, &fpLine13c, &fpLine13d, &fpLine13e});
}

// 10j = 10h - 10i.
LineRecompute frmDet944Covid::Line10j_Formula() { return DifferenceOf(fpLine13f, fpLine14); }

LineRecompute frmDet944Covid::YearTotal_Formula() {
    const std::array<forms::CurrencyField*, 12> months = MonthFields();
    return TotalOf({months.begin(), months.end()});
}

// Enter in 10j goes on to the overpayment's box when line 9 and 10j, as they
// stand, give an overpayment, and to month 1 otherwise; the flag follows them
// even when neither changed since the row was opened.
void frmDet944Covid::Line10j_Enter() {
    const BalanceOutcome balance = ApplyBalanceRule(fpLine12.Value(), fpLine15.Value());
    if (balance.overpaidFlag) OverpaidFlag = *balance.overpaidFlag;
    if (OverpaidFlag != "N") {
        Check3.SetFocus();
    } else {
        fpLine17A.SetFocus();
    }
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

bool frmDet944Covid::SaveChecksPass() {
    yearCheck_.AtSave(MonthFields(), [this] { return CompareYearWithLine9(); });
    return true;
}

// Month 12 checks the year on Enter and on leaving; unlike the quarterly
// screen, a passed check on leaving moves on to the monthly-depositor box too.
LineRecompute frmDet944Covid::Month12_Check() {
    return {[this] { yearCheck_.OnEnter([this] { return CompareYearWithLine9(); }); },
            [this] { yearCheck_.OnLeave([this] { return CompareYearWithLine9(); }); }};
}
