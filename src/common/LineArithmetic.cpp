#include "common/LineArithmetic.h"

#include "platform/basic/NumberToText.h"
#include "platform/basic/Round.h"
#include "platform/forms/CurrencyField.h"

double Tax(double amount, double rate) { return basic::Round(amount * rate, 2); }

void WriteAmount(forms::CurrencyField& field, double amount) { field.SetText(basic::NumberText(amount)); }

double SumOf(std::initializer_list<const forms::CurrencyField*> fields) {
    double sum = 0;
    for (const forms::CurrencyField* field : fields) sum += field->Value();
    return sum;
}

LineRecompute TaxAt(const forms::CurrencyField& amount, double rate) {
    return Computed({&amount}, [&amount, rate] { return Tax(amount.Value(), rate); });
}

LineRecompute TotalOf(std::vector<const forms::CurrencyField*> lines) {
    return Computed(lines, [lines] {
        double total = 0;
        for (const forms::CurrencyField* line : lines) total += line->Value();
        return total;
    });
}

LineRecompute FilledFrom(const forms::CurrencyField& line) {
    return SeededBy(line, [&line] { return line.Value(); });
}
