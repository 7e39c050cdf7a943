#pragma once
// The arithmetic every return screen's lines share: the social security and
// Medicare rates, a tax product rounded to cents, writing an amount into a
// line field, and a line taxed at a rate.
#include <initializer_list>

class LineAmtSlots;
namespace forms {
class CurrencyField;
}

namespace rate {
inline constexpr double SocialSecurity = 0.124; // wages and tips, employer and employee
inline constexpr double QualifiedLeave = 0.062; // sick and family leave wages
inline constexpr double Medicare = 0.029;
inline constexpr double AdditionalMedicare = 0.009;
} // namespace rate

// A tax product, rounded to cents at once (half to even).
double Tax(double amount, double rate);
// Writes a computed amount into a line field as plain number text.
void WriteAmount(forms::CurrencyField& field, double amount);
// The sum of the fields' amounts; an empty field counts as 0.
double SumOf(std::initializer_list<const forms::CurrencyField*> fields);

// A line taxed at a rate (5a to 5d of Form 941, 4a to 4d of Form 944): its
// amount of wages or tips and its tax, each with the LineAmt slot and the
// field that hold it.
struct TaxedLine {
    int amountSlot;
    forms::CurrencyField& amountField;
    double rate;
    int taxSlot;
    forms::CurrencyField& taxField;
};
// The tax of the amount in the line's slot, into the tax's slot and field.
void WriteTax(LineAmtSlots& lineAmt, const TaxedLine& line);
// The amount as its field holds it into its slot, then the tax.
void RecomputeTaxedLine(LineAmtSlots& lineAmt, const TaxedLine& line);
// An amount given the line (line 2's wages, say) into its slot and field,
// then the tax.
void WriteTaxedLine(LineAmtSlots& lineAmt, const TaxedLine& line, double amount);
