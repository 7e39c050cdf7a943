#pragma once
// The employer screen's tax id field: a masked field that shows a stored tax
// id by its digits. A row that holds the id with its hyphens ("123-45-6789",
// from last year's file or a backup made elsewhere) would otherwise fill the
// mask's nine places with its first nine characters, and the next Save would
// store two digits fewer without a word.
#include "platform/forms/MaskedField.h"

class TaxIdField : public forms::MaskedField {
public:
    using MaskedField::MaskedField;
    void ShowBoundValue(const data::Value& value) override;
};
