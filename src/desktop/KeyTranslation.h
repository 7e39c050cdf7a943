#pragma once

class QKeyEvent;

namespace desktop {

// The key code the screens' key handlers receive for a key the user
// pressed: Enter 13, Tab 9, Backspace 8, Escape 27, a printable character
// its own code. 0 for keys the screens never see (arrows, function keys,
// Shift+Tab, chords with Ctrl or Alt, characters outside plain ASCII).
int KeyCodeOf(const QKeyEvent& event);

// Shift+Tab (Qt reports it as Backtab, or as Tab with Shift held): the
// focus walks back through the screen's tab stops.
bool IsShiftTab(const QKeyEvent& event);

} // namespace desktop
