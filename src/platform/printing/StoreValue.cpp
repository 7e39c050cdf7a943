#include "platform/printing/StoreValue.h"

namespace printing {

StoreValue::StoreValue(const data::Value& column) {
    std::visit([this](const auto& v) { value_ = v; }, column);
}

} // namespace printing
