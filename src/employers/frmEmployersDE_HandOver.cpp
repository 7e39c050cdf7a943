// The period buttons: each records its period code in txtQtr_Yr and opens the
// Form 941 screen on the one DET941 row of the current employer and period.

#include "common/EmployerNumberSql.h"
#include "employers/PeriodHandOver.h"
#include "employers/frmEmployersDE.h"
#include "platform/basic/Strings.h"
#include "platform/data/Recordset.h"
#include "returns/f941/frmDet941Covid0621.h"

namespace {

struct QuarterButton {
    const char* code;
    const char* quarterWord; // as the no-row message names the quarter
};

// clang-format off
constexpr QuarterButton kQuarter1 {"122", "1st"};
constexpr QuarterButton kQuarter2 {"222", "2nd"};
constexpr QuarterButton kQuarter3 {"322", "3rd"};
constexpr QuarterButton kQuarter4 {"422", "4th"};
constexpr QuarterButton kQuarter5 {"123", "1st"};
// clang-format on

constexpr const char* kForm941Title = "Form 941 Data Entry";
constexpr const char* kNoStoredEmployer =
    "There is no saved employer to enter a return for. Find an employer, or save the new one, "
    "before choosing the quarter.";

void OpenForm941(frmEmployersDE& employers, const QuarterButton& quarter) {
    ReturnScreen* form941 = HandOverPeriod(employers, {quarter.code, kForm941Title, kNoStoredEmployer},
                                           []() -> ReturnScreen& { return forms::Screen<frmDet941Covid0621>(); });
    if (form941 == nullptr) return;
    forms::MsgBox(basic::Trim(form941->txtEmployerName.Text()) + " has no 941 dollars yet for the " +
                      quarter.quarterWord +
                      " quarter. Click on Add to start the data entry process. Press the Return/Enter key to move "
                      "from field to field. Remember to Save your record. Click on Close to exit from this screen.",
                  forms::vbOKOnly, kForm941Title);
    form941->ShowNoRowOfPeriod();
}

} // namespace

std::optional<std::string> frmEmployersDE::StoredEmployerNo() {
    data::RecordsetPtr rows = datEmployers.Recordset();
    if (!rows || rows->EditMode() == data::dbEditAdd || rows->Eof() || rows->Bof()) return std::nullopt;
    return EmployerNumberSql(rows->Fields("EmployerNo").Value());
}

EmployerHandOver frmEmployersDE::HandOver() {
    EmployerHandOver employer;
    employer.Row = datEmployers.Recordset();
    employer.OnRow = employer.Row && employer.Row->IsOpen() && !employer.Row->Eof() && !employer.Row->Bof();
    if (employer.OnRow) {
        auto column = [&](const char* name) { return forms::BoundValueText(employer.Row->Fields(name).Value()); };
        employer.EmployerNo = column("EmployerNo");
        employer.EmployerName1 = column("EmployerName1");
        employer.IDType = column("IDType");
        employer.Pyr_Taxid = column("Pyr_Taxid");
        employer.TypePayer = column("TypePayer");
    }
    // While an edit is pending, a Save that failed has put what was typed
    // into the row: the returns belong to the employer as the edit started.
    if (const auto shown = ShownEmployerRow(); shown && employer.OnRow) {
        employer.IDType = shown->IDType;
        employer.Pyr_Taxid = shown->Pyr_Taxid;
        employer.TypePayer = shown->TypePayer;
    }
    employer.PeriodCode = txtQtr_Yr.Text();
    employer.ContactName = mskContactName.Text();
    employer.ContactPhone = mskContactPhone.Text();
    employer.DesigneePIN = mskDesigneePIN.Text();
    employer.SignersPhone = mskSignersPhone.Text();
    return employer;
}

void frmEmployersDE::cmdQtr1_Click() { OpenForm941(*this, kQuarter1); }
void frmEmployersDE::cmdQtr2_Click() { OpenForm941(*this, kQuarter2); }
void frmEmployersDE::cmdQtr3_Click() { OpenForm941(*this, kQuarter3); }
void frmEmployersDE::cmdQtr4_Click() { OpenForm941(*this, kQuarter4); }
void frmEmployersDE::cmdQtr5_Click() { OpenForm941(*this, kQuarter5); }
