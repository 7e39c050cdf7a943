#pragma once
// The items of a printout's pages in a plain text file, so that the baseline
// writes exactly the program's texts without holding them: a line "page"
// starts each page, then one line per item, "left top width code text" (the
// text is the rest of the line).
#include <functional>
#include <iosfwd>
#include <string>

#include "platform/printing/PrintDocument.h"

namespace bench {

void WritePage(std::ostream& out, const printing::PrintPage& page);

// Calls `newPage` at each page and `item` for each of its items, in order.
void ReadItems(const std::string& path, const std::function<void()>& newPage,
               const std::function<void(const printing::PrintItem&)>& item);

} // namespace bench
