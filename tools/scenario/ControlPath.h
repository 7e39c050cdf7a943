#pragma once
#include <optional>
#include <string>

namespace forms {
class Control;
class Form;
} // namespace forms

namespace scenario {

// A name as the script writes it: FORM, FORM.CONTROL, FORM.CONTROL(1) or
// FORM.datName.First / .Prev / .Next / .Last.
struct ControlPath {
    std::string form;
    std::string control; // "" when the path names the form itself
    int index = -1;      // element of a control array; -1 for none
    std::string arrow;   // First, Prev, Next or Last; "" for none
};

// Nothing when the text is not such a name.
std::optional<ControlPath> ParseControlPath(const std::string& text);

// The loaded form of that name (any letter case), or null.
forms::Form* LoadedForm(const std::string& name);

// What a name stands for on the screens now; `problem` says why it stands for
// nothing ("frmX is not loaded", "frmX has no control Command9(2)").
struct Resolved {
    forms::Form* form = nullptr;
    forms::Control* control = nullptr;
    std::string problem;
};
Resolved Resolve(const ControlPath& path);

} // namespace scenario
