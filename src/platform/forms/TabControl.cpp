#include "platform/forms/TabControl.h"

#include "platform/basic/RuntimeError.h"

namespace forms {

TabControl::TabControl(Form& owner, std::string name, int index)
    : Control(owner, std::move(name), index), captions_(3) {}

void TabControl::SetTabs(int count) {
    captions_.resize(static_cast<std::size_t>(count < 1 ? 1 : count));
    if (tab_ >= Tabs()) tab_ = 0;
    Changed("Tabs");
}

void TabControl::SetTab(int page) {
    if (page < 0 || page >= Tabs()) basic::Raise(basic::errInvalidPropertyValue, Name(), "Invalid property value");
    if (page == tab_) return;
    int previous = tab_;
    tab_ = page;
    Changed("Tab");
    Raise(TabClick, previous);
}

const std::string& TabControl::TabCaption(int page) const {
    if (page < 0 || page >= Tabs()) basic::Raise(basic::errInvalidPropertyValue, Name(), "Invalid property value");
    return captions_[static_cast<std::size_t>(page)];
}

void TabControl::SetTabCaption(int page, const std::string& caption) {
    if (page < 0 || page >= Tabs()) basic::Raise(basic::errInvalidPropertyValue, Name(), "Invalid property value");
    captions_[static_cast<std::size_t>(page)] = caption;
    Changed("TabCaption");
}

} // namespace forms
