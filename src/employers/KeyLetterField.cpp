#include "employers/KeyLetterField.h"

#include "common/EmployerKey.h"

void KeyLetterField::ShowBoundValue(const data::Value& value) {
    MaskedField::ShowBoundValue(KeyLetter(forms::BoundValueText(value)));
}
