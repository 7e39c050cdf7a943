#include "utilities/UtilityMenu.h"

#include "common/CloseBox.h"
#include "common/ScreenPlacement.h"
#include "platform/basic/RuntimeError.h"
#include "platform/data/Errors.h"
#include "utilities/convertw2.h"
#include "utilities/frmBackup.h"
#include "utilities/frmImportW2.h"

UtilityMenu::UtilityMenu(const std::string& name, const UtilityMenuTexts& texts) : Form(name), texts_(texts) {
    SetCaption(texts_.caption);
    Label1.SetCaption("Please select one of the following:");
    Command1.SetCaption("BackUp / Restore");
    Command1.SetToolTipText(texts_.backupToolTip);
    Command2.SetCaption(texts_.convertCaption);
    Command2.SetToolTipText(texts_.convertToolTip);
    Command3.SetCaption(texts_.importCaption);
    Command3.SetToolTipText(texts_.importToolTip);
    Command4.SetCaption("Exit");
    Command4.SetToolTipText("Exit from here and return to the Tavrilo 941 Main Menu");

    Command1.SetTabIndex(0);
    Command2.SetTabIndex(1);
    Command3.SetTabIndex(2);
    Command4.SetTabIndex(3);

    Label1.Move(1440, 600, 4800, 375);
    Command1.Move(1440, 1200, 4200, 495);
    Command2.Move(1440, 1920, 4200, 495);
    Command3.Move(1440, 2640, 4200, 495);
    Command4.Move(1440, 3360, 4200, 495);

    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
}

void UtilityMenu::Form_Load() { PlaceOnScreen(*this, 1, 0.95); }

void UtilityMenu::Form_QueryUnload(int& Cancel, int UnloadMode) {
    CloseBoxActsAs(Cancel, UnloadMode, [this] { Command4_Click(); });
}

void UtilityMenu::Command1_Click() {
    forms::Screen<frmBackup>().Show();
    Hide();
}

// The DOS conversion start. A conversion screen whose rows cannot be read
// (no diskette, a damaged table, a file another copy holds, a device error)
// is taken away again and the user told why once, over this menu, which
// works again as before.
void UtilityMenu::Command2_Click() {
    if (forms::MsgBox("The DOS to Windows conversion requires a backup diskette containing Tavrilo W-2 for DOS "
                      "information. If you have the backup diskette handy, click OK. Otherwise click Cancel.",
                      forms::vbOKCancel, texts_.convertTitle) != forms::vbOK)
        return;
    if (forms::MsgBox("Place the backup disk containing Tavrilo W-2 for DOS information into Drive A:",
                      forms::vbOKCancel, texts_.diskTitle) != forms::vbOK)
        return;
    try {
        forms::Screen<convertw2>().Show();
        Hide();
    } catch (const basic::RuntimeError& e) {
        forms::Screen<convertw2>().Unload();
        Show();
        if (e.Number() != data::errInvalidPath) {
            forms::MsgBox("Error = " + std::to_string(e.Number()) + " " + e.Description(), forms::vbOKOnly, " ");
            return;
        }
        forms::MsgBox("Error no. " + std::to_string(e.Number()) +
                          " Error accessing Tavrilo W-2 for DOS information. Please place diskette containing "
                          "Tavrilo W-2 for DOS information in Drive A: and try conversion again.",
                      forms::vbOKOnly, texts_.errorTitle);
    }
}

void UtilityMenu::Command3_Click() {
    forms::Screen<frmImportW2>().Show();
    Hide();
}

void UtilityMenu::Command4_Click() {
    Unload();
    forms::App().MainMenu().Show();
}
