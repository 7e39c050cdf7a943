#include "utilities/frmBackup.h"

#include "common/CloseBox.h"
#include "platform/basic/Clock.h"
#include "platform/basic/Format.h"
#include "platform/basic/RuntimeError.h"
#include "platform/data/Engine.h"
#include "platform/data/Transaction.h"
#include "platform/files/FileSystem.h"
#include "utilities/UtilityData.h"
#include "utilities/frm941UtilityMenu.h"

#include <array>
#include <map>

namespace {

const std::string kScreenTitle = "Tavrilo 941/944 Backup/Restore Utility";
const std::string kBackupTitle = "Tavrilo 941/944 Backup Utility";
const std::string kRestoreTitle = "Tavrilo 941/944 Restore Utility";

const std::string kBackupPrompt =
    "Enter the letter of the Floppy Drive or the removable Zip Drive to use for Backup purposes. The default is "
    "Floppy Drive A: . Pressing the Enter key accepts the default Drive A: . If you specify a different drive be "
    "sure to enter the drive letter followed by a colon, backslash, and name of the subdirectory. For example:  "
    "F:\\941BACKUP";
const std::string kRestorePrompt =
    "Enter the letter of the Floppy Drive or the removable Zip Drive to use for Restoration purposes. The default "
    "is Floppy Drive A: . Pressing the Enter key accepts the default Drive A: . If you specify a different drive be "
    "sure to enter the drive letter followed by a colon.";
const std::string kInvalidDrive =
    "The drive specified is not a valid drive. Please specify a removable drive, such as floppy drive A: or a "
    "removable Zip Drive. Remember to enter the drive letter followed by a colon, for example  A:  ";

// The tables a backup holds, in the order they are copied, under the names the
// backup gives them, and whether they come from the ID database.
struct BackedUpTable {
    const char* name;
    bool inIdDatabase;
};
constexpr std::array<BackedUpTable, 4> kBackedUpTables = {{
    {"Employers", false},
    {"Det944", false},
    {"Det941", false},
    {"Employers_ID", true},
}};

// The rows the screen reports: employers, Form 944 rows, Form 941 rows.
struct RowCounts {
    long long employers = 0;
    long long det944 = 0;
    long long det941 = 0;
};

RowCounts CountRows(data::Database& database) {
    RowCounts counts;
    counts.employers = WalkRowCount(database, "Employers");
    counts.det944 = WalkRowCount(database, "Det944");
    counts.det941 = WalkRowCount(database, "Det941");
    return counts;
}

bool IsDiskette(const std::string& answer) {
    const std::string drive = answer.substr(0, 2);
    return drive == "A:" || drive == "a:";
}

std::string SourceDatabaseOf(const BackedUpTable& table) {
    return InClausePath(table.inIdDatabase ? IdDatabasePath() : MainDatabasePath());
}

template <class Step>
void IgnoringErrors(Step step) {
    try {
        step();
    } catch (const basic::RuntimeError&) {}
}

// Takes away an unfinished backup and whatever the engine kept beside it
// (its journal, a super-journal "-mj..."): a stale journal left by a try
// that was cut off would otherwise be played back into the next new file.
void RemoveUnfinishedBackup(const std::string& folder, const std::string& newFile) {
    for (const auto& name : files::DirAll(newFile + "-*")) files::Kill(folder + "\\" + name);
    if (files::FileExists(newFile)) files::Kill(newFile);
}

// The main file's tables as they stand at one moment, copied into a private
// database in one read transaction of the file: other copies go on reading
// meanwhile, and a save of theirs waits for it as for any held row. It is
// held only while the tables are read, never while the backup's medium is
// written (slow media, a sync each).
data::DatabasePtr MainTablesAtOneMoment() {
    auto moment = data::CreatePrivateDatabase();
    data::InOneTransaction(*moment, [&] {
        for (const auto& table : kBackedUpTables) {
            if (!table.inIdDatabase)
                moment->Execute(std::string("SELECT * INTO ") + table.name + " From " + table.name + " IN '" +
                                SourceDatabaseOf(table) + "'");
        }
    });
    return moment;
}

} // namespace

