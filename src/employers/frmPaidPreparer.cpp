#include "employers/frmPaidPreparer.h"

#include "platform/basic/Strings.h"
#include "platform/basic/WholeNumbers.h"
#include "platform/files/FileSystem.h"

#include <array>
#include <string>

namespace {

const std::string kDesignedCaption = "Paid Preparer Setup Information";

std::string AnyCharacters(int count, bool upperCase = true) {
    return (upperCase ? ">" : "") + std::string(static_cast<std::size_t>(count), 'C');
}

// One row of the screen: its label, its field and the record field it edits.
// The rows are in tab order, which is also the order the record is shown and
// saved in. Positions in twips; every field is 300 high.
struct PreparerRow {
    forms::Label frmPaidPreparer::*label; // null: the field has no label of its own
    const char* caption;
    long labelLeft, labelTop;
    forms::MaskedField frmPaidPreparer::*field;
    long left, top, width;
    std::string mask;
    int maxLength;
    const char* toolTip;
    std::string PaidPreparerRecord::*recordField;
};

using F = frmPaidPreparer;
using R = PaidPreparerRecord;

// clang-format off
const std::array<PreparerRow, 10> kRows{{
    // label      caption                           label at      field                     left  top   width  mask                max  tool tip                                                                record field
    {&F::Label1, "Firm Name:",                      240,  120,  &F::txtFirmName,          1320,  120, 5415, AnyCharacters(50), 50, "Enter the name of the firm preparing the fomr.",                      &R::FirmName},
    {&F::Label2, "Address:",                        240,  480,  &F::txtFirmAddress,       1320,  480, 3375, AnyCharacters(30), 30, "Enter the firm's address.",                                            &R::FirmAddress},
    {&F::Label3, "EIN:",                           5280,  480,  &F::txtFirmEIN,           5880,  480, 1095, "99-9999999",      10, "Enter the firm's EIN.",                                                &R::FirmEIN},
    {&F::Label4, "City, State:",                    240,  840,  &F::txtFirmCity,          1320,  840, 3375, AnyCharacters(30), 30, "Enter the firm's city.",                                               &R::FirmCity},
    {nullptr,    "",                                  0,    0,  &F::txtFirmState,         4800,  840,  375, ">CC",              2, "Enter the firm's state.",                                              &R::FirmState},
    {&F::Label5, "Zip:",                           5400,  840,  &F::txtFirmZip,           5880,  840, 1095, "99999-9999",      10, "Enter the firms's zip code in the format NNNNN-NNNN.",                 &R::FirmZip},
    {&F::Label6, "Phone:",                          240, 1320,  &F::txtFirmPhone,         1320, 1320, 1215, "(999)999-9999",   13, "Enter the firm's phone number.",                                       &R::FirmPhone},
    {&F::Label7, "SSN/PTIN:",                      4920, 1440,  &F::txtFirmPTIN,          5880, 1320, 1695, AnyCharacters(15), 15, "Enter the SSN or PTIN of the paid preparer.",                          &R::FirmPTIN},
    {&F::Label8, "Are you Self-Employed?  Y/N:",    240, 1920,  &F::txtFirmSelfEmployed,  2760, 1800,  255, ">C",               1, "",                                                                     &R::FirmSelfEmployed},
    {&F::Label9, "Preparer's Name:",                240, 2280,  &F::txtFirmPreparerName,  1320, 2400, 4215, AnyCharacters(35), 35, "Enter the Paid Preparer's Name. Ex: JOHN Q PUBLIC",                   &R::FirmPreparerName},
}};
// clang-format on

constexpr long kFieldHeight = 300;
constexpr long kLabelGap = 60; // between a label's right end and its field
// The window around the designed client area of 7740 by 3615.
constexpr long kBorderWidth = 120;
constexpr long kTitleAndBorderHeight = 405;

} // namespace

