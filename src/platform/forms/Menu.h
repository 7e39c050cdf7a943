#pragma once
#include "platform/forms/Control.h"

#include <string>
#include <vector>

namespace forms {

// A menu (on the form's menu bar) or a menu entry (under its parent menu).
// Choosing it raises Click; it never takes the focus.
class Menu : public Control {
public:
    using Control::Control;
    std::string Kind() const override { return "Menu"; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    // Puts `entry` under this menu, in the order of adding.
    void Add(Menu& entry);
    Menu* Parent() const { return parent_; }
    const std::vector<Menu*>& Entries() const { return entries_; }

private:
    std::string caption_;
    bool checked_ = false;
    Menu* parent_ = nullptr;
    std::vector<Menu*> entries_;
};

} // namespace forms
