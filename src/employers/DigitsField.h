#pragma once
// A masked field of the employer screen that shows a stored tax id or phone
// by its digits. A row that holds one with its literals ("123-45-6789",
// "(203) 555-1234": last year's file, a backup made elsewhere) would
// otherwise fill the mask's places with its first characters, and the next
// Save would store digits fewer without a word.
#include "platform/forms/MaskedField.h"

class DigitsField : public forms::MaskedField {
public:
    using MaskedField::MaskedField;
    void ShowBoundValue(const data::Value& value) override;
};
