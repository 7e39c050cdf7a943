#pragma once
// Lines 2 to 10 and the monthly liability of line 16, as every Form 941
// screen computes them (the live screen, the 2020 revision's and the earlier
// ones): the same fields, the same rates and the same check of the months
// against the total tax and line 10. Each screen's line table names which
// field runs which of these.
#include "common/MonthlyTotalCheck.h"
#include "common/ReturnLine.h"

#include <optional>
#include <string>

#include "platform/forms/CurrencyField.h"

class ReturnScreen;

struct Form941TaxLineFields {
    forms::CurrencyField& fpLine2;   // 2 wages, tips and other compensation
    forms::CurrencyField& fpLine3;   // 3 federal income tax withheld
    forms::CurrencyField& fpLine6A;  // 5a wages
    forms::CurrencyField& fpLine6B;  // 5a tax
    forms::CurrencyField& fpLine6c;  // 5b tips
    forms::CurrencyField& fpLine6D;  // 5b tax
    forms::CurrencyField& fpLine7A;  // 5c wages and tips
    forms::CurrencyField& fpLine7B;  // 5c tax
    forms::CurrencyField& fpLine5d1; // 5d wages and tips
    forms::CurrencyField& fpLine5D2; // 5d tax
    forms::CurrencyField& fpLine8;   // 5e
    forms::CurrencyField& fpLine5f;  // 5f
    forms::CurrencyField& fpLine5;   // 6
    forms::CurrencyField& fpLine9B;  // 7
    forms::CurrencyField& fpLine9A;  // 8
    forms::CurrencyField& fpLine9C;  // 9
    forms::CurrencyField& fpLine10;  // the hidden total of 7 to 9
    forms::CurrencyField& fpLine11;  // 10
    // The qualified leave wages and their taxes, 5a(i) and 5a(ii); the
    // revisions before 2020 have none.
    forms::CurrencyField* fpL5a1c1 = nullptr;
    forms::CurrencyField* fpL5a1c2 = nullptr;
    forms::CurrencyField* fpL5a2c1 = nullptr;
    forms::CurrencyField* fpL5a2c2 = nullptr;
};

// The formulas of the computed lines 5a to 10, each for its row of the line
// table: line 2 fills the 5a and 5c wages when it changes, unless the user
// set them apart (they hold neither what line 2 held nor 0); each tax is its amount at the line's rate,
// rounded to cents; 5e sums the taxes; line 6 = 3 + 5e + 5f in cents; the
// hidden total holds lines 7 to 9; line 10 = line 6 + that total.
class Form941TaxLines {
public:
    explicit Form941TaxLines(const Form941TaxLineFields& fields) : f_(fields) {}

    LineRecompute Wages5a() const;
    LineRecompute Tax5a() const;
    LineRecompute Tax5ai() const;
    LineRecompute Tax5aii() const;
    LineRecompute Tax5b() const;
    LineRecompute Wages5c() const;
    LineRecompute Tax5c() const;
    LineRecompute Tax5d() const;
    LineRecompute Line5e() const;
    LineRecompute Line6() const;
    LineRecompute Adjustments() const;
    LineRecompute Line10() const;
    // While a change is pending, line 5f is brought to cents when it is
    // entered or left, and the screen carries the rounded amount on.
    LineRecompute Line5fToCents(ReturnScreen& screen) const;

private:
    Form941TaxLineFields f_;
};

// What the month check says: the months' total short of line 12, the total
// tax; above line 10 (and short of it on the earlier twin, whose total tax is
// line 10).
inline constexpr const char* kMonthsNotLine12 = "Oops. Line 16, column D is supposed to equal Line 12. Please review.";
inline constexpr const char* kMonthsNotLine10 = "Oops. Line 17, column D is supposed to equal Line 10. Please review.";

// The months' total may not fall short of the total tax (saying
// `shortOfTax`) nor exceed line 10.
std::optional<std::string> MonthsAgainstTax(double monthsTotal, double totalTax, const char* shortOfTax, double line10);

struct Form941MonthFields {
    forms::CurrencyField& fpLine17A; // month 1
    forms::CurrencyField& fpLine17B; // month 2
    forms::CurrencyField& fpLine17C; // month 3
    forms::CurrencyField& fpLine17D; // the quarter's total
    forms::CurrencyField& fpLine12;  // 12, which the total may not fall short of
    forms::CurrencyField& fpLine11;  // 10, which the total may not exceed
    forms::Control& Check6;          // the monthly depositor's box, where a passed check goes on
};

class Form941Months {
public:
    Form941Months(const Form941MonthFields& fields)
        : f_(fields), check_(fields.fpLine17A, fields.Check6) {}

    // The quarter's total: the three months.
    LineRecompute QuarterTotal() const;
    // Month 3 entered or left: the check of the total against the tax.
    LineRecompute Month3Check();
    // Save, or a close that stores: the check once more, which only informs.
    void CheckAtSave();

private:
    std::optional<std::string> CompareMonthsWithTax() const;

    Form941MonthFields f_;
    MonthlyTotalCheck check_;
};
