#pragma once
// Page images of every kind whose frame is not the page's, each with a black
// bar near each edge of its frame, and where those bars land on a printed
// page: a page image drawn in place stretches its frame over the page, so
// each bar's middle lies 3% of the page's width or height in from its edge.

#include <QImage>

#include <QPointF>

#include <array>
#include <filesystem>
#include <optional>

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

// Square marks a page image draws, each 0.1 in wide, by their middles in
// inches from the page's top-left corner: one near each corner of its frame
// and two within it. Each lies on a hundredth of an inch, so that a window a
// tenth of the page's thousandths holds it exactly.
struct PageMark {
    double x, y;
};
inline constexpr double kPageMarkHalf = 0.05;
inline constexpr std::array<PageMark, 6> kPageMarks{{
    {0.25, 0.25},  // top left
    {8.25, 0.25},  // top right
    {0.25, 10.75}, // bottom left
    {8.25, 10.75}, // bottom right
    {2.0, 3.0},
    {6.0, 8.0},
}};

// The middle of the ink within `reach` points of `near` (both in points from
// the top-left corner) on a rasterised page; nothing: no ink there.
std::optional<QPointF> InkMiddleNear(const QImage& page, int dotsPerInch, QPointF near, double reach);

} // namespace desktop_test
