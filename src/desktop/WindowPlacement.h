#pragma once
#include <QMargins>
#include <QRect>
#include <QSize>

namespace desktop {

// What a window adds around its client area: borders, title bar and menu
// bar. A form's Width and Height in twips are the whole window's, as the
// screens size themselves (a screen as wide as the display is the display).
struct WindowChrome {
    QMargins frame;  // borders and title bar
    int menuBar = 0; // the menu bar's height, 0 without menus
};

// The client area a form's outer size leaves, never smaller than what its
// controls need (so a screen that sized itself as its client area is not
// cut off).
QSize ClientSize(QSize outer, const WindowChrome& chrome, QSize controlsExtent);

// The scale at which a client area designed at `design` fits `room`: 1 when
// it fits as designed, else the largest that keeps its proportions.
double FitScale(QSize design, QSize room);

// The margins around a window's client area: those the window manager
// reports for the shown window, and no less than the screens' own allowance
// on any side (before it is shown, nothing is reported).
QMargins FrameAround(QRect frame, QRect client, QMargins allowance);

// Moves and, when it must, shrinks a window's outer rectangle so that it
// lies wholly on the available part of the screen. Screens that place
// themselves partly beyond the display (a tenth in from the top-left at the
// display's full size) come up whole instead.
QRect ClampToScreen(QRect outer, QRect available);

} // namespace desktop
