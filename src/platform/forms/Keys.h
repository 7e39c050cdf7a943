#pragma once

namespace forms {

// Key codes as the screens' KeyPress and KeyDown handlers receive them.
constexpr int vbKeyBack = 8;
constexpr int vbKeyTab = 9;
constexpr int vbKeyReturn = 13;
constexpr int vbKeyEscape = 27;
constexpr int vbKeySpace = 32;
// Keys that are no characters: KeyDown sees them, KeyPress never does.
constexpr int vbKeyEnd = 35;
constexpr int vbKeyHome = 36;
constexpr int vbKeyLeft = 37;
constexpr int vbKeyUp = 38;
constexpr int vbKeyRight = 39;
constexpr int vbKeyDown = 40;
constexpr int vbKeyInsert = 45;
constexpr int vbKeyDelete = 46;
constexpr int vbKeyA = 65;
constexpr int vbKeyC = 67;
constexpr int vbKeyV = 86;
constexpr int vbKeyX = 88;

// The Shift argument of KeyDown.
constexpr int vbShiftMask = 1;
constexpr int vbCtrlMask = 2;
constexpr int vbAltMask = 4;

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
