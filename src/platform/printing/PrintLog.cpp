#include "platform/printing/PrintLog.h"

#include <atomic>
#include <mutex>

#include "platform/printing/PrintProperty.h"

namespace printing {
namespace {

struct InjectedFault {
    StoreFault fault;
    int seen = 0;
};

struct LogState {
    std::mutex mutex;
    std::vector<PrintDocument> documents;
    std::vector<InjectedFault> faults;
    std::atomic<bool> anyFault{false}; // spares every store the lock when no fault waits
    std::atomic<bool> keeping{true};
    DocumentFinishedHandler onFinished;
};

LogState& State() {
    static LogState state;
    return state;
}

bool Matches(const StoreFault& fault, std::string_view property) {
    if (fault.property.empty()) return true;
    auto wanted = FindProperty(fault.property);
    auto stored = FindProperty(property);
    return wanted && stored && wanted->property == stored->property;
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
    State().faults.clear();
    State().anyFault = false;
}

void PrintLog::SetKeepingDocuments(bool keep) { State().keeping = keep; }

bool PrintLog::KeepingDocuments() { return State().keeping; }

void PrintLog::InjectStoreFault(StoreFault fault) {
    std::lock_guard lock(State().mutex);
    State().faults.push_back({std::move(fault), 0});
    State().anyFault = true;
}

void PrintLog::ClearInjectedFaults() {
    std::lock_guard lock(State().mutex);
    State().faults.clear();
    State().anyFault = false;
}

void PrintLog::Add(const PrintDocument& document) {
    std::lock_guard lock(State().mutex);
    State().documents.push_back(document);
}

bool PrintLog::TakeInjectedFault(std::string_view property, StoreFault& fault) {
    if (!State().anyFault) return false;
    std::lock_guard lock(State().mutex);
    auto& faults = State().faults;
    for (auto it = faults.begin(); it != faults.end(); ++it) {
        if (!Matches(it->fault, property)) continue;
        if (++it->seen < it->fault.occurrence) continue;
        fault = it->fault;
        faults.erase(it);
        State().anyFault = !faults.empty();
        return true;
    }
    return false;
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
