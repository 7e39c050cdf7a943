#include "platform/forms/CurrencyField.h"

#include "platform/basic/NumberToText.h"
#include "platform/basic/RuntimeError.h"
#include "platform/basic/TextToNumber.h"
#include "platform/basic/Utf8.h"
#include "platform/forms/CopiedText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace forms {
namespace {

// The text without what an amount's display adds ("$", ",", blanks).
std::string Bare(const std::string& text) {
    std::string bare;
    for (char c : text) {
        if (c != '$' && c != ',' && c != ' ') bare += c;
    }
    return bare;
}

bool IsDigit(char32_t c) { return c >= '0' && c <= '9'; }

// What an amount's display adds, dropped from a pasted amount.
bool IsAmountDecoration(char32_t c) { return c == '$' || c == ',' || c == ' '; }

// Digits with a leading minus where allowed and at most one point followed
// by at most `decimals` digits (a number being typed: "", "-", "12." fit).
bool IsNumberShape(const std::u32string& text, bool negative, int decimals) {
    std::size_t i = 0;
    if (negative && !text.empty() && text[0] == '-') ++i;
    bool point = false;
    int after = 0;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            if (point && ++after > decimals) return false;
        } else if (text[i] == '.' && !point && decimals > 0) {
            point = true;
        } else {
            return false;
        }
    }
    return true;
}

std::string Grouped(const std::string& digits) {
    std::string out;
    int count = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (count > 0 && count % 3 == 0) out.insert(out.begin(), ',');
        out.insert(out.begin(), *it);
        ++count;
    }
    return out;
}

} // namespace

std::string AmountText(double amount) { return basic::NumberText(amount); }

double AmountOf(const std::string& text) { return basic::PlainNumber(Bare(text)); }

CurrencyField::CurrencyField(Form& owner, std::string name, int index) : TextField(owner, std::move(name), index) {}

double CurrencyField::Value() const { return AmountOf(Text()); }

void CurrencyField::SetValue(double amount) { SetText(AmountText(amount)); }

void CurrencyField::SetAllowNegative(bool allow) {
    allowNegative_ = allow;
    if (allow && min_ >= 0) min_ = -max_;
    if (!allow && min_ < 0) min_ = 0;
}

void CurrencyField::SetRange(double min, double max) {
    min_ = min;
    max_ = max;
}

bool CurrencyField::TakesCharacter(char32_t c) const { return IsDigit(c) || c == '.' || (c == '-' && allowNegative_); }

bool CurrencyField::DropsFromPaste(char32_t c) const { return IsAmountDecoration(c); }

std::optional<std::u32string> CurrencyField::PastedContent(std::u32string pasted) const { return PastedFigure(pasted); }

bool CurrencyField::Holds(const std::u32string& text) const {
    if (!IsNumberShape(text, allowNegative_, 2)) return false;
    const double value = AmountOf(basic::Utf8Of(text));
    return value <= max_ && value >= min_;
}

void CurrencyField::FocusArrived() {
    // The amount turns into its plain number before the caret lands on it.
    Changed("Text");
    TextField::FocusArrived();
}

void CurrencyField::FocusLeft() { Changed("Text"); }

int CurrencyField::CaretAtShown(int shown) const {
    if (HasFocus()) return TextField::CaretAtShown(shown);
    // A click into the amount as shown ("$1,501.00") lands between the same
    // characters of the plain number ("1501"): "$" and "," do not count.
    const std::u32string display = basic::CodePointsOf(DisplayText());
    int caret = 0;
    for (int i = 0; i < shown && i < static_cast<int>(display.size()); ++i) {
        if (!IsAmountDecoration(display[static_cast<std::size_t>(i)])) ++caret;
    }
    return TextField::CaretAtShown(caret);
}

std::string CurrencyField::DisplayText() const {
    if (Text().empty() || HasFocus()) return Text();
    double value = Value();
    // An amount past a double's range (written by code, or stored) shows as written.
    if (!std::isfinite(value)) return Text();
    char buffer[64];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed, 2);
    if (error != std::errc()) return Text();
    std::string fixed(buffer, end);
    auto point = fixed.find('.');
    std::string shown = "$" + Grouped(fixed.substr(0, point)) + fixed.substr(point);
    bool negative = value < 0 && shown != "$0.00";
    return negative ? "-" + shown : shown;
}

data::Value CurrencyField::BoundValue() const {
    if (Text().empty()) return data::Null{};
    return Value();
}

LongIntegerField::LongIntegerField(Form& owner, std::string name, int index)
    : TextField(owner, std::move(name), index) {}

long long LongIntegerField::Value() const {
    std::string bare = Bare(Text());
    long long value = 0;
    auto [end, error] = std::from_chars(bare.data(), bare.data() + bare.size(), value);
    if (error == std::errc() && end == bare.data() + bare.size()) return value;
    // Any other number ("12.7", a stored 1E+20) rounds to a whole one; past a
    // long long it has none, which no caller may take for 0 or for whatever
    // llround makes of it.
    const double amount = AmountOf(Text());
    constexpr double kPastLongLong = 0x1p63;
    if (!(amount >= -kPastLongLong && amount < kPastLongLong)) basic::Raise(basic::errOverflow, Name());
    return std::llround(amount);
}

void LongIntegerField::SetValue(long long value) { SetText(std::to_string(value)); }

void LongIntegerField::SetRange(long long min, long long max) {
    min_ = min;
    max_ = max;
}

bool LongIntegerField::TakesCharacter(char32_t c) const { return IsDigit(c) || (c == '-' && allowNegative_); }

bool LongIntegerField::DropsFromPaste(char32_t c) const { return IsAmountDecoration(c); }

std::optional<std::u32string> LongIntegerField::PastedContent(std::u32string pasted) const {
    return PastedFigure(pasted);
}

bool LongIntegerField::Holds(const std::u32string& text) const {
    if (!IsNumberShape(text, allowNegative_, 0)) return false;
    const std::string typed = basic::Utf8Of(text);
    if (typed.empty() || typed == "-") return true;
    long long value = 0;
    auto [end, error] = std::from_chars(typed.data(), typed.data() + typed.size(), value);
    (void)end;
    long long lowest = allowNegative_ ? std::min(min_, -max_) : std::max(min_, 0LL);
    return error == std::errc() && value <= max_ && value >= lowest;
}

data::Value LongIntegerField::BoundValue() const {
    if (Text().empty()) return data::Null{};
    return static_cast<std::int64_t>(Value());
}

} // namespace forms
