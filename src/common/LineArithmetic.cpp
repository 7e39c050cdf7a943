#include "common/LineArithmetic.h"

#include "common/LineAmt.h"
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

void WriteTax(LineAmtSlots& lineAmt, const TaxedLine& line) {
    lineAmt.Set(line.taxSlot, Tax(lineAmt[line.amountSlot], line.rate));
    WriteAmount(line.taxField, lineAmt[line.taxSlot]);
}

void RecomputeTaxedLine(LineAmtSlots& lineAmt, const TaxedLine& line) {
    lineAmt.Set(line.amountSlot, line.amountField.Value());
    WriteTax(lineAmt, line);
}

void WriteTaxedLine(LineAmtSlots& lineAmt, const TaxedLine& line, double amount) {
    lineAmt.Set(line.amountSlot, amount);
    WriteAmount(line.amountField, lineAmt[line.amountSlot]);
    WriteTax(lineAmt, line);
}
