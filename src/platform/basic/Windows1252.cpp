#include "platform/basic/Windows1252.h"

#include "platform/basic/Utf8.h"

#include <array>
#include <cstdint>

namespace basic {

namespace {

// Code page 1252 differs from Latin-1 only in 0x80..0x9F; the five unused
// bytes keep their C1 control code points, as Windows maps them.
// clang-format off
constexpr std::array<char32_t, 32> kHighControls{
    // 0x80    0x81    0x82    0x83    0x84    0x85    0x86    0x87
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    // 0x88    0x89    0x8A    0x8B    0x8C    0x8D    0x8E    0x8F
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    // 0x90    0x91    0x92    0x93    0x94    0x95    0x96    0x97
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    // 0x98    0x99    0x9A    0x9B    0x9C    0x9D    0x9E    0x9F
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
// clang-format on

char ByteOf(char32_t c) { return static_cast<char>(Windows1252ByteOf(c).value_or('?')); }

} // namespace

std::optional<unsigned char> Windows1252ByteOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (std::size_t k = 0; k < kHighControls.size(); ++k) {
        if (kHighControls[k] == c) return static_cast<unsigned char>(0x80 + k);
    }
    return std::nullopt;
}

char32_t Windows1252Character(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : char32_t{byte};
}

std::string Utf8FromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char b : bytes) {
        AppendUtf8(out, Windows1252Character(static_cast<unsigned char>(b)));
    }
    return out;
}

std::string Windows1252FromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) out += ByteOf(NextCodePoint(utf8, i));
    return out;
}

std::string Windows1252Field(std::string_view utf8, std::size_t width) {
    std::string field = Windows1252FromUtf8(utf8);
    field.resize(width, ' ');
    return field;
}

} // namespace basic
