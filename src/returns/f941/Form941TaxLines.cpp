#include "returns/f941/Form941TaxLines.h"

#include "common/LineArithmetic.h"
#include "common/ReturnScreen.h"
#include "platform/basic/Round.h"
#include "platform/forms/CurrencyField.h"

namespace {

constexpr const char* kShortOfLine12 = "Oops. Line 16, column D is supposed to equal Line 12. Please review.";
constexpr const char* kAboveLine10 = "Oops. Line 17, column D is supposed to equal Line 10. Please review.";

} // namespace

// --- lines 2 to 10 ---

LineRecompute Form941TaxLines::Wages5a() const { return FilledFrom(f_.fpLine2); }
LineRecompute Form941TaxLines::Tax5a() const { return TaxAt(f_.fpLine6A, rate::SocialSecurity); }
LineRecompute Form941TaxLines::Tax5ai() const { return TaxAt(f_.fpL5a1c1, rate::QualifiedLeave); }
LineRecompute Form941TaxLines::Tax5aii() const { return TaxAt(f_.fpL5a2c1, rate::QualifiedLeave); }
LineRecompute Form941TaxLines::Tax5b() const { return TaxAt(f_.fpLine6c, rate::SocialSecurity); }
LineRecompute Form941TaxLines::Wages5c() const { return Wages5a(); }
LineRecompute Form941TaxLines::Tax5c() const { return TaxAt(f_.fpLine7A, rate::Medicare); }
LineRecompute Form941TaxLines::Tax5d() const { return TaxAt(f_.fpLine5d1, rate::AdditionalMedicare); }

LineRecompute Form941TaxLines::Line5e() const {
    const Form941TaxLineFields f = f_;
    return Computed({&f.fpLine6B, &f.fpL5a1c2, &f.fpL5a2c2, &f.fpLine6D, &f.fpLine7B, &f.fpLine5D2}, [f] {
        return SumOf({&f.fpLine6B, &f.fpL5a1c2, &f.fpL5a2c2, &f.fpLine6D, &f.fpLine7B, &f.fpLine5D2});
    });
}

LineRecompute Form941TaxLines::Line6() const {
    const Form941TaxLineFields f = f_;
    return Computed({&f.fpLine3, &f.fpLine8, &f.fpLine5f},
                    [f] { return basic::Round(SumOf({&f.fpLine3, &f.fpLine8, &f.fpLine5f}), 2); });
}

LineRecompute Form941TaxLines::Adjustments() const {
    const Form941TaxLineFields f = f_;
    return Computed({&f.fpLine9B, &f.fpLine9A, &f.fpLine9C},
                    [f] { return SumOf({&f.fpLine9B, &f.fpLine9A, &f.fpLine9C}); });
}

LineRecompute Form941TaxLines::Line10() const {
    const Form941TaxLineFields f = f_;
    return Computed({&f.fpLine5, &f.fpLine10}, [f] { return SumOf({&f.fpLine5, &f.fpLine10}); });
}

LineRecompute Form941TaxLines::Line5fToCents(ReturnScreen& screen) const {
    forms::CurrencyField& line5f = f_.fpLine5f;
    std::function<void()> toCents = [&line5f, &screen] {
        if (!screen.ChangePending()) return;
        WriteAmount(line5f, basic::Round(line5f.Value(), 2));
        screen.RecomputeLines();
    };
    return {toCents, toCents};
}

// --- line 16 ---

LineRecompute Form941Months::QuarterTotal() const {
    const Form941MonthFields f = f_;
    return Computed({&f.fpLine17A, &f.fpLine17B, &f.fpLine17C},
                    [f] { return SumOf({&f.fpLine17A, &f.fpLine17B, &f.fpLine17C}); });
}

LineRecompute Form941Months::Month3Check() {
    return {[this] { check_.OnEnter([this] { return CompareMonthsWithTax(); }); },
            [this] { check_.OnLeave([this] { return CompareMonthsWithTax(); }); }};
}

void Form941Months::CheckAtSave() {
    forms::CurrencyField* const months[] = {&f_.fpLine17A, &f_.fpLine17B, &f_.fpLine17C};
    check_.AtSave(months, [this] { return CompareMonthsWithTax(); });
}

// The months' total may not fall short of line 12 nor exceed line 10.
std::optional<std::string> Form941Months::CompareMonthsWithTax() const {
    const double total = f_.fpLine17D.Value();
    if (MonthlyTotalCheck::ExceedsBeyondTolerance(f_.fpLine12.Value(), total)) return std::string(kShortOfLine12);
    if (MonthlyTotalCheck::ExceedsBeyondTolerance(total, f_.fpLine11.Value())) return std::string(kAboveLine10);
    return std::nullopt;
}
