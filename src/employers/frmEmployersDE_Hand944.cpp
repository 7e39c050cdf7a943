// The "Form 944" button: records the annual period "622", cautions that the
// form changes for 2022, and opens the Form 944 screen on the employer's one
// DET941 row of that period, offering to start the row when there is none.

#include "employers/frmEmployersDE.h"
#include "platform/basic/RuntimeError.h"
#include "platform/basic/Strings.h"
#include "platform/data/Recordset.h"
#include "returns/f944/frmDet944Covid.h"

#include <optional>

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
// as its own Add would, without clearing LineAmt.
void StartAnnualRow(frmDet944Covid& form944, const std::string& employerNo) {
    form944.ShowRecordState(RecordStep::AddOfferedAndAccepted);
    form944.datDollars.Recordset()->AddNew();
    form944.EditMode = 0;
    form944.txtEmployerNo.SetText(employerNo);
    form944.fpLine2.SetFocus();
    form944.mskQtr_yr.SetText(kAnnualCode);
    form944.LoadLineAmtFromFields();
}

} // namespace

void frmEmployersDE::cmd944_Click() {
    std::optional<std::string> employerNo = StoredEmployerNo();
    if (!employerNo) {
        forms::MsgBox(kNoStoredEmployer, forms::vbExclamation, kForm944Title);
        return;
    }

    txtQtr_Yr.SetText(kAnnualCode);
    forms::MsgBox(CautionText(), forms::vbInformation, kCautionTitle);
    frmDet944Covid& form944 = forms::Screen<frmDet944Covid>();
    form944.Show();
    Hide();

    form944.datDollars.SetRecordSource("SELECT * FROM [DET941] WHERE [EmployerNo] = " + *employerNo +
                                       " AND [Qtr_Yr] = '" + kAnnualCode + "'");
    try {
        form944.datDollars.Refresh();
    } catch (const basic::RuntimeError& error) {
        // Without its rows the screen is of no use: say why and go back.
        forms::MsgBox("The return rows could not be opened. Error number " + std::to_string(error.Number()) + ": " +
                          error.Description(),
                      forms::vbExclamation, kForm944Title);
        form944.Unload();
        Show();
        return;
    }

    if (form944.datDollars.Recordset()->RecordCount() != 0) {
        form944.LoadLineAmtFromFields();
        return;
    }
    const int answer = forms::MsgBox(basic::Trim(form944.txtEmployerName.Text()) +
                                         " has no Form 944 dollar record yet. Do you want to enter one now?",
                                     forms::vbYesNo + forms::vbInformation + forms::vbDefaultButton2, kForm944Title);
    if (answer == forms::vbYes) {
        StartAnnualRow(form944, *employerNo);
        return;
    }
    form944.Unload();
    Show();
}
