#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/printing/PrintDocument.h"

namespace desktop {

// Renders a finished print document to a PDF file: one page per page of the
// document (8.5 x 11 in unless the page set its own size), the page image
// (PagePicture, found by FindPageImage) drawn under the text across the whole
// page, and each item at its left/top in inches
// from the page's top-left corner in the page's font (Courier New 12 when it
// named none): code 2 right-aligned in the item's width, otherwise
// left-aligned. Needs a QGuiApplication.
//
// A page image that is missing or cannot be read leaves its page without
// one; its name (as the document gives it, each name once) is added to
// `imagesNotDrawn` (optional), so that the user can be told.
//
// Returns false, writing nothing, for a document that is not finished, and
// false when the file cannot be written whole (a full disk), leaving no file;
// `error` (optional) then says why.
bool RenderPdf(const printing::PrintDocument& document, const std::string& pdfPath, std::string* error = nullptr,
               std::vector<std::string>* imagesNotDrawn = nullptr);

// The same, for pages that come one at a time: each is drawn as it comes and
// written out, so that no more than the page at hand is held.
class PdfPageWriter {
public:
    PdfPageWriter(const std::string& pdfPath, const std::string& title);
    ~PdfPageWriter();
    PdfPageWriter(const PdfPageWriter&) = delete;
    PdfPageWriter& operator=(const PdfPageWriter&) = delete;

    void AddPage(const printing::PrintPage& page);
    // Ends the file. False when any of it could not be written, the file then
    // removed; `error` says why.
    bool Finish(std::string* error = nullptr);
    // The page images that could not be drawn, each name once.
    const std::vector<std::string>& ImagesNotDrawn() const;

private:
    struct Pages;
    std::unique_ptr<Pages> pages_;
};

} // namespace desktop
