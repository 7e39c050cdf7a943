#include "platform/forms/TextField.h"

#include "platform/basic/Utf8.h"
#include "platform/basic/Windows1252.h"
#include "platform/forms/Application.h"
#include "platform/forms/CopiedText.h"
#include "platform/forms/Keys.h"
#include "platform/forms/TextWords.h"

#include <algorithm>

namespace forms {

void TextField::SetText(const std::string& text) {
    std::string stored = Normalised(text);
    const bool changed = stored != text_;
    const std::string shownBefore = changed ? std::string() : DisplayText();
    text_ = std::move(stored);
    TextWritten();
    if (HasFocus() && !editedSinceFocus_) {
        SelectAll();
    } else {
        CaretToEnd();
    }
    // A write of the same text leaves the window alone, unless a mask's
    // places moved ("1_2" -> "12_").
    if (changed || DisplayText() != shownBefore) Announce(changed);
}

void TextField::StoreEdit(const std::string& text, int caret) {
    const bool changed = text != text_;
    text_ = text;
    editedSinceFocus_ = editedSinceFocus_ || changed;
    Select(caret, caret);
    Announce(changed);
}

void TextField::Announce(bool textChanged) {
    Changed("Text");
    if (textChanged) RaiseChange();
}

void TextField::SetLocked(bool locked) {
    locked_ = locked;
    Changed("Locked");
}

void TextField::ReadOnlyChanged() { Changed("ReadOnly"); }

void TextField::SetMaxLength(int length) {
    maxLength_ = length < 0 ? 0 : length;
    Changed("MaxLength");
}

int TextField::EditLength() const { return static_cast<int>(basic::CodePointsOf(EditText()).size()); }

int TextField::SelStart() const { return std::min(anchor_, caret_); }

int TextField::SelLength() const { return std::abs(caret_ - anchor_); }

std::string TextField::SelText() const { return TextOfRange(SelStart(), SelLength()); }

void TextField::Select(int anchor, int caret) {
    const int length = EditLength();
    anchor = std::clamp(anchor, 0, length);
    caret = std::clamp(caret, 0, length);
    if (anchor == anchor_ && caret == caret_) return;
    anchor_ = anchor;
    caret_ = caret;
    Changed("Selection");
}

void TextField::SetSelStart(int start) { Select(start, start); }

void TextField::SetSelLength(int length) {
    const int start = SelStart();
    Select(start, start + std::max(length, 0));
}

void TextField::SetSelText(const std::string& text) { ReplaceSelection(basic::CodePointsOf(text), true); }

void TextField::SelectAll() { Select(0, EditLength()); }

void TextField::ExtendSelectionTo(int position) { Select(anchor_, position); }

void TextField::SelectWordAt(int position) {
    const auto [first, last] = WordAround(basic::CodePointsOf(EditText()), position);
    Select(first, last);
}

void TextField::CaretToEnd() {
    const int end = CaretStop(0, kEnd);
    Select(end, end);
}

void TextField::FocusArrived() {
    editedSinceFocus_ = false;
    SelectAll();
}

int TextField::CaretAtShown(int shown) const { return std::clamp(shown, 0, EditLength()); }

std::string TextField::TextOfRange(int start, int length) const {
    const std::u32string chars = basic::CodePointsOf(EditText());
    if (start >= static_cast<int>(chars.size()) || length <= 0) return "";
    return basic::Utf8Of(
        std::u32string_view(chars).substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length)));
}

bool TextField::Typeable(char32_t c) {
    if (c < 32 || (c >= 0x7F && c <= 0x9F)) return false;
    return basic::Windows1252ByteOf(c).has_value();
}

void TextField::TakeKey(int keyAscii) {
    if (ReadOnly()) return;
    if (keyAscii == vbKeyBack) {
        Erase(kLeft);
        return;
    }
    if (keyAscii < 32 || keyAscii > 255) return;
    const char32_t typed = basic::Windows1252Character(static_cast<unsigned char>(keyAscii));
    ReplaceSelection(std::u32string(1, typed), false);
}