frmPaidPreparer::frmPaidPreparer() : Form("frmPaidPreparer") {
    SetCaption(kDesignedCaption);
    SetWidth(7740 + kBorderWidth);
    SetHeight(3615 + kTitleAndBorderHeight);

    int tabIndex = 0;
    for (const auto& row : kRows) {
        if (row.label) {
            forms::Label& label = this->*row.label;
            label.SetCaption(row.caption);
            label.Move(row.labelLeft, row.labelTop, row.left - row.labelLeft - kLabelGap, kFieldHeight);
        }
        forms::MaskedField& field = this->*row.field;
        field.SetMask(row.mask);
        field.SetPromptChar('_');
        field.SetMaxLength(row.maxLength);
        field.SetToolTipText(row.toolTip);
        field.Move(row.left, row.top, row.width, kFieldHeight);
        field.SetTabIndex(tabIndex++);
    }

    Command2.SetCaption("&Save");
    Command2.Move(2400, 3000, 1215, 495);
    Command2.SetTabIndex(tabIndex++);
    Command3.SetCaption("&Close");
    Command3.Move(4200, 3000, 1215, 495);
    Command3.SetTabIndex(tabIndex++);

    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
}

void frmPaidPreparer::Form_Load() {
    RecordLength = kPaidPreparerRecordLength;
    CurrentRecord = 1;
    LastRecord = 0;
    try {
        if (OpenPreparerFile()) {
            LastRecord = basic::CLng(static_cast<double>(PreparerFile->Length()) / RecordLength);
        } else if (files::FileExists(kPaidPreparerFileName)) {
            // Shown all the same, so the user sees what the file holds.
            LastRecord = basic::CLng(static_cast<double>(files::FileLen(kPaidPreparerFileName)) / RecordLength);
        }
    } catch (const basic::RuntimeError& e) {
        // More records than can be counted: no preparer file is that big,
        // so it is reported as unusable and left as it is.
        if (PreparerFile) PreparerFile->Close();
        PreparerFile.reset();
        ReportFileError("open", e);
        LastRecord = 0;
    }
    if (LastRecord == 0) LastRecord = 1;
    ShowCurrentRecord();
}

void frmPaidPreparer::Form_Unload(int& /*Cancel*/) {
    // The close box leaves without saving; the file is let go either way.
    if (PreparerFile) PreparerFile->Close();
    PreparerFile.reset();
}

bool frmPaidPreparer::OpenPreparerFile() {
    if (PreparerFile && PreparerFile->IsOpen()) return true;
    try {
        PreparerFile.emplace(kPaidPreparerFileName, RecordLength);
        return true;
    } catch (const basic::RuntimeError& e) {
        PreparerFile.reset();
        ReportFileError("open", e);
        return false;
    }
}

void frmPaidPreparer::ReportFileError(const std::string& action, const basic::RuntimeError& error) const {
    forms::MsgBox("Can't " + action + " the Paid Preparer file " + kPaidPreparerFileName + ". Error # " +
                      std::to_string(error.Number()) + " " + error.Description(),
                  forms::vbExclamation, kDesignedCaption);
}

void frmPaidPreparer::ShowCurrentRecord() {
    try {
        PreparerRecord =
            PreparerFile ? PaidPreparerRecord::FromBytes(PreparerFile->Get(CurrentRecord)) : ReadPaidPreparerRecord();
    } catch (const basic::RuntimeError& e) {
        // Without the file open, the failure to open it was told already.
        if (PreparerFile) ReportFileError("read", e);
        PreparerRecord = PaidPreparerRecord::FromBytes("");
    }
    for (const auto& row : kRows) (this->*row.field).SetText(basic::Trim(PreparerRecord.*row.recordField));

    // Always from the designed caption, so the count shows once.
    SetCaption(kDesignedCaption + " Record " + std::to_string(CurrentRecord) + " / " + std::to_string(LastRecord));
}

bool frmPaidPreparer::SaveCurrentRecord() {
    for (const auto& row : kRows) PreparerRecord.*row.recordField = (this->*row.field).Text();
    if (!OpenPreparerFile()) return false;
    try {
        PreparerFile->Put(CurrentRecord, PreparerRecord.ToBytes());
        return true;
    } catch (const basic::RuntimeError& e) {
        ReportFileError("save", e);
        return false;
    }
}

void frmPaidPreparer::Command2_Click() { SaveCurrentRecord(); }

void frmPaidPreparer::Command3_Click() {
    // A record that could not be written keeps the screen open with what was
    // typed; the close box still leaves without saving.
    if (!SaveCurrentRecord()) return;
    PreparerFile->Close();
    PreparerFile.reset();
    Unload();
}
