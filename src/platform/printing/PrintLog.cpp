#include "platform/printing/PrintLog.h"

#include <atomic>
#include <mutex>

namespace printing {
namespace {

struct LogState {
    std::mutex mutex;
    std::vector<PrintDocument> documents;
    std::atomic<bool> keeping{true};
    DocumentFinishedHandler onFinished;
};

LogState& State() {
    static LogState state;
    return state;
}

} // namespace

std::vector<PrintDocument> PrintLog::Documents() {
    std::lock_guard lock(State().mutex);
    return State().documents;
}

std::vector<PrintDocument> PrintLog::FinishedDocuments() {
    std::lock_guard lock(State().mutex);
    std::vector<PrintDocument> finished;
    for (const auto& d : State().documents)
        if (d.Finished()) finished.push_back(d);
    return finished;
}

void PrintLog::Reset() {
    std::lock_guard lock(State().mutex);
    State().documents.clear();
}

void PrintLog::SetKeepingDocuments(bool keep) { State().keeping = keep; }

bool PrintLog::KeepingDocuments() { return State().keeping; }

void PrintLog::Add(const PrintDocument& document) {
    std::lock_guard lock(State().mutex);
    State().documents.push_back(document);
}

void SetDocumentFinishedHandler(DocumentFinishedHandler handler) {
    std::lock_guard lock(State().mutex);
    State().onFinished = std::move(handler);
}

// The hook runs outside the lock, so it may read the log.
void PrintLog::DeliverFinished(const PrintDocument& document) {
    DocumentFinishedHandler handler;
    {
        std::lock_guard lock(State().mutex);
        handler = State().onFinished;
    }
    if (handler) handler(document);
}

} // namespace printing
