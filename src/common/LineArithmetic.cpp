#include "common/LineArithmetic.h"

#include "platform/basic/NumberToText.h"
#include "platform/basic/Round.h"
#include "platform/forms/CurrencyField.h"

#include <numeric>

double Cents(double amount) { return basic::Round(amount, 2); }

double Tax(double amount, double rate) { return Cents(amount * rate); }

void WriteAmount(forms::CurrencyField& field, double amount) { field.SetText(basic::NumberText(amount)); }

double Total(std::span<const double> amounts) { return std::accumulate(amounts.begin(), amounts.end(), 0.0); }

LineRecompute TaxAt(const forms::CurrencyField& amount, double rate) {
    // The rate is part of the formula, not a field: the one formula here that
    // keeps a value, and it reads its amount only through its input.
    return {{}, {}, LineFormula{{&amount}, [rate](std::span<const double> amounts) { return Tax(amounts[0], rate); }}};
}

LineRecompute TotalOf(std::vector<const forms::CurrencyField*> lines) { return Computed(std::move(lines), Total); }

LineRecompute DifferenceOf(const forms::CurrencyField& line, const forms::CurrencyField& less) {
    return Computed({&line, &less}, [](std::span<const double> amounts) { return amounts[0] - amounts[1]; });
}

LineRecompute FilledFrom(const forms::CurrencyField& line) {
    return SeededBy(line, [](std::span<const double> amounts) { return amounts[0]; });
}
