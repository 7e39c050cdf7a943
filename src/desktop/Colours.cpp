#include "desktop/Colours.h"

namespace desktop {
namespace {

constexpr long kSystemColourFlag = 0x80000000L;

QPalette::ColorRole RoleOfSystemColour(long index) {
    switch (index) {
    case 5: return QPalette::Base; // window background
    case 8: return QPalette::Text; // window text
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button; // button face
    case 18: return QPalette::ButtonText;
    default: return QPalette::Window;
    }
}

} // namespace

QColor QtColour(long systemColour, const QPalette& palette) {
    const unsigned long bits = static_cast<unsigned long>(systemColour) & 0xFFFFFFFFUL;
    if ((bits & kSystemColourFlag) != 0) {
        return palette.color(RoleOfSystemColour(static_cast<long>(bits & 0xFFUL)));
    }
    const int red = static_cast<int>(bits & 0xFF);
    const int green = static_cast<int>((bits >> 8) & 0xFF);
    const int blue = static_cast<int>((bits >> 16) & 0xFF);
    return QColor(red, green, blue);
}

} // namespace desktop
