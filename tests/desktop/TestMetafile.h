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

// How a metafile maps its units: as players do by default (points at the
// placeable header's units an inch, else a point a unit; the window set
// moves the origin only), or by a mapping mode of its own, the window
// stretched over the viewport (for the isotropic one, a viewport origin and
// extent of its own too).
enum class Mapping { Default, Anisotropic, Isotropic };

// A frame of 10,000 x 20,000 units from (-3000, 1000), its window (and with
// `placeable` its placeable header's box, at 2000 units an inch), holding the
// black edge bars of EdgeMarks.h.
void WriteEdgeMarkedMetafile(const std::filesystem::path& file, bool placeable, Mapping mapping = Mapping::Default);

// The window a page image's records set: its origin and extent.
struct MetafileWindow {
    int left, top, width, height;
};

// A placeable page of 8.5 x 11 in at 1000 units an inch (its box 0,0 to
// 8500,11000) whose records set the anisotropic mapping and `window`, and
// draw the page marks of EdgeMarks.h in the window's units, the window
// standing for the whole page.
void WriteWindowedMetafile(const std::filesystem::path& file, const MetafileWindow& window);

// An 8-bit bitmap's header declaring `width` x `height` pixels, uncompressed
// or run-length encoded, and `bytesHeld` bytes of its pixels after it; the
// header's own size as it states it.
struct TestBitmap {
    int width, height;
    bool runLength;
    int bytesHeld;
    int headerBytes = 40;
};
enum class BitmapRecord { StretchDib, DibPatternBrush };

// A placeable page of 8.5 x 11 in at 100 units an inch whose one record
// carries `bitmap`: a StretchDIBits drawing it at (1, 1) in, 1 in square, or
// a DibCreatePatternBrush making a brush of it.
void WriteBitmapMetafile(const std::filesystem::path& file, BitmapRecord record, const TestBitmap& bitmap);

} // namespace desktop_test
