#include "employers/TaxIdField.h"

#include "common/TextShapes.h"

void TaxIdField::ShowBoundValue(const data::Value& value) {
    MaskedField::ShowBoundValue(::DigitsOnly(forms::BoundValueText(value)));
}
