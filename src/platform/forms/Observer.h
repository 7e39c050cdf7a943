#pragma once
#include <string_view>

namespace forms {

class Form;
class Control;

// What the desktop front end watches to keep its windows in step with the
// forms. Headless, nobody watches.
class Observer {
public:
    virtual ~Observer() = default;
    virtual void FormLoaded(Form&) {}
    virtual void FormShown(Form&) {}
    virtual void FormHidden(Form&) {}
    virtual void FormUnloaded(Form&) {}
    // A property of the form itself (Caption, geometry).
    virtual void FormChanged(Form&, std::string_view /*property*/) {}
    virtual void ControlChanged(Control&, std::string_view /*property*/) {}
    // `now` has the focus of its form; `before` (may be null) lost it.
    virtual void FocusChanged(Form&, Control* /*before*/, Control* /*now*/) {}
    virtual void MousePointerChanged(int /*pointer*/) {}
};

} // namespace forms
