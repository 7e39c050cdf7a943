#pragma once
#include <string>

namespace forms {
class Label;
class TextField;
} // namespace forms

// A line that the period retires: its caption becomes the line's label,
// "Reserved for future use ", a run of full stops and the closing label, and
// its field is put out of use in one of the ways below.
struct ReservedLine {
    const char* captionStart; // "13b Reserved for future use "
    int fullStops;
    const char* closingText; // "(13b)" or " (11c)"
};

enum class RetiredField {
    Disabled,       // the usual way
    ZeroedEnabled,  // "0" written, still open for entry
    ZeroedDisabled, // "0" written and closed
    CaptionOnly,    // field left as it is
};

std::string ReservedLineCaption(const ReservedLine& line);

void RetireLine(forms::Label& caption, forms::TextField& field, const ReservedLine& line, RetiredField how);