frmBackup::frmBackup() : Form("frmBackup") {
    SetCaption(kScreenTitle);
    Text1.SetText("Please select one of the following:");
    Label1.SetCaption(" The Tavrilo  Backup/Restore Utility is intended for use with removable media, such as "
                      "Floppy       Drive A: or an Iomega Zip Drive. Backing up to removable media ensures that "
                      "your data is stored in a safe  place and can be restored in the event of a hard drive "
                      "failure.");
    Command1.SetCaption("Backup ");
    Command1.SetToolTipText("Backup all Employers and all Form 941 Dollars ");
    Command2.SetCaption("Restore");
    Command2.SetToolTipText("Restore all Employers and Fom 941 Dollar amounts from Backup files.");
    Command3.SetCaption("Exit");
    Command3.SetToolTipText("Exit from the Backup/Restore Utility and return to the Utility Menu");

    SetWidth(7800);
    SetHeight(5400);
    Label1.Move(480, 360, 6720, 1455);
    Text1.Move(480, 2040, 4200, 375);
    Command1.Move(480, 2640, 2400, 495);
    Command2.Move(480, 3360, 2400, 495);
    Command3.Move(480, 4080, 2400, 495);
    Text1.SetTabIndex(0);
    Command1.SetTabIndex(1);
    Command2.SetTabIndex(2);
    Command3.SetTabIndex(3);

    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
}

clsBackupTable& frmBackup::BackupDescriptor() {
    static clsBackupTable descriptor;
    return descriptor;
}

// --- Load ---

void frmBackup::Form_Load() {
    try {
        CountRowsInNeedOfBackup();
    } catch (const basic::RuntimeError& e) {
        forms::MsgBox(ErrorReport(e, " ", " "), forms::vbOKOnly);
    }
}

void frmBackup::CountRowsInNeedOfBackup() {
    auto database = data::OpenDatabase(MainDatabasePath());
    BackupDescriptor().SetDatabase(database);
    BackupDescriptor().SetTableName("Employers");
    const RowCounts counts = CountRows(*database);
    forms::MsgBox("There are " + std::to_string(counts.employers) + " Employer, " + std::to_string(counts.det941) +
                      "  Form 941 and " + std::to_string(counts.det944) + " 944 Dollar records in need of backing up.",
                  forms::vbOKOnly, kScreenTitle);
}

// --- Backup ---

void frmBackup::Command1_Click() {
    std::string answer;
    try {
        const std::string proposed = "C:\\941Backup for 2022 on " + basic::Format(basic::Today(), "MMM DD YYYY");
        answer = forms::InputBox(kBackupPrompt, kBackupTitle, proposed).value_or("");
        if (answer.empty()) {
            forms::MsgBox("Backup cancelled. Please remember to backup in the future.", forms::vbOKOnly, kBackupTitle);
            return;
        }
        if (IsDiskette(answer))
            forms::MsgBox("Place a formatted, blank diskette in Drive A: and then click on OK.", forms::vbOKOnly,
                          kBackupTitle);
        else forms::MsgBox("Click on OK after placing a Zip disc into the Zip Drive.", forms::vbOKOnly, kBackupTitle);
        const std::string backupFile = answer + "\\944Backup.mdb";
        if (!FolderReady(answer) || !OldBackupMayGo(answer, backupFile)) return;
        WriteBackup(answer, backupFile);
    } catch (const basic::RuntimeError& e) {
        ReportBackupError(e, answer);
    }
}

