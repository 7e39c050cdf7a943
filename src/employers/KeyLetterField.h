#pragma once
// A masked field of the employer screen that shows a stored tax id type or
// kind of employer as the employer's key reads it: by its first character
// that is not a blank, in upper case. A row from elsewhere may hold " 1",
// "1.0" or " r" (last year's files, a DOS conversion); the mask's one place
// would otherwise take its blank, or refuse it, and show the field empty.
#include "platform/forms/MaskedField.h"

class KeyLetterField : public forms::MaskedField {
public:
    using MaskedField::MaskedField;
    void ShowBoundValue(const data::Value& value) override;
};
