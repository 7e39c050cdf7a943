#pragma once
#include "platform/forms/Forms.h"

#include <string>

namespace basic {
class RuntimeError;
}

// The prior-year import: replaces this year's employers, counter and Form 941
// rows by last year's employers and counter and its first-quarter 2022 rows,
// read from last year's installation folder.
class frmImportW2 : public forms::Form {
public:
    frmImportW2();

    forms::Label Label1{*this, "Label1"};
    forms::Label Label2{*this, "Label2"};
    forms::Label Label3{*this, "Label3"};
    forms::Label Label4{*this, "Label4"};
    forms::Label Label5{*this, "Label5"};
    forms::Label lblDirName{*this, "lblDirName"};
    forms::DriveList drvDrive{*this, "drvDrive"};
    forms::FolderList dirDirectory{*this, "dirDirectory"};
    forms::CommandButton cmdOK{*this, "cmdOK"};
    forms::CommandButton cmdCancel{*this, "cmdCancel"};
    forms::CommandButton cmdExit{*this, "cmdExit"};
    forms::ResizeControl ReSize1{*this, "ReSize1"};

    void Form_Load() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;

private:
    void drvDrive_Change();
    void dirDirectory_Change();
    void cmdOK_Click();
    void cmdCancel_Click();

    // Import steps; each gives false when the import ends there.
    bool PriorFilesChosen(const std::string& priorMain, const std::string& priorId);
    void ReplaceWithPriorYear(const std::string& priorMain, const std::string& priorId);
    void ReportImportError(const basic::RuntimeError& error);
};
