#include "platform/basic/Strings.h"

#include "platform/basic/Utf8.h"

#include <algorithm>

namespace basic {

namespace {

bool IsContinuationByte(unsigned char c) { return (c & 0xC0) == 0x80; }

// The byte offset where the character `index` (0-based) starts, or the
// text's size when it has fewer characters. A stray byte counts as one.
std::size_t ByteOffsetOf(std::string_view text, long index) {
    std::size_t offset = 0;
    for (long n = 0; n < index && offset < text.size(); ++n) {
        ++offset;
        while (offset < text.size() && IsContinuationByte(static_cast<unsigned char>(text[offset]))) {
            ++offset;
        }
    }
    return offset;
}

// The letters of code page 1252 beyond Latin-1, upper then lower case.
constexpr char32_t kPairs[][2] = {{0x160, 0x161}, {0x152, 0x153}, {0x17D, 0x17E}, {0x178, 0xFF}};

template <typename Change>
std::string MapLetters(std::string_view text, Change change) {
    std::string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) AppendUtf8(result, change(NextCodePoint(text, i)));
    return result;
}

} // namespace

long Len(std::string_view text) {
    return static_cast<long>(std::count_if(text.begin(), text.end(),
                                           [](char c) { return !IsContinuationByte(static_cast<unsigned char>(c)); }));
}

std::string Left(std::string_view text, long count) {
    if (count <= 0) return "";
    return std::string(text.substr(0, ByteOffsetOf(text, count)));
}

std::string Right(std::string_view text, long count) {
    long length = Len(text);
    if (count <= 0) return "";
    if (count >= length) return std::string(text);
    return std::string(text.substr(ByteOffsetOf(text, length - count)));
}

std::string Mid(std::string_view text, long start) {
    if (start < 1) start = 1;
    return std::string(text.substr(ByteOffsetOf(text, start - 1)));
}

std::string Mid(std::string_view text, long start, long count) {
    if (count <= 0) return "";
    return Left(Mid(text, start), count);
}

std::string LTrim(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? "" : std::string(text.substr(first));
}

std::string RTrim(std::string_view text) {
    std::size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? "" : std::string(text.substr(0, last + 1));
}

std::string Trim(std::string_view text) { return LTrim(RTrim(text)); }

char32_t UpperOf(char32_t c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    for (const auto& pair : kPairs)
        if (c == pair[1]) return pair[0];
    return c;
}

char32_t LowerOf(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    for (const auto& pair : kPairs)
        if (c == pair[0]) return pair[1];
    return c;
}

bool IsLetter(char32_t c) { return UpperOf(c) != c || LowerOf(c) != c || c == 0xDF || c == 0xAA || c == 0xBA; }

std::string UCase(std::string_view text) {
    return MapLetters(text, [](char32_t c) { return UpperOf(c); });
}
std::string LCase(std::string_view text) {
    return MapLetters(text, [](char32_t c) { return LowerOf(c); });
}

namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

bool SameNameCaseBlind(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

bool LessCaseBlind(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return LowerAscii(x) < LowerAscii(y); });
}

} // namespace basic
