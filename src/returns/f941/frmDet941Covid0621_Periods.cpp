// What the period code changes on the Form 941 screen: the pay period named
// by line 1 and the lines the form retired for the quarter and year.

#include "returns/f941/frmDet941Covid0621.h"

#include "common/EmployeeCountCaption.h"
#include "common/ReservedLineLabel.h"
#include "platform/basic/Strings.h"

namespace {

// clang-format off
constexpr ReservedLine k11c{"11c Reserved for future use ", 108, " (11c)"};
constexpr ReservedLine k11e{"11e Reserved for future use ", 108, " (11e)"};
constexpr ReservedLine k11f{"11f Reserved for future use ", 108, " (11f)"};
constexpr ReservedLine k13b{"13b Reserved for future use ", 119, "(13b)"};
constexpr ReservedLine k13d{"13d Reserved for future use ", 119, "(13d)"};
constexpr ReservedLine k13h{"13h Reserved for future use ", 119, "(13h)"};
constexpr ReservedLine k13f{"13f Reserved for future use ", 119, " (13f)"};
// clang-format on

} // namespace

void frmDet941Covid0621::AdaptToPeriod(const std::string& code) {
    const std::string quarter = basic::Left(code, 1);
    const std::string year = basic::Right(code, 2);

    if (const char* caption = EmployeeCountCaption(code)) Label5(0).SetCaption(caption);
    if (year == "21" || year == "22") {
        RetireLine(lblLine13b, fpLine13b, k13b, RetiredField::Disabled);
    }
    if (year == "23") {
        RetireLine(lblLine11c, fpLine11c, k11c, RetiredField::Disabled);
        RetireLine(lblLine11e, fpL12aCobra, k11e, RetiredField::Disabled);
        RetireLine(lblLine11f, MaskEdBox2, k11f, RetiredField::Disabled);
        RetireLine(lblLine13b, fpLine13b, k13b, RetiredField::Disabled);
        RetireLine(lblLine13d, fpLine13d, k13d, RetiredField::Disabled);
        RetireLine(lblLine13h, fpLine13h, k13h, RetiredField::ZeroedEnabled);
        RetireLine(lblLine13f, fpLine13f, k13f, RetiredField::ZeroedDisabled);
    }
    if (year == "22") {
        RetireLine(lblLine11c, fpLine11c, k11c, RetiredField::Disabled);
        RetireLine(lblLine13d, fpLine13d, k13d, RetiredField::Disabled);
        RetireLine(lblLine13h, fpLine13h, k13h, RetiredField::ZeroedEnabled);
        Check9.SetEnabled(false);
        Check9.SetVisible(false);
        if (quarter == "2" || quarter == "3" || quarter == "4") {
            // Line 13f stays open for entry although the form retired it.
            RetireLine(lblLine13f, fpLine13f, k13f, RetiredField::CaptionOnly);
            RetireLine(lblLine11e, fpL12aCobra, k11e, RetiredField::Disabled);
            RetireLine(lblLine11f, MaskEdBox2, k11f, RetiredField::Disabled);
        }
    }
    SetPeriodMoves(code);
}
