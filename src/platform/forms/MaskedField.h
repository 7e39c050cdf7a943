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
// The caret moves over the mask's places, stepping over the literals; a key
// fills the place at the caret (a literal typed where it stands is stepped
// over), Backspace and Delete clear a place without moving the others. A
// cleared place in the middle shows the prompt character; the Text holds
// the filled places in order.
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
    static bool Fits(char rule, char32_t c);
    static char32_t Cased(int casing, char32_t c);
    // The position of the first place at or after `position` (size: none).
    int PlaceFrom(int position) const;
    // Clears the places in [start, start + length) of `places`.
    void Clear(std::u32string& places, int start, int length) const;
    // Stores the places a user's edit gave.
    void StorePlaces(const std::u32string& places, int caret);
    std::string TextOf(const std::u32string& places) const;

    std::string mask_;
    char promptChar_ = '_';
    std::vector<Position> positions_;
    // One character per position (0 where a place is empty); literals too,
    // so that positions and places share their index.
    std::u32string places_;
};

} // namespace forms
