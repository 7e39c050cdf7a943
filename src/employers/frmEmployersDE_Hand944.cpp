// The "Form 944" button: records the annual period "622", cautions that the
// form changes for 2022, and opens the Form 944 screen on the employer's one
// DET941 row of that period, offering to start the row when there is none.

#include "employers/PeriodHandOver.h"
#include "employers/frmEmployersDE.h"
#include "platform/basic/Strings.h"
#include "platform/data/Recordset.h"
#include "returns/f944/frmDet944Covid.h"

namespace {

constexpr const char* kAnnualCode = "622";
constexpr const char* kForm944Title = "Form 944 Data Entry";
constexpr const char* kCautionTitle = "Form 944 Data Entry - 2022";
// Where the current status of the form is published.
constexpr const char* kStatusWebsite = "www.example.com";
constexpr const char* kNoStoredEmployer =
    "There is no saved employer to enter a return for. Find an employer, or save the new one, "
    "before choosing Form 944.";

std::string CautionText() {
    return std::string("CAUTION: Form 944 will change for 2022. Check our website") + "  " + kStatusWebsite + "  " +
           "for current status.";
}

// The user chose to enter the year's row now: the screen starts adding it,
// as its own Add would.
void StartAnnualRow(frmDet944Covid& form944, const std::string& employerNo) {
    form944.ShowRecordState(RecordStep::AddOfferedAndAccepted);
    form944.datDollars.Recordset()->AddNew();
    form944.EditMode = 0;
    form944.txtEmployerNo.SetText(employerNo);
    form944.fpLine2.SetFocus();
    form944.mskQtr_yr.SetText(kAnnualCode);
    form944.RememberLines();
}

} // namespace

void frmEmployersDE::cmd944_Click() {
    const PeriodHandOver annual{kAnnualCode, kForm944Title, kNoStoredEmployer,
                                [] { forms::MsgBox(CautionText(), forms::vbInformation, kCautionTitle); }};
    ReturnScreen* opened =
        HandOverPeriod(*this, annual, []() -> ReturnScreen& { return forms::Screen<frmDet944Covid>(); });
    if (opened == nullptr) return;
    auto& form944 = static_cast<frmDet944Covid&>(*opened);
    const int answer = forms::MsgBox(basic::Trim(form944.txtEmployerName.Text()) +
                                         " has no Form 944 dollar record yet. Do you want to enter one now?",
                                     forms::vbYesNo + forms::vbInformation + forms::vbDefaultButton2, kForm944Title);
    if (answer == forms::vbYes) {
        StartAnnualRow(form944, *StoredEmployerNo());
        return;
    }
    form944.Unload();
    Show();
}
