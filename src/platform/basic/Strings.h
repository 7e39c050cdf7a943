#pragma once
#include <string>
#include <string_view>

namespace basic {

// The classic text functions over UTF-8 texts, counting characters, not
// bytes. None of them fails: a count past the end takes what there is, a
// negative count or a start before the first character is taken as 0 / 1.
std::string Left(std::string_view text, long count);
std::string Right(std::string_view text, long count);
// Mid(text, start) is the rest from the 1-based start.
std::string Mid(std::string_view text, long start);
std::string Mid(std::string_view text, long start, long count);
long Len(std::string_view text);

// Trim blanks (the character " ") only; tabs and other spaces stay.
std::string Trim(std::string_view text);
std::string LTrim(std::string_view text);
std::string RTrim(std::string_view text);

// Names (of columns, controls, files, properties) compare without regard to
// the case of ASCII letters, as the original platform compared them.
bool SameNameCaseBlind(std::string_view a, std::string_view b);
bool LessCaseBlind(std::string_view a, std::string_view b);

// Upper / lower case of the letters of code page 1252 (ASCII, the Latin-1
// letters, Š Œ Ž Ÿ); other characters stay as they are.
std::string UCase(std::string_view text);
std::string LCase(std::string_view text);
char32_t UpperOf(char32_t character);
char32_t LowerOf(char32_t character);
// A letter of code page 1252 (a..z, é, ß, Ÿ ...).
bool IsLetter(char32_t character);

} // namespace basic
