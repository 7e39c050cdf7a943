// The employer screen's design: captions, masks, tool tips, positions, the
// binding of its fields to datEmployers and the wiring of its events.

#include "employers/EmployerFieldTable.h"
#include "employers/frmEmployersDE.h"

namespace {

constexpr long kFirstRowTop = 720;
constexpr long kRowHeight = 420;
constexpr long kFieldHeight = 300;

long RowTop(int row) { return kFirstRowTop + (row - 1) * kRowHeight; }

struct ButtonDesign {
    forms::CommandButton frmEmployersDE::*button;
    const char* caption;
    const char* toolTip;
    long left, top, width;
};

// The record commands, in a row under the fields.
// clang-format off
const ButtonDesign kCommandButtons[] = {
    // button                           caption          tool tip                                                                                     left  top   width
    {&frmEmployersDE::cmdAddRecord,    "&Add",          "Click to Add a new Employer record.",                                                        240, 6000, 1335},
    {&frmEmployersDE::cmdEditRecord,   "&Edit ",        "Click to edit the current Employer record.",                                                1680, 6000, 1335},
    {&frmEmployersDE::cmdSaveRecord,   "&Save Record",  "Click to SAVE the displayed record after adding or editing.",                                3120, 6000, 1335},
    {&frmEmployersDE::cmdDeleteRecord, "&Delete",       "Click to delete the current Employer and all of his underlying dollar records, if any.",   4560, 6000, 1335},
    {&frmEmployersDE::cmdFind,         "&Find ",        "Click to quickly Find an Employer.",                                                        6000, 6000, 1335},
    {&frmEmployersDE::cmdPrint,        "Print &List",   "Click to print a list of Employers on file.",                                              7440, 6000, 1335},
    {&frmEmployersDE::cmdClose,        "&Close",        "Click to close this screen and return to the Main Menu.",                                  8880, 6000, 1335},
};
// clang-format on

// The period buttons; positions within their frames.
// clang-format off
const ButtonDesign kPeriodButtons[] = {
    // button                   caption     tool tip                                                                                   left  top  width
    {&frmEmployersDE::cmdQtr1, "01/2022",  "Click to enter 941 amounts for the first quarter for this Employer.",                      240, 360, 1200},
    {&frmEmployersDE::cmdQtr2, "02/2022",  "Click to enter 941 amounts for the second quarter for this Employer.",                    1560, 360, 1200},
    {&frmEmployersDE::cmdQtr3, "03/2022",  "Click to enter 941 amounts for the third quarter for this Employer.",                     2880, 360, 1200},
    {&frmEmployersDE::cmdQtr4, "04/2022",  "Click to enter 941 amounts for the fourth quarter for this Employer.",                    4200, 360, 1200},
    {&frmEmployersDE::cmdQtr5, "01/2023",  "Click to enter 941 amounts for the first quarter of the new year for this Employer.",     5520, 360, 1200},
    {&frmEmployersDE::cmd944,  "Form 944", "Click to enter, edit, or print Form 944 for this employer.",                               240, 360, 1200},
};
// clang-format on

} // namespace

frmEmployersDE::frmEmployersDE() : Form("frmEmployersDE") {
    LayOutControls();
    WireEvents();
    OfferEmployerHandOver(this, [this] { return HandOver(); });
}

frmEmployersDE::~frmEmployersDE() { WithdrawEmployerHandOver(this); }

std::vector<forms::MaskedField*> frmEmployersDE::EntryFields() {
    std::vector<forms::MaskedField*> fields;
    for (const auto& row : EmployerFieldTable())
        fields.push_back(static_cast<forms::MaskedField*>(ControlByName(row.control)));
    return fields;
}

