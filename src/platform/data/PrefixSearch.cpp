#include "platform/data/PrefixSearch.h"

#include <cctype>
#include <regex>

namespace data {

namespace {

std::string Undoubled(const std::string& text, char quote) {
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        plain += text[i];
        if (text[i] == quote && i + 1 < text.size() && text[i + 1] == quote) ++i;
    }
    return plain;
}

size_t CharacterCount(const std::string& text) {
    size_t count = 0;
    for (char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

// The case-blind comparison folds ASCII capitals to small letters and then
// compares bytes: every value beginning with `low` (so folded) sorts below
// the folded text with its last byte raised.
std::string UpperBound(std::string folded) {
    while (!folded.empty() && static_cast<unsigned char>(folded.back()) == 0xFF) folded.pop_back();
    if (folded.empty()) return "";
    folded.back() = static_cast<char>(static_cast<unsigned char>(folded.back()) + 1);
    return folded;
}

} // namespace

std::optional<PrefixRange> PrefixRangeOf(const std::string& translatedCriterion) {
    static const std::regex kShape(
        R"(^jet_left \( ([A-Za-z_][A-Za-z0-9_]*|"(?:[^"]|"")+") , ([0-9]{1,4}) \) = '((?:[^']|'')*)' COLLATE (?:NOCASE|JET_NOCASE)$)");
    std::smatch match;
    if (!std::regex_match(translatedCriterion, match, kShape)) return std::nullopt;
    std::string column = match[1].str();
    if (column.front() == '"') column = Undoubled(column.substr(1, column.size() - 2), '"');
    std::string text = Undoubled(match[3].str(), '\'');
    if (text.empty() || CharacterCount(text) != std::stoul(match[2].str())) return std::nullopt;
    // The index compares ASCII letters alone without regard to case: the
    // letters up to the first beyond ASCII narrow the search (é may stand
    // as É in the row); with none, the index cannot help.
    std::string folded;
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) break;
        folded += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    if (folded.empty()) return std::nullopt;
    return PrefixRange{column, folded, UpperBound(folded)};
}

} // namespace data
