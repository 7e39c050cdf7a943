#pragma once
#include <functional>
#include <string_view>
#include <vector>

#include "platform/printing/PrintDocument.h"
#include "platform/printing/StoreFault.h"

namespace printing {

// The process-wide record of every document closed by any print control
// since the last reset, finished and aborted alike, with their traces. Tests
// and the scenario runner read it to see what was printed.
class PrintLog {
public:
    static std::vector<PrintDocument> Documents();
    static std::vector<PrintDocument> FinishedDocuments();
    static void Reset(); // also clears the injected faults

    // Whether print controls keep what they print for reading back: their
    // store traces, the documents they closed, and this log. On from the
    // start, for the tests and the scenario runner. The program turns it off:
    // it renders each finished document through the hook and needs nothing of
    // it afterwards, so a document is freed once rendered and memory after
    // printing is back where it was.
    static void SetKeepingDocuments(bool keep);
    static bool KeepingDocuments();

    // Used by PrintEngine.
    static void Add(const PrintDocument& document);
    // Hands a finished document to the front end's hook, if one is set.
    static void DeliverFinished(const PrintDocument& document);
};

// The front end's hook: called once for each finished document (after the
// print request that built it returns). Headless nobody sets it and nothing
// happens. Pass an empty function to remove it.
using DocumentFinishedHandler = std::function<void(const PrintDocument&)>;
void SetDocumentFinishedHandler(DocumentFinishedHandler handler);

} // namespace printing
