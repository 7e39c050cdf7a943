#include "platform/forms/Menu.h"

#include <algorithm>

namespace forms {

void Menu::SetCaption(const std::string& caption) {
    caption_ = caption;
    Changed("Caption");
}

void Menu::SetChecked(bool checked) {
    checked_ = checked;
    Changed("Checked");
}

void Menu::Add(Menu& entry) {
    if (entry.parent_ != nullptr) {
        auto& siblings = entry.parent_->entries_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), &entry), siblings.end());
    }
    entry.parent_ = this;
    entries_.push_back(&entry);
    Changed("Entries");
}

} // namespace forms
