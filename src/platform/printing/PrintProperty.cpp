#include "platform/printing/PrintProperty.h"

#include "platform/basic/Strings.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace printing {
namespace {

using enum Property;
using T = PropertyType;

// clang-format off
constexpr std::array<PropertyInfo, 32> kProperties{{
    // property         name              type
    {DocumentTitle,     "DocumentTitle",  T::Text},
    {PageCaption,       "PageCaption",    T::Text},
    {PageNote,          "PageNote",       T::Text},
    {PageTemplate,      "PageTemplate",   T::Text},
    {PagePicture,       "PagePicture",    T::Text},
    {FontName,          "FontName",       T::Text},
    {StartDoc,          "StartDoc",       T::Boolean},
    {PageLandscape,     "PageLandscape",  T::Boolean},
    {NewPage,           "NewPage",        T::Boolean},
    {ShowPicture,       "ShowPicture",    T::Boolean},
    {PrintPicture,      "PrintPicture",   T::Boolean},
    {FontBold,          "FontBold",       T::Boolean},
    {FontItalic,        "FontItalic",     T::Boolean},
    {TextFlag,          "TextFlag",       T::Boolean},
    {PrintText,         "PrintText",      T::Boolean},
    {FinishSwitch,      "FinishSwitch",   T::Boolean},
    {EndDoc,            "EndDoc",         T::Boolean},
    {PageResolution,    "PageResolution", T::Integer},
    {FontSize,          "FontSize",       T::Integer},
    {FontCode,          "FontCode",       T::Integer},
    {FontOption,        "FontOption",     T::Integer},
    {TextHeight,        "TextHeight",     T::Integer},
    {FinishCode,        "FinishCode",     T::Integer},
    {FinishLevel,       "FinishLevel",    T::Integer},
    {PageWidth,         "PageWidth",      T::Double},
    {PageHeight,        "PageHeight",     T::Double},
    {TextWidth,         "TextWidth",      T::Double},
    {TextLeft,          "TextLeft",       T::Double},
    {TextTop,           "TextTop",        T::Double},
    {FinishMeasureA,    "FinishMeasureA", T::Double},
    {FinishMeasureB,    "FinishMeasureB", T::Double},
    {ItemText,          "ItemText",       T::ItemText},
}};
// clang-format on

// The table's rows by property number, for the lookup every store makes.
constexpr std::array<int, kPropertyNumbers> RowsByNumber() {
    std::array<int, kPropertyNumbers> rows{};
    rows.fill(-1);
    for (size_t i = 0; i < kProperties.size(); ++i)
        rows[static_cast<size_t>(kProperties[i].property)] = static_cast<int>(i);
    return rows;
}

constexpr std::array<int, kPropertyNumbers> kRowsByNumber = RowsByNumber();

} // namespace

std::optional<PropertyInfo> FindProperty(int number) {
    if (number < 0 || number >= kPropertyNumbers || kRowsByNumber[static_cast<size_t>(number)] < 0) return std::nullopt;
    return kProperties[static_cast<size_t>(kRowsByNumber[static_cast<size_t>(number)])];
}

std::optional<PropertyInfo> FindProperty(std::string_view name) {
    for (const auto& info : kProperties)
        if (basic::SameNameCaseBlind(info.name, name)) return info;
    return std::nullopt;
}

const PropertyInfo& InfoOf(Property property) {
    return kProperties[static_cast<size_t>(kRowsByNumber[static_cast<size_t>(property)])];
}

} // namespace printing
