#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "platform/basic/Clock.h"
#include "platform/data/Value.h"

namespace printing {

// A date handed to ItemText (the clock's DateTime); printed as M/D/YYYY.
using Date = basic::DateTime;

// The value of one store, before the property's type is applied. Built
// implicitly from what a handler has at hand: a bool, a whole or floating
// number, a text, a date, or a column value (which may be Null).
class StoreValue {
public:
    using Variant = std::variant<data::Null, bool, std::int64_t, double, std::string, Date>;

    StoreValue(bool v) : value_(v) {}
    StoreValue(int v) : value_(std::int64_t{v}) {}
    StoreValue(long v) : value_(std::int64_t{v}) {}
    StoreValue(long long v) : value_(std::int64_t{v}) {}
    StoreValue(unsigned v) : value_(std::int64_t{v}) {}
    StoreValue(unsigned long v) : value_(static_cast<std::int64_t>(v)) {}
    StoreValue(double v) : value_(v) {}
    StoreValue(const char* v) : value_(std::string(v)) {}
    StoreValue(std::string v) : value_(std::move(v)) {}
    StoreValue(std::string_view v) : value_(std::string(v)) {}
    StoreValue(Date v) : value_(v) {}
    StoreValue(data::Null) : value_(data::Null{}) {}
    StoreValue(const data::Value& column);
    StoreValue(data::Value&& column);

    const Variant& Get() const { return value_; }
    Variant Take() && { return std::move(value_); }

private:
    Variant value_;
};

} // namespace printing
