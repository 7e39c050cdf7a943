#include "common/BalanceRule.h"

#include "platform/basic/Round.h"

BalanceOutcome ApplyBalanceRule(std::optional<double> tax, std::optional<double> payments) {
    BalanceOutcome outcome;
    if (!tax || !payments) return outcome;
    double roundedTax = basic::Round(*tax, 2);
    double roundedPayments = basic::Round(*payments, 2);
    outcome.compared = true;
    outcome.overpaidFlag = "N";
    if (roundedTax > roundedPayments) {
        outcome.balanceDue = roundedTax - roundedPayments;
    } else if (roundedTax < roundedPayments) {
        outcome.overpayment = roundedPayments - roundedTax;
        outcome.overpaidFlag = "Y";
    }
    return outcome;
}
