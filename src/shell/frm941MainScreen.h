#pragma once
#include "platform/forms/Forms.h"
#include "utilities/clsBackupTable.h"

#include <memory>

// The main menu: between the start-up screen and the work. Its load checks
// that the main database and its tables can be read; its Exit reminds the
// user to back up.
class frm941MainScreen : public forms::Form {
public:
    frm941MainScreen();

    forms::Label Label1{*this, "Label1"};
    forms::CommandButton Command1{*this, "Command1"};
    forms::CommandButton cmdUtility{*this, "cmdUtility"};
    forms::CommandButton cmdExit{*this, "cmdExit"};
    forms::ResizeControl ReSize1{*this, "ReSize1"};

    void Form_Load() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;

private:
    void Command1_Click();
    void cmdUtility_Click();
    void cmdExit_Click();

    void CountMainDatabaseRows();
    clsBackupTable& BackupDescriptor();

    // Holds the database the load opened until this screen goes.
    std::unique_ptr<clsBackupTable> backup_;
};
