#include "common/ReservedLineLabel.h"

#include "common/DottedCaption.h"
#include "platform/forms/SimpleControls.h"
#include "platform/forms/TextField.h"

std::string ReservedLineCaption(const ReservedLine& line) {
    return DottedCaption(line.captionStart, line.fullStops, line.closingText);
}

void RetireLine(forms::Label& caption, forms::TextField& field, const ReservedLine& line, RetiredField how) {
    caption.SetCaption(ReservedLineCaption(line));
    switch (how) {
    case RetiredField::Disabled: field.SetEnabled(false); break;
    case RetiredField::ZeroedEnabled: field.SetText("0"); break;
    case RetiredField::ZeroedDisabled:
        field.SetText("0");
        field.SetEnabled(false);
        break;
    case RetiredField::CaptionOnly: break;
    }
}
