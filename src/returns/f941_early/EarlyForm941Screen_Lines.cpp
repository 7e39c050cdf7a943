// What the earlier Form 941 screens' fields do besides their formulas (the
// line table holds those); each runs after the lines are brought up to date:
// where the deposits' Enter goes and the month check.

#include "returns/f941_early/EarlyForm941Screen.h"

#include "common/BalanceRule.h"

// Line 12 on frmDet941; line 10 on the twin, which has no credit line.
const forms::CurrencyField& EarlyForm941Screen::TotalTax() const {
    return design_.showsCreditAndTotalTax ? fpLine11and12a : fpLine11;
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

void EarlyForm941Screen::Month3_Enter() {
    monthlyCheck_.OnEnter([this] { return CompareMonthsWithTax(); });
}

std::optional<std::string> EarlyForm941Screen::CompareMonthsWithTax() {
    return MonthsAgainstTax(fpLine17D.Value(), TotalTax().Value(), design_.monthsShortMessage, fpLine11.Value());
}
