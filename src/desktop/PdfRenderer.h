#pragma once
#include <string>

#include "platform/printing/PrintDocument.h"

namespace desktop {

// Renders a finished print document to a PDF file: one page per page of the
// document (8.5 x 11 in unless the page set its own size), the page image
// (PagePicture, looked up case-insensitively in the current folder) drawn
// under the text when Qt can read it, and each item at its left/top in inches
// from the page's top-left corner in the page's font (Courier New 12 when it
// named none): code 2 right-aligned in the item's width, otherwise
// left-aligned. Needs a QGuiApplication.
//
// Returns false, writing nothing, for a document that is not finished, and
// false when the file cannot be written; `error` (optional) then says why.
bool RenderPdf(const printing::PrintDocument& document, const std::string& pdfPath,
               std::string* error = nullptr);

} // namespace desktop
