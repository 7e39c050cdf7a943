#pragma once
// Moves a window as a user does through the window manager: the window
// manager is asked to move it (as a pager or task bar asks on the user's
// behalf), and the program hears of it only from the window manager.

#include <QPoint>

class QWidget;

namespace desktop_test {

// Asks the window manager to put the window's frame's top-left corner at
// `frameTopLeft` on the screen. False when the program does not run on an
// X display, where there is no window manager to ask.
bool MoveByWindowManager(const QWidget& window, QPoint frameTopLeft);

} // namespace desktop_test
