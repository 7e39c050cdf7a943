#pragma once
#include "platform/forms/Forms.h"

// The utility menu: the way into backup and restore, the DOS conversion and
// the prior-year import, and back to the main menu.
class frm941UtilityMenu : public forms::Form {
public:
    frm941UtilityMenu();

    forms::Label Label1{*this, "Label1"};
    forms::CommandButton Command1{*this, "Command1"};
    forms::CommandButton Command2{*this, "Command2"};
    forms::CommandButton Command3{*this, "Command3"};
    forms::CommandButton Command4{*this, "Command4"};
    forms::ResizeControl ReSize1{*this, "ReSize1"};

    void Form_Load() override;

private:
    void Command4_Click();
};
