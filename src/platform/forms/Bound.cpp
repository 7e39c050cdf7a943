#include "platform/forms/Bound.h"

#include "platform/basic/NumberToText.h"

namespace forms {

std::string BoundValueText(const data::Value& value) {
    if (const auto* whole = std::get_if<std::int64_t>(&value)) return std::to_string(*whole);
    if (const auto* number = std::get_if<double>(&value)) return basic::NumberText(*number);
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    return "";
}

} // namespace forms
