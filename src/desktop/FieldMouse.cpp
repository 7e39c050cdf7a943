#include "desktop/FieldMouse.h"

#include "platform/forms/TextField.h"
#include "platform/forms/UserInput.h"

#include <QMouseEvent>

namespace desktop {

bool FieldMouse::Route(const ControlView& view, forms::TextField& field, int at, const QMouseEvent& event,
                       const Act& act) {
    const bool shift = (event.modifiers() & Qt::ShiftModifier) != 0;
    switch (event.type()) {
    case QEvent::MouseMove:
        if (landed_ == &view && (event.buttons() & Qt::LeftButton) != 0) {
            act([&field, at] { forms::user::DragTo(field, at); });
        }
        return true;
    case QEvent::MouseButtonDblClick:
        // The second click of a pair whose first went to this field: its
        // focus moves ran once, at the first.
        if (pressed_ == &view && event.button() == Qt::LeftButton && !shift) {
            if (landed_ == &view) act([&field, at] { forms::user::DoubleClickAt(field, at); });
            return true;
        }
        Press(view, field, at, shift, act);
        return true;
    default: Press(view, field, at, shift, act); return true;
    }
}

void FieldMouse::Press(const ControlView& view, forms::TextField& field, int at, bool shift, const Act& act) {
    bool landed = false;
    act([&] { landed = shift ? forms::user::ShiftClickAt(field, at) : forms::user::ClickAt(field, at); });
    pressed_ = &view;
    landed_ = landed ? &view : nullptr;
}

} // namespace desktop
