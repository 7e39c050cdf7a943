#pragma once
#include <string_view>
#include <utility>

namespace forms {

// Words as the platform's edit controls take them, for a double-click and
// Ctrl+Left / Ctrl+Right: a run of characters between blanks. An amount, a
// phone or a tax id shows no blank, so its word is the whole number.
// Positions count characters of `text` and are clamped into it.

// The start of the word before `position` (0 when there is none).
int WordStartBefore(std::u32string_view text, int position);
// The start of the word after `position` (the end of the text when none).
int WordStartAfter(std::u32string_view text, int position);
// The run of characters a double-click at `position` selects, [first, last):
// the word it lands in or right after, else the blanks it lands in.
std::pair<int, int> WordAround(std::u32string_view text, int position);

} // namespace forms
