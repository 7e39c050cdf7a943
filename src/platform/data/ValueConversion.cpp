#include "platform/data/ValueConversion.h"

#include "platform/data/Connection.h"
#include "platform/data/Errors.h"

#include "platform/basic/TextToNumber.h"

#include <cctype>
#include <cmath>
#include <optional>

namespace data {

namespace {

std::string Trimmed(const std::string& text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// A number written as text, "." as the point; nothing when it is not one.
std::optional<double> NumberFromText(const std::string& text) {
    std::string upper;
    for (char c : text) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper == "TRUE") return -1.0;
    if (upper == "FALSE") return 0.0;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (begin != end && *begin == '+') ++begin;
    double number = 0;
    auto result = basic::NumberInDigits(begin, end, number);
    if (result.ec != std::errc() || result.ptr != end) return std::nullopt;
    return number;
}

[[noreturn]] void ConversionError(const Value& value) {
    RaiseEngineError(errConversion, kSourceField, "'" + ToText(value) + "'");
}

} // namespace

ColumnAffinity AffinityOf(const std::string& declaredType) {
    std::string type;
    for (char c : declaredType) type += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (type.find("INT") != std::string::npos) return ColumnAffinity::Integer;
    if (type.find("CHAR") != std::string::npos || type.find("TEXT") != std::string::npos ||
        type.find("CLOB") != std::string::npos)
        return ColumnAffinity::Text;
    if (type.find("REAL") != std::string::npos || type.find("DOUB") != std::string::npos ||
        type.find("FLOA") != std::string::npos || type.find("NUM") != std::string::npos ||
        type.find("DEC") != std::string::npos)
        return ColumnAffinity::Real;
    return ColumnAffinity::Text;
}

Value ConvertForColumn(const std::string& declaredType, const Value& value) {
    return ConvertForAffinity(AffinityOf(declaredType), value);
}

Value ConvertForKeyColumn(const std::string& declaredType, const Value& value) {
    const ColumnAffinity affinity = AffinityOf(declaredType);
    if (affinity == ColumnAffinity::Integer) {
        const Value number = ConvertForAffinity(ColumnAffinity::Real, value);
        const auto* real = std::get_if<double>(&number);
        if (real && std::isfinite(*real) && *real != std::trunc(*real)) return number;
    }
    return ConvertForAffinity(affinity, value);
}

Value ConvertForAffinity(ColumnAffinity affinity, const Value& value) {
    if (IsNull(value)) return value;
    if (affinity == ColumnAffinity::Text) return ToText(value);

    double number = 0;
    if (const auto* text = std::get_if<std::string>(&value)) {
        std::string trimmed = Trimmed(*text);
        if (trimmed.empty()) return Null{};
        auto parsed = NumberFromText(trimmed);
        if (!parsed) ConversionError(value);
        number = *parsed;
    } else if (const auto* whole = std::get_if<std::int64_t>(&value)) {
        if (affinity == ColumnAffinity::Integer) return *whole;
        return static_cast<double>(*whole);
    } else {
        number = std::get<double>(value);
    }
    if (affinity == ColumnAffinity::Real) return number;
    double rounded = std::nearbyint(number); // the default rounding: half to even
    if (!std::isfinite(rounded) || std::fabs(rounded) > 9.2e18) ConversionError(value);
    return static_cast<std::int64_t>(rounded);
}

} // namespace data
