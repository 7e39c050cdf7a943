#pragma once
#include "platform/forms/Bound.h"
#include "platform/forms/Control.h"

#include <string>

namespace forms {

// A caption; can be bound to a column. Never takes the focus.
class Label : public Control, public Bound {
public:
    Label(Form& owner, std::string name, int index = -1);
    std::string Kind() const override { return "Label"; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    void ShowBoundValue(const data::Value& value) override;
    data::Value BoundValue() const override;
    std::string BoundContent() const override { return caption_; }

private:
    std::string caption_;
};

// A check box: Value 0 clear, 1 checked, 2 greyed. A click (or the space
// key) toggles it, unless it is read-only (Bound); every change of Value, by
// code too, raises Click.
class CheckBox : public Control, public Bound {
public:
    using Control::Control;
    std::string Kind() const override { return "CheckBox"; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    int Value() const { return value_; }
    void SetValue(int value);

    bool Focusable() const override { return true; }
    void TakeKey(int keyAscii) override;
    void UserClick() override;
    void ShowBoundValue(const data::Value& value) override;
    data::Value BoundValue() const override;
    std::string BoundContent() const override { return std::to_string(value_); }

private:
    std::string caption_;
    int value_ = 0;
};

// A button. "&" in the caption marks the access key. Enter in any field of
// the form clicks the enabled Default button instead of reaching the field.
class CommandButton : public Control {
public:
    using Control::Control;
    std::string Kind() const override { return "CommandButton"; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);

    bool Focusable() const override { return true; }
    // Enter and the space key click a button that has the focus, as the
    // mouse does (UserClick).
    void TakeKey(int keyAscii) override;

private:
    std::string caption_;
    bool default_ = false;
};

// A frame grouping controls; hiding or disabling it hides or disables them.
class Frame : public Control {
public:
    using Control::Control;
    std::string Kind() const override { return "Frame"; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

private:
    std::string caption_;
};

// Placed on screens, driven by no code.
class ResizeControl : public Control {
public:
    using Control::Control;
    std::string Kind() const override { return "ResizeControl"; }
};

class CommonDialog : public Control {
public:
    using Control::Control;
    std::string Kind() const override { return "CommonDialog"; }
};

} // namespace forms
