#include "employers/DigitsField.h"

#include "common/TextShapes.h"

void DigitsField::ShowBoundValue(const data::Value& value) {
    MaskedField::ShowBoundValue(::DigitsOnly(forms::BoundValueText(value)));
}
