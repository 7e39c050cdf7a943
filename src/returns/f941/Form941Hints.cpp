#include "returns/f941/Form941Hints.h"

namespace {

// clang-format off
constexpr NamedText kFieldHints[] = {
    {"mskNo_Employee", "Enter the number of employees included in the March 12th pay period - 1st quarter only."},
    {"Check2",         "Check this box if wages are not subject to Fica/Medicare tax. Otherwise, leave blank."},
    {"fpLine5d1",      "Enter the amount of taxable wages and tips subject to additional Medicare tax withholding of 0.9%"},
    {"fpLine9B",       "Enter the amount of Current quarter's fractional cents adjustment, if any."},
    {"fpLine9A",       "Enter the amount of Current quarter's Sick Pay adjustment, if any."},
    {"fpLine9C",       "Enter the amount of Current quarters adjustments for tips and Group-term insurance, if any."},
    {"fpLine14",       "Enter the total deposits for the quarter."},
    {"fpLine17A",      "If monthly depositor, enter the First month's liability."},
    {"fpLine17B",      "If a montly depositor, enter the Second month's liability."},
    {"fpLine17C",      "If a monthly depositor, enter the Third month's liability"},
    {"Check1",         "Check this box if the Employer is a seasonal employer. Otherwise, leave unchecked."},
};
// clang-format on

} // namespace

std::span<const NamedText> Form941FieldHints() { return kFieldHints; }
