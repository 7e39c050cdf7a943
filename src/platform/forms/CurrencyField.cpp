#include "platform/forms/CurrencyField.h"

#include "platform/basic/NumberToText.h"

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

int DecimalsOf(const std::string& text) {
    auto point = text.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
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

double AmountOf(const std::string& text) {
    std::string bare = Bare(text);
    double value = 0;
    auto [end, error] = std::from_chars(bare.data(), bare.data() + bare.size(), value);
    (void)end;
    return error == std::errc() ? value : 0.0;
}

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

std::optional<std::string> CurrencyField::AfterTyping(const std::string& current, char c) const {
    if (c == '-') {
        if (!allowNegative_ || !current.empty()) return std::nullopt;
        return std::string("-");
    }
    if (c == '.') {
        if (current.find('.') != std::string::npos) return std::nullopt;
        return current + c;
    }
    if (std::isdigit(static_cast<unsigned char>(c)) == 0) return std::nullopt;
    std::string typed = current + c;
    if (DecimalsOf(typed) > 2) return std::nullopt;
    double value = AmountOf(typed);
    if (value > max_ || value < min_) return std::nullopt;
    return typed;
}

std::string CurrencyField::DisplayText() const {
    if (Text().empty()) return "";
    double value = Value();
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
    (void)end;
    if (error == std::errc()) return value;
    return static_cast<long long>(std::llround(AmountOf(Text())));
}

void LongIntegerField::SetValue(long long value) { SetText(std::to_string(value)); }

void LongIntegerField::SetRange(long long min, long long max) {
    min_ = min;
    max_ = max;
}

std::optional<std::string> LongIntegerField::AfterTyping(const std::string& current, char c) const {
    if (c == '-') {
        if (!allowNegative_ || !current.empty()) return std::nullopt;
        return std::string("-");
    }
    if (std::isdigit(static_cast<unsigned char>(c)) == 0) return std::nullopt;
    std::string typed = current + c;
    long long value = 0;
    auto [end, error] = std::from_chars(typed.data(), typed.data() + typed.size(), value);
    (void)end;
    long long lowest = allowNegative_ ? std::min(min_, -max_) : std::max(min_, 0LL);
    if (error != std::errc() || value > max_ || value < lowest) return std::nullopt;
    return typed;
}

data::Value LongIntegerField::BoundValue() const {
    if (Text().empty()) return data::Null{};
    return static_cast<std::int64_t>(Value());
}

} // namespace forms
