#pragma once
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
// false when the file cannot be written; `error` (optional) then says why.
bool RenderPdf(const printing::PrintDocument& document, const std::string& pdfPath,
               std::string* error = nullptr, std::vector<std::string>* imagesNotDrawn = nullptr);

} // namespace desktop
