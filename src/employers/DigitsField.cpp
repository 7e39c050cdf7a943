#include "employers/DigitsField.h"

#include "common/TextShapes.h"

void DigitsField::ShowBoundValue(const data::Value& value) {
    MaskedField::ShowBoundValue(::DigitsOnly(forms::BoundValueText(value)));
}

void PhoneField::ShowBoundValue(const data::Value& value) {
    MaskedField::ShowBoundValue(::PhoneDigits(forms::BoundValueText(value)));
}
