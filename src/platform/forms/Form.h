#pragma once
#include "platform/forms/Placement.h"

#include <string>
#include <string_view>
#include <vector>

namespace forms {

class Control;
class CommandButton;

// Why a form is about to be unloaded (Form_QueryUnload).
constexpr int vbFormControlMenu = 0; // the window's close box

// A screen. Screens derive from Form, hold their controls as members and
// override the Form_ handlers they have.
class Form : public Placement {
public:
    explicit Form(std::string name);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    const std::string& Name() const { return name_; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Visible() const { return visible_; }

    bool IsLoaded() const { return loaded_; }
    // Loads the form when it is not loaded: it joins the loaded forms and
    // Form_Load runs. An error raised in Form_Load reaches the caller; the
    // form stays loaded, not shown.
    void Load();
    // Modeless: loads first when needed (the load runs here), then shows.
    void Show();
    void Hide();
    // Form_Unload runs (it may cancel), the form leaves the loaded forms and
    // is hidden. A screen reached through Screen<T>() is replaced by a fresh
    // instance on its next access; this object lives on until the user action
    // that unloaded it is over, so the rest of the calling handler runs.
    // Unloading a form that is not loaded does nothing.
    void Unload();

    // The controls in the order they were declared.
    const std::vector<Control*>& Controls() const { return controls_; }
    // By name, without regard to case; `index` picks a member of a control
    // array. Null when there is none.
    Control* ControlByName(std::string_view name, int index = -1) const;
    // The control that has the focus on this form (null: none).
    Control* ActiveControl() const { return activeControl_; }
    CommandButton* DefaultButton() const;
    // The controls in TabIndex order (declaration order between equals).
    std::vector<Control*> TabOrder() const;

    // The form's events; screens override those they handle.
    virtual void Form_Load() {}
    // Before the window's close box unloads the form (UnloadMode
    // vbFormControlMenu); Cancel keeps it loaded. Unload from code does not
    // raise it.
    virtual void Form_QueryUnload(int& /*Cancel*/, int /*UnloadMode*/) {}
    virtual void Form_Unload(int& /*Cancel*/) {}
    virtual void Form_Terminate() {}
    virtual void Form_Click() {}

private:
    friend class Control;
    friend class Application;
    friend class FocusMoves;
    void Register(Control& control);
    void Unregister(Control& control);
    void Changed(std::string_view property);
    void Moved() override { Changed("Geometry"); }

    std::string name_;
    std::string caption_;
    bool visible_ = false;
    bool loaded_ = false;
    std::vector<Control*> controls_;
    Control* activeControl_ = nullptr;
};

} // namespace forms
