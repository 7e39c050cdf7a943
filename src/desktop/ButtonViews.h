#pragma once
#include "desktop/ControlView.h"

class QCheckBox;
class QPushButton;

namespace forms {
class CheckBox;
class CommandButton;
} // namespace forms

namespace desktop {

// A button (and the print control, which is one). "&" in its caption is the
// access key; a click, by mouse or access key, is the model's click.
class ButtonView : public ControlView {
public:
    ButtonView(forms::CommandButton& button, FormWindow& window, QWidget* parent);
    void Refresh() override;

protected:
    QPalette::ColorRole BackRole() const override { return QPalette::Button; }
    QPalette::ColorRole ForeRole() const override { return QPalette::ButtonText; }

private:
    forms::CommandButton& button_;
    QPushButton* push_;
};

// A check box whose tick only the model sets: a click asks the model, which
// toggles Value and raises Click.
class CheckBoxView : public ControlView {
public:
    CheckBoxView(forms::CheckBox& box, FormWindow& window, QWidget* parent);
    void Refresh() override;

private:
    forms::CheckBox& box_;
    QCheckBox* check_;
};

} // namespace desktop
