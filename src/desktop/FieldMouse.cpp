#include "desktop/FieldMouse.h"

#include "platform/forms/TextField.h"
#include "platform/forms/UserInput.h"

#include <QMouseEvent>

namespace desktop {

void FieldMouse::Route(const ControlView& view, forms::TextField& field, int at, const QMouseEvent& event,
                       const Act& act) {
    if (event.type() == QEvent::MouseMove) {
        if (landed_ == &view && (event.buttons() & Qt::LeftButton) != 0) {
            act([&field, at] { forms::user::DragTo(field, at); });
        }
        return;
    }
    const bool shift = (event.modifiers() & Qt::ShiftModifier) != 0;
    // The second click of a pair whose first went to this field: its focus
    // moves ran once, at the first. Any other is a press of its own.
    const bool secondClick =
        event.type() == QEvent::MouseButtonDblClick && pressed_ == &view && event.button() == Qt::LeftButton && !shift;
    if (!secondClick) {
        Press(view, field, at, shift, act);
    } else if (landed_ == &view) {
        act([&field, at] { forms::user::DoubleClickAt(field, at); });
    }
}

void FieldMouse::Press(const ControlView& view, forms::TextField& field, int at, bool shift, const Act& act) {
    bool landed = false;
    act([&] { landed = shift ? forms::user::ShiftClickAt(field, at) : forms::user::ClickAt(field, at); });
    pressed_ = &view;
    landed_ = landed ? &view : nullptr;
}

} // namespace desktop
