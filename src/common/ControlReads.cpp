#include "common/ControlReads.h"

#include "platform/basic/RuntimeError.h"
#include "platform/basic/TextToNumber.h"
#include "platform/forms/SimpleControls.h"
#include "platform/forms/TextField.h"

namespace {

template <class Kind>
const Kind& ControlOf(const forms::Control& field) {
    auto* control = dynamic_cast<const Kind*>(&field);
    if (!control) basic::Raise(basic::errObjectRequired, field.Name());
    return *control;
}

} // namespace

const std::string& TextOf(const forms::Control& field) { return ControlOf<forms::TextField>(field).Text(); }

double NumberOf(const forms::Control& field) { return basic::TextAsNumber(TextOf(field)); }

int CheckValueOf(const forms::Control& field) { return ControlOf<forms::CheckBox>(field).Value(); }
