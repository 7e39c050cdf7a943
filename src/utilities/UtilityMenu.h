#pragma once
#include "platform/forms/Forms.h"

#include <string>

// The texts in which the two utility menus differ.
struct UtilityMenuTexts {
    std::string caption;
    std::string backupToolTip;
    std::string convertCaption;
    std::string convertToolTip;
    std::string importCaption;
    std::string importToolTip;
    // The titles of the DOS conversion start's three boxes.
    std::string convertTitle;
    std::string diskTitle;
    std::string errorTitle;
};

// A utility menu: the way into backup and restore, the DOS conversion and the
// prior-year import, and back to the main menu. The live menu and the older
// one it replaced share everything but their texts.
class UtilityMenu : public forms::Form {
public:
    UtilityMenu(const std::string& name, const UtilityMenuTexts& texts);

    forms::Label Label1{*this, "Label1"};
    forms::CommandButton Command1{*this, "Command1"};
    forms::CommandButton Command2{*this, "Command2"};
    forms::CommandButton Command3{*this, "Command3"};
    forms::CommandButton Command4{*this, "Command4"};
    forms::ResizeControl ReSize1{*this, "ReSize1"};

    void Form_Load() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    UtilityMenuTexts texts_;
};
