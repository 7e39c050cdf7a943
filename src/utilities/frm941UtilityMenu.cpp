#include "utilities/frm941UtilityMenu.h"

#include "platform/basic/WholeNumbers.h"
#include "shell/frm941MainScreen.h"

frm941UtilityMenu::frm941UtilityMenu() : Form("frm941UtilityMenu")
{
    SetCaption("Tavrilo 941/944 Utility Menu");
    Label1.SetCaption("Please select one of the following:");
    Command1.SetCaption("BackUp / Restore");
    Command1.SetToolTipText("Backup and/or Restore Employer, and 941 Dollar data.");
    Command2.SetCaption("Convert Employer  Data from DOS ");
    Command2.SetToolTipText("Convert Employer name and address data from Tavrilo W-2 for DOS. "
                            "Requires a  backup diskette containing Employer information.");
    Command3.SetCaption("Import Prior Year's Windows Data");
    Command3.SetToolTipText("Import last year's Employer  name and address information and current "
                            "year's 1st Quarter Form 941 data  from last year's Tavrilo 941 for Windows ");
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

    Command4.Click = [this] { Command4_Click(); };
}

void frm941UtilityMenu::Form_Load()
{
    auto& app = forms::App();
    SetWidth(app.ScreenWidth());
    SetHeight(basic::CLng(app.ScreenHeight() * 0.95));
    SetTop(basic::CLng(app.ScreenHeight() * 0.1));
    SetLeft(basic::CLng(app.ScreenWidth() * 0.1));
}

void frm941UtilityMenu::Command4_Click()
{
    Unload();
    forms::Screen<frm941MainScreen>().Show();
}
