// The employer screen's field entry: focus colours, the Enter chain and the
// checks of the tax id type and the kind of employer.

#include "employers/EmployerFieldTable.h"
#include "employers/frmEmployersDE.h"

#include <string>

namespace {

const char* const kTaxIdTypeMessage = "Employer's Tax Id Type must be 1 = EIN or 2 = SSN";
const char* const kKindOfEmployerMessage =
    "Valid codes are R = 941/941E,  M = Military,  A = Agricultural,  X = CT-1,  H = 942, or  "
    "Q = Medicare Gov`t Emp. Please re-enter.";

bool IsTaxIdType(const std::string& text) { return text == "1" || text == "2"; }

bool IsKindOfEmployer(const std::string& text) {
    for (const char* kind : {"R", "M", "A", "X", "H", "Q"})
        if (text == kind) return true;
    return false;
}

void SayTaxIdTypeError() {
    forms::MsgBox(kTaxIdTypeMessage, forms::vbOKOnly + forms::vbExclamation, "TaxId Type Error");
}

void SayKindOfEmployerError() {
    forms::MsgBox(kKindOfEmployerMessage, forms::vbOKOnly + forms::vbExclamation, "Kind of Employer Error");
}

} // namespace

void frmEmployersDE::EntryField_GotFocus(forms::MaskedField& field) { field.SetBackColor(forms::vbLightYellow); }

void frmEmployersDE::EntryField_LostFocus(forms::MaskedField& field) { field.SetBackColor(forms::vbWindowBackground); }

void frmEmployersDE::EntryField_KeyPress(forms::MaskedField& field, int& KeyAscii) {
    if (KeyAscii != forms::vbKeyReturn) return;
    for (const auto& row : EmployerFieldTable()) {
        if (row.control != field.Name()) continue;
        if (auto* next = ControlByName(row.nextOnEnter)) next->SetFocus();
        return;
    }
}

void frmEmployersDE::mskIdType_KeyPress(int& KeyAscii) {
    if (KeyAscii == forms::vbKeyReturn) {
        if (IsTaxIdType(mskIdType.Text())) {
            mskPyr_Taxid.SetFocus();
        } else {
            SayTaxIdTypeError();
            mskIdType.SetFocus();
        }
        return;
    }
    // Editing and leaving keys are no tax id type; they pass unremarked.
    if (KeyAscii == forms::vbKeyBack || KeyAscii == forms::vbKeyTab || KeyAscii == forms::vbKeyEscape) return;
    if (KeyAscii == '1' || KeyAscii == '2') return;
    SayTaxIdTypeError();
    mskIdType.SetText("");
    mskIdType.SetFocus();
    KeyAscii = 0; // refused: the key does not land in the field after the message
}

void frmEmployersDE::mskIdType_Validate(bool& /*Cancel*/) {
    if (IsTaxIdType(mskIdType.Text())) {
        mskPyr_Taxid.SetFocus();
        return;
    }
    SayTaxIdTypeError();
    mskIdType.SetText("");
    mskIdType.SetFocus();
}

void frmEmployersDE::mskTypePayer_KeyPress(int& KeyAscii) {
    if (KeyAscii != forms::vbKeyReturn) return;
    if (IsKindOfEmployer(mskTypePayer.Text())) {
        mskCountry.SetFocus();
        return;
    }
    SayKindOfEmployerError();
    mskTypePayer.SetText("");
}

void frmEmployersDE::mskTypePayer_Validate(bool& /*Cancel*/) {
    if (IsKindOfEmployer(mskTypePayer.Text())) {
        mskCountry.SetFocus();
        return;
    }
    SayKindOfEmployerError();
    mskTypePayer.SetText("");
}

void frmEmployersDE::mskSignersPhone_KeyPress(int& KeyAscii) {
    if (KeyAscii == forms::vbKeyReturn && cmdSaveRecord.Enabled()) cmdSaveRecord.SetFocus();
}
