#pragma once
// Where a printout's pages go as each is finished, so that a front end can
// render them while the print handler is still storing and the document
// never holds them all. Only while nothing is kept for reading back
// (PrintLog::SetKeepingDocuments(false)); otherwise every page stays in its
// document.
//
// A page is finished when the next NewPage starts another, or at EndDoc.
// The finished document then carries the sink that took its pages (its
// `pages` are gone) to the hook (PrintLog.h); an aborted document is let go
// with its sink, which then throws its pages away.
#include <functional>
#include <memory>

#include "platform/printing/PrintDocument.h"

namespace printing {

class PageSink {
public:
    virtual ~PageSink() = default;
    virtual void TakePage(const PrintPage& page) = 0;
};

// Makes the sink for a document being opened (its title is set); an empty
// function, or one returning null, leaves the pages in the document.
using PageSinkMaker = std::function<std::shared_ptr<PageSink>(const PrintDocument& document)>;
void SetPageSinkMaker(PageSinkMaker maker);
// The sink for a document being opened, or null (used by PrintEngine).
std::shared_ptr<PageSink> MakePageSink(const PrintDocument& document);

} // namespace printing
