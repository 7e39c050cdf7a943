#include "utilities/frmImportW2.h"

#include "common/CloseBox.h"
#include "common/ScreenPlacement.h"
#include "platform/basic/RuntimeError.h"
#include "platform/data/Errors.h"
#include "platform/data/Engine.h"
#include "platform/data/Transaction.h"
#include "platform/files/FileSystem.h"
#include "platform/files/Paths.h"
#include "platform/files/ProgramFolder.h"
#include "utilities/UtilityData.h"
#include "utilities/frm941UtilityMenu.h"

#include <filesystem>

namespace {

const std::string kTitle = "Tavrilo 941 / 944 Prior Year's Data Import Utility";
const std::string kLastYearsFolder = "\\Program Files (x86)\\Marbeck\\TV944-20-R02";

// The tables emptied, in this order, and whether they lie in the ID database.
struct EmptiedTable {
    const char* name;
    bool inIdDatabase;
};
constexpr EmptiedTable kEmptied[] = {
    {"DET941", false}, {"Employees", false}, {"Employers", false}, {"Employers_ID", true}, {"Employees_ID", true},
};

bool SameFolder(const std::string& a, const std::string& b) {
    std::error_code ec;
    return std::filesystem::equivalent(files::Resolve(a), files::Resolve(b), ec);
}

} // namespace

