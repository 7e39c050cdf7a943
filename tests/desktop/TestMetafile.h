#pragma once
// Writes a small Windows metafile from the published record layout, so that
// the page-image tests need no file from elsewhere.

#include <filesystem>

namespace desktop_test {

// A page of 8.5 x 11 in, at 100 units an inch: a light grey rectangle
// (outlined) from (1, 2) to (3, 2.5) in and a black line 0.05 in thick from
// (1, 5) to (7, 5) in. With `placeable` the file starts with a placeable
// header whose box is the page; without, only the window records set it.
void WriteTestMetafile(const std::filesystem::path& file, bool placeable);

// A frame of 10,000 x 20,000 units from (-3000, 1000), its window (and with
// `placeable` its placeable header's box, at 2000 units an inch), holding the
// black edge bars of EdgeMarks.h.
void WriteEdgeMarkedMetafile(const std::filesystem::path& file, bool placeable);

} // namespace desktop_test
