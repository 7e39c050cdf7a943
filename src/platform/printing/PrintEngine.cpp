#include "platform/printing/PrintEngine.h"

#include "platform/basic/RuntimeError.h"
#include "platform/printing/PageSink.h"
#include "platform/printing/PrintLog.h"
#include "platform/printing/StoreCoercion.h"
#include "platform/printing/ValueText.h"

namespace printing {
namespace {

constexpr int kUnknownProperty = 438;

bool IsBlank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

} // namespace

PrintEngine::PrintEngine(std::string controlName) : controlName_(std::move(controlName)) {}

PrintEngine::~PrintEngine() { AbortOpenDocument(); }

void PrintEngine::Store(Property property, StoreValue value) { StoreChecked(InfoOf(property), std::move(value)); }

void PrintEngine::Store(int number, StoreValue value) {
    auto info = FindProperty(number);
    if (!info) basic::Raise(kUnknownProperty, controlName_);
    StoreChecked(*info, std::move(value));
}

void PrintEngine::Store(std::string_view name, StoreValue value) {
    auto info = FindProperty(name);
    if (!info) basic::Raise(kUnknownProperty, controlName_);
    StoreChecked(*info, std::move(value));
}

void PrintEngine::StoreChecked(const PropertyInfo& info, StoreValue value) {
    CheckFaults(info);
    StoreValue::Variant coerced = CoerceTo(info.type, std::move(value), controlName_);
    if (PrintLog::KeepingDocuments()) {
        std::string line = std::string(info.name) + "=" + TraceText(coerced);
        trace_.push_back(line);
        documentTrace_.push_back(std::move(line));
    }
    values_[static_cast<size_t>(info.property)] = std::move(coerced);
    Apply(info.property);
}

void PrintEngine::CheckFaults(const PropertyInfo& info) {
    for (auto it = faults_.begin(); it != faults_.end(); ++it) {
        if (!it->fault.property.empty()) {
            const auto wanted = FindProperty(it->fault.property);
            if (!wanted || wanted->property != info.property) continue;
        }
        if (++it->seen < it->fault.occurrence) continue;
        const StoreFault hit = it->fault;
        faults_.erase(it);
        basic::Raise(hit.errorNumber, controlName_, hit.description);
    }
}

void PrintEngine::FailStore(StoreFault fault) { faults_.push_back({std::move(fault), 0}); }

const StoreValue::Variant& PrintEngine::ValueOf(Property property) const {
    return values_[static_cast<size_t>(property)];
}

void PrintEngine::Apply(Property property) {
    auto isTrue = [&] { return std::get<bool>(ValueOf(property)); };
    switch (property) {
    case Property::StartDoc:
        if (isTrue()) OnStartDoc();
        break;
    case Property::NewPage:
        if (isTrue()) OnNewPage();
        break;
    case Property::PrintText:
        if (isTrue()) OnPrintText();
        break;
    case Property::EndDoc:
        if (isTrue()) OnEndDoc();
        break;
    default: break;
    }
}

void PrintEngine::OnStartDoc() {
    AbortOpenDocument();
    PrintDocument document;
    document.controlName = controlName_;
    document.title = PrintedText(ValueOf(Property::DocumentTitle));
    document.pageSink = MakePageSink(document);
    open_ = std::move(document);
}

void PrintEngine::OnNewPage() {
    if (!open_) return;
    SnapshotSetupIfPending();
    HandOverLastPage();
    open_->pages.emplace_back();
    setupPending_ = true;
}

// With a sink, a finished page goes there and the document lets it go.
void PrintEngine::HandOverLastPage() {
    if (!open_->pageSink || open_->pages.empty()) return;
    open_->pageSink->TakePage(open_->pages.back());
    open_->pages.pop_back();
}

// The page's set-up is taken at its first item, not at NewPage: the stores
// of the template, picture and font come after NewPage, and the caption of
// the next page comes before its NewPage, after this page's last item.
void PrintEngine::SnapshotSetupIfPending() {
    if (!open_ || !setupPending_ || open_->pages.empty()) return;
    auto text = [&](Property p) { return PrintedText(ValueOf(p)); };
    auto number = [&](Property p) {
        const auto& v = ValueOf(p);
        if (auto d = std::get_if<double>(&v)) return *d;
        if (auto n = std::get_if<std::int64_t>(&v)) return static_cast<double>(*n);
        return 0.0;
    };
    auto flag = [&](Property p) {
        const auto* b = std::get_if<bool>(&ValueOf(p));
        return b && *b;
    };
    auto whole = [&](Property p) { return static_cast<int>(number(p)); };
    PageSetup& s = open_->pages.back().setup;
    s.caption = text(Property::PageCaption);
    s.note = text(Property::PageNote);
    s.width = number(Property::PageWidth);
    s.height = number(Property::PageHeight);
    s.landscape = flag(Property::PageLandscape);
    s.resolution = whole(Property::PageResolution);
    s.templateFile = text(Property::PageTemplate);
    s.picture = text(Property::PagePicture);
    s.showPicture = flag(Property::ShowPicture);
    s.printPicture = flag(Property::PrintPicture);
    s.fontName = text(Property::FontName);
    s.fontSize = whole(Property::FontSize);
    s.fontCode = whole(Property::FontCode);
    s.fontBold = flag(Property::FontBold);
    s.fontItalic = flag(Property::FontItalic);
    s.fontOption = whole(Property::FontOption);
    s.textFlag = flag(Property::TextFlag);
    setupPending_ = false;
}

void PrintEngine::OnPrintText() {
    if (!open_) return;
    if (open_->pages.empty()) {
        // Items before any NewPage go on a first page of the current set-up.
        open_->pages.emplace_back();
        setupPending_ = true;
    }
    SnapshotSetupIfPending();
    auto number = [&](Property p) {
        const auto* d = std::get_if<double>(&ValueOf(p));
        return d ? *d : 0.0;
    };
    PrintItem item;
    item.left = number(Property::TextLeft);
    item.top = number(Property::TextTop);
    item.width = number(Property::TextWidth);
    const auto* code = std::get_if<std::int64_t>(&ValueOf(Property::TextHeight));
    item.code = code ? static_cast<int>(*code) : 0;
    item.text = PrintedText(ValueOf(Property::ItemText));
    if (IsBlank(item.text)) return;
    open_->pages.back().items.push_back(std::move(item));
}

void PrintEngine::OnEndDoc() {
    if (!open_) return;
    SnapshotSetupIfPending();
    HandOverLastPage();
    Close(DocumentStatus::Finished);
}

void PrintEngine::AbortOpenDocument() {
    if (!open_) return;
    SnapshotSetupIfPending();
    Close(DocumentStatus::Aborted);
}

void PrintEngine::Close(DocumentStatus status) {
    PrintDocument document = std::move(*open_);
    open_.reset();
    setupPending_ = false;
    document.status = status;
    document.trace = std::move(documentTrace_);
    documentTrace_.clear();
    if (PrintLog::KeepingDocuments()) {
        documents_.push_back(document);
        PrintLog::Add(document);
    }
    if (status != DocumentStatus::Finished) return;
    if (inRequest_) undelivered_.push_back(std::move(document));
    else Deliver(document);
}

void PrintEngine::Deliver(const PrintDocument& document) { PrintLog::DeliverFinished(document); }

void PrintEngine::NameFile(std::string name) {
    if (open_) open_->fileName = std::move(name);
}

const PrintDocument* PrintEngine::OpenDocument() const { return open_ ? &*open_ : nullptr; }

const PrintDocument* PrintEngine::LastDocument() const { return documents_.empty() ? nullptr : &documents_.back(); }

void PrintEngine::BeginRequest() {
    inRequest_ = true;
    documentTrace_.clear();
}

void PrintEngine::EndRequest() {
    AbortOpenDocument();
    inRequest_ = false;
    auto finished = std::move(undelivered_);
    undelivered_.clear();
    for (const auto& document : finished) Deliver(document);
}

} // namespace printing
