#pragma once
// Page images of every kind whose frame is not the page's, each with a black
// bar near each edge of its frame, and where those bars land on a printed
// page: a page image drawn in place stretches its frame over the page, so
// each bar's middle lies 3% of the page's width or height in from its edge.

#include <QImage>

#include <array>
#include <filesystem>

namespace desktop_test {

// A bar's edges, as fractions of the frame's width (left, right) and height
// (top, bottom).
struct EdgeBar {
    double left, top, right, bottom;
};

inline constexpr std::array<EdgeBar, 4> kEdgeBars{{
    {0.02, 0.30, 0.04, 0.70}, // left
    {0.96, 0.30, 0.98, 0.70}, // right
    {0.30, 0.02, 0.70, 0.04}, // top
    {0.30, 0.96, 0.70, 0.98}, // bottom
}};

// An SVG whose viewBox (1000 x 2000 from (-500, 250)) is its frame; its
// width and height (3 x 4 in) say otherwise.
void WriteEdgeMarkedSvg(const std::filesystem::path& file);
// A PDF whose first page is A4 landscape.
void WriteEdgeMarkedPdf(const std::filesystem::path& file);
// A PNG of 400 x 300 pixels.
void WriteEdgeMarkedPng(const std::filesystem::path& file);

// The middles of the outermost marks of a rasterised Letter page, in points
// from its top-left corner: along the page's middle row (left, right) and
// middle column (top, bottom); -1 where the line holds no ink.
struct BarMiddles {
    double left = -1, right = -1, top = -1, bottom = -1;
};
BarMiddles MeasureEdgeBars(const QImage& page, int dotsPerInch);

// Where the bars of a page image drawn in place lie on the Letter page.
BarMiddles ExpectedEdgeBars();

} // namespace desktop_test
