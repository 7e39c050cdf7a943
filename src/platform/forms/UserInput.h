#pragma once
#include <string_view>

namespace forms {

class Control;
class Form;
class DriveList;
class FolderList;
class TabControl;
class Menu;

// What a user does. Tests, the scenario runner and the desktop all drive the
// screens through these, so every path raises the same events in the same
// order. Each call is one user action: focus moves requested by handlers are
// carried out at its end and screens unloaded during it are destroyed then.
namespace user {

// Moves the focus to the control as a click would. False when it cannot
// take the focus (the focus then stays where it was).
bool FocusByMouse(Control& control);

// Focuses the control, selects its text so that typing replaces it, then
// types each character as a key press: KeyDown and KeyPress handlers see it
// first, then the control takes it or refuses it. Later characters go to
// whichever control has the focus then. False when the control cannot take
// the focus (nothing is typed).
bool TypeText(Control& control, std::string_view text);

// One key pressed in the control (focused first when it is not): Enter
// (vbKeyReturn), Tab, Escape, Backspace or a character. Tab moves to the next
// enabled, visible tab stop of the form in TabIndex order on the shown page.
// False when the control cannot take the focus (no key is pressed).
bool PressKey(Control& control, int key);

// Shift+Tab in the control (focused first when it is not): the focus moves
// back to the previous enabled, visible tab stop of the form in TabIndex
// order on the shown page. No handler sees the key. False when the control
// cannot take the focus.
bool PressShiftTab(Control& control);

// A click: buttons raise Click, check boxes toggle, menu entries raise Click
// (no focus move), labels and frames raise Click. Controls that can take the
// focus get it first; a Validate that keeps the focus away stops the click.
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