void TextField::TakeKeyCode(int keyCode, int shift) {
    const bool shifted = (shift & vbShiftMask) != 0;
    const bool ctrl = (shift & vbCtrlMask) != 0;
    switch (keyCode) {
    case vbKeyLeft: MoveCaret(ctrl ? kWordLeft : kLeft, shifted); break;
    case vbKeyRight: MoveCaret(ctrl ? kWordRight : kRight, shifted); break;
    case vbKeyHome: MoveCaret(kHome, shifted); break;
    case vbKeyEnd: MoveCaret(kEnd, shifted); break;
    case vbKeyDelete:
        if (shifted) Cut();
        else if (!ctrl && !ReadOnly()) Erase(kRight);
        break;
    case vbKeyInsert:
        if (shifted) Paste(App().GetClipboard().GetText());
        else if (ctrl) Copy();
        break;
    case vbKeyA:
        if (ctrl) SelectAll();
        break;
    case vbKeyC:
        if (ctrl) Copy();
        break;
    case vbKeyX:
        if (ctrl) Cut();
        break;
    case vbKeyV:
        if (ctrl) Paste(App().GetClipboard().GetText());
        break;
    default: break;
    }
}

void TextField::MoveCaret(int move, bool extend) {
    int target = 0;
    if (move == kWordLeft || move == kWordRight) {
        target = WordStop(move);
    } else if (!extend && SelLength() > 0 && (move == kLeft || move == kRight)) {
        // An arrow without Shift leaves a selection at its own side.
        target = move == kLeft ? SelStart() : SelStart() + SelLength();
    } else {
        target = CaretStop(caret_, move);
    }
    Select(extend ? anchor_ : target, target);
}

int TextField::WordStop(int move) const {
    const std::u32string chars = basic::CodePointsOf(EditText());
    if (move == kWordRight) return CaretAtShown(WordStartAfter(chars, caret_));
    // A word that starts on a mask's literal starts, for the caret, at the
    // place after it; one that gives no place before the caret is passed over.
    int start = caret_;
    int target = caret_;
    while (target == caret_ && start > 0) {
        start = WordStartBefore(chars, start);
        target = CaretAtShown(start);
    }
    return std::min(target, caret_);
}

int TextField::CaretStop(int position, int move) const {
    const int length = EditLength();
    switch (move) {
    case kLeft: return std::max(0, position - 1);
    case kRight: return std::min(length, position + 1);
    case kHome: return 0;
    default: return length;
    }
}

void TextField::Copy() const {
    if (SelLength() == 0) return;
    App().GetClipboard().SetText(SelText());
}

void TextField::Cut() {
    if (locked_ || ReadOnly() || SelLength() == 0) return;
    Copy();
    Erase(kRight);
}

bool TextField::Paste(const std::string& text) {
    if (ReadOnly()) return false;
    const auto content = PastedContent(WithPlainBlanks(basic::CodePointsOf(text)));
    return content && ReplaceSelection(*content, true);
}

std::optional<std::u32string> TextField::PastedContent(std::u32string pasted) const {
    pasted.resize(std::min(pasted.find_first_of(U"\r\n"), pasted.size()));
    return pasted;
}

bool TextField::ReplaceSelection(std::u32string_view typed, bool pasting) {
    if (locked_) return false;
    std::u32string inserted;
    for (char32_t c : typed) {
        if (Typeable(c) && TakesCharacter(c)) {
            inserted += c;
        } else if (!pasting || !DropsFromPaste(c)) {
            return false;
        }
    }
    if (inserted.empty()) return false;
    const std::u32string chars = basic::CodePointsOf(text_);
    const auto start = static_cast<std::size_t>(std::min<int>(SelStart(), static_cast<int>(chars.size())));
    const auto length = std::min(static_cast<std::size_t>(SelLength()), chars.size() - start);
    if (maxLength_ > 0) {
        const auto kept = chars.size() - length;
        const auto room = static_cast<std::size_t>(maxLength_) > kept ? static_cast<std::size_t>(maxLength_) - kept : 0;
        if (inserted.size() > room) {
            // A key past the limit is refused; a paste is cut to what fits.
            if (!pasting || room == 0) return false;
            inserted.resize(room);
        }
    }
    std::u32string edited = chars.substr(0, start) + inserted + chars.substr(start + length);
    if (!Holds(edited)) return false;
    StoreEdit(basic::Utf8Of(edited), static_cast<int>(start + inserted.size()));
    return true;
}

void TextField::Erase(int direction) {
    if (locked_) return;
    std::u32string chars = basic::CodePointsOf(text_);
    int start = SelStart();
    int length = SelLength();
    if (length == 0) {
        if (direction < 0) {
            if (start == 0) return;
            --start;
        }
        length = 1;
    }
    if (start >= static_cast<int>(chars.size())) return;
    chars.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
    if (!Holds(chars)) return;
    StoreEdit(basic::Utf8Of(chars), start);
}

void TextField::ShowBoundValue(const data::Value& value) { SetText(BoundValueText(value)); }

data::Value TextField::BoundValue() const {
    if (text_.empty()) return data::Null{};
    return text_;
}

} // namespace forms
