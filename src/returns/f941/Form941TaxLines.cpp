#include "returns/f941/Form941TaxLines.h"

#include "common/LineArithmetic.h"
#include "platform/basic/Round.h"
#include "platform/forms/CurrencyField.h"
#include "returns/f941/Form941Slots.h"

using namespace slot941;

namespace {

constexpr const char* kShortOfLine12 = "Oops. Line 16, column D is supposed to equal Line 12. Please review.";
constexpr const char* kAboveLine10 = "Oops. Line 17, column D is supposed to equal Line 10. Please review.";

TaxedLine Line5a(const Form941TaxLineFields& f) {
    return {Wages5a, f.fpLine6A, rate::SocialSecurity, Tax5a, f.fpLine6B};
}
TaxedLine Line5b(const Form941TaxLineFields& f) {
    return {Tips5b, f.fpLine6c, rate::SocialSecurity, Tax5b, f.fpLine6D};
}
TaxedLine Line5c(const Form941TaxLineFields& f) { return {Wages5c, f.fpLine7A, rate::Medicare, Tax5c, f.fpLine7B}; }
TaxedLine Line5d(const Form941TaxLineFields& f) {
    return {Wages5d, f.fpLine5d1, rate::AdditionalMedicare, Tax5d, f.fpLine5D2};
}

} // namespace

// --- lines 2 to 10 ---

double Form941TaxLines::Sum5e() const {
    return lineAmt_[Tax5a] + lineAmt_[Tax5ai] + lineAmt_[Tax5aii] + lineAmt_[Tax5b] + lineAmt_[Tax5c] + lineAmt_[Tax5d];
}

// Line 6 = line 3 + 5e + 5f, whichever of them was left.
void Form941TaxLines::WriteLine6() {
    WriteAmount(f_.fpLine5, basic::Round(lineAmt_[Line3] + lineAmt_[Total5e] + f_.fpLine5f.Value(), 2));
}

void Form941TaxLines::Line2_Recompute() {
    const double line2 = f_.fpLine2.Value();
    // Taxable wages the user set apart from line 2 stay as they are when
    // line 2 is only passed through.
    const bool changed = !lineAmt_.IsSet(Line2) || lineAmt_[Line2] != line2;
    lineAmt_.Set(Line2, line2);
    if (changed) {
        lineAmt_.Set(Wages5a, line2);
        WriteAmount(f_.fpLine6A, line2);
        lineAmt_.Set(Wages5c, line2);
        WriteAmount(f_.fpLine7A, line2);
    }
    WriteTax(lineAmt_, Line5a(f_));
    WriteTax(lineAmt_, Line5c(f_));
}

void Form941TaxLines::Line3_Recompute() {
    lineAmt_.Set(Line3, f_.fpLine3.Value());
    WriteLine6();
}

void Form941TaxLines::Line5a_Recompute() {
    RecomputeTaxedLine(lineAmt_, Line5a(f_));
    lineAmt_.Set(Total5e, Sum5e());
}

void Form941TaxLines::Line5ai_Recompute() {
    WriteAmount(f_.fpL5a1c2, Tax(f_.fpL5a1c1.Value(), rate::QualifiedLeave));
    lineAmt_.Set(Tax5ai, f_.fpL5a1c2.Value());
    lineAmt_.Set(Tax5aii, f_.fpL5a2c2.Value());
    lineAmt_.Set(Total5e, Sum5e());
}

void Form941TaxLines::Line5aii_Recompute() {
    WriteAmount(f_.fpL5a2c2, Tax(f_.fpL5a2c1.Value(), rate::QualifiedLeave));
    lineAmt_.Set(Tax5aii, f_.fpL5a2c2.Value());
    lineAmt_.Set(Total5e, Sum5e());
}

void Form941TaxLines::Line5b_Recompute() { RecomputeTaxedLine(lineAmt_, Line5b(f_)); }

void Form941TaxLines::Line5c_Recompute() { RecomputeTaxedLine(lineAmt_, Line5c(f_)); }

void Form941TaxLines::Line5d_Recompute() {
    RecomputeTaxedLine(lineAmt_, Line5d(f_));
    lineAmt_.Set(Total5e, Sum5e());
    WriteAmount(f_.fpLine8, lineAmt_[Total5e]);
    WriteLine6();
}

void Form941TaxLines::Line5f_Recompute() {
    WriteAmount(f_.fpLine5f, basic::Round(f_.fpLine5f.Value(), 2));
    WriteLine6();
}

// Each adjustment counts once, however often its field is passed.
void Form941TaxLines::Line7_Recompute() {
    lineAmt_.Set(Adjustments, SumOf({&f_.fpLine9B, &f_.fpLine9A, &f_.fpLine9C}));
    ShowAdjustmentsTotal();
}

void Form941TaxLines::Line10_Recompute() {
    Line7_Recompute();
    lineAmt_.Set(Line10, f_.fpLine5.Value() + lineAmt_[Adjustments]);
    WriteAmount(f_.fpLine11, lineAmt_[Line10]);
}

void Form941TaxLines::ShowAdjustmentsTotal() { WriteAmount(f_.fpLine10, lineAmt_[Adjustments]); }

// --- line 16 ---

LineRecompute Form941Months::OfMonth(int month) {
    if (month == 3) return LineRecompute{[this] { Month3_Enter(); }, [this] { Month3_Leave(); }};
    std::function<void()> run = [this, month] { Month_Recompute(month); };
    return LineRecompute{run, run};
}

void Form941Months::Month_Recompute(int month) {
    const forms::CurrencyField* months[] = {&f_.fpLine17A, &f_.fpLine17B, &f_.fpLine17C};
    lineAmt_.Set(Month1 + month - 1, months[month - 1]->Value());
    lineAmt_.Set(QuarterTotal, lineAmt_[Month1] + lineAmt_[Month2] + lineAmt_[Month3]);
    WriteAmount(f_.fpLine17D, lineAmt_[QuarterTotal]);
}

void Form941Months::Month3_Enter() {
    Month_Recompute(3);
    check_.OnEnter([this] { return CompareMonthsWithTax(); });
}

void Form941Months::Month3_Leave() {
    Month_Recompute(3);
    check_.OnLeave([this] { return CompareMonthsWithTax(); });
}

// The months' total may not fall short of line 12 nor exceed line 10.
std::optional<std::string> Form941Months::CompareMonthsWithTax() const {
    const double total = f_.fpLine17D.Value();
    if (MonthlyTotalCheck::ExceedsBeyondTolerance(f_.fpLine12.Value(), total)) return std::string(kShortOfLine12);
    if (MonthlyTotalCheck::ExceedsBeyondTolerance(total, f_.fpLine11.Value())) return std::string(kAboveLine10);
    return std::nullopt;
}
