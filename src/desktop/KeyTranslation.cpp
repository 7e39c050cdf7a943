#include "desktop/KeyTranslation.h"

#include "platform/basic/Windows1252.h"
#include "platform/forms/CopiedText.h"
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
    if (c < 32 || (c >= 0x7F && c <= 0x9F)) return 0;
    const auto code = basic::Windows1252ByteOf(forms::PlainBlank(c));
    return code ? static_cast<int>(*code) : 0;
}

std::optional<KeyCodePress> EditKeyOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers mods = event.modifiers();
    if ((mods & (Qt::AltModifier | Qt::MetaModifier)) != 0) return std::nullopt;
    const int shift = ((mods & Qt::ShiftModifier) != 0 ? forms::vbShiftMask : 0) |
                      ((mods & Qt::ControlModifier) != 0 ? forms::vbCtrlMask : 0);
    switch (event.key()) {
    case Qt::Key_Left: return KeyCodePress{forms::vbKeyLeft, shift};
    case Qt::Key_Right: return KeyCodePress{forms::vbKeyRight, shift};
    case Qt::Key_Up: return KeyCodePress{forms::vbKeyUp, shift};
    case Qt::Key_Down: return KeyCodePress{forms::vbKeyDown, shift};
    case Qt::Key_Home: return KeyCodePress{forms::vbKeyHome, shift};
    case Qt::Key_End: return KeyCodePress{forms::vbKeyEnd, shift};
    case Qt::Key_Delete: return KeyCodePress{forms::vbKeyDelete, shift};
    case Qt::Key_Insert: return KeyCodePress{forms::vbKeyInsert, shift};
    case Qt::Key_A:
    case Qt::Key_C:
    case Qt::Key_X:
    case Qt::Key_V:
        // Qt's key codes of the letters are the platform's (A 65).
        if ((shift & forms::vbCtrlMask) != 0) return KeyCodePress{event.key(), shift};
        return std::nullopt;
    default: return std::nullopt;
    }
}

bool IsShiftTab(const QKeyEvent& event) {
    const Qt::KeyboardModifiers chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if ((event.modifiers() & chords) != 0) return false;
    return event.key() == Qt::Key_Backtab ||
           (event.key() == Qt::Key_Tab && (event.modifiers() & Qt::ShiftModifier) != 0);
}

} // namespace desktop
