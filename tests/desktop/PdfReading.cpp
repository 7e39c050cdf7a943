#include "PdfReading.h"

#include <algorithm>
#include <cstdio>
#include <regex>
#include <sstream>
#include <string>

namespace desktop_test {
namespace {

std::string Run(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    pclose(pipe);
    return out;
}

} // namespace

std::vector<PdfPage> ReadPdfPages(const std::filesystem::path& pdf) {
    const std::string html = Run("pdftotext -bbox '" + pdf.string() + "' - 2>/dev/null");
    std::vector<PdfPage> pages;
    const std::regex page(R"re(<page width="([\d.]+)" height="([\d.]+)">)re");
    const std::regex word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::istringstream lines(html);
    std::string line;
    std::smatch m;
    while (std::getline(lines, line)) {
        if (std::regex_search(line, m, page)) {
            pages.push_back({std::stod(m[1]), std::stod(m[2]), {}});
        } else if (std::regex_search(line, m, word) && !pages.empty()) {
            pages.back().words.push_back({std::stod(m[1]), std::stod(m[2]), std::stod(m[3]), std::stod(m[4]), m[5]});
        }
    }
    return pages;
}

const PdfWord* FindWord(const PdfPage& page, const std::string& text) {
    for (const auto& w : page.words)
        if (w.text == text) return &w;
    return nullptr;
}

int PdfImageCount(const std::filesystem::path& pdf) {
    const std::string list = Run("pdfimages -list '" + pdf.string() + "' 2>/dev/null");
    int lines = 0;
    for (char c : list) lines += c == '\n';
    return std::max(0, lines - 2); // two heading lines
}

QImage PdfPageRaster(const std::filesystem::path& pdf, int page, int dotsPerInch) {
    const std::filesystem::path stem = pdf.parent_path() / (pdf.stem().string() + "-raster");
    Run("pdftoppm -png -singlefile -r " + std::to_string(dotsPerInch) + " -f " + std::to_string(page) + " -l " +
        std::to_string(page) + " '" + pdf.string() + "' '" + stem.string() + "' 2>/dev/null");
    const std::filesystem::path png = stem.string() + ".png";
    QImage image(QString::fromStdString(png.string()));
    std::filesystem::remove(png);
    return image;
}

} // namespace desktop_test
