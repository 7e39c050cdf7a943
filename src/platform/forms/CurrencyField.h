#pragma once
#include "platform/forms/TextField.h"

namespace forms {

// An amount field. Its Text is the plain number text code wrote or the user
// typed ("62.5", "-0.03", "" when empty); typing takes only digits, one
// point, at most two decimals, and a leading minus where negatives are
// allowed, and refuses a key that would leave the amount outside Min..Max.
// A paste must give such an amount as a whole, read as copied (PastedFigure;
// "$" and grouping commas dropped), or nothing is pasted. Code may write
// anything. It shows the text as an amount ("$1,234.50"), and while it has
// the focus as the plain number the caret moves over.
class CurrencyField : public TextField {
public:
    CurrencyField(Form& owner, std::string name, int index = -1);
    std::string Kind() const override { return "CurrencyField"; }

    // The amount; "" (or text that is no number) reads as 0, a number past a
    // double's range as infinity.
    double Value() const;
    void SetValue(double amount); // writes the plain number text

    bool AllowNegative() const { return allowNegative_; }
    void SetAllowNegative(bool allow);
    double Min() const { return min_; }
    double Max() const { return max_; }
    void SetRange(double min, double max);

    std::string DisplayText() const override;
    int CaretAtShown(int shown) const override;
    data::Value BoundValue() const override;
    void FocusArrived() override;
    void FocusLeft() override;

protected:
    bool TakesCharacter(char32_t c) const override;
    bool Holds(const std::u32string& text) const override;
    bool DropsFromPaste(char32_t c) const override;
    std::optional<std::u32string> PastedContent(std::u32string pasted) const override;

private:
    bool allowNegative_ = false;
    double min_ = 0;
    double max_ = 9000000000.0;
};

// A whole-number field: digits and, where allowed, a leading minus; a paste
// is read as an amount field's is.
class LongIntegerField : public TextField {
public:
    LongIntegerField(Form& owner, std::string name, int index = -1);
    std::string Kind() const override { return "LongIntegerField"; }

    // "" reads as 0, a number that is not whole rounds; one past a long
    // long's range raises 6 "Overflow".
    long long Value() const;
    void SetValue(long long value);

    bool AllowNegative() const { return allowNegative_; }
    void SetAllowNegative(bool allow) { allowNegative_ = allow; }
    long long Min() const { return min_; }
    long long Max() const { return max_; }
    void SetRange(long long min, long long max);

    data::Value BoundValue() const override;

protected:
    bool TakesCharacter(char32_t c) const override;
    bool Holds(const std::u32string& text) const override;
    bool DropsFromPaste(char32_t c) const override;
    std::optional<std::u32string> PastedContent(std::u32string pasted) const override;

private:
    bool allowNegative_ = false;
    long long min_ = 0;
    long long max_ = 2147483647LL;
};

// The plain number text of an amount: 62.5 -> "62.5", 124 -> "124".
std::string AmountText(double amount);
// Reads plain number text; "" and text that is no number give 0, a number
// past a double's range infinity with its sign (basic::PlainNumber).
double AmountOf(const std::string& text);

} // namespace forms
