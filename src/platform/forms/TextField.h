#pragma once
#include "platform/forms/Bound.h"
#include "platform/forms/Control.h"

#include <optional>
#include <string>

namespace forms {

// What the text box, the masked field and the numeric fields share: a text
// that code writes freely and that the user types into key by key, each
// kind refusing the keys that do not fit it. Every change raises Change.
class TextField : public Control, public Bound {
public:
    using Control::Control;

    const std::string& Text() const { return text_; }
    // Code writes the text (no limits but the kind's own normalising).
    void SetText(const std::string& text);
    // What a window shows (a mask's literals, an amount's format).
    virtual std::string DisplayText() const { return text_; }

    bool Locked() const { return locked_; }
    void SetLocked(bool locked);
    // 0: no limit.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);

    // The next typed character replaces the whole text, as after a Tab into
    // the field or a select-all.
    void SelectAll() { allSelected_ = true; }
    bool AllSelected() const { return allSelected_; }

    bool Focusable() const override { return true; }
    // Printable characters and Backspace edit the text; the rest do nothing.
    void TakeKey(int keyAscii) override;

    // "" is Null for the column.
    void ShowBoundValue(const data::Value& value) override;
    data::Value BoundValue() const override;

protected:
    // How a code write is stored (a mask keeps only its places' characters).
    virtual std::string Normalised(const std::string& written) const { return written; }
    // The text after typing `c` at the end of `current`, or nothing when the
    // kind refuses the key.
    virtual std::optional<std::string> AfterTyping(const std::string& current, char c) const;

private:
    void Store(const std::string& text);

    std::string text_;
    bool locked_ = false;
    int maxLength_ = 0;
    bool allSelected_ = false;
};

} // namespace forms
