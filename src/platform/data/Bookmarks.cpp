#include "platform/data/Bookmarks.h"

#include <charconv>

namespace data {

namespace {

// The rowid, then for each key value " n" (Null), " i<whole number>",
// " r<number>" or " t<length in bytes>:<text>".

template <class Number>
std::string NumberText(Number number) {
    char digits[32];
    return std::string(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
}

template <class Number>
bool ReadNumber(std::string_view& text, Number& number) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc()) return false;
    text.remove_prefix(static_cast<size_t>(end - text.data()));
    return true;
}

bool ReadValue(std::string_view& text, Value& value) {
    if (text.size() < 2 || text[0] != ' ') return false;
    const char kind = text[1];
    text.remove_prefix(2);
    switch (kind) {
    case 'n': value = Null{}; return true;
    case 'i': return ReadNumber(text, value.emplace<std::int64_t>());
    case 'r': return ReadNumber(text, value.emplace<double>());
    case 't': {
        size_t length = 0;
        if (!ReadNumber(text, length) || text.empty() || text[0] != ':' || text.size() - 1 < length) return false;
        value = std::string(text.substr(1, length));
        text.remove_prefix(1 + length);
        return true;
    }
    default: return false;
    }
}

} // namespace

std::string BookmarkOf(const Row& row) {
    std::string text = NumberText(row.rowid);
    for (const auto& value : row.key) {
        if (const auto* whole = std::get_if<std::int64_t>(&value)) text += " i" + NumberText(*whole);
        else if (const auto* real = std::get_if<double>(&value)) text += " r" + NumberText(*real);
        else if (const auto* words = std::get_if<std::string>(&value))
            text += " t" + NumberText(words->size()) + ":" + *words;
        else text += " n";
    }
    return text;
}

std::optional<Row> RowOfBookmark(std::string_view bookmark) {
    Row row;
    if (!ReadNumber(bookmark, row.rowid) || row.rowid < 0) return std::nullopt;
    while (!bookmark.empty()) {
        if (!ReadValue(bookmark, row.key.emplace_back())) return std::nullopt;
    }
    return row;
}

} // namespace data
