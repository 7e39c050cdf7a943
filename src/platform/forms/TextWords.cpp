#include "platform/forms/TextWords.h"

#include <algorithm>

namespace forms {
namespace {

bool IsBlank(char32_t c) { return c == U' ' || c == U'\t' || c == U'\u00A0'; }

bool BlankAt(std::u32string_view text, int i) { return IsBlank(text[static_cast<std::size_t>(i)]); }

bool WordStartsAt(std::u32string_view text, int i) { return !BlankAt(text, i) && (i == 0 || BlankAt(text, i - 1)); }

int Clamped(std::u32string_view text, int position) { return std::clamp(position, 0, static_cast<int>(text.size())); }

} // namespace

int WordStartBefore(std::u32string_view text, int position) {
    int i = Clamped(text, position) - 1;
    while (i > 0 && !WordStartsAt(text, i)) --i;
    return std::max(i, 0);
}

int WordStartAfter(std::u32string_view text, int position) {
    const int length = static_cast<int>(text.size());
    int i = Clamped(text, position) + 1;
    while (i < length && !WordStartsAt(text, i)) ++i;
    return std::min(i, length);
}

std::pair<int, int> WordAround(std::u32string_view text, int position) {
    const int length = static_cast<int>(text.size());
    if (length == 0) return {0, 0};
    int at = Clamped(text, position);
    // Right after a word (a click on its last character's far half) is in it.
    if (at == length || (BlankAt(text, at) && at > 0 && !BlankAt(text, at - 1))) --at;
    const bool blank = BlankAt(text, at);
    int first = at, last = at + 1;
    while (first > 0 && BlankAt(text, first - 1) == blank) --first;
    while (last < length && BlankAt(text, last) == blank) ++last;
    return {first, last};
}

} // namespace forms
