#pragma once
#include <string_view>

namespace forms {

class Control;
class Form;
class DriveList;
class FolderList;
class TabControl;
class Menu;
class TextField;

// What a user does. Tests, the scenario runner and the desktop all drive the
// screens through these, so every path raises the same events in the same
// order. Each call is one user action: focus moves requested by handlers are
// carried out at its end and screens unloaded during it are destroyed then.
namespace user {

// Moves the focus to the control as a click would; a field entered so has
// its caret at the end. False when it cannot take the focus (the focus then
// stays where it was).
bool FocusByMouse(Control& control);

// A click into a field before character `shown` of what it shows: the
// focus comes (when it is elsewhere) and the caret goes there. True when the
// caret landed there, so that the rest of the gesture (a drag, the second
// click of a double-click) goes on from it; false when the field did not
// take the focus or keeps the text code rewrote as it came, all selected.
bool ClickAt(TextField& field, int shown);
// The rest of a gesture in the field that has the focus (in any other,
// nothing happens and they return false): the pointer dragged, the button
// held, to before character `shown` selects from where the press landed to
// there; a double-click selects the word there; a triple-click (a third
// click soon after a double-click) selects the whole text.
bool DragTo(TextField& field, int shown);
bool DoubleClickAt(TextField& field, int shown);
bool TripleClick(TextField& field);
// Shift+click: in the field that has the focus, selects from the caret (the
// selection's fixed end) to the click; into another field, a plain click.
bool ShiftClickAt(TextField& field, int shown);

// Focuses the control, selects its text so that typing replaces it, then
// types the text as TypeKeys does.
bool TypeText(Control& control, std::string_view text);

// Types each character of the UTF-8 text at the caret as a key press (the
// control focused first when it is not): KeyDown and KeyPress handlers see
// it first (as its code page 1252 code), then the control takes it or
// refuses it. A no-break blank is a blank (32); any other character the
// code page lacks is no key at all. Later
// characters go to whichever control has the focus then. False when the
// control cannot take the focus (nothing is typed).
bool TypeKeys(Control& control, std::string_view text);

// One key pressed in the control (focused first when it is not): Enter
// (vbKeyReturn), Tab, Escape, Backspace or a character (its code page 1252
// code). Tab moves to the next enabled, visible tab stop of the form in
// TabIndex order on the shown page. False when the control cannot take the
// focus (no key is pressed).
bool PressKey(Control& control, int key);

// A key that is no character, with Shift / Ctrl held (vbShiftMask,
// vbCtrlMask): the arrows, Home, End, Delete, Insert, Ctrl+A, Ctrl+C ...
// KeyDown sees it (KeyPress never does); unless KeyDown set the code to 0,
// the control acts on it. False when the control cannot take the focus.
bool PressKeyCode(Control& control, int keyCode, int shift);

// Shift+Tab in the control (focused first when it is not): the focus moves
// back to the previous enabled, visible tab stop of the form in TabIndex
// order on the shown page. No handler sees the key. False when the control
// cannot take the focus.
bool PressShiftTab(Control& control);

// A click: buttons raise Click, check boxes toggle, menu entries raise Click
// (no focus move), labels and frames raise Click. Controls that can take the
// focus get it first; a Validate that keeps the focus away stops the click,
// while a button still takes a click whose focus a leaving handler sent on.
// False when the control is disabled or hidden.
bool Click(Control& control);

// Clicks on the form's background.
void ClickForm(Form& form);
// The window's close box: Form_QueryUnload, then the form is unloaded
// unless it cancelled.
void CloseWindow(Form& form);
// Brings a page of a tab control to the front, as clicking its tab does.
void ChooseTab(TabControl& tabs, int page);
// Picks a drive or a folder in the lists (raises Change; errors reach the caller).
void ChooseDrive(DriveList& drives, std::string_view drive);
void ChooseFolder(FolderList& folders, std::string_view path);

} // namespace user
} // namespace forms
