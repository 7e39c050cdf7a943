#pragma once
// A printout's pages rendered to a PDF as the print handler finishes them
// (printing::PageSink), so that a long printout is never held whole: in a
// temporary folder of its own, or in a given file.
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

#include "desktop/PdfRenderer.h"
#include "platform/printing/PageSink.h"

namespace desktop {

class PdfPageSink : public printing::PageSink {
public:
    explicit PdfPageSink(const std::string& title);
    PdfPageSink(const std::string& pdfPath, const std::string& title);

    void TakePage(const printing::PrintPage& page) override;
    // Ends the file once the document is finished; false when it could not
    // be written (`error` says why).
    bool Finish(std::string* error);
    const std::string& Path() const { return path_; }
    const std::vector<std::string>& ImagesNotDrawn() const { return writer_->ImagesNotDrawn(); }

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::string path_;
    std::unique_ptr<PdfPageWriter> writer_;
};

// From now on every printout's pages go to a PdfPageSink of their own in a
// temporary folder (while nothing is kept for reading back: PrintLog).
void RenderPagesAsTheyAreFinished();
// The pages stay in their documents again.
void StopRenderingPagesAsTheyAreFinished();

} // namespace desktop
