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
#include <optional>
#include <tuple>

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

auto FontKey(const printing::PageSetup& setup) {
    return std::tuple(setup.fontName, setup.fontSize, setup.fontBold, setup.fontItalic);
}

// Draws the page's image across the page; false when the page names an
// image that is missing or unreadable.
bool DrawPicture(QPainter& painter, const printing::PageSetup& setup, const QSizeF& pageDots) {
    if (setup.picture.empty()) return true;
    const auto file = FindPageImage(setup.picture);
    return file && DrawPageImage(painter, *file, pageDots);
}

bool Fail(std::string* error, const std::string& why) {
    if (error) *error = why;
    return false;
}

// The PDF's file. A write that failed is remembered: QFile forgets it at the
// next write, and QPainter::end() reports none.
class PdfFile : public QFile {
public:
    using QFile::QFile;
    bool WriteFailed() const { return writeFailed_ || error() != QFileDevice::NoError; }

protected:
    qint64 writeData(const char* data, qint64 length) override {
        const qint64 written = QFile::writeData(data, length);
        if (written != length) writeFailed_ = true;
        return written;
    }

private:
    bool writeFailed_ = false;
};

} // namespace

// The writer, and what the pages before set up (page size, font) so that a
// page like the one before costs nothing to set up again.
struct PdfPageWriter::Pages {
    Pages(const std::string& path, const std::string& title)
        : path(path), file(QString::fromStdString(path)), writer(&file) {
        writer.setResolution(kDotsPerInch);
        writer.setTitle(QString::fromStdString(title));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    }

    bool Begin(const printing::PageSetup& setup) {
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
        opened = true;
        SetPageSize(setup);
        return painter.begin(&writer);
    }

    void SetPageSize(const printing::PageSetup& setup) {
        QPageSize size = PageSizeOf(setup);
        if (pageSize && pageSize->isEquivalentTo(size)) return;
        writer.setPageSize(size);
        pageSize = size;
        // The page as the writer laid it out, in its dots: the layout's own
        // size in points is rounded to whole inches on the way.
        pageDots = QSizeF(writer.width(), writer.height());
    }

    void UseFontOf(const printing::PageSetup& setup) {
        if (font && FontKey(setup) == fontKey) return;
        fontKey = FontKey(setup);
        font = FontOf(setup);
        painter.setFont(*font);
        metrics.emplace(*font, painter.device());
    }

    void DrawItems(const printing::PrintPage& page) {
        UseFontOf(page.setup);
        const double ascent = metrics->ascent();
        for (const auto& item : page.items) {
            QString text = QString::fromStdString(item.text);
            double left = item.left * kDotsPerInch;
            if (item.code == kAmountCode) left += item.width * kDotsPerInch - metrics->horizontalAdvance(text);
            painter.drawText(QPointF(left, item.top * kDotsPerInch + ascent), text);
        }
    }

    void Add(const printing::PrintPage& page) {
        if (failed) return;
        if (!begun) {
            begun = true;
            failed = !Begin(page.setup);
            if (failed) return;
        } else {
            SetPageSize(page.setup);
            writer.newPage();
        }
        if (!DrawPicture(painter, page.setup, pageDots) &&
            std::ranges::find(imagesNotDrawn, page.setup.picture) == imagesNotDrawn.end())
            imagesNotDrawn.push_back(page.setup.picture);
        DrawItems(page);
        // The page image may have changed the painter's font.
        if (!page.setup.picture.empty()) font.reset();
        // A full disk stops the printout at the page it filled.
        failed = file.WriteFailed();
    }

    bool Finish(std::string* error) {
        if (!begun) {
            // A document without pages is one empty page.
            printing::PageSetup blank;
            begun = true;
            failed = !Begin(blank);
        }
        if (painter.isActive() && !painter.end()) failed = true;
        file.close();
        if (!failed && !file.WriteFailed()) return true;
        // Nothing half-written is left to be taken for the printout.
        if (opened) file.remove();
        return Fail(error, "Cannot write " + path);
    }

    std::string path;
    PdfFile file;
    QPdfWriter writer;
    QPainter painter;
    bool begun = false;
    bool failed = false;
    bool opened = false;
    std::optional<QPageSize> pageSize;
    QSizeF pageDots;
    std::optional<QFont> font;
    decltype(FontKey(printing::PageSetup{})) fontKey;
    std::optional<QFontMetricsF> metrics;
    std::vector<std::string> imagesNotDrawn;
};

PdfPageWriter::PdfPageWriter(const std::string& pdfPath, const std::string& title)
    : pages_(std::make_unique<Pages>(pdfPath, title)) {}

PdfPageWriter::~PdfPageWriter() {
    if (pages_->painter.isActive()) pages_->painter.end();
}

void PdfPageWriter::AddPage(const printing::PrintPage& page) { pages_->Add(page); }

bool PdfPageWriter::Finish(std::string* error) { return pages_->Finish(error); }

const std::vector<std::string>& PdfPageWriter::ImagesNotDrawn() const { return pages_->imagesNotDrawn; }

bool RenderPdf(const printing::PrintDocument& document, const std::string& pdfPath, std::string* error,
               std::vector<std::string>* imagesNotDrawn) {
    if (!document.Finished()) return Fail(error, "the document was never finished");
    PdfPageWriter writer(pdfPath, document.title);
    for (const auto& page : document.pages) writer.AddPage(page);
    if (!writer.Finish(error)) return false;
    if (imagesNotDrawn) *imagesNotDrawn = writer.ImagesNotDrawn();
    return true;
}

} // namespace desktop
