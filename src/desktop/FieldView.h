#pragma once
#include "desktop/ControlView.h"

class QLineEdit;

namespace forms {
class TextField;
}

namespace desktop {

// Text boxes, masked fields (showing the mask's literals and prompt
// characters), currency and whole-number fields (right-aligned). The line
// edit never edits itself: keys go to the model, whose handlers see them
// first, and the edit shows what the model then holds.
class FieldView : public ControlView {
public:
    FieldView(forms::TextField& field, FormWindow& window, QWidget* parent);

    void Refresh() override;
    void ShowFocus() override;
    Press OnPress() const override { return Press::FocusOnly; }
    bool TakesEditKeys() const override { return true; }
    std::optional<int> CharacterAt(const QPoint& point) const override;

protected:
    QPalette::ColorRole BackRole() const override { return QPalette::Base; }
    QPalette::ColorRole ForeRole() const override { return QPalette::Text; }
    long ShownBackColor() const override;

private:
    void PlaceCursor();

    forms::TextField& field_;
    QLineEdit* edit_;
};

} // namespace desktop
