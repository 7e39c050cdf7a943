#pragma once
// Internal: the range of a "name begins with" search. Find's criterion
// "left(Column, N) = 'text'" with N the number of characters of the text, once
// translated, compares the first N characters case-blind, so every row it
// can find has a column value whose ASCII beginning, compared case-blind
// (ASCII letters), is at or above `low` and below `high`: an index on the column with that comparison
// narrows the search to those rows without changing what it finds.

#include <optional>
#include <string>

namespace data {

struct PrefixRange {
    std::string column;
    std::string low;
    std::string high; // "" when nothing bounds the range from above
};

// The range of a translated criterion of exactly that shape; nothing for any
// other criterion.
std::optional<PrefixRange> PrefixRangeOf(const std::string& translatedCriterion);

} // namespace data
