// The 2020 Form 941 screen's load: the frame's header and captions, then the
// current employer's row for the chosen period, and its page buttons.

#include "returns/f941_2020/frmDet941Covid.h"

#include "employers/frmEmployersDE.h"
#include "platform/basic/RuntimeError.h"
#include "platform/data/Errors.h"
#include "platform/data/Recordset.h"

#include <optional>

namespace {

constexpr const char* kLoadFailedTitle = "Form 941- Data Entry";
constexpr const char* kLoadFailedStart = "The return could not be opened. Error number ";

// A text as an SQL string literal, its apostrophes doubled.
std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("''") : std::string(1, c);
    return quoted + "'";
}

} // namespace

void frmDet941Covid::Form_Load() {
    try {
        ReturnScreen::Form_Load();
        OpenRowOfPeriod();
    } catch (const basic::RuntimeError& error) {
        // Say why no return is shown, and leave nothing to click but Close.
        forms::MsgBox(kLoadFailedStart + std::to_string(error.Number()) + ": " + error.Description(),
                      forms::vbExclamation, kLoadFailedTitle);
        ShowRecordState(RecordStep::NoRowFound);
        cmdAddNew.SetEnabled(false);
    }
}

// The screen shows the one row of the current employer and the period the
// employer screen holds; without one it offers Add.
void frmDet941Covid::OpenRowOfPeriod() {
    std::optional<std::string> employerNo = forms::Screen<frmEmployersDE>().StoredEmployerNo();
    if (!employerNo) basic::Raise(data::errNoCurrentRecord, "frmEmployersDE.datEmployers");
    datDollars.SetRecordSource("SELECT * FROM [DET941] WHERE [EmployerNo] = " + *employerNo +
                               " AND [Qtr_Yr] = " + Quoted(PeriodCode()));
    datDollars.Refresh();
    if (datDollars.Recordset()->RecordCount() == 0) {
        ShowRecordState(RecordStep::NoRowFound);
        return;
    }
    LoadLineAmtFromFields();
}

void frmDet941Covid::Command4_Click() { SSTab1.SetTab(2); }
