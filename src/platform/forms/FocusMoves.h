#pragma once
// Internal to the forms runtime: the focus machinery shared by Control, Form,
// RunHandler and the user-input functions.

namespace forms {

class Control;
class Form;

class FocusMoves {
public:
    // A move of the focus to `target` (null: the form's first tab stop, as
    // when a form is shown). Waits while a handler runs. A move `byUser`
    // (a click, Tab, Shift+Tab) stands against the leaving handlers' requests.
    static void Request(Form& form, Control* target, bool byUser = false);
    // Whether a move on `form` waits to be carried out.
    static bool Waits(const Form& form);
    // Carries out every waiting move (see FocusMoves.cpp).
    static void CarryOut();
    static void Forget(Form& form);
    static void Forget(Control& control);
    static void DropAll();
    // The Tab key from `from`.
    static void TabFrom(Control& from);
    // Shift+Tab from `from`.
    static void BackTabFrom(Control& from);
    // The next tab stop after `from` in TabIndex order that can take the
    // focus (on the shown page only, when `showingOnly`), going round.
    static Control* NextInChain(Form& form, Control* from, bool showingOnly);
    // The tab stop before `from` in TabIndex order, on the shown page.
    static Control* PreviousInChain(Form& form, Control* from);
    // Records the change of focus and tells the observer.
    static void SetActive(Form& form, Control* before, Control* now);
};

} // namespace forms