frmImportW2::frmImportW2() : Form("frmImportW2") {
    SetCaption("Import Prior Year's Tavrilo 941 / 944  Employer Information");
    Label1.SetCaption("This utility will import your Employers'  name and address information from last year's 941 "
                      "program for Windows. Note: If you used the MS-DOS version of the program last year, you must "
                      "use the Convert Employer Data utility option to bring your information forward from last "
                      "year. ");
    Label2.SetCaption("Select the disk drive and directory from which to import last year's 941 Employer data. When "
                      "you are ready to begin, click on the OK button. Otherwise, click on Cancel or Exit.");
    Label3.SetCaption("Last year's data will be imported from:");
    Label4.SetCaption("To change directories, double click on a directory folder.");
    Label5.SetCaption("Select a disk drive from the pulldown list.");
    cmdOK.SetCaption("&OK");
    cmdOK.SetToolTipText("Click on this button to import last year's data");
    cmdCancel.SetCaption("&Cancel");
    cmdCancel.SetToolTipText("Cancel out of import routine without importing.");
    cmdExit.SetCaption("E&xit");
    cmdExit.SetToolTipText("Click on this button to exit from the import screen.");

    Label1.Move(360, 240, 9000, 855);
    Label2.Move(360, 1200, 9000, 615);
    Label5.Move(360, 1920, 4200, 255);
    drvDrive.Move(360, 2220, 4200, 315);
    Label4.Move(360, 2640, 4200, 255);
    dirDirectory.Move(360, 2940, 4200, 2400);
    Label3.Move(4920, 1920, 4440, 255);
    lblDirName.Move(4920, 2220, 4440, 615);
    cmdOK.Move(4920, 3600, 1215, 495);
    cmdCancel.Move(6360, 3600, 1215, 495);
    cmdExit.Move(7800, 3600, 1215, 495);
    drvDrive.SetTabIndex(0);
    dirDirectory.SetTabIndex(1);
    cmdOK.SetTabIndex(2);
    cmdCancel.SetTabIndex(3);
    cmdExit.SetTabIndex(4);

    drvDrive.Change = [this] { drvDrive_Change(); };
    dirDirectory.Change = [this] { dirDirectory_Change(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
    cmdExit.Click = [this] { cmdCancel_Click(); };
}

void frmImportW2::Form_Load() {
    PlaceOnScreen(*this, 0.85, 0.85);
    try {
        drvDrive.SetDrive("c:");
        dirDirectory.SetPath(drvDrive.Drive() + kLastYearsFolder);
        lblDirName.SetCaption(dirDirectory.Path());
    } catch (const basic::RuntimeError& e) {
        if (e.Number() != basic::errPathNotFound) return;
        forms::MsgBox("Please select the disk drive and directory where last year's data is located. Note: if you "
                      "used Tavrilo W-2 for DOS last year, you need to use the Convert Utility.",
                      forms::vbOKOnly + forms::vbInformation, "Unable to locate last year's files in default location");
    }
}

void frmImportW2::drvDrive_Change() {
    try {
        dirDirectory.SetPath(drvDrive.Drive());
    } catch (const basic::RuntimeError&) {
        forms::MsgBox("Not ready reading Drive " + drvDrive.Drive(), forms::vbOKOnly + forms::vbExclamation,
                      "Disk Drive Error");
        drvDrive.SetDrive(dirDirectory.Path().substr(0, 2));
    }
}

void frmImportW2::dirDirectory_Change() { lblDirName.SetCaption(dirDirectory.Path()); }

void frmImportW2::Form_QueryUnload(int& Cancel, int UnloadMode) {
    CloseBoxActsAs(Cancel, UnloadMode, [this] { cmdCancel_Click(); });
}

void frmImportW2::cmdCancel_Click() {
    Unload();
    forms::Screen<frm941UtilityMenu>().Show();
}

void frmImportW2::cmdOK_Click() {
    const std::string priorMain = lblDirName.Caption() + "\\tv941.mdb";
    const std::string priorId = lblDirName.Caption() + "\\db1099_id.mdb";
    try {
        if (!PriorFilesChosen(priorMain, priorId)) return;
        if (forms::MsgBox("Is it Okay to proceed with the importation of prior year's data? NOTE: Existing data in "
                          "current year's file will be erased and the files re-initialized using your prior year's "
                          "data.",
                          forms::vbOKCancel, kTitle) != forms::vbOK)
            return;
        ReplaceWithPriorYear(priorMain, priorId);
    } catch (const basic::RuntimeError& e) {
        ReportImportError(e);
    }
}

// Both of last year's files must be there, and neither may be this year's own.
bool frmImportW2::PriorFilesChosen(const std::string& priorMain, const std::string& priorId) {
    for (const std::string& prior : {priorMain, priorId}) {
        if (!files::FileExists(prior)) {
            forms::MsgBox("Cannot find the prior year's data files " + prior, forms::vbOKOnly, kTitle);
            return false;
        }
    }
    if (SameFolder(lblDirName.Caption(), files::AppPath())) {
        forms::MsgBox("The folder " + lblDirName.Caption() +
                          " holds this year's data files. Please select the folder of last year's program.",
                      forms::vbOKOnly, kTitle);
        return false;
    }
    forms::MsgBox("The prior year's data files in " + priorMain +
                      " will be used to initialize current year's data "
                      "files.",
                  forms::vbOKOnly, kTitle);
    return true;
}

// Last year's files are opened and read whole before anything is deleted,
// and the tables are emptied and refilled in one transaction.
void frmImportW2::ReplaceWithPriorYear(const std::string& priorMain, const std::string& priorId) {
    {
        auto prior = OpenToCopyFrom(priorMain);
        WalkRowCount(*prior, "Employers");
        WalkRowCount(*prior, "DET941");
        prior->Close();
        auto priorCounter = OpenToCopyFrom(priorId);
        WalkRowCount(*priorCounter, "Employers_ID");
        priorCounter->Close();
    }

    const std::string main = InClausePath(MainDatabasePath());
    const std::string id = InClausePath(IdDatabasePath());
    const std::string fromMain = InClausePath(priorMain);
    const std::string fromId = InClausePath(priorId);
    auto current = data::OpenDatabase(MainDatabasePath());
    // Any of last year's rows whose key cannot be stored as it is, or a
    // counter that could number no employer, fails the whole import, as a
    // restore does; the rows come in as last year's files hold them.
    data::InOneTransaction(*current, [&] {
        for (const auto& table : kEmptied)
            current->Execute(DeleteAllRowsSql(table.name, table.inIdDatabase ? id : main), data::dbFailOnError);
        current->Execute(CopyAllRowsSql("Employers", main, fromMain), kCopyRowsAsStored);
        current->Execute(CopyAllRowsSql("DET941", main, fromMain) + "WHERE Qtr_YR ='122'", kCopyRowsAsStored);
        current->Execute(CopyAllRowsSql("Employers_ID", id, fromId), kCopyRowsAsStored);
        RefuseReturnRowsWithoutKey(*current, "DET941");
        KeepCounterAboveNumbersInUse(*current, id);
    });
    const long long employers = WalkRowCount(*current, "Employers");
    const long long returns = WalkRowCount(*current, "DET941");
    current->Close();
    forms::MsgBox(std::to_string(employers) + " Employer and " + std::to_string(returns) + " Form 941 dollar" +
                      " records were imported from prior year's data.",
                  forms::vbOKOnly, kTitle);
}

void frmImportW2::ReportImportError(const basic::RuntimeError& error) {
    switch (HandledNumberOf(error)) {
    case data::errInvalidPath:
        forms::MsgBox("The drive specified is not a valid drive. Please specify a removable drive, such as floppy "
                      "drive A: or a removable Zip Drive. Remember to enter the drive letter followed by a colon, "
                      "for example  A:  ",
                      forms::vbOKOnly, kTitle);
        break;
    case basic::errBadFileName:
        forms::MsgBox("Check that the backup disc is in drive " + drvDrive.Drive(), forms::vbOKOnly, kTitle);
        break;
    default: forms::MsgBox(ErrorReport(error, " ", ""), forms::vbOKOnly); break;
    }
}
