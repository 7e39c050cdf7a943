#pragma once
#include "platform/forms/Bound.h"
#include "platform/forms/Control.h"

#include <optional>
#include <string>

namespace forms {

// What the text box, the masked field and the numeric fields share: a text
// that code writes freely and that the user edits as in the platform's edit
// controls: a caret and a selection, typing that replaces the selection,
// Backspace and Delete, the arrows, Home and End (with Shift they extend the
// selection; with Ctrl the arrows go by words), Ctrl+A, the mouse's drag,
// Shift+click and double-click, and cut, copy and paste through the
// application's clipboard. Each kind refuses the keys, and the pastes, that do not fit it.
// Every change of the text raises Change. A read-only field (Bound) takes
// none of the keys, cuts or pastes that would change it.
//
// Positions count characters (not bytes) of EditText(), the text the caret
// moves over. Any character of code page 1252 can be typed or pasted; other
// characters are refused like a key that does not fit.
class TextField : public Control, public Bound {
public:
    using Control::Control;

    const std::string& Text() const { return text_; }
    // Code writes the text (no limits but the kind's own normalising); the
    // caret goes to the end of it, or, in a field that has the focus and was
    // not typed in since it got it, the whole text is selected, as when the
    // field is entered by Tab, so that what the user types next replaces it.
    void SetText(const std::string& text);
    // What a window shows (a mask's literals, an amount's format).
    virtual std::string DisplayText() const { return text_; }
    // What the caret moves over (a mask's display; a number's plain text).
    virtual std::string EditText() const { return text_; }

    bool Locked() const { return locked_; }
    void SetLocked(bool locked);
    // 0: no limit.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);

    // The selection: SelLength characters from SelStart; the caret stands at
    // one of its ends (where Shift+arrows move it).
    int SelStart() const;
    int SelLength() const;
    // The moving end of the selection, where the caret shows.
    int Caret() const { return caret_; }
    std::string SelText() const;
    // Code moves the caret (no selection) / selects from SelStart on.
    void SetSelStart(int start);
    void SetSelLength(int length);
    // Replaces the selection, as pasting the text would.
    void SetSelText(const std::string& text);
    void SelectAll();
    // The mouse: a drag or a Shift+click moves the caret to `position`, the
    // selection's other end staying where it was.
    void ExtendSelectionTo(int position);
    // A double-click: the word at `position` of EditText() (TextWords.h).
    void SelectWordAt(int position);
    // The caret after the last character (a mask: after its last filled place).
    void CaretToEnd();

    // The caret position for a click before character `shown` of what the
    // field shows now (DisplayText).
    virtual int CaretAtShown(int shown) const;

    bool Focusable() const override { return true; }
    // Characters and Backspace.
    void TakeKey(int keyAscii) override;
    // Arrows (Ctrl by words), Home, End (Shift extends), Delete, Ctrl+A, Ctrl+C / Ctrl+Insert,
    // Ctrl+X / Shift+Delete, Ctrl+V / Shift+Insert.
    void TakeKeyCode(int keyCode, int shift) override;
    // A field entered by Tab, by Enter or by code has all its text selected
    // (a click then puts the caret where it was).
    void FocusArrived() override;

    void Copy() const;
    void Cut();
    // Pastes the text at the caret, its no-break blanks read as blanks
    // (PastedContent says what of it goes in). False when refused.
    bool Paste(const std::string& text);

    // "" is Null for the column.
    void ShowBoundValue(const data::Value& value) override;
    data::Value BoundValue() const override;
    std::string BoundContent() const override { return text_; }

protected:
    // Editing, kind by kind. The defaults edit the Text itself.
    // Replaces the selection with `typed` (a key, or a paste); false when
    // the kind refuses it, and then nothing changed.
    virtual bool ReplaceSelection(std::u32string_view typed, bool pasting);
    // Backspace (direction -1) or Delete (+1): the selection, or one character.
    virtual void Erase(int direction);
    // Where the caret goes from `position`: kLeft, kRight, kHome or kEnd.
    virtual int CaretStop(int position, int move) const;
    // The part of EditText() from `start` for `length` characters, as copied.
    virtual std::string TextOfRange(int start, int length) const;
    static constexpr int kLeft = -1, kRight = 1, kHome = -2, kEnd = 2;
    static constexpr int kWordLeft = -3, kWordRight = 3;

    // What of a paste goes in: a one-line field takes its first line; a
    // kind may weigh the whole of it. Nothing refuses the paste.
    virtual std::optional<std::u32string> PastedContent(std::u32string pasted) const;
    // Whether the kind takes the character at all.
    virtual bool TakesCharacter(char32_t /*c*/) const { return true; }
    // Whether the text after an edit is one the kind can hold.
    virtual bool Holds(const std::u32string& /*text*/) const { return true; }
    // A character of a paste that the kind does not take: true drops it and
    // goes on, false refuses the whole paste.
    virtual bool DropsFromPaste(char32_t /*c*/) const { return true; }

    // How a code write is stored (a mask keeps only its places' characters).
    virtual std::string Normalised(const std::string& written) const { return written; }
    // Code wrote the text (a mask refills its places).
    virtual void TextWritten() {}
    // The user's edit gave `text` with the caret at `caret`.
    void StoreEdit(const std::string& text, int caret);
    // Whether a character can be typed at all: one of code page 1252, no
    // control character.
    static bool Typeable(char32_t c);
    void ReadOnlyChanged() override;

private:
    void Announce(bool textChanged);
    void Select(int anchor, int caret);
    void MoveCaret(int move, bool extend);
    int WordStop(int move) const;
    int EditLength() const;

    std::string text_;
    bool locked_ = false;
    int maxLength_ = 0;
    int anchor_ = 0;
    int caret_ = 0;
    bool editedSinceFocus_ = false; // the user changed the text since the focus came
};

} // namespace forms
