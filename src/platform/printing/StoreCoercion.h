#pragma once
#include "platform/printing/PrintProperty.h"
#include "platform/printing/StoreValue.h"

namespace printing {

// Turns a stored value into the property's type, the way the control's
// typed properties accept values: Integer is 16-bit (rounded half to even,
// error 6 beyond its range), Boolean True is any non-zero number or "True",
// texts that read as numbers are accepted by numeric properties (error 13
// otherwise). Null is refused: error 13 for ItemText, 94 for the others.
// The value is taken: a text goes over without a copy.
StoreValue::Variant CoerceTo(PropertyType type, StoreValue value, const std::string& source);

} // namespace printing
