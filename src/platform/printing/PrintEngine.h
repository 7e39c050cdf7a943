#pragma once
// The print control's inner working, with nothing but the standard library.
//
// Usage (a print handler, through the control that owns the engine):
//   engine.Store(Property::DocumentTitle, "Print Form 941 - Schedule A");
//   engine.Store(Property::StartDoc, true);
//   engine.Store(Property::PageCaption, "Page 1");   ... page set-up ...
//   engine.Store(Property::NewPage, true);
//   engine.Store(Property::TextLeft, 5.95);  engine.Store(Property::TextTop, 8.5);
//   engine.Store(Property::ItemText, "1234.50");  engine.Store(Property::PrintText, true);
//   engine.Store(Property::EndDoc, true);
// Properties can also be stored by number (Store(71, ...)) or by name
// (Store("ItemText", ...)). Each store is coerced to the property's type (a
// refused one raises basic::RuntimeError: 13 type mismatch, 6 overflow, 94
// invalid use of Null, 438 unknown property) and recorded as a "Name=Value"
// line. StartDoc opens a document, NewPage starts a page, PrintText places the
// current ItemText at TextLeft/TextTop within TextWidth, EndDoc finishes the
// document and hands it to the process-wide log (PrintLog.h) and to the
// front end's hook. A document left open is aborted: by the next StartDoc, by
// EndRequest() or AbortOpenDocument(), or when the engine is destroyed.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/printing/PrintDocument.h"
#include "platform/printing/PrintProperty.h"
#include "platform/printing/StoreFault.h"
#include "platform/printing/StoreValue.h"

namespace printing {

class PrintEngine {
public:
    explicit PrintEngine(std::string controlName = "DMWin");
    ~PrintEngine();
    PrintEngine(const PrintEngine&) = delete;
    PrintEngine& operator=(const PrintEngine&) = delete;

    const std::string& ControlName() const { return controlName_; }

    void Store(Property property, StoreValue value);
    void Store(int number, StoreValue value);
    void Store(std::string_view name, StoreValue value);
    void Store(const char* name, StoreValue value) { Store(std::string_view(name), std::move(value)); }

    // While the print log keeps documents (PrintLog::SetKeepingDocuments),
    // the stores, the closed documents and their traces are kept for reading
    // back; otherwise nothing is: a finished document goes to the front
    // end's hook and is let go.

    // Every store since construction or the last ClearTrace, in order.
    const std::vector<std::string>& Trace() const { return trace_; }
    void ClearTrace() { trace_.clear(); }

    // The document between StartDoc and EndDoc, if one is open.
    const PrintDocument* OpenDocument() const;
    // Every document this engine closed (finished or aborted), oldest first.
    const std::vector<PrintDocument>& Documents() const { return documents_; }
    const PrintDocument* LastDocument() const;

    // Marks an open document aborted and closes it; nothing when none is open.
    void AbortOpenDocument();

    // Names the file the open document proposes to be saved as (no folder,
    // no extension), for the front end to offer; not a property of the
    // control, so not traced. Nothing when no document is open.
    void NameFile(std::string name);

    // A print request (the control's PrintRequest event) brackets the
    // handler: documents finished inside it reach the front end's hook only
    // when the request ends, and a document still open then is aborted.
    // Outside a request a finished document reaches the hook at EndDoc.
    void BeginRequest();
    void EndRequest();

    // Makes a later store fail (see StoreFault), so that a printout's error
    // path can be tried.
    void FailStore(StoreFault fault);

private:
    struct PendingFault {
        StoreFault fault;
        int seen = 0;
    };

    void StoreChecked(const PropertyInfo& info, StoreValue value);
    void CheckFaults(const PropertyInfo& info);
    void Apply(Property property);
    const StoreValue::Variant& ValueOf(Property property) const;
    void OnStartDoc();
    void OnNewPage();
    void OnPrintText();
    void OnEndDoc();
    void HandOverLastPage();
    void SnapshotSetupIfPending();
    void Close(DocumentStatus status);
    void Deliver(const PrintDocument& document);

    std::string controlName_;
    // The value last stored in each property, as coerced to its type, by
    // property number (Null when never stored).
    std::array<StoreValue::Variant, kPropertyNumbers> values_;
    std::vector<std::string> trace_;
    std::vector<std::string> documentTrace_;
    std::optional<PrintDocument> open_;
    bool setupPending_ = false; // the current page's set-up is not yet taken
    std::vector<PrintDocument> documents_;
    std::vector<PrintDocument> undelivered_;
    bool inRequest_ = false;
    std::vector<PendingFault> faults_;
};

} // namespace printing
