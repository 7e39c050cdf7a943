#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace forms {

// Text as the user copied it from a spreadsheet, an e-mail or a web page.

// Web pages and word processors put no-break blanks between words (U+00A0,
// and the figure and narrow ones, U+2007 and U+202F), and some keyboard
// layouts type U+00A0 with AltGr+Space: typed or pasted, a field reads each
// as a blank.
char32_t PlainBlank(char32_t c);
std::u32string WithPlainBlanks(std::u32string_view text);

// A paste parted into the blank space before it (blanks, tabs, line ends: a
// copied cell's tab or line end), its content and the blank space after it.
// A paste of blank space alone is all `before`.
struct PasteParts {
    std::u32string_view before, content, after;
};
PasteParts SplitBlankSpace(std::u32string_view pasted);

// The figure a paste into an amount or a whole-number field gives: its
// content, or nothing when it is no single figure as copied: a tab or a line
// end inside (a row's or a column's cells), a blank between two of its
// digits ("1 234,56"), or commas that do not group its whole part in threes
// (a decimal comma: "1,50"). The "$", grouping commas and blanks left are
// the field's to drop.
std::optional<std::u32string> PastedFigure(std::u32string_view pasted);

} // namespace forms
