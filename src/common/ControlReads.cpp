#include "common/ControlReads.h"

#include "platform/basic/RuntimeError.h"
#include "platform/basic/TextToNumber.h"
#include "platform/data/DataControl.h"
#include "platform/forms/Form.h"
#include "platform/forms/SimpleControls.h"
#include "platform/forms/TextField.h"

namespace {

template <class Kind>
Kind& ControlOf(const forms::Form& screen, std::string_view name, int index) {
    auto* control = dynamic_cast<Kind*>(screen.ControlByName(name, index));
    if (!control) basic::Raise(basic::errObjectRequired, screen.Name() + "." + std::string(name));
    return *control;
}

template <class Kind>
const Kind& ControlOf(const forms::Control& field) {
    auto* control = dynamic_cast<const Kind*>(&field);
    if (!control) basic::Raise(basic::errObjectRequired, field.Name());
    return *control;
}

} // namespace

const std::string& TextOf(const forms::Form& screen, std::string_view name, int index) {
    return ControlOf<forms::TextField>(screen, name, index).Text();
}

double NumberOf(const forms::Form& screen, std::string_view name, int index) {
    return basic::TextAsNumber(TextOf(screen, name, index));
}

int CheckValueOf(const forms::Form& screen, std::string_view name) {
    return ControlOf<forms::CheckBox>(screen, name, -1).Value();
}

const std::string& TextOf(const forms::Control& field) { return ControlOf<forms::TextField>(field).Text(); }

double NumberOf(const forms::Control& field) { return basic::TextAsNumber(TextOf(field)); }

int CheckValueOf(const forms::Control& field) { return ControlOf<forms::CheckBox>(field).Value(); }

data::Recordset& RecordsetOf(const forms::Form& screen, std::string_view dataControl) {
    auto recordset = ControlOf<data::DataControl>(screen, dataControl, -1).Recordset();
    if (!recordset) basic::Raise(basic::errObjectNotSet, screen.Name() + "." + std::string(dataControl));
    return *recordset;
}
