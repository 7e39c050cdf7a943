#include "desktop/PrintChoice.h"

#include "desktop/PrintoutFile.h"
#include "platform/printing/PrintDocument.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

namespace desktop {

void PrintChoice::Prepare(QPrinter& printer, const printing::PrintDocument& document) const {
    // A folder removed since is not proposed again.
    const bool ownFolder = !folder_.isEmpty() && QDir(folder_).exists();
    printer.setOutputFileName(ownFolder ? QDir(folder_).filePath(PrintoutFileName(document.fileName, document.title))
                                        : ProposedPdfPath(document));
    printer.setOutputFormat(QPrinter::NativeFormat);
    if (!printer_.isEmpty()) printer.setPrinterName(printer_);
}

void PrintChoice::StartOnFile(QPrinter& printer) const {
    if (toFile_) printer.setOutputFormat(QPrinter::PdfFormat);
}

void PrintChoice::Remember(const QPrinter& printer) {
    toFile_ = printer.outputFormat() == QPrinter::PdfFormat;
    if (toFile_) {
        folder_ = QFileInfo(printer.outputFileName()).absolutePath();
    } else {
        printer_ = printer.printerName();
    }
}

} // namespace desktop
