#include "platform/printing/ValueText.h"

#include <charconv>

#include "platform/basic/Clock.h"
#include "platform/basic/NumberToText.h"

namespace printing {
namespace {

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

} // namespace

std::string ShortestNumber(double value) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string TraceText(const StoreValue::Variant& value) {
    struct Visitor {
        std::string operator()(data::Null) const { return "Null"; }
        std::string operator()(bool b) const { return b ? "True" : "False"; }
        std::string operator()(std::int64_t n) const { return std::to_string(n); }
        std::string operator()(double d) const { return ShortestNumber(d); }
        std::string operator()(const std::string& s) const { return Quoted(s); }
        std::string operator()(const Date& d) const { return "#" + basic::DateText(d) + "#"; }
    };
    return std::visit(Visitor{}, value);
}

std::string PrintedText(const StoreValue::Variant& value) {
    struct Visitor {
        std::string operator()(data::Null) const { return ""; }
        std::string operator()(bool b) const { return b ? "True" : "False"; }
        std::string operator()(std::int64_t n) const { return std::to_string(n); }
        std::string operator()(double d) const { return basic::NumberText(d); }
        std::string operator()(const std::string& s) const { return s; }
        std::string operator()(const Date& d) const { return basic::DateText(d); }
    };
    return std::visit(Visitor{}, value);
}

} // namespace printing
