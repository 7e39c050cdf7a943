#pragma once
#include <optional>
#include <string>

// Decides between a balance due and an overpayment: the total tax and the
// payments are each rounded to cents (half to even) and compared.
struct BalanceOutcome {
    double balanceDue = 0;
    double overpayment = 0;
    // "Y" or "N"; empty when the comparison had no result and the screen's
    // OverpaidFlag keeps its value.
    std::optional<std::string> overpaidFlag;
    // False when either amount had no value.
    bool compared = false;
};

// `tax` and `payments` hold no value when their field holds none.
BalanceOutcome ApplyBalanceRule(std::optional<double> tax, std::optional<double> payments);
