#pragma once
#include <QRect>

namespace desktop {

// The screens measure in twips; a window at 96 dpi has 15 twips to a pixel.
inline constexpr int kTwipsPerPixel = 15;

int ToPixels(long twips);
long ToTwips(int pixels);
QRect PixelRect(long left, long top, long width, long height);

} // namespace desktop
