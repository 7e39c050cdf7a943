// The earlier Form 944 screen's frame: the load on the current employer's
// Det944 row, the record buttons' part that differs from the other return
// screens (no Add; an edit leaves Delete and Close to the user), the month
// check that guards Save, and the focus colours.

#include "returns/f944_early/frmdet944.h"

#include "platform/forms/Dialogs.h"

namespace {

constexpr long kLightGrey = 0xE0E0E0;
constexpr long kLightYellow = 0x80FFFF;

constexpr const char* kNoRowLeft = "There are no more records for this employer. Click on Close.";

} // namespace

frmdet944::frmdet944() : ReturnScreen("frmdet944") {
    LayOutScreen();
    UseLines(Form944Lines());
    UseOverpaymentBoxes(fpLine12, Check3, Check4);
    PaintFocus();
    WirePrint([this] { DMWin2_PrintRequest(); });
}

std::array<forms::CurrencyField*, 12> frmdet944::MonthFields() {
    return {&fpLine13a, &fpLine13b, &fpLine13c, &fpLine13d, &fpLine13e, &fpLine13f,
            &fpLine13g, &fpLine13h, &fpLine13I, &fpLine13J, &fpLine13K, &fpLine13L};
}

// The screen reads no period: its row is the employer's only one.
void frmdet944::AdaptToPeriod(const std::string& /*code*/) {}

std::string frmdet944::RowsOfEmployer(const std::string& employerNo) const {
    return "SELECT * FROM [Det944] WHERE [EmployerNo] = " + employerNo;
}

const char* frmdet944::NoRowLeftText() const { return kNoRowLeft; }

// The hidden L_6E and L_6F keep what the row holds: the load writes nothing
// into them.
void frmdet944::Form_Load() {
    LoadRowOfPeriod("Form 944 Data Entry");
    Check4.SetBackColor(kLightGrey);
}

bool frmdet944::SaveChecksPass() { return YearMatchesLine9(); }

// The fields the user enters turn light yellow with the focus and light grey
// without it; computed lines keep their colour.
void frmdet944::PaintFocus() {
    std::vector<forms::Control*> painted = {&fpLine1,  &fpLine2, &fpLine4A, &fpLine4B, &fpLine4C, &fpLine4D, &fpLine6A,
                                            &fpLine6D, &fpLine8, &fpLine10, &Check2,   &Check3,   &Check4};
    for (forms::CurrencyField* month : MonthFields()) painted.push_back(month);
    for (forms::Control* field : painted) {
        field->GotFocus = [field] { field->SetBackColor(kLightYellow); };
        field->LostFocus = [field, then = field->LostFocus] {
            field->SetBackColor(kLightGrey);
            if (then) then();
        };
    }
}
