#pragma once
#include "platform/forms/TextField.h"

#include <string>
#include <vector>

namespace forms {

// A masked input field. Its Text is the characters typed into the mask's
// places, without literals and prompt characters: "122" under "9/99", ""
// when nothing is typed. Mask characters: "#" and "9" a digit, "?" a letter,
// "A" and "a" a letter or digit, "&" and "C" any character, ">" upper-cases
// and "<" lower-cases what follows, "\" makes the next character a literal;
// anything else is a literal shown in its place. With no mask it is a plain
// field limited by MaxLength.
//
// The caret moves over the mask's places, stepping over the literals, and
// no further than the place after the last one typed. A key goes into the
// place at the caret, the characters after it moving on one
// place (refused when the last place is taken); a literal typed where it
// stands is stepped over. Backspace and Delete clear a place, the
// characters after it closing up, so the places stay filled from the first.
// A paste goes in as its keys would, without the blank space around it
// (tabs, line ends, and blanks but those beside text that stays, where a
// place takes them), stepping over the punctuation, blanks and tabs
// between a phone's or an ID's digits; it is refused whole when it would
// lose a character: a letter or digit that fits no place, anything past the
// last free place or on a second line, a tab where blanks have places (it
// parts two words), and, in a mask of digits alone, anything that goes into
// no place.
class MaskedField : public TextField {
public:
    MaskedField(Form& owner, std::string name, int index = -1);
    std::string Kind() const override { return "MaskedField"; }

    const std::string& Mask() const { return mask_; }
    void SetMask(const std::string& mask);
    char PromptChar() const { return promptChar_; }
    void SetPromptChar(char prompt);
    // How many places the mask has (MaxLength when there is no mask).
    int PlaceCount() const;

    // The mask with the typed characters in their places and the prompt
    // character in the unfilled ones: "1/22" under "9/99", "(___) ___-____".
    std::string DisplayText() const override;
    std::string EditText() const override { return DisplayText(); }
    int CaretAtShown(int shown) const override;

protected:
    std::optional<std::u32string> PastedContent(std::u32string pasted) const override;
    std::string Normalised(const std::string& written) const override;
    void TextWritten() override;
    bool ReplaceSelection(std::u32string_view typed, bool pasting) override;
    void Erase(int direction) override;
    int CaretStop(int position, int move) const override;
    std::string TextOfRange(int start, int length) const override;

private:
    struct Position {
        bool place = false;   // a place for a typed character
        char rule = 0;        // the mask character of a place
        char32_t literal = 0; // the character shown at a literal position
        int casing = 0;       // +1 upper, -1 lower, 0 as typed
    };
    void Parse();
    bool HasMask() const { return !positions_.empty(); }
    // What goes into the places, key by key: the typed keys, or a paste's
    // content with the blanks at its ends that stay (`leading`, `trailing`).
    struct Keys {
        std::u32string text;
        std::size_t leading = 0, trailing = 0;
        bool EndBlank(std::size_t i) const { return i < leading || i >= text.size() - trailing; }
    };
    // A paste over the places [first, last).
    Keys PastedKeys(std::u32string_view pasted, int first, int last) const;
    // Whether a place in [first, last) holds a character.
    bool FilledIn(int first, int last) const;
    // Digit places and no literal: a count, a PIN.
    bool DigitsOnly() const;
    // Some place takes a blank: a name, a street, a one-letter code.
    bool PlacesTakeBlanks() const;
    int Places() const { return static_cast<int>(placeAt_.size()); }
    const Position& PlacePosition(int k) const {
        return positions_[static_cast<std::size_t>(placeAt_[static_cast<std::size_t>(k)])];
    }
    static bool Fits(char rule, char32_t c);
    static char32_t Cased(int casing, char32_t c);
    // The first place at or after the display position (Places(): none).
    int PlaceFrom(int position) const;
    // The display position of place k (the display's end past the last).
    int PositionOf(int k) const;
    // Takes places [first, last) out of `content`, the later ones closing
    // up where they fit the places they move to (else the places are only
    // cleared).
    void TakeOut(std::u32string& content, int first, int last) const;
    // Puts `c` into place k of `content`, the later ones moving on up to
    // the first empty place. False when it does not fit or no place is free.
    bool PutIn(std::u32string& content, int k, char32_t c) const;
    bool SteppedOver(int caret, char32_t c) const;
    // A character of a paste that goes into no place and is no literal,
    // while `content` holds what went in so far: true skips it, false
    // refuses the paste.
    bool SkippedFromPaste(const std::u32string& content, char32_t c) const;
    void StoreContent(const std::u32string& content, int caret);

    std::string mask_;
    char promptChar_ = '_';
    std::vector<Position> positions_;
    std::vector<int> placeAt_; // the display position of each place
    std::u32string content_;   // one character per place, 0 when empty
};

} // namespace forms
