#include "desktop/PageImage.h"

#include "desktop/WmfToSvg.h"
#include "platform/basic/RuntimeError.h"
#include "platform/files/Paths.h"

#include <poppler-qt6.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSizeF>
#include <QSvgRenderer>

#include <memory>
#include <system_error>

namespace desktop {
namespace {

namespace fs = std::filesystem;

constexpr double kPointsPerInch = 72.0;

enum class ImageKind { Metafile, Pdf, Svg, Picture };

ImageKind KindOf(const fs::path& file) {
    QFile in(QString::fromStdString(file.string()));
    if (!in.open(QIODevice::ReadOnly)) return ImageKind::Picture;
    const QByteArray head = in.read(512);
    const auto byteAt = [&](int i) { return static_cast<unsigned char>(head[i]); };
    if (head.startsWith("\xD7\xCD\xC6\x9A")) return ImageKind::Metafile; // placeable header
    if (head.size() >= 4 && (byteAt(0) == 1 || byteAt(0) == 2) && byteAt(1) == 0 && byteAt(2) == 9 && byteAt(3) == 0)
        return ImageKind::Metafile; // standard header: type 1 or 2, nine words long
    if (head.startsWith("%PDF")) return ImageKind::Pdf;
    if (head.contains("<svg") || head.trimmed().startsWith("<?xml")) return ImageKind::Svg;
    return ImageKind::Picture;
}

bool DrawSvg(QPainter& painter, const QByteArray& svg, const QSizeF& page) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) return false;
    renderer.render(&painter, QRectF(QPointF(0, 0), page));
    return true;
}

bool DrawPdfFirstPage(QPainter& painter, const fs::path& file, const QSizeF& page) {
    std::unique_ptr<Poppler::Document> document = Poppler::Document::load(QString::fromStdString(file.string()));
    if (!document || document->isLocked() || document->numPages() < 1) return false;
    std::unique_ptr<Poppler::Page> first = document->page(0);
    if (!first) return false;
    const QSizeF points = first->pageSizeF();
    if (points.isEmpty()) return false;
    // The painter back-end hands poppler's paths and glyphs to the painter, so
    // the page stays vector in the PDF being written. Poppler sets the
    // painter's transform itself, from the resolutions it is given: the page
    // is drawn from the painter's origin, stretched by them.
    document->setRenderBackend(Poppler::Document::QPainterBackend);
    painter.save();
    const bool drawn = first->renderToPainter(&painter, kPointsPerInch * page.width() / points.width(),
                                              kPointsPerInch * page.height() / points.height());
    painter.restore();
    return drawn;
}

bool DrawPicture(QPainter& painter, const fs::path& file, const QSizeF& page) {
    QImage image(QString::fromStdString(file.string()));
    if (image.isNull()) return false;
    painter.drawImage(QRectF(QPointF(0, 0), page), image);
    return true;
}

std::optional<fs::path> ExistingFile(const std::string& name) {
    try {
        fs::path path = files::Resolve(name);
        std::error_code error;
        if (fs::is_regular_file(path, error)) return path;
    } catch (const basic::RuntimeError&) {
        // a drive letter without a folder: no such image
    }
    return std::nullopt;
}

} // namespace

std::optional<fs::path> FindPageImage(const std::string& name) {
    if (name.empty()) return std::nullopt;
    if (auto named = ExistingFile(name)) return named;
    const std::string base = fs::path(name).replace_extension().string();
    for (const char* extension : {".svg", ".pdf", ".png"}) {
        if (auto supplied = ExistingFile(base + extension)) return supplied;
    }
    return std::nullopt;
}

bool DrawPageImage(QPainter& painter, const fs::path& file, const QSizeF& page) {
    switch (KindOf(file)) {
    case ImageKind::Metafile: {
        const auto svg = WmfToSvg(file);
        return svg && DrawSvg(painter, QByteArray::fromStdString(*svg), page);
    }
    case ImageKind::Pdf: return DrawPdfFirstPage(painter, file, page);
    case ImageKind::Svg: {
        QFile in(QString::fromStdString(file.string()));
        return in.open(QIODevice::ReadOnly) && DrawSvg(painter, in.readAll(), page);
    }
    case ImageKind::Picture: break;
    }
    return DrawPicture(painter, file, page);
}

} // namespace desktop
