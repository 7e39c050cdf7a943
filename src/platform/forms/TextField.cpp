#include "platform/forms/TextField.h"

#include "platform/forms/Keys.h"

namespace forms {

void TextField::SetText(const std::string& text) {
    allSelected_ = false;
    Store(Normalised(text));
}

void TextField::Store(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    Changed("Text");
    RaiseChange();
}

void TextField::SetLocked(bool locked) {
    locked_ = locked;
    Changed("Locked");
}

void TextField::SetMaxLength(int length) {
    maxLength_ = length < 0 ? 0 : length;
    Changed("MaxLength");
}

void TextField::TakeKey(int keyAscii) {
    if (locked_) return;
    if (keyAscii == vbKeyBack) {
        std::string shortened = allSelected_ || text_.empty() ? std::string() : text_.substr(0, text_.size() - 1);
        allSelected_ = false;
        Store(shortened);
        return;
    }
    if (keyAscii < 32 || keyAscii > 255) return;
    const std::string current = allSelected_ ? std::string() : text_;
    if (maxLength_ > 0 && static_cast<int>(current.size()) >= maxLength_) return;
    auto typed = AfterTyping(current, static_cast<char>(keyAscii));
    if (!typed) return; // refused: the text and its selection stay
    allSelected_ = false;
    Store(*typed);
}

std::optional<std::string> TextField::AfterTyping(const std::string& current, char c) const {
    return current + c;
}

void TextField::ShowBoundValue(const data::Value& value) { SetText(BoundValueText(value)); }

data::Value TextField::BoundValue() const {
    if (text_.empty()) return data::Null{};
    return text_;
}

} // namespace forms
