#include "desktop/PdfPageSink.h"

namespace desktop {

PdfPageSink::PdfPageSink(const std::string& title) : folder_(std::make_unique<QTemporaryDir>()) {
    path_ = folder_->filePath(QStringLiteral("printout.pdf")).toStdString();
    writer_ = std::make_unique<PdfPageWriter>(path_, title);
}

PdfPageSink::PdfPageSink(const std::string& pdfPath, const std::string& title)
    : path_(pdfPath), writer_(std::make_unique<PdfPageWriter>(pdfPath, title)) {}

void PdfPageSink::TakePage(const printing::PrintPage& page) { writer_->AddPage(page); }

bool PdfPageSink::Finish(std::string* error) {
    if (folder_ && !folder_->isValid()) {
        if (error) *error = "No temporary folder for the PDF.";
        return false;
    }
    return writer_->Finish(error);
}

void RenderPagesAsTheyAreFinished() {
    printing::SetPageSinkMaker(
        [](const printing::PrintDocument& document) { return std::make_shared<PdfPageSink>(document.title); });
}

void StopRenderingPagesAsTheyAreFinished() { printing::SetPageSinkMaker({}); }

} // namespace desktop
