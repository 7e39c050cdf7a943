#include "desktop/PrintOffer.h"

#include "desktop/MissingImagesLine.h"
#include "desktop/PdfPageSink.h"
#include "desktop/PdfRenderer.h"
#include "desktop/PrintChoice.h"
#include "platform/basic/RuntimeError.h"
#include "platform/files/NoRoom.h"
#include "platform/printing/PrintDocument.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

namespace desktop {
namespace {

constexpr int kSpoolerTimeoutMs = 30000;
constexpr qint64 kCopyChunkBytes = 64 * 1024;

void TellFailure(const QString& why) {
    QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("Print"),
                         QStringLiteral("The document could not be printed.\n\n") + why);
}

// A failure of Qt's file classes that no system call reported (a target that
// is a folder): no system error, so no failing device either.
constexpr int kNoSystemError = -1;

// The system's error of the step that just failed. Qt's file classes leave
// it in errno as the failed call set it.
int SystemErrorOfFailure() { return errno != 0 ? errno : kNoSystemError; }

// The copy is written beside the target and takes its place only when
// whole: a file printed over stays as it was when the new one cannot be
// written, and no partial copy is left behind. Its writes are unbuffered,
// so that one the disk cuts short is seen as such: a buffered flush passes
// a short write over, and the commit would put a truncated file in place.
// 0 when the copy is in place, else the system's error that stopped it.
int CopyIntoPlace(const QString& from, const QString& target) {
    errno = 0;
    QFile source(from);
    QSaveFile copy(target);
    if (!source.open(QIODevice::ReadOnly) || !copy.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return SystemErrorOfFailure();
    std::vector<char> buffer(kCopyChunkBytes);
    for (qint64 read; (read = source.read(buffer.data(), kCopyChunkBytes)) != 0;) {
        if (read < 0 || copy.write(buffer.data(), read) != read) {
            const int systemError = SystemErrorOfFailure();
            copy.cancelWriting();
            return systemError;
        }
    }
    return copy.commit() ? 0 : SystemErrorOfFailure();
}

// Why a file could not be written, in the run time's words: "Disk full" (no
// room, or no free file slot), "Path not found" (its folder is gone, or a
// file stands in its path), "Device I/O error" (a failing disk, a medium or
// share gone) or "Path/File access error" (read-only, refused, anything else).
QString CauseOf(int systemError) {
    const int number = systemError == ENOENT || systemError == ENOTDIR ? basic::errPathNotFound
                                                                       : files::FileErrorNumberFor(systemError);
    return QString::fromStdString(basic::DescriptionOf(number));
}

} // namespace

bool DeliverPdf(const QString& pdfPath, const QPrinter& printer, QString* error) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QString target = printer.outputFileName();
        if (target.isEmpty()) {
            if (error) *error = QStringLiteral("No file name was given.");
            return false;
        }
        if (const int systemError = CopyIntoPlace(pdfPath, target)) {
            if (error) *error = QStringLiteral("Cannot write ") + target + QStringLiteral(": ") + CauseOf(systemError);
            return false;
        }
        return true;
    }
    // The forms are Letter pages whose items stand at their inches from the
    // page's corner: the printer is asked for Letter whatever paper it takes
    // by default, and not to scale the page to its printable area.
    QProcess spooler;
    spooler.start(QStringLiteral("lp"), {QStringLiteral("-d"), printer.printerName(), QStringLiteral("-n"),
                                         QString::number(std::max(1, printer.copyCount())), QStringLiteral("-o"),
                                         QStringLiteral("media=Letter"), QStringLiteral("-o"),
                                         QStringLiteral("print-scaling=none"), pdfPath});
    if (!spooler.waitForFinished(kSpoolerTimeoutMs) || spooler.exitStatus() != QProcess::NormalExit ||
        spooler.exitCode() != 0) {
        if (error) {
            *error = QStringLiteral("The print spooler (lp) refused the document. ") +
                     QString::fromLocal8Bit(spooler.readAllStandardError()).trimmed();
        }
        return false;
    }
    return true;
}

void OfferPrint(const printing::PrintDocument& document, PrintChoice& lastChoice) {
    // A long printout was rendered page by page as it was printed; any other
    // is rendered now.
    QTemporaryDir folder;
    QString pdfPath;
    std::string renderError;
    std::vector<std::string> imagesNotDrawn;
    if (auto* pages = dynamic_cast<PdfPageSink*>(document.pageSink.get())) {
        if (!pages->Finish(&renderError)) {
            TellFailure(QString::fromStdString(renderError));
            return;
        }
        pdfPath = QString::fromStdString(pages->Path());
        imagesNotDrawn = pages->ImagesNotDrawn();
    } else {
        if (!folder.isValid()) {
            TellFailure(QStringLiteral("No temporary folder for the PDF."));
            return;
        }
        pdfPath = folder.filePath(QStringLiteral("printout.pdf"));
        if (!RenderPdf(document, pdfPath.toStdString(), &renderError, &imagesNotDrawn)) {
            TellFailure(QString::fromStdString(renderError));
            return;
        }
    }
    QPrinter printer;
    printer.setDocName(QString::fromStdString(document.title));
    lastChoice.Prepare(printer, document);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    lastChoice.StartOnFile(printer);
    dialog.setWindowTitle(QString::fromStdString(document.title.empty() ? "Print" : document.title));
    AddMissingImagesLine(dialog, imagesNotDrawn);
    if (dialog.exec() != QDialog::Accepted) return;
    lastChoice.Remember(printer);
    QString deliverError;
    if (!DeliverPdf(pdfPath, printer, &deliverError)) {
        TellFailure(deliverError);
        return;
    }
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        QMessageBox::information(QApplication::activeWindow(), QStringLiteral("Print"),
                                 QStringLiteral("The printout was saved as\n\n") +
                                     QDir::toNativeSeparators(printer.outputFileName()));
    }
}

} // namespace desktop
