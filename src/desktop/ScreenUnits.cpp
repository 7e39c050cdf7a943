#include "desktop/ScreenUnits.h"

#include <cmath>

namespace desktop {

int ToPixels(long twips) { return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel)); }

long ToTwips(int pixels) { return static_cast<long>(pixels) * kTwipsPerPixel; }

QRect PixelRect(long left, long top, long width, long height) {
    return QRect(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
}

} // namespace desktop
