#pragma once
// The arithmetic every return screen's lines share: the social security and
// Medicare rates, an amount or a tax product rounded to cents, writing an
// amount into a line field, and the formulas most computed lines are made of.
#include "common/ReturnLine.h"

#include <span>
#include <vector>

namespace forms {
class CurrencyField;
}

namespace rate {
inline constexpr double SocialSecurity = 0.124; // wages and tips, employer and employee
inline constexpr double QualifiedLeave = 0.062; // sick and family leave wages
inline constexpr double Medicare = 0.029;
inline constexpr double AdditionalMedicare = 0.009;
} // namespace rate

// An amount rounded to cents (half to even).
double Cents(double amount);
// A tax product, rounded to cents at once.
double Tax(double amount, double rate);
// Writes a computed amount into a line field as plain number text.
void WriteAmount(forms::CurrencyField& field, double amount);
// The amounts added in their order, not rounded.
double Total(std::span<const double> amounts);

// The formulas of computed lines (a row's `recompute`), each over the fields
// it names:
// the tax of an amount at a rate, rounded to cents;
LineRecompute TaxAt(const forms::CurrencyField& amount, double rate);
// the sum of lines, added in their order, not rounded;
LineRecompute TotalOf(std::vector<const forms::CurrencyField*> lines);
// one line less another;
LineRecompute DifferenceOf(const forms::CurrencyField& line, const forms::CurrencyField& less);
// another line's amount, taken when that line changes (line 2 filling the
// taxable wages) while the field still holds what that line held, or nothing.
LineRecompute FilledFrom(const forms::CurrencyField& line);
