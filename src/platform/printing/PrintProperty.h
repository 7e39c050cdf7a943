#pragma once
#include <optional>
#include <string_view>

namespace printing {

// The print control's properties, valued by the number the screens address
// them with.
enum class Property : int {
    StartDoc = 3,
    NewPage = 4,
    PageCaption = 6,
    PageWidth = 7,
    PageHeight = 8,
    PageResolution = 9,
    DocumentTitle = 10,
    EndDoc = 11,
    PagePicture = 12,
    ShowPicture = 13,
    TextLeft = 14,
    TextTop = 15,
    FinishLevel = 20,
    PrintPicture = 27,
    PageNote = 51,
    FinishSwitch = 62,
    FontSize = 65,
    FontName = 66,
    FontCode = 67,
    FontBold = 68,
    FontItalic = 69,
    FontOption = 70,
    ItemText = 71,
    TextWidth = 72,
    TextHeight = 75,
    TextFlag = 76,
    PrintText = 77,
    FinishMeasureB = 84,
    FinishMeasureA = 85,
    PageLandscape = 89,
    FinishCode = 97,
    PageTemplate = 98,
};

// Property numbers are below this.
inline constexpr int kPropertyNumbers = 100;

// What a property holds. Integer is 16-bit signed; ItemText keeps a text, a
// number or a date and turns it into text when it is printed.
enum class PropertyType { Text, Boolean, Integer, Double, ItemText };

struct PropertyInfo {
    Property property;
    std::string_view name;
    PropertyType type;
};

// Lookups over the table of all 32 properties; nullopt for an unknown one.
std::optional<PropertyInfo> FindProperty(int number);
std::optional<PropertyInfo> FindProperty(std::string_view name); // case-insensitive
const PropertyInfo& InfoOf(Property property);

} // namespace printing
