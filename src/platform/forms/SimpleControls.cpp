#include "platform/forms/SimpleControls.h"

#include "platform/basic/TextToNumber.h"
#include "platform/forms/Keys.h"

namespace forms {

Label::Label(Form& owner, std::string name, int index) : Control(owner, std::move(name), index) { SetTabStop(false); }

void Label::SetCaption(const std::string& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    Changed("Caption");
    RaiseChange();
}

void Label::ShowBoundValue(const data::Value& value) { SetCaption(BoundValueText(value)); }

data::Value Label::BoundValue() const {
    if (caption_.empty()) return data::Null{};
    return caption_;
}

void CheckBox::SetCaption(const std::string& caption) {
    caption_ = caption;
    Changed("Caption");
}

void CheckBox::SetValue(int value) {
    if (value < 0 || value > 2) value = value != 0 ? 1 : 0;
    if (value_ == value) return;
    value_ = value;
    Changed("Value");
    Raise(Click);
}

void CheckBox::TakeKey(int keyAscii) {
    if (keyAscii == vbKeySpace) UserClick();
}

void CheckBox::UserClick() {
    if (ReadOnly()) return;
    SetValue(value_ == vbChecked ? vbUnchecked : vbChecked);
}

void CheckBox::ShowBoundValue(const data::Value& value) {
    bool checked = false;
    if (const auto* whole = std::get_if<std::int64_t>(&value)) checked = *whole != 0;
    else if (const auto* number = std::get_if<double>(&value)) checked = *number != 0;
    else if (const auto* text = std::get_if<std::string>(&value)) {
        checked = basic::PlainNumber(*text) != 0 || *text == "True" || *text == "true";
    }
    SetValue(checked ? vbChecked : vbUnchecked);
}

data::Value CheckBox::BoundValue() const { return static_cast<std::int64_t>(value_); }

void CommandButton::SetCaption(const std::string& caption) {
    caption_ = caption;
    Changed("Caption");
}

void CommandButton::SetDefault(bool isDefault) {
    default_ = isDefault;
    Changed("Default");
}

void CommandButton::TakeKey(int keyAscii) {
    // The way a click goes: the print control starts its print run there.
    if (keyAscii == vbKeyReturn || keyAscii == vbKeySpace) UserClick();
}

void Frame::SetCaption(const std::string& caption) {
    caption_ = caption;
    Changed("Caption");
}

} // namespace forms