void frmEmployersDE::LayOutControls() {
    SetCaption("Employers");
    Move(0, 0, 12600, 8400);

    lblHeading.SetCaption("Enter or edit the Employer information used to fill out Form 941.");
    lblHeading.Move(240, 120, 9000, 300);

    int tabIndex = 0;
    lblEmployerNo.SetCaption("Employer No:");
    lblEmployerNo.Move(240, RowTop(1), 1500, kFieldHeight);
    txtEmployerNo.Move(1800, RowTop(1), 1200, kFieldHeight);
    // The number comes from the counter only; typing over it would cut the
    // employer off from its return rows.
    txtEmployerNo.SetLocked(true);
    txtEmployerNo.SetDataSource("datEmployers");
    txtEmployerNo.SetDataField("EmployerNo");
    txtEmployerNo.SetTabIndex(tabIndex++);

    for (const auto& row : EmployerFieldTable()) {
        auto& field = *static_cast<forms::MaskedField*>(ControlByName(row.control));
        field.SetMask(row.mask);
        field.SetPromptChar('_');
        field.SetMaxLength(row.width);
        field.SetDataSource("datEmployers");
        field.SetDataField(row.column);
        field.Move(row.left, RowTop(row.row), row.fieldWidth, kFieldHeight);
        field.SetTabIndex(tabIndex++);
        if (!row.label.empty()) {
            auto label = std::make_unique<forms::Label>(*this, "lbl" + row.column);
            label->SetCaption(row.label);
            label->Move(row.labelLeft, RowTop(row.row), row.left - row.labelLeft - 60, kFieldHeight);
            fieldLabels_.push_back(std::move(label));
        }
    }

    datEmployers.SetCaption("Employers");
    datEmployers.SetConnect("Access");
    datEmployers.SetRecordSource("Employers");
    datEmployers.SetExclusive(false);
    datEmployers.SetToolTipText(
        "<| = First Employer,  <  =  Previous Employer,  >  =  Next Employer,  |>  =  Last Employer");
    datEmployers.Move(3240, RowTop(1), 4200, kFieldHeight);

    // Not for typing: the period buttons write it and the return screens read it.
    txtQtr_Yr.SetVisible(false);
    txtQtr_Yr.SetTabStop(false);
    txtQtr_Yr.Move(7800, RowTop(1), 600, kFieldHeight);

    for (const auto& design : kCommandButtons) {
        auto& button = this->*design.button;
        button.SetCaption(design.caption);
        button.SetToolTipText(design.toolTip);
        button.Move(design.left, design.top, design.width, 495);
        button.SetTabIndex(tabIndex++);
    }

    Frame1.SetCaption("Click on the desired Quarter/Year to enter, edit, or print Form 941");
    Frame1.Move(240, 6720, 6960, 1020);
    Frame2.SetCaption("Click for Form 944");
    Frame2.Move(7440, 6720, 1680, 1020);
    for (const auto& design : kPeriodButtons) {
        auto& button = this->*design.button;
        button.SetCaption(design.caption);
        button.SetToolTipText(design.toolTip);
        button.SetContainer(design.button == &frmEmployersDE::cmd944 ? Frame2 : Frame1);
        button.Move(design.left, design.top, design.width, 495);
        button.SetTabIndex(tabIndex++);
    }

    mnuPdPreparer.SetCaption("Paid Preparer Setup");
}

void frmEmployersDE::WireEvents() {
    for (forms::MaskedField* field : EntryFields()) {
        field->GotFocus = [this, field] { EntryField_GotFocus(*field); };
        field->LostFocus = [this, field] { EntryField_LostFocus(*field); };
        field->KeyPress = [this, field](int& KeyAscii) { EntryField_KeyPress(*field, KeyAscii); };
    }
    mskIdType.KeyPress = [this](int& KeyAscii) { mskIdType_KeyPress(KeyAscii); };
    mskIdType.Validate = [this](bool& Cancel) { mskIdType_Validate(Cancel); };
    mskTypePayer.KeyPress = [this](int& KeyAscii) { mskTypePayer_KeyPress(KeyAscii); };
    mskTypePayer.Validate = [this](bool& Cancel) { mskTypePayer_Validate(Cancel); };
    mskSignersPhone.KeyPress = [this](int& KeyAscii) { mskSignersPhone_KeyPress(KeyAscii); };

    cmdAddRecord.Click = [this] { cmdAddRecord_Click(); };
    cmdEditRecord.Click = [this] { cmdEditRecord_Click(); };
    cmdSaveRecord.Click = [this] { cmdSaveRecord_Click(); };
    cmdDeleteRecord.Click = [this] { cmdDeleteRecord_Click(); };
    cmdFind.Click = [this] { cmdFind_Click(); };
    cmdPrint.Click = [this] { cmdPrint_Click(); };
    cmdClose.Click = [this] { cmdClose_Click(); };
    mnuPdPreparer.Click = [this] { mnuPdPreparer_Click(); };

    cmdQtr1.Click = [this] { cmdQtr1_Click(); };
    cmdQtr2.Click = [this] { cmdQtr2_Click(); };
    cmdQtr3.Click = [this] { cmdQtr3_Click(); };
    cmdQtr4.Click = [this] { cmdQtr4_Click(); };
    cmdQtr5.Click = [this] { cmdQtr5_Click(); };
    cmd944.Click = [this] { cmd944_Click(); };
}