bool frmBackup::FolderReady(const std::string& answer) {
    if (files::HasOrdinaryFiles(answer)) {
        forms::MsgBox("The subdirectory " + answer + "  has been found.", forms::vbOKOnly);
        return true;
    }
    if (files::FolderExists(answer)) return true;
    if (files::FileExists(answer)) {
        forms::MsgBox(answer + " is a file, not a subdirectory. Please enter a drive or a subdirectory for the backup.",
                      forms::vbOKOnly, kBackupTitle);
        return false;
    }
    const int create =
        forms::MsgBox("Cannot find the directory " + answer + ". Do you want to create it now and backup your data?",
                      forms::vbYesNo, kBackupTitle);
    if (create != forms::vbYes) return false;
    files::MkDirAll(answer);
    return true;
}

bool frmBackup::OldBackupMayGo(const std::string& answer, const std::string& backupFile) {
    if (!files::FileExists(backupFile)) return true;
    const int overwrite =
        forms::MsgBox("The file " + backupFile + " already exists on Drive " + answer + " . Overwrite the file?",
                      forms::vbOKCancel, kBackupTitle);
    if (overwrite == forms::vbOK) return true;
    forms::MsgBox("Cancelling Backup as requested. Please remember to backup at a later time.", forms::vbOKOnly,
                  kBackupTitle);
    return false;
}

// The new backup is written under another name beside the old one, which it
// replaces only once all four tables are in it: a failure part-way leaves
// the old backup as it was and takes the unfinished file away, and what an
// earlier try left goes before this one starts. The counter is copied after
// the moment, as a restore keeps it above every number in use.
void frmBackup::WriteBackup(const std::string& folder, const std::string& backupFile) {
    const std::string newFile = backupFile + ".new";
    RemoveUnfinishedBackup(folder, newFile);
    try {
        auto backup = data::CreateDatabase(newFile, data::dbLangGeneral);
        if (!files::FileExists(newFile)) {
            forms::MsgBox("It failed to create the backup database", forms::vbOKOnly, kBackupTitle);
            return;
        }
        const auto moment = MainTablesAtOneMoment();
        for (const auto& table : kBackedUpTables) {
            const std::string source = table.inIdDatabase ? SourceDatabaseOf(table) : InClausePath(moment->Name());
            backup->Execute(std::string("SELECT * INTO ") + table.name + " IN '" + InClausePath(newFile) + "' From " +
                            table.name + " IN '" + source + "'");
        }
        backup->Close();
        files::ReplaceFile(newFile, backupFile);
    } catch (const basic::RuntimeError&) {
        IgnoringErrors([&] { RemoveUnfinishedBackup(folder, newFile); });
        throw;
    }
    forms::MsgBox("Backup completed. Remove disc and label it as Tavrilo 941 Employer and 941 Dollar Backup as of "
                  "today's date and time.",
                  forms::vbOKOnly, kBackupTitle);
}

void frmBackup::ReportBackupError(const basic::RuntimeError& error, const std::string& answer) {
    switch (HandledNumberOf(error)) {
    case data::errInvalidPath: forms::MsgBox(kInvalidDrive, forms::vbOKOnly, kBackupTitle); break;
    case basic::errBadFileName:
        forms::MsgBox("Check that there is a formatted disc in drive " + answer +
                          " Or, you may need to try a different disc.",
                      forms::vbOKOnly, kBackupTitle);
        break;
    default: forms::MsgBox(ErrorReport(error, " ", " "), forms::vbOKOnly, kBackupTitle); break;
    }
}

// --- Restore ---

void frmBackup::Command2_Click() {
    std::string answer;
    try {
        answer = forms::InputBox(kRestorePrompt, kRestoreTitle, "A:").value_or("");
        if (answer.empty()) {
            forms::MsgBox("Restore cancelled. Please remember to backup in the future.", forms::vbOKOnly,
                          kRestoreTitle);
            return;
        }
        const std::string backupFile = answer + "\\944Backup.mdb";
        if (!RestoreConfirmed(answer, backupFile)) return;
        RestoreFrom(backupFile);
    } catch (const basic::RuntimeError& e) {
        ReportRestoreError(e, answer);
    }
}

