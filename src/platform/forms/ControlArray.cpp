#include "platform/forms/ControlArray.h"

#include "platform/basic/RuntimeError.h"

namespace forms {

void RaiseNoSuchElement(const std::string& name, int index) {
    basic::Raise(basic::errControlArrayElementMissing, name, "Control array element '" + std::to_string(index) + "' doesn't exist");
}

} // namespace forms
