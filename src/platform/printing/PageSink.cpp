#include "platform/printing/PageSink.h"

#include "platform/printing/PrintLog.h"

namespace printing {
namespace {

PageSinkMaker& Maker() {
    static PageSinkMaker maker;
    return maker;
}

} // namespace

void SetPageSinkMaker(PageSinkMaker maker) { Maker() = std::move(maker); }

std::shared_ptr<PageSink> MakePageSink(const PrintDocument& document) {
    if (!Maker() || PrintLog::KeepingDocuments()) return nullptr;
    return Maker()(document);
}

} // namespace printing
