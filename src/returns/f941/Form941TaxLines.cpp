#include "returns/f941/Form941TaxLines.h"

#include "common/LineArithmetic.h"
#include "common/ReturnScreen.h"
#include "platform/forms/CurrencyField.h"

#include <span>
#include <vector>

// --- lines 2 to 10 ---

LineRecompute Form941TaxLines::Wages5a() const { return FilledFrom(f_.fpLine2); }
LineRecompute Form941TaxLines::Tax5a() const { return TaxAt(f_.fpLine6A, rate::SocialSecurity); }
LineRecompute Form941TaxLines::Tax5ai() const { return TaxAt(*f_.fpL5a1c1, rate::QualifiedLeave); }
LineRecompute Form941TaxLines::Tax5aii() const { return TaxAt(*f_.fpL5a2c1, rate::QualifiedLeave); }
LineRecompute Form941TaxLines::Tax5b() const { return TaxAt(f_.fpLine6c, rate::SocialSecurity); }
LineRecompute Form941TaxLines::Wages5c() const { return Wages5a(); }
LineRecompute Form941TaxLines::Tax5c() const { return TaxAt(f_.fpLine7A, rate::Medicare); }
LineRecompute Form941TaxLines::Tax5d() const { return TaxAt(f_.fpLine5d1, rate::AdditionalMedicare); }

LineRecompute Form941TaxLines::Line5e() const {
    std::vector<const forms::CurrencyField*> taxes = {&f_.fpLine6B, f_.fpL5a1c2,  f_.fpL5a2c2,
                                                      &f_.fpLine6D, &f_.fpLine7B, &f_.fpLine5D2};
    std::erase(taxes, nullptr);
    return TotalOf(std::move(taxes));
}

LineRecompute Form941TaxLines::Line6() const {
    return Computed({&f_.fpLine3, &f_.fpLine8, &f_.fpLine5f},
                    [](std::span<const double> amounts) { return Cents(Total(amounts)); });
}

LineRecompute Form941TaxLines::Adjustments() const { return TotalOf({&f_.fpLine9B, &f_.fpLine9A, &f_.fpLine9C}); }

LineRecompute Form941TaxLines::Line10() const { return TotalOf({&f_.fpLine5, &f_.fpLine10}); }

LineRecompute Form941TaxLines::Line5fToCents(ReturnScreen& screen) const {
    forms::CurrencyField& line5f = f_.fpLine5f;
    std::function<void()> toCents = [&line5f, &screen] {
        const double cents = Cents(line5f.Value());
        if (!screen.ChangePending() || cents == line5f.Value()) return;
        WriteAmount(line5f, cents);
        screen.RecomputeLines();
    };
    return {toCents, toCents};
}

// --- line 16 ---

std::optional<std::string> MonthsAgainstTax(double monthsTotal, double totalTax, const char* shortOfTax,
                                            double line10) {
    if (MonthlyTotalCheck::ExceedsBeyondTolerance(totalTax, monthsTotal)) return std::string(shortOfTax);
    if (MonthlyTotalCheck::ExceedsBeyondTolerance(monthsTotal, line10)) return std::string(kMonthsNotLine10);
    return std::nullopt;
}

LineRecompute Form941Months::QuarterTotal() const { return TotalOf({&f_.fpLine17A, &f_.fpLine17B, &f_.fpLine17C}); }

LineRecompute Form941Months::Month3Check() {
    return {[this] { check_.OnEnter([this] { return CompareMonthsWithTax(); }); },
            [this] { check_.OnLeave([this] { return CompareMonthsWithTax(); }); }};
}

void Form941Months::CheckAtSave() {
    forms::CurrencyField* const months[] = {&f_.fpLine17A, &f_.fpLine17B, &f_.fpLine17C};
    check_.AtSave(months, [this] { return CompareMonthsWithTax(); });
}

// Line 12 is the total tax.
std::optional<std::string> Form941Months::CompareMonthsWithTax() const {
    return MonthsAgainstTax(f_.fpLine17D.Value(), f_.fpLine12.Value(), kMonthsNotLine12, f_.fpLine11.Value());
}
