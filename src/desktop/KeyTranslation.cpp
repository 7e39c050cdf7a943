#include "desktop/KeyTranslation.h"

#include "platform/forms/Keys.h"

#include <QKeyEvent>

namespace desktop {

int KeyCodeOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if ((event.modifiers() & chords) != 0) return 0;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return forms::vbKeyReturn;
    case Qt::Key_Tab: return (event.modifiers() & Qt::ShiftModifier) != 0 ? 0 : forms::vbKeyTab;
    case Qt::Key_Backtab: return 0;
    case Qt::Key_Backspace: return forms::vbKeyBack;
    case Qt::Key_Escape: return forms::vbKeyEscape;
    default: break;
    }
    const QString text = event.text();
    if (text.size() != 1) return 0;
    const char16_t c = text.at(0).unicode();
    if (c < 32 || c > 126) return 0;
    return static_cast<int>(c);
}

bool IsShiftTab(const QKeyEvent& event) {
    const Qt::KeyboardModifiers chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if ((event.modifiers() & chords) != 0) return false;
    return event.key() == Qt::Key_Backtab ||
           (event.key() == Qt::Key_Tab && (event.modifiers() & Qt::ShiftModifier) != 0);
}

} // namespace desktop
