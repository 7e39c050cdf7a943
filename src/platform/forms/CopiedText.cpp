#include "platform/forms/CopiedText.h"

#include <algorithm>

namespace forms {
namespace {

constexpr std::u32string_view kBlankSpace = U" \t\r\n";

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

bool BlankBetweenDigits(std::u32string_view figure) {
    const auto first = std::find_if(figure.begin(), figure.end(), IsDigit);
    if (first == figure.end()) return false;
    const auto last = std::find_if(figure.rbegin(), figure.rend(), IsDigit).base();
    return std::find(first, last, U' ') != last;
}

// Each comma is followed by exactly three digits, then a comma, the point or
// the end.
bool CommasGroupThousands(std::u32string_view figure) {
    for (auto comma = figure.find(U','); comma != std::u32string_view::npos; comma = figure.find(U',', comma + 1)) {
        const std::u32string_view group = figure.substr(comma + 1, 3);
        if (group.size() < 3 || !std::all_of(group.begin(), group.end(), IsDigit)) return false;
        const auto next = comma + 4;
        if (next < figure.size() && figure[next] != U',' && figure[next] != U'.') return false;
    }
    return true;
}

} // namespace

char32_t PlainBlank(char32_t c) { return c == U'\u00A0' || c == U'\u2007' || c == U'\u202F' ? U' ' : c; }

std::u32string WithPlainBlanks(std::u32string_view text) {
    std::u32string plain(text);
    std::transform(plain.begin(), plain.end(), plain.begin(), PlainBlank);
    return plain;
}

PasteParts SplitBlankSpace(std::u32string_view pasted) {
    const auto first = pasted.find_first_not_of(kBlankSpace);
    if (first == std::u32string_view::npos) return {pasted, {}, {}};
    const auto end = pasted.find_last_not_of(kBlankSpace) + 1;
    return {pasted.substr(0, first), pasted.substr(first, end - first), pasted.substr(end)};
}

std::optional<std::u32string> PastedFigure(std::u32string_view pasted) {
    const std::u32string_view figure = SplitBlankSpace(pasted).content;
    if (figure.find_first_of(U"\t\r\n") != std::u32string_view::npos || BlankBetweenDigits(figure) ||
        !CommasGroupThousands(figure)) {
        return std::nullopt;
    }
    return std::u32string(figure);
}

} // namespace forms
