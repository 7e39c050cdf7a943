#include "platform/printing/StoreValue.h"

namespace printing {

StoreValue::StoreValue(const data::Value& column) {
    std::visit([this](const auto& v) { value_ = v; }, column);
}

StoreValue::StoreValue(data::Value&& column) {
    std::visit([this](auto& v) { value_ = std::move(v); }, column);
}

} // namespace printing
