#pragma once
#include <string>
#include <string_view>

namespace basic {

// The program keeps its texts in UTF-8; editing and counting work on code
// points. A malformed byte reads as U+FFFD, one byte at a time.
std::u32string CodePointsOf(std::string_view utf8);
std::string Utf8Of(std::u32string_view codePoints);
std::string Utf8Of(char32_t codePoint);

// Decodes the character at byte `i`, moving `i` past it.
char32_t NextCodePoint(std::string_view utf8, std::size_t& i);
void AppendUtf8(std::string& out, char32_t codePoint);

} // namespace basic
