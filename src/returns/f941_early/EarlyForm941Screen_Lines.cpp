// What the earlier Form 941 screens' fields do besides their formulas (the
// line table holds those); each runs after the lines are brought up to date:
// line 5f to cents, where the deposits' Enter goes, the month check, and
// the overpayment's boxes at Save and Print.

#include "returns/f941_early/EarlyForm941Screen.h"

#include "common/BalanceRule.h"
#include "common/LineArithmetic.h"
#include "platform/basic/Round.h"

namespace {

constexpr const char* kAboveLine10 = "Oops. Line 17, column D is supposed to equal Line 10. Please review.";

} // namespace

// Line 12 on frmDet941; line 10 on the twin, which has no credit line.
const forms::CurrencyField& EarlyForm941Screen::TotalTax() const {
    return design_.showsCreditAndTotalTax ? fpLine11and12a : fpLine11;
}

// While a change is pending, 5f is brought to cents where it stands, and the
// lines follow the rounded amount.
void EarlyForm941Screen::Line5fToCents() {
    const double cents = basic::Round(fpCurrency1.Value(), 2);
    if (!ChangePending() || cents == fpCurrency1.Value()) return;
    WriteAmount(fpCurrency1, cents);
    RecomputeLines();
}

// The balance decides where Enter in the deposits goes: a balance due
// clears the overpayment's boxes and goes on to the depositor boxes; an
// overpayment goes to the boxes as they are.
void EarlyForm941Screen::Deposits_Enter() {
    const BalanceOutcome outcome = ApplyBalanceRule(TotalTax().Value(), fpLine14.Value());
    if (outcome.overpaidFlag) OverpaidFlag = *outcome.overpaidFlag;
    if (OverpaidFlag == "N") {
        UntickOverpaymentBoxes();
        Check5.SetFocus();
    } else {
        Check3.SetFocus();
    }
}

// Whatever way the deposits were changed (a click away from them runs no
// Enter), a return with no overpayment asks for none to be applied or
// refunded. Boxes ticked before the deposits are typed stand until then.
void EarlyForm941Screen::SettleBeforeStoreOrPrint() {
    if (fpLine16.Value() == 0) UntickOverpaymentBoxes();
}

// Only while a change is pending: a stored row that is only browsed keeps
// showing what it holds.
void EarlyForm941Screen::UntickOverpaymentBoxes() {
    if (!ChangePending()) return;
    Check3.SetValue(forms::vbUnchecked);
    Check4.SetValue(forms::vbUnchecked);
}

void EarlyForm941Screen::Month3_Enter() {
    monthlyCheck_.OnEnter([this] { return CompareMonthsWithTax(); });
}

// The months' total may not fall short of the total tax nor exceed line 10.
std::optional<std::string> EarlyForm941Screen::CompareMonthsWithTax() {
    const double total = fpLine17D.Value();
    if (MonthlyTotalCheck::ExceedsBeyondTolerance(TotalTax().Value(), total)) {
        return std::string(design_.monthsShortMessage);
    }
    if (MonthlyTotalCheck::ExceedsBeyondTolerance(total, fpLine11.Value())) return std::string(kAboveLine10);
    return std::nullopt;
}
