#pragma once
// Reads a rendered PDF back with poppler's tools, so that a test checks
// where the text really landed on the page, not what was asked for.

#include <QImage>

#include <filesystem>
#include <string>
#include <vector>

namespace desktop_test {

constexpr double kPointsPerInch = 72.0;

// One word and its box, in points from the page's top left corner.
struct PdfWord {
    double xMin, yMin, xMax, yMax;
    std::string text;
};

struct PdfPage {
    double width = 0, height = 0; // points
    std::vector<PdfWord> words;
};

// Every page of the PDF with its words (pdftotext -bbox); none when the
// file cannot be read.
std::vector<PdfPage> ReadPdfPages(const std::filesystem::path& pdf);

// The first word on the page that reads exactly `text` (null: none).
const PdfWord* FindWord(const PdfPage& page, const std::string& text);

// How many images the PDF draws (pdfimages -list).
int PdfImageCount(const std::filesystem::path& pdf);

// The page (1 = first) as pdftoppm rasterises it at `dotsPerInch`; a null
// image when it cannot.
QImage PdfPageRaster(const std::filesystem::path& pdf, int page, int dotsPerInch);

} // namespace desktop_test
