#include "platform/forms/UserInput.h"

#include "platform/basic/Utf8.h"
#include "platform/basic/Windows1252.h"

#include "platform/forms/Control.h"
#include "platform/forms/CopiedText.h"
#include "platform/forms/DriveFolderLists.h"
#include "platform/forms/FocusMoves.h"
#include "platform/forms/Form.h"
#include "platform/forms/Keys.h"
#include "platform/forms/Menu.h"
#include "platform/forms/SimpleControls.h"
#include "platform/forms/TabControl.h"
#include "platform/forms/TextField.h"

#include <cctype>
#include <string>

namespace forms::user {
namespace {

// Each call below is one user action, with the calls it makes itself (a
// click moves the focus first, typing a text presses its keys).
class OneAction {
public:
    OneAction() {
        if (depth_++ == 0) App().CountUserAction();
    }
    ~OneAction() { --depth_; }
    OneAction(const OneAction&) = delete;
    OneAction& operator=(const OneAction&) = delete;

private:
    static inline int depth_ = 0;
};

// Whether the user can reach the control at all: on a loaded form, enabled
// and visible (a tab page behind is reached by clicking its tab first).
bool Reachable(const Control& control) {
    if (!control.Owner().IsLoaded()) return false;
    for (const Control* c = &control; c != nullptr; c = c->Container()) {
        if (!c->Visible() || !c->Enabled()) return false;
    }
    return true;
}

// One key reaching the control that has the focus: KeyDown, KeyPress, then
// the control, unless a handler set the key to 0. The Enter key clicks the
// form's Default button when the focus is not on a button.
void KeyToFocused(Control& control, int key) {
    RunHandler(
        [&] {
            if (key == vbKeyTab) {
                FocusMoves::TabFrom(control);
                return;
            }
            if (key == vbKeyReturn && dynamic_cast<CommandButton*>(&control) == nullptr) {
                CommandButton* button = control.Owner().DefaultButton();
                if (button != nullptr && button->Enabled() && button->IsShowing()) {
                    button->Raise(button->Click);
                    return;
                }
            }
            int keyCode = key < 128 ? std::toupper(key) : key;
            control.Raise(control.KeyDown, keyCode, 0);
            int keyAscii = key;
            control.Raise(control.KeyPress, keyAscii);
            if (keyAscii != 0) control.TakeKey(keyAscii);
        },
        true);
}

// A button pressed while a field's leaving handler sends the focus on to
// another field is still pressed: the user asked for Save, Print or Close.
// Only a Validate that keeps the focus where it was stops the click.
bool PressedDespiteLeaving(const Control& control, const Form& form, const Control* before) {
    return dynamic_cast<const CommandButton*>(&control) != nullptr && form.ActiveControl() != before &&
           Reachable(control);
}

} // namespace

bool FocusByMouse(Control& control) {
    const OneAction action;
    if (!Reachable(control) || !control.CanTakeFocus()) return false;
    const bool hadFocus = control.HasFocus();
    auto* field = dynamic_cast<TextField*>(&control);
    const std::string before = field != nullptr ? field->Text() : std::string();
    RunHandler([&] { FocusMoves::Request(control.Owner(), &control, true); }, true);
    if (!control.HasFocus()) return false;
    // A field whose text code rewrote while the focus came to it (the field
    // left filled it) keeps all of its new text selected, as the focus left
    // it, so that what the user types replaces it.
    if (field != nullptr && !hadFocus && field->Text() == before) field->CaretToEnd();
    return true;
}

bool ClickAt(TextField& field, int shown) {
    const OneAction action;
    // Where the click lands is read from what the field showed when clicked.
    const int caret = field.CaretAtShown(shown);
    const std::string before = field.Text();
    if (!field.HasFocus() && !FocusByMouse(field)) return false;
    // The caret lands only in the text that was clicked.
    if (field.Text() != before) return false;
    field.SetSelStart(caret);
    return true;
}

bool DragTo(TextField& field, int shown) {
    const OneAction action;
    if (!field.HasFocus()) return false;
    field.ExtendSelectionTo(field.CaretAtShown(shown));
    return true;
}

bool DoubleClickAt(TextField& field, int shown) {
    const OneAction action;
    if (!field.HasFocus()) return false;
    field.SelectWordAt(shown);
    return true;
}

bool TripleClick(TextField& field) {
    const OneAction action;
    if (!field.HasFocus()) return false;
    field.SelectAll();
    return true;
}

bool ShiftClickAt(TextField& field, int shown) {
    const OneAction action;
    if (!field.HasFocus()) return ClickAt(field, shown);
    field.ExtendSelectionTo(field.CaretAtShown(shown));
    return true;
}

bool TypeText(Control& control, std::string_view text) {
    const OneAction action;
    if (!control.HasFocus() && !FocusByMouse(control)) return false;
    if (auto* field = dynamic_cast<TextField*>(&control)) field->SelectAll();
    return TypeKeys(control, text);
}

bool TypeKeys(Control& control, std::string_view text) {
    const OneAction action;
    if (!control.HasFocus() && !FocusByMouse(control)) return false;
    Form& form = control.Owner();
    for (char32_t c : basic::CodePointsOf(text)) {
        if (!form.IsLoaded()) break;
        const auto code = basic::Windows1252ByteOf(PlainBlank(c));
        if (!code) continue;
        Control* focused = form.ActiveControl() != nullptr ? form.ActiveControl() : &control;
        KeyToFocused(*focused, *code);
    }
    return true;
}

bool PressKeyCode(Control& control, int keyCode, int shift) {
    const OneAction action;
    if (!control.HasFocus() && !FocusByMouse(control)) return false;
    RunHandler(
        [&] {
            control.Raise(control.KeyDown, keyCode, shift);
            if (keyCode != 0) control.TakeKeyCode(keyCode, shift);
        },
        true);
    return true;
}

bool PressKey(Control& control, int key) {
    const OneAction action;
    if (!control.HasFocus() && !FocusByMouse(control)) return false;
    KeyToFocused(control, key);
    return true;
}

bool PressShiftTab(Control& control) {
    const OneAction action;
    if (!control.HasFocus() && !FocusByMouse(control)) return false;
    RunHandler([&] { FocusMoves::BackTabFrom(control); }, true);
    return true;
}

bool Click(Control& control) {
    const OneAction action;
    if (!Reachable(control)) return false;
    if (control.Focusable() && !control.HasFocus()) {
        Form& form = control.Owner();
        Control* before = form.ActiveControl();
        if (!FocusByMouse(control) && !PressedDespiteLeaving(control, form, before)) return false;
    }
    RunHandler([&] { control.UserClick(); }, true);
    return true;
}

void ClickForm(Form& form) {
    const OneAction action;
    if (!form.IsLoaded()) return;
    RunHandler([&] { form.Form_Click(); }, true);
}

void CloseWindow(Form& form) {
    const OneAction action;
    RunHandler(
        [&] {
            int cancel = 0;
            form.Form_QueryUnload(cancel, vbFormControlMenu);
            if (cancel == 0) form.Unload();
        },
        true);
}

void ChooseTab(TabControl& tabs, int page) {
    const OneAction action;
    if (!Reachable(tabs)) return;
    RunHandler([&] { tabs.SetTab(page); }, true);
}

void ChooseDrive(DriveList& drives, std::string_view drive) {
    const OneAction action;
    if (!Reachable(drives)) return;
    RunHandler([&] { drives.SetDrive(std::string(drive)); }, true);
}

void ChooseFolder(FolderList& folders, std::string_view path) {
    const OneAction action;
    if (!Reachable(folders)) return;
    // A bare folder name is one inside the list's current folder.
    std::string chosen(path);
    bool bare = !chosen.empty() && chosen.find(':') == std::string::npos && chosen[0] != '\\' && chosen[0] != '/';
    if (bare && !folders.Path().empty()) {
        std::string base = folders.Path();
        char last = base.back();
        chosen = base + (last == '\\' || last == '/' ? "" : "\\") + chosen;
    }
    RunHandler([&] { folders.SetPath(chosen); }, true);
}

} // namespace forms::user
