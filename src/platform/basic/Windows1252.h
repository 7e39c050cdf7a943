#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace basic {

// The program keeps UTF-8 texts; files of the original system (the paid
// preparer's record file, the DOS tables) hold one byte per character in
// code page 1252.
std::string Utf8FromWindows1252(std::string_view bytes);
// Characters that code page 1252 cannot hold become "?".
std::string Windows1252FromUtf8(std::string_view utf8);

// The code page's byte for a character; nothing when it has none.
std::optional<unsigned char> Windows1252ByteOf(char32_t character);
// The character a byte of the code page stands for.
char32_t Windows1252Character(unsigned char byte);

// One fixed-width field of a record: the text in code page 1252,
// left-aligned, filled up with blanks or cut to `width` bytes.
std::string Windows1252Field(std::string_view utf8, std::size_t width);

} // namespace basic
