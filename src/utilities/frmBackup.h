#pragma once
#include "platform/forms/Forms.h"
#include "utilities/clsBackupTable.h"

namespace basic {
class RuntimeError;
}

#include <string>

// The backup and restore screen: copies the employers, both return tables and
// the employer counter into 944Backup.mdb on a drive or in a folder the user
// names, and reads such a backup back over the current data.
class frmBackup : public forms::Form {
public:
    frmBackup();

    forms::TextBox Text1{*this, "Text1"};
    forms::Label Label1{*this, "Label1"};
    forms::CommandButton Command1{*this, "Command1"};
    forms::CommandButton Command2{*this, "Command2"};
    forms::CommandButton Command3{*this, "Command3"};

    void Form_Load() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;

    // The descriptor the load hands the main database to. It outlives the
    // screen: the database it holds stays open until the next load replaces it.
    static clsBackupTable& BackupDescriptor();

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    void CountRowsInNeedOfBackup();
    // Backup steps; each gives false when the backup ends there.
    bool FolderReady(const std::string& answer);
    bool OldBackupMayGo(const std::string& answer, const std::string& backupFile);
    void WriteBackup(const std::string& folder, const std::string& backupFile); // says so when completed
    void ReportBackupError(const basic::RuntimeError& error, const std::string& answer);
    // Restore steps.
    bool RestoreConfirmed(const std::string& answer, const std::string& backupFile);
    void RestoreFrom(const std::string& backupFile);
    void ReportRestoreError(const basic::RuntimeError& error, const std::string& answer);
};
