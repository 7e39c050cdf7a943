#include "platform/printing/StoreCoercion.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>

#include "platform/basic/RuntimeError.h"
#include "platform/basic/Strings.h"
#include "platform/basic/TextToNumber.h"
#include "platform/printing/ValueText.h"

namespace printing {
namespace {

std::string Trimmed(const std::string& text) {
    auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::optional<double> NumberIn(const std::string& text) {
    std::string t = Trimmed(text);
    if (t.empty()) return std::nullopt;
    const char* begin = t.data() + (t.front() == '+' ? 1 : 0);
    double value = 0;
    auto result = basic::NumberInDigits(begin, t.data() + t.size(), value);
    if (result.ec != std::errc() || result.ptr != t.data() + t.size()) return std::nullopt;
    return value;
}

// Any value as a number, for the numeric and boolean properties.
double AsNumber(const StoreValue::Variant& v, const std::string& source) {
    if (auto b = std::get_if<bool>(&v)) return *b ? -1.0 : 0.0;
    if (auto n = std::get_if<std::int64_t>(&v)) return static_cast<double>(*n);
    if (auto d = std::get_if<double>(&v)) return *d;
    if (auto s = std::get_if<std::string>(&v)) {
        if (auto n = NumberIn(*s)) return *n;
    }
    basic::Raise(basic::errTypeMismatch, source);
}

std::int64_t AsInteger(const StoreValue::Variant& v, const std::string& source) {
    double rounded = std::nearbyint(AsNumber(v, source)); // half to even
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) basic::Raise(basic::errOverflow, source);
    return static_cast<std::int64_t>(rounded);
}

bool AsBoolean(const StoreValue::Variant& v, const std::string& source) {
    if (auto s = std::get_if<std::string>(&v)) {
        std::string t = Trimmed(*s);
        if (basic::SameNameCaseBlind(t, "True")) return true;
        if (basic::SameNameCaseBlind(t, "False")) return false;
    }
    return AsNumber(v, source) != 0.0;
}

} // namespace

StoreValue::Variant CoerceTo(PropertyType type, StoreValue value, const std::string& source) {
    const auto& v = value.Get();
    if (std::holds_alternative<data::Null>(v))
        basic::Raise(type == PropertyType::ItemText ? basic::errTypeMismatch : basic::errInvalidUseOfNull, source);
    switch (type) {
    case PropertyType::Text: return PrintedText(v);
    case PropertyType::Boolean: return AsBoolean(v, source);
    case PropertyType::Integer: return AsInteger(v, source);
    case PropertyType::Double: return AsNumber(v, source);
    case PropertyType::ItemText: return std::move(value).Take();
    }
    return v;
}

} // namespace printing
