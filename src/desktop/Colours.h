#pragma once
#include <QColor>
#include <QPalette>

namespace desktop {

// A colour as the screens number it: &H00BBGGRR for a plain colour, or
// &H800000nn for the system colour nn (5 the window, 8 the window text,
// 15 the button face, 18 the button text), taken from the palette.
QColor QtColour(long systemColour, const QPalette& palette);

} // namespace desktop
