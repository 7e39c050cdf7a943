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

// A phone field: a phone stored with the country code before the area code
// ("1-203-555-9876", as other programs write it) is shown by its last ten
// digits, which are the phone the mask's ten places hold.
class PhoneField : public DigitsField {
public:
    using DigitsField::DigitsField;
    void ShowBoundValue(const data::Value& value) override;
};
