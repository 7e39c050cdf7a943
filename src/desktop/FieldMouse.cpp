#include "desktop/FieldMouse.h"

#include "platform/forms/TextField.h"
#include "platform/forms/UserInput.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>

#include <cmath>

namespace desktop {

void FieldMouse::Route(const ControlView& view, forms::TextField& field, int at, const QMouseEvent& event,
                       const Act& act) {
    if (event.type() == QEvent::MouseMove) {
        // After a triple-click the whole text stays selected while the button
        // is held: a hand that moves a pixel before letting go would otherwise
        // leave only part of it to be replaced by what is typed next.
        if (landed_ == &view && !wholeText_ && (event.buttons() & Qt::LeftButton) != 0) {
            act([&field, at] { forms::user::DragTo(field, at); });
        }
        return;
    }
    const bool shift = (event.modifiers() & Qt::ShiftModifier) != 0;
    const bool left = event.button() == Qt::LeftButton && !shift;
    // The second click of a pair whose first went to this field, the third
    // of a triple-click and each quick one after it: their focus moves ran
    // once, at the first. Any other is a press of its own.
    if (event.type() == QEvent::MouseButtonDblClick && left && pressed_ == &view && !wholeText_) {
        if (landed_ == &view) act([&field, at] { forms::user::DoubleClickAt(field, at); });
        lastClick_ = Click{event.globalPosition(), event.timestamp()};
    } else if (left && pressed_ == &view && SoonAfterLastClick(event)) {
        // The toolkit takes a fourth press for a double-click; it still keeps
        // the whole text, as the platform's edit controls do.
        if (landed_ == &view) act([&field] { forms::user::TripleClick(field); });
        wholeText_ = true;
        lastClick_ = Click{event.globalPosition(), event.timestamp()};
    } else {
        Press(view, field, at, shift, act);
    }
}

bool FieldMouse::SoonAfterLastClick(const QMouseEvent& event) const {
    if (!lastClick_) return false;
    const QStyleHints& hints = *QGuiApplication::styleHints();
    const QPointF moved = event.globalPosition() - lastClick_->where;
    const quint64 interval = static_cast<quint64>(hints.mouseDoubleClickInterval());
    return event.timestamp() >= lastClick_->when && event.timestamp() - lastClick_->when < interval &&
           std::abs(moved.x()) <= hints.mouseDoubleClickDistance() &&
           std::abs(moved.y()) <= hints.mouseDoubleClickDistance();
}

void FieldMouse::Press(const ControlView& view, forms::TextField& field, int at, bool shift, const Act& act) {
    bool landed = false;
    act([&] { landed = shift ? forms::user::ShiftClickAt(field, at) : forms::user::ClickAt(field, at); });
    pressed_ = &view;
    landed_ = landed ? &view : nullptr;
    lastClick_.reset();
    wholeText_ = false;
}

} // namespace desktop
