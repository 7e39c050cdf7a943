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

protected:
    std::string Normalised(const std::string& written) const override;
    std::optional<std::string> AfterTyping(const std::string& current, char c) const override;

private:
    struct Position {
        bool place = false;  // a place for a typed character
        char rule = 0;       // the mask character of a place
        char literal = 0;    // the character shown at a literal position
        int casing = 0;      // +1 upper, -1 lower, 0 as typed
    };
    void Parse();
    static bool Fits(char rule, char c);
    static char Cased(int casing, char c);
    std::vector<const Position*> Places() const;

    std::string mask_;
    char promptChar_ = '_';
    std::vector<Position> positions_;
};

} // namespace forms
