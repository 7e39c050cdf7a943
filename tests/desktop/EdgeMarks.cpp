#include "EdgeMarks.h"

#include "PdfReading.h"

#include <QColor>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRectF>
#include <QString>

#include <algorithm>
#include <fstream>
#include <functional>

namespace desktop_test {
namespace {

constexpr double kLetterWidth = 8.5 * kPointsPerInch, kLetterHeight = 11 * kPointsPerInch;
constexpr double kMarkMiddleNear = 0.03, kMarkMiddleFar = 0.97;

// Fills the bars of a frame of `width` x `height` from the painter's origin.
void PaintBars(QPainter& painter, double width, double height) {
    for (const EdgeBar& bar : kEdgeBars) {
        painter.fillRect(
            QRectF(bar.left * width, bar.top * height, (bar.right - bar.left) * width, (bar.bottom - bar.top) * height),
            Qt::black);
    }
}

bool Dark(QRgb pixel) { return qGray(pixel) < 128; }

// The middle of the first run of dark pixels met walking from `from` by
// `step` over `count` pixels, in pixels from the line's start; -1: none.
double MiddleOfFirstRun(int count, bool forward, const std::function<QRgb(int)>& pixelAt) {
    const int step = forward ? 1 : -1;
    int at = forward ? 0 : count - 1;
    while (at >= 0 && at < count && !Dark(pixelAt(at))) at += step;
    if (at < 0 || at >= count) return -1;
    const int first = at;
    while (at >= 0 && at < count && Dark(pixelAt(at))) at += step;
    // Pixel n covers n to n + 1.
    return forward ? (first + at) / 2.0 : (at + 1 + first + 1) / 2.0;
}

} // namespace

void WriteEdgeMarkedSvg(const std::filesystem::path& file) {
    constexpr double kLeft = -500, kTop = 250, kWidth = 1000, kHeight = 2000;
    std::ofstream svg(file);
    svg << R"(<svg xmlns="http://www.w3.org/2000/svg" width="3in" height="4in" viewBox="-500 250 1000 2000">)" << '\n';
    for (const EdgeBar& bar : kEdgeBars) {
        svg << R"(<rect fill="black" x=")" << kLeft + bar.left * kWidth << R"(" y=")" << kTop + bar.top * kHeight
            << R"(" width=")" << (bar.right - bar.left) * kWidth << R"(" height=")" << (bar.bottom - bar.top) * kHeight
            << "\"/>\n";
    }
    svg << "</svg>\n";
}

void WriteEdgeMarkedPdf(const std::filesystem::path& file) {
    QPdfWriter writer(QString::fromStdString(file.string()));
    writer.setResolution(static_cast<int>(kPointsPerInch));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
    QPainter painter(&writer);
    const QSizeF page = writer.pageLayout().fullRectPoints().size();
    PaintBars(painter, page.width(), page.height());
}

void WriteEdgeMarkedPng(const std::filesystem::path& file) {
    QImage png(400, 300, QImage::Format_RGB32);
    png.fill(Qt::white);
    {
        QPainter painter(&png);
        PaintBars(painter, png.width(), png.height());
    }
    png.save(QString::fromStdString(file.string()), "PNG");
}

BarMiddles MeasureEdgeBars(const QImage& page, int dotsPerInch) {
    BarMiddles middles;
    if (page.isNull()) return middles;
    const double pointsPerPixel = kPointsPerInch / dotsPerInch;
    const auto inPoints = [&](double pixels) { return pixels < 0 ? -1 : pixels * pointsPerPixel; };
    const int row = page.height() / 2, column = page.width() / 2;
    const auto alongRow = [&](int x) { return page.pixel(x, row); };
    const auto alongColumn = [&](int y) { return page.pixel(column, y); };
    middles.left = inPoints(MiddleOfFirstRun(page.width(), true, alongRow));
    middles.right = inPoints(MiddleOfFirstRun(page.width(), false, alongRow));
    middles.top = inPoints(MiddleOfFirstRun(page.height(), true, alongColumn));
    middles.bottom = inPoints(MiddleOfFirstRun(page.height(), false, alongColumn));
    return middles;
}

BarMiddles ExpectedEdgeBars() {
    return {kMarkMiddleNear * kLetterWidth, kMarkMiddleFar * kLetterWidth, kMarkMiddleNear * kLetterHeight,
            kMarkMiddleFar * kLetterHeight};
}

std::optional<QPointF> InkMiddleNear(const QImage& page, int dotsPerInch, QPointF near, double reach) {
    const double pixelsPerPoint = dotsPerInch / kPointsPerInch;
    const int left = std::max(0, static_cast<int>((near.x() - reach) * pixelsPerPoint));
    const int top = std::max(0, static_cast<int>((near.y() - reach) * pixelsPerPoint));
    const int right = std::min(page.width(), static_cast<int>((near.x() + reach) * pixelsPerPoint));
    const int bottom = std::min(page.height(), static_cast<int>((near.y() + reach) * pixelsPerPoint));
    double sumX = 0, sumY = 0;
    long count = 0;
    for (int py = top; py < bottom; ++py) {
        for (int px = left; px < right; ++px) {
            if (!Dark(page.pixel(px, py))) continue;
            // Pixel n covers n to n + 1.
            sumX += px + 0.5;
            sumY += py + 0.5;
            ++count;
        }
    }
    if (count == 0) return std::nullopt;
    return QPointF(sumX / count / pixelsPerPoint, sumY / count / pixelsPerPoint);
}

} // namespace desktop_test
