#pragma once
#include "platform/forms/Placement.h"

#include <functional>
#include <string>
#include <string_view>

namespace forms {

class Form;

// A control of a form. Screens hold controls as members and wire the events
// in their constructors; the data control and the print control of the other
// layers derive from this class too.
//
// Properties are read by their name and written by Set<Name>; a write that
// changes what a window would show tells the application's observer.
// Geometry is in twips.
class Control : public Placement {
public:
    // Registers the control with its form. `index` >= 0 makes it a member of
    // the control array `name` (Label5(0), fpLine16(1)).
    Control(Form& owner, std::string name, int index = -1);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    const std::string& Name() const { return name_; }
    int Index() const { return index_; }
    Form& Owner() const { return owner_; }
    // The kind of control, for the desktop ("TextBox", "MaskedField", ...).
    virtual std::string Kind() const = 0;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int tabIndex);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop);
    long BackColor() const { return backColor_; }
    void SetBackColor(long colour);
    long ForeColor() const { return foreColor_; }
    void SetForeColor(long colour);
    const std::string& ToolTipText() const { return toolTipText_; }
    void SetToolTipText(const std::string& text);

    // The frame or tab control it stands in (null: the form itself); for a
    // tab control, the page it stands on.
    Control* Container() const { return container_; }
    int ContainerPage() const { return containerPage_; }
    void SetContainer(Control& frameOrTabControl, int page = -1);
    void SetContainerForm(); // back onto the form itself

    // Visible itself and in every container, with its tab page in front.
    bool IsShowing() const;
    // Whether a focus move may land here: a kind that takes the focus, enabled
    // and visible together with its containers (a tab page behind is fine:
    // the move brings it to the front).
    bool CanTakeFocus() const;
    bool HasFocus() const;
    // Moves the focus here, as the screens' SetFocus does. Inside a handler
    // the move waits until the outermost handler returns; it never fails.
    void SetFocus();

    // Events. Key handlers may set KeyAscii to 0 to keep the key from the
    // control; otherwise the key reaches the control after the handler.
    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void(int& KeyAscii)> KeyPress;
    std::function<void(int& KeyCode, int Shift)> KeyDown;
    std::function<void()> GotFocus;
    std::function<void()> LostFocus;
    std::function<void(bool& Cancel)> Validate;
    std::function<void()> Change;

    // --- for the runtime and for controls of other layers ---
    // Whether this kind of control can ever have the focus.
    virtual bool Focusable() const { return false; }
    // A key that passed the handlers reaches the control: a character (its
    // code page 1252 code) or Backspace, Enter, Escape.
    virtual void TakeKey(int /*keyAscii*/) {}
    // A key that is no character (arrows, Home, End, Delete, Insert, chords
    // with Ctrl) that passed KeyDown reaches the control.
    virtual void TakeKeyCode(int /*keyCode*/, int /*shift*/) {}
    // The focus came here (before GotFocus runs) / went away.
    virtual void FocusArrived() {}
    virtual void FocusLeft() {}
    // What a user's click does (after any focus move): raise Click.
    virtual void UserClick();
    // The owner form has run its Form_Load / is being unloaded: controls
    // that hold resources (the data control's rows and locks) act on it.
    virtual void FormLoaded() {}
    virtual void FormUnloading() {}
    // Raises an event handler inside an event scope (focus moves wait).
    void Raise(const std::function<void()>& handler);
    template <class... Args, class... Given>
    void Raise(const std::function<void(Args...)>& handler, Given&&... args);

protected:
    // Tells the observer that `property` changed.
    void Changed(std::string_view property);
    void RaiseChange();

private:
    void Moved() override { Changed("Geometry"); }

    Form& owner_;
    std::string name_;
    int index_;
    bool enabled_ = true;
    bool visible_ = true;
    int tabIndex_ = 0;
    bool tabStop_ = true;
    long backColor_ = 0x80000005L;
    long foreColor_ = 0x80000008L;
    std::string toolTipText_;
    Control* container_ = nullptr;
    int containerPage_ = -1;
};

} // namespace forms

#include "platform/forms/EventScope.h"

namespace forms {

template <class... Args, class... Given>
void Control::Raise(const std::function<void(Args...)>& handler, Given&&... args) {
    if (!handler) return;
    RunHandler([&] { handler(std::forward<Given>(args)...); });
}

} // namespace forms