bool frmBackup::RestoreConfirmed(const std::string& answer, const std::string& backupFile) {
    if (IsDiskette(answer))
        forms::MsgBox("Place the backup diskette in " + answer + " . Then click on OK.", forms::vbOKOnly,
                      kRestoreTitle);
    else forms::MsgBox("Click on OK after placing the backup disc into the Zip Drive.", forms::vbOKOnly, kRestoreTitle);
    if (!files::FileExists(backupFile)) {
        forms::MsgBox("Cannot find the Backup file " + backupFile, forms::vbOKOnly, kRestoreTitle);
        return false;
    }
    forms::MsgBox("The backup file " + backupFile + " will be used to restore data", forms::vbOKOnly, kRestoreTitle);
    return forms::MsgBox("Is it Okay to proceed with the data restoration?", forms::vbOKCancel, kRestoreTitle) ==
           forms::vbOK;
}

// The backup is opened and checked before anything is deleted, and the
// current tables are emptied and refilled in one transaction: a backup that
// cannot be read whole, any of its rows whose key cannot be stored as it is
// (a duplicate, a Null, a key with a fraction or of the wrong kind), or a
// counter that could number no employer, fails the whole restore and leaves
// the data as it was. Every other value comes back as the backup holds it.
// The counts are those of the rows stored.
void frmBackup::RestoreFrom(const std::string& backupFile) {
    {
        auto backup = OpenToCopyFrom(backupFile);
        for (const auto& table : kBackedUpTables) {
            if (!backup->HasTable(table.name))
                data::RaiseEngineError(data::errTableNotFound, "DAO.Database", table.name);
        }
        backup->Close();
    }

    const std::string fromBackup = InClausePath(backupFile);
    auto current = data::OpenDatabase(MainDatabasePath());
    std::map<std::string, long long> stored;
    data::InOneTransaction(*current, [&] {
        for (const auto& table : kBackedUpTables)
            current->Execute(DeleteAllRowsSql(table.name, SourceDatabaseOf(table)), data::dbFailOnError);
        for (const auto& table : kBackedUpTables) {
            current->Execute(CopyAllRowsSql(table.name, SourceDatabaseOf(table), fromBackup), kCopyRowsAsStored);
            stored[table.name] = current->RecordsAffected();
        }
        RefuseReturnRowsWithoutKey(*current, "Det941");
        RefuseReturnRowsWithoutKey(*current, "Det944");
        KeepCounterAboveNumbersInUse(*current, InClausePath(IdDatabasePath()));
    });
    current->Close();

    forms::MsgBox(std::to_string(stored["Employers"]) + " Employer, " + std::to_string(stored["Det941"]) +
                      " 941, and " + std::to_string(stored["Det944"]) +
                      " 944 Dollar records were restored from backup data.",
                  forms::vbOKOnly, kRestoreTitle);
}

void frmBackup::ReportRestoreError(const basic::RuntimeError& error, const std::string& answer) {
    switch (HandledNumberOf(error)) {
    case data::errInvalidPath: forms::MsgBox(kInvalidDrive, forms::vbOKOnly, kRestoreTitle); break;
    case basic::errBadFileName:
        forms::MsgBox("Check that the backup disc is in drive " + answer, forms::vbOKOnly, kRestoreTitle);
        break;
    default: forms::MsgBox(ErrorReport(error, "  ", " "), forms::vbOKOnly); break;
    }
}

// --- Exit ---

void frmBackup::Form_QueryUnload(int& Cancel, int UnloadMode) {
    CloseBoxActsAs(Cancel, UnloadMode, [this] { Command3_Click(); });
}

void frmBackup::Command3_Click() {
    IgnoringErrors([&] {
        Unload();
        forms::Screen<frm941UtilityMenu>().Show();
    });
}
