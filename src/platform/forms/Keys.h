#pragma once

namespace forms {

// Key codes as the screens' KeyPress and KeyDown handlers receive them.
constexpr int vbKeyBack = 8;
constexpr int vbKeyTab = 9;
constexpr int vbKeyReturn = 13;
constexpr int vbKeyEscape = 27;
constexpr int vbKeySpace = 32;

// Mouse pointers.
constexpr int vbDefault = 0;
constexpr int vbHourglass = 11;

// Check box values.
constexpr int vbUnchecked = 0;
constexpr int vbChecked = 1;
constexpr int vbGrayed = 2;

// Colours used by the screens, as the system numbers them.
constexpr long vbWindowBackground = 0x80000005L;
constexpr long vbButtonFace = 0x8000000FL;
constexpr long vbLightYellow = 0x80FFFFL;
constexpr long vbLightGrey = 0xE0E0E0L;

} // namespace forms
