#include "utilities/UtilityMenu.h"

#include "platform/basic/WholeNumbers.h"
#include "shell/frm941MainScreen.h"
#include "utilities/frmBackup.h"

UtilityMenu::UtilityMenu(const std::string& name, const UtilityMenuTexts& texts) : Form(name), texts_(texts)
{
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
    Command4.Click = [this] { Command4_Click(); };
}

void UtilityMenu::Form_Load()
{
    auto& app = forms::App();
    SetWidth(app.ScreenWidth());
    SetHeight(basic::CLng(app.ScreenHeight() * 0.95));
    SetTop(basic::CLng(app.ScreenHeight() * 0.1));
    SetLeft(basic::CLng(app.ScreenWidth() * 0.1));
}

void UtilityMenu::Command1_Click()
{
    forms::Screen<frmBackup>().Show();
    Hide();
}

void UtilityMenu::Command4_Click()
{
    Unload();
    forms::Screen<frm941MainScreen>().Show();
}
