#include "shell/frm941MainScreen.h"

#include "common/CloseBox.h"
#include "common/DatabasePaths.h"
#include "common/ScreenPlacement.h"
#include "platform/basic/RuntimeError.h"
#include "platform/data/Engine.h"
#include "shell/frmStartup.h"
#include "utilities/frm941UtilityMenu.h"

#include <array>
#include <string>

namespace {

const std::string kCaption = "Tavrilo 941 / 944  - Main Menu" + std::string(27, ' ') + "Tax Year 2022";
const std::string kReminderTitle = "BackUp Reminder";

// The tables whose rows the load walks, in this order.
constexpr std::array<const char*, 4> kCheckedTables = {"Employers", "Employees", "W2Dollars", "DET941"};

} // namespace

frm941MainScreen::frm941MainScreen() : Form("frm941MainScreen") {
    SetCaption(kCaption);
    Label1.SetCaption("Please select one of the following:");
    Command1.SetCaption("Enter/Edit/Print Data");
    Command1.SetToolTipText("Click on this button to Enter, Edit, or Print Employer, and 941 Dollar data.");
    cmdUtility.SetCaption("Utility Programs");
    cmdUtility.SetToolTipText("Click on this button to Backup, Restore, Convert  or Import Prior year  data.");
    cmdExit.SetCaption("E&xit");
    cmdExit.SetToolTipText("Click on this button to Exit Tavrilo 941 and return to the first screen.");

    Command1.SetTabIndex(0);
    cmdUtility.SetTabIndex(1);
    cmdExit.SetTabIndex(2);

    Label1.Move(1440, 600, 4800, 375);
    Command1.Move(1440, 1200, 3600, 495);
    cmdUtility.Move(1440, 1920, 3600, 495);
    cmdExit.Move(1440, 2640, 3600, 495);

    Command1.Click = [this] { Command1_Click(); };
    cmdUtility.Click = [this] { cmdUtility_Click(); };
    cmdExit.Click = [this] { cmdExit_Click(); };
}

void frm941MainScreen::Form_Load() {
    Move(0, 0, Width(), Height());
    PlaceOnScreen(*this, 1, 1);

    try {
        CountMainDatabaseRows();
    } catch (const basic::RuntimeError& e) {
        forms::MsgBox(std::to_string(e.Number()) + " " + e.Source() + " " + e.Description(), forms::vbOKOnly);
    }
}

// Counts the rows of the checked tables so that a missing database or table
// is reported as the menu opens. The counts are kept in a wide integer: a
// large table is no error. The engine counts without reading the rows, so the
// menu opens as fast with many employers as with a few.
void frm941MainScreen::CountMainDatabaseRows() {
    auto db = data::OpenDatabase(MainDatabasePath());
    BackupDescriptor().SetDatabase(db);
    BackupDescriptor().SetTableName(kCheckedTables[0]);

    std::array<data::RecordsetPtr, kCheckedTables.size()> recordsets;
    std::array<long long, kCheckedTables.size()> counts{};
    for (std::size_t t = 0; t < kCheckedTables.size(); ++t) {
        recordsets[t] = db->OpenRecordset(kCheckedTables[t], data::dbOpenTable);
        counts[t] = recordsets[t]->RecordCount();
    }
    for (auto& rs : recordsets) rs->Close();
    db->Close();
}

clsBackupTable& frm941MainScreen::BackupDescriptor() {
    if (!backup_) backup_ = std::make_unique<clsBackupTable>();
    return *backup_;
}

void frm941MainScreen::Command1_Click() {
    forms::Screen("frmEmployersDE").Show();
    Hide();
}

void frm941MainScreen::cmdUtility_Click() {
    forms::Screen<frm941UtilityMenu>().Show();
    Hide();
}

// The close box leaves the way Exit does: the backup reminder, then the
// start-up screen.
void frm941MainScreen::Form_QueryUnload(int& Cancel, int UnloadMode) {
    CloseBoxActsAs(Cancel, UnloadMode, [this] { cmdExit_Click(); });
}

void frm941MainScreen::cmdExit_Click() {
    const int backedUp = forms::MsgBox("Have you Backed Up your 941 data recently?",
                                       forms::vbYesNo + forms::vbDefaultButton2, kReminderTitle);
    if (backedUp == forms::vbYes) {
        Unload();
        forms::Screen<frmStartup>().Show();
        return;
    }
    const int backUpNow = forms::MsgBox("Do you want to Back Up your 941 data now?", forms::vbYesNo, kReminderTitle);
    if (backUpNow == forms::vbYes) {
        forms::MsgBox("Select the BackUp/Restore button on the Utility Menu", forms::vbOKOnly, kReminderTitle);
        Unload();
        forms::Screen<frm941UtilityMenu>().Show();
        return;
    }
    Unload();
    forms::Screen<frmStartup>().Show();
}
