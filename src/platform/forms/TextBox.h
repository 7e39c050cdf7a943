#pragma once
#include "platform/forms/TextField.h"

namespace forms {

// A plain text box.
class TextBox : public TextField {
public:
    using TextField::TextField;
    std::string Kind() const override { return "TextBox"; }
};

} // namespace forms
