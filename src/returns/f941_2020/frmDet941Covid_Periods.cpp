// What the period code changes on the 2020 Form 941 screen: the pay period
// named by line 1, and lines 13b, 24 and 25, which the 2021 and 2022 forms
// reserve for future use.

#include "returns/f941_2020/frmDet941Covid.h"

#include "common/EmployeeCountCaption.h"
#include "common/ReservedLineLabel.h"
#include "platform/basic/Strings.h"

namespace {

// clang-format off
constexpr ReservedLine k13b{"13b Reserved for future use ", 119, "(13b)"};
constexpr ReservedLine k24 {"24 Reserved for futue use ",  130, " (24)"};
constexpr ReservedLine k25 {"25 Reserved for futue use ",  130, " (25)"};
// clang-format on

} // namespace

void frmDet941Covid::AdaptToPeriod(const std::string& code) {
    if (const char* caption = EmployeeCountCaption(code)) Label5(0).SetCaption(caption);
    const std::string year = basic::Right(code, 2);
    if (year != "21" && year != "22") return;
    RetireLine(Label45, fpLine13b, k13b, RetiredField::Disabled);
    Label55.SetCaption(" ");
    RetireLine(Label56, fpLine24, k24, RetiredField::Disabled);
    Label57.SetCaption(" ");
    RetireLine(Label58, fpLine25, k25, RetiredField::Disabled);
}
