#pragma once

#include <optional>

class QKeyEvent;

namespace desktop {

// The key code the screens' key handlers receive for a key the user
// pressed: Enter 13, Tab 9, Backspace 8, Escape 27, a printable character
// its code in code page 1252 (é 233), a no-break blank a blank (32). 0 for
// keys that type nothing (arrows, function keys, Shift+Tab, chords with Ctrl
// or Alt) and for characters the code page lacks.
int KeyCodeOf(const QKeyEvent& event);

// Shift+Tab (Qt reports it as Backtab, or as Tab with Shift held): the
// focus walks back through the screen's tab stops.
bool IsShiftTab(const QKeyEvent& event);

// A key that is no character, as KeyDown sees it: the arrows, Home, End,
// Delete and Insert (with Shift or Ctrl held) and the chords Ctrl+A,
// Ctrl+C, Ctrl+X and Ctrl+V. Nothing for the other keys.
struct KeyCodePress {
    int keyCode;
    int shift; // vbShiftMask, vbCtrlMask
};
std::optional<KeyCodePress> EditKeyOf(const QKeyEvent& event);

} // namespace desktop
