#include "desktop/PdfRenderer.h"

#include "desktop/PageImage.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

#include <algorithm>

namespace desktop {
namespace {

constexpr int kDotsPerInch = 1200;
constexpr double kLetterWidth = 8.5;
constexpr double kLetterHeight = 11.0;
constexpr int kAmountCode = 2;

QPageSize PageSizeOf(const printing::PageSetup& setup) {
    double width = setup.width > 0 ? setup.width : kLetterWidth;
    double height = setup.height > 0 ? setup.height : kLetterHeight;
    return QPageSize(QSizeF(width, height), QPageSize::Inch, QString(), QPageSize::ExactMatch);
}

QFont FontOf(const printing::PageSetup& setup) {
    QFont font;
    QString family = setup.fontName.empty() ? QStringLiteral("Courier New") : QString::fromStdString(setup.fontName);
    // Courier New itself is not installed; Liberation Mono has its metrics.
    font.setFamilies({family, QStringLiteral("Liberation Mono")});
    font.setPointSizeF(setup.fontSize > 0 ? setup.fontSize : 12);
    font.setBold(setup.fontBold);
    font.setItalic(setup.fontItalic);
    return font;
}

// Draws the page's image across the page; false when the page names an
// image that is missing or unreadable.
bool DrawPicture(QPainter& painter, const printing::PageSetup& setup, const QSizeF& pageDots) {
    if (setup.picture.empty()) return true;
    const auto file = FindPageImage(setup.picture);
    return file && DrawPageImage(painter, *file, pageDots);
}

void DrawItems(QPainter& painter, const printing::PrintPage& page) {
    QFont font = FontOf(page.setup);
    painter.setFont(font);
    QFontMetricsF metrics(font, painter.device());
    for (const auto& item : page.items) {
        QString text = QString::fromStdString(item.text);
        double left = item.left * kDotsPerInch;
        if (item.code == kAmountCode)
            left += item.width * kDotsPerInch - metrics.horizontalAdvance(text);
        double baseline = item.top * kDotsPerInch + metrics.ascent();
        painter.drawText(QPointF(left, baseline), text);
    }
}

bool Fail(std::string* error, const std::string& why) {
    if (error) *error = why;
    return false;
}

} // namespace

bool RenderPdf(const printing::PrintDocument& document, const std::string& pdfPath, std::string* error,
               std::vector<std::string>* imagesNotDrawn) {
    if (!document.Finished()) return Fail(error, "the document was never finished");
    {
        QFile probe(QString::fromStdString(pdfPath));
        if (!probe.open(QIODevice::WriteOnly)) return Fail(error, "cannot write " + pdfPath);
    }
    QPdfWriter writer(QString::fromStdString(pdfPath));
    writer.setResolution(kDotsPerInch);
    writer.setTitle(QString::fromStdString(document.title));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    printing::PageSetup blank;
    const auto& firstSetup = document.pages.empty() ? blank : document.pages.front().setup;
    writer.setPageSize(PageSizeOf(firstSetup));

    QPainter painter;
    if (!painter.begin(&writer)) return Fail(error, "cannot write " + pdfPath);
    bool first = true;
    for (const auto& page : document.pages) {
        if (!first) {
            writer.setPageSize(PageSizeOf(page.setup));
            writer.newPage();
        }
        first = false;
        QSizeF pageDots = writer.pageLayout().fullRectPoints().size() / 72.0 * kDotsPerInch;
        if (!DrawPicture(painter, page.setup, pageDots) && imagesNotDrawn &&
            std::ranges::find(*imagesNotDrawn, page.setup.picture) == imagesNotDrawn->end())
            imagesNotDrawn->push_back(page.setup.picture);
        DrawItems(painter, page);
    }
    if (!painter.end()) return Fail(error, "cannot write " + pdfPath);
    return true;
}

} // namespace desktop
