// What the backup screen leaves behind when something fails part-way, a
// backup taken while another copy saves, and counts past the 16-bit range.
#include "ScreenTestSupport.h"

#include "KilledCopy.h"
#include "platform/data/Transaction.h"
#include "support/FailingDisk.h"
#include "support/NoRoomForNewFiles.h"
#include "support/NoRoomForNewNames.h"
#include "support/PermissionBits.h"
#include "support/ReadOnlyMedia.h"
#include "support/WriteAheadLog.h"
#include "utilities/frmBackup.h"

#include <sys/stat.h>

namespace {

class BackupScreen : public ScreenFolderTest {
protected:
    void SetUp() override {
        ScreenFolderTest::SetUp();
        MakeDatabases();
        std::filesystem::create_directories(Folder() / "BK");
        Sql(MainPath(), "INSERT INTO Employers (EmployerNo, EmployerName1) VALUES (1, 'ACME'), (2, 'BETA')");
        Sql(MainPath(), "INSERT INTO DET941 (EmployerNo, Qtr_Yr, L_2) VALUES (1, '122', 10)");
    }

    std::string BackupFolder() const { return (Folder() / "BK").string(); }
    std::string BackupFile() const { return (Folder() / "BK" / "944Backup.mdb").string(); }

    frmBackup& OpenScreen() {
        Dialogs().AnswerMsgBox(forms::vbOK); // the load's count
        auto& screen = forms::Screen<frmBackup>();
        screen.Show();
        return screen;
    }

    void Backup(frmBackup& screen, std::initializer_list<int> answers) {
        Dialogs().AnswerInputBox(BackupFolder());
        for (int answer : answers) Dialogs().AnswerMsgBox(answer);
        forms::user::Click(screen.Command1);
    }

    void Restore(frmBackup& screen) {
        Dialogs().AnswerInputBox(BackupFolder());
        for (int i = 0; i < 5; ++i) Dialogs().AnswerMsgBox(forms::vbOK);
        forms::user::Click(screen.Command2);
    }

    static std::string FileBytes(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    std::vector<std::string> FilesInBackupFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(Folder() / "BK"))
            names.push_back(entry.path().filename().string());
        return names;
    }
};

TEST_F(BackupScreen, AFailedCopyLeavesTheOldBackupWholeAndNoUnfinishedFile) {
    auto& screen = OpenScreen();
    Backup(screen, {forms::vbOK, forms::vbOK});
    ASSERT_EQ(Dialogs().LastBox().prompt.rfind("Backup completed.", 0), 0u);

    Sql(MainPath(), "INSERT INTO Employers (EmployerNo, EmployerName1) VALUES (3, 'GAMMA')");
    Sql(MainPath(), "ALTER TABLE Det944 RENAME TO Elsewhere");
    Backup(screen, {forms::vbOK, forms::vbOK, forms::vbOK, forms::vbOK});

    EXPECT_EQ(Dialogs().LastBox().prompt.rfind("3078 ", 0), 0u);
    EXPECT_EQ(FilesInBackupFolder(), std::vector<std::string>{"944Backup.mdb"});
    EXPECT_EQ(Query(BackupFile(), "SELECT count(*) FROM Employers"), "2");
}

TEST_F(BackupScreen, ABackupKilledAsItWritesLeavesNothingOnceTheNextOneIsDone) {
    const bool killed = killedcopy::RunKilledAt("944Backup.mdb.new-journal", [&] {
        AnswerUnscriptedBoxesWithTheirDefault();
        Backup(OpenScreen(), {});
    });
    ASSERT_TRUE(killed);
    ASSERT_GT(FilesInBackupFolder().size(), 1u);

    AnswerUnscriptedBoxesWithTheirDefault();
    Backup(OpenScreen(), {});

    EXPECT_EQ(Dialogs().LastBox().prompt.rfind("Backup completed.", 0), 0u);
    EXPECT_EQ(FilesInBackupFolder(), std::vector<std::string>{"944Backup.mdb"});
    EXPECT_EQ(Query(BackupFile(), "SELECT count(*) FROM Employers"), "2");
}

// Another copy adding an employer and its return in one transaction; a save
// refused keeps both pending for the next try.
struct AnotherCopyAdding {
    data::DatabasePtr db;
    data::RecordsetPtr employers = db->OpenRecordset("Employers"), returns = db->OpenRecordset("DET941");
    std::int64_t lastNumber = 2;
    std::vector<int> refusals;

    void SaveOrTryAgain() {
        if (employers->EditMode() != data::dbEditAdd) {
            employers->AddNew();
            employers->Fields("EmployerNo") = data::Value{++lastNumber};
            returns->AddNew();
            returns->Fields("EmployerNo") = data::Value{lastNumber};
            returns->Fields("Qtr_Yr") = data::Value{std::string("122")};
        }
        try {
            data::InOneTransaction(*db, [&] {
                employers->Update();
                returns->Update();
            });
        } catch (const basic::RuntimeError& e) {
            refusals.push_back(e.Number());
        }
    }
};

// The backup is the data of one moment: another copy that saves an employer
// and its return while the backup reads (as each read of the main file begins
// and ends) finds the file held until the backup has read it all, is told so
// after the engine's wait (3260) and keeps what it typed, and its save goes
// through once the reading is over, whatever the medium takes to write.
TEST_F(BackupScreen, ASaveByAnotherCopyWhileTheBackupReadsIsInTheBackupWholeOrNotAtAll) {
    auto& screen = OpenScreen();
    AnotherCopyAdding other{data::OpenDatabase(MainPath())};
    {
        FailingDisk disk;
        disk.WhenReadsOf(std::filesystem::canonical(MainPath()).string(), [&] { other.SaveOrTryAgain(); });
        Backup(screen, {forms::vbOK, forms::vbOK});
    }
    ASSERT_EQ(Dialogs().LastBox().prompt.rfind("Backup completed.", 0), 0u) << Prompts();
    other.SaveOrTryAgain();

    EXPECT_EQ(
        Query(BackupFile(), "SELECT count(*) FROM Det941 WHERE EmployerNo NOT IN (SELECT EmployerNo FROM Employers)"),
        "0");
    EXPECT_EQ(std::set<int>(other.refusals.begin(), other.refusals.end()), std::set<int>{data::errRecordLocked});
    EXPECT_EQ(Query(MainPath(), "SELECT count(*) FROM Employers JOIN DET941 USING (EmployerNo) WHERE EmployerNo > 2"),
              std::to_string(other.lastNumber - 2));
}

TEST_F(BackupScreen, ARestoreThatFailsPartWayLeavesTheCurrentDataAsItWas) {
    auto& screen = OpenScreen();
    Backup(screen, {forms::vbOK, forms::vbOK});
    // A backup table with a column the current table lacks cannot be copied in.
    Sql(BackupFile(), "ALTER TABLE Det941 ADD COLUMN Unknown TEXT");
    Sql(MainPath(), "INSERT INTO Employers (EmployerNo, EmployerName1) VALUES (3, 'GAMMA')");
    Sql(IdPath(), "UPDATE Employers_ID SET NextCounter = 40");

    Restore(screen);

    EXPECT_EQ(Dialogs().LastBox().prompt.rfind("3127  ", 0), 0u);
    EXPECT_EQ(Query(MainPath(), "SELECT EmployerNo FROM Employers ORDER BY EmployerNo"), "1;2;3");
    EXPECT_EQ(Query(MainPath(), "SELECT count(*) FROM DET941"), "1");
    EXPECT_EQ(Query(IdPath(), "SELECT NextCounter FROM Employers_ID"), "40");
}

// A row whose key cannot be stored as it is; what the other columns hold
// comes back as it is (RestoreAndImport.RowsComeBackAsStoredWhateverTheirTextsWidthsAndTheirValuesKinds).
TEST_F(BackupScreen, ARowThatCannotBeStoredAsItIsRefusesTheWholeRestore) {
    auto& screen = OpenScreen();
    Backup(screen, {forms::vbOK, forms::vbOK});
    const std::string sound = BackupFile() + ".sound";
    std::filesystem::copy_file(BackupFile(), sound);
    Sql(MainPath(), "INSERT INTO Employers (EmployerNo, EmployerName1) VALUES (3, 'GAMMA')");
    Sql(IdPath(), "UPDATE Employers_ID SET NextCounter = 40");
    const struct {
        const char* fault;
        const char* report;
    } crafted[] = {
        {"INSERT INTO Employers (EmployerNo, EmployerName1) VALUES (1, 'ACME AGAIN')", "3022  "},
        {"UPDATE Employers SET EmployerNo = NULL WHERE EmployerNo = 2", "3058  "},
        {"UPDATE Employers SET EmployerNo = 'abc' WHERE EmployerNo = 2", "3421  "},
        // A return row without its key, or whose employer number has a fraction.
        {"UPDATE Det941 SET EmployerNo = NULL, Qtr_Yr = NULL", "3058  "},
        {"UPDATE Det941 SET Qtr_Yr = NULL", "3058  "},
        {"INSERT INTO Det944 (EmployerNo, L_1) VALUES (NULL, 5)", "3058  "},
        {"UPDATE Det941 SET EmployerNo = 2.5", "3421  "},
        {"UPDATE Employers SET EmployerNo = 2.5 WHERE EmployerNo = 2", "3421  "},
        // A counter that could number no employer.
        {"DELETE FROM Employers_ID", "3343  "},
        {"UPDATE Employers_ID SET NextCounter = NULL", "3343  "},
        {"UPDATE Employers_ID SET NextCounter = ''", "3343  "},
    };
    for (const auto& [fault, report] : crafted) {
        std::filesystem::copy_file(sound, BackupFile(), std::filesystem::copy_options::overwrite_existing);
        Sql(BackupFile(), fault);
        Dialogs().Clear();

        Restore(screen);

        EXPECT_EQ(Dialogs().Boxes().size(), 5u) << fault;
        EXPECT_EQ(Dialogs().LastBox().prompt.rfind(report, 0), 0u) << fault;
        EXPECT_EQ(Query(MainPath(), "SELECT EmployerNo FROM Employers ORDER BY EmployerNo"), "1;2;3") << fault;
        EXPECT_EQ(Query(IdPath(), "SELECT NextCounter FROM Employers_ID"), "40") << fault;
    }
}

// Drive C: is a folder this user owns, as ./run lays it out (the home
// folder): the proposed dated folder is made there. Where this user may not
// write, neither a backup nor a folder for it can be made, and the box says
// the permission is missing.
TEST_F(BackupScreen, TheProposedFolderIsMadeOnDriveCAndAFolderThisUserMayNotWriteIsReportedAsSuch) {
    const auto home = Folder() / "home";
    std::filesystem::create_directories(home);
    std::filesystem::create_directories(Folder() / "drives");
    std::filesystem::create_directory_symlink(home, Folder() / "drives" / "c");
    ASSERT_EQ(0, ::chmod(BackupFolder().c_str(), 0555));
    basic::SetToday(2023, 3, 7);

    const int result = permissionbits::RunBoundByPermissions([&] {
        AnswerUnscriptedBoxesWithTheirDefault();
        auto& screen = forms::Screen<frmBackup>();
        screen.Show();
        forms::user::Click(screen.Command1);
        if (Dialogs().LastBox().prompt.rfind("Backup completed.", 0) != 0) return 1;
        for (const std::string& folder : {BackupFolder(), BackupFolder() + "\\2022"}) {
            Dialogs().AnswerInputBox(folder);
            forms::user::Click(screen.Command1);
            if (Dialogs().LastBox().prompt.rfind("3051 ", 0) != 0) return 2;
        }
        return 0;
    });
    ::chmod(BackupFolder().c_str(), 0755);

    EXPECT_EQ(0, result);
    EXPECT_EQ(Query((home / "941Backup for 2022 on Mar 07 2023" / "944Backup.mdb").string(),
                    "SELECT count(*) FROM Employers"),
              "2");
}

// Media no one may write (a write-protected disc, a read-only mount) are
// named as a folder without the permission is, and nothing is left there.
TEST_F(BackupScreen, AFolderOnReadOnlyMediaIsReportedAsOneWithoutThePermission) {
    auto& screen = OpenScreen();
    ReadOnlyMedia media(BackupFolder());

    Backup(screen, {forms::vbOK, forms::vbOK});

    EXPECT_EQ(Dialogs().LastBox().prompt.rfind("3051 ", 0), 0u) << Prompts();
    EXPECT_NE(Dialogs().LastBox().prompt.find("(" + BackupFolder() + ")"), std::string::npos) << Prompts();
    EXPECT_TRUE(FilesInBackupFolder().empty());
}

// A disk without room for one more file: neither the backup's file nor the
// journal of a restore can be made, and each is named as no room.
TEST_F(BackupScreen, AFileThatFindsNoRoomToBeMadeIsNamedAsNoRoom) {
    auto& screen = OpenScreen();
    Backup(screen, {forms::vbOK, forms::vbOK});
    ASSERT_EQ(Dialogs().LastBox().prompt.rfind("Backup completed.", 0), 0u);
    FailingDisk disk;

    disk.FailMaking(BackupFolder(), ENOSPC);
    Backup(screen, {forms::vbOK, forms::vbOK, forms::vbOK, forms::vbOK});
    EXPECT_EQ(Dialogs().LastBox().prompt.rfind("3026 ", 0), 0u) << Prompts();

    disk.FailMaking(MainPath() + "-", ENOSPC);
    Restore(screen);
    EXPECT_EQ(Dialogs().LastBox().prompt.rfind("3026 ", 0), 0u) << Prompts();
}

// The same on a disk whose every file slot is taken: a folder for the
// backup cannot be made (61, as the file statements say a full disk), nor
// the backup in a folder that is there.
TEST_F(BackupScreen, NoFreeFileSlotForTheBackupsFolderOrFileIsNamedAsNoRoom) {
    const int result = noroom::RunWhereNoFileFits(BackupFolder(), [&] {
        auto& screen = OpenScreen();
        Dialogs().AnswerInputBox(BackupFolder() + "\\NEW");
        for (int answer : {forms::vbOK, forms::vbYes, forms::vbOK}) Dialogs().AnswerMsgBox(answer);
        forms::user::Click(screen.Command1);
        if (Dialogs().LastBox().prompt.rfind("61 ", 0) != 0) return 1;
        Backup(screen, {forms::vbOK, forms::vbOK});
        return Dialogs().LastBox().prompt.rfind("3026 ", 0) == 0 ? 0 : 2;
    });
    if (result == noroom::kCannotFillHere) GTEST_SKIP() << "this system lets no folder be made full here";
    EXPECT_EQ(result, 0);
}

// The backup written whole, its final rename finds no room for the name: 61,
// as the file statements say a full disk.
TEST_F(BackupScreen, ABackupWhoseRenameFindsNoRoomIsNamedAsNoRoom) {
    const int result = noroom::RunWhereNoNewNameFits([&] {
        Backup(OpenScreen(), {forms::vbOK, forms::vbOK});
        return Dialogs().LastBox().prompt.rfind("61 ", 0) == 0 ? 0 : 1;
    });
    if (result == noroom::kCannotRefuseRenames) GTEST_SKIP() << "this system lets no rename be refused here";
    EXPECT_EQ(result, 0);
}

// A backup in write-ahead mode whose log still holds a row not yet folded
// into the file: the restore reads the row and leaves the file and its log
// as they were.
TEST_F(BackupScreen, ABackupInWriteAheadModeIsRestoredAndLeftAsItWas) {
    auto& screen = OpenScreen();
    Backup(screen, {forms::vbOK, forms::vbOK});
    ASSERT_TRUE(ChangeOnlyInWriteAheadLog(BackupFile(),
                                          "INSERT INTO Employers (EmployerNo, EmployerName1) VALUES (3, 'GAMMA')"));
    const std::string before = FileBytes(BackupFile()), logBefore = FileBytes(BackupFile() + "-wal");
    ASSERT_FALSE(logBefore.empty());

    Restore(screen);

    EXPECT_EQ(Dialogs().LastBox().prompt,
              "3 Employer, 1 941, and 0 944 Dollar records were restored from backup data.");
    EXPECT_TRUE(FileBytes(BackupFile()) == before);
    EXPECT_TRUE(FileBytes(BackupFile() + "-wal") == logBefore);
    EXPECT_EQ(Query(BackupFile(), "PRAGMA journal_mode"), "wal");
}

TEST_F(BackupScreen, CountsGoPastTheSixteenBitRange) {
    Sql(MainPath(), "WITH RECURSIVE n(i) AS (SELECT 3 UNION ALL SELECT i + 1 FROM n WHERE i < 33000) "
                    "INSERT INTO Employers (EmployerNo, EmployerName1) SELECT i, 'FIRM ' || i FROM n");
    auto& screen = OpenScreen();
    EXPECT_EQ(Dialogs().LastBox().prompt,
              "There are 33000 Employer, 1  Form 941 and 0 944 Dollar records in need of backing up.");
    Backup(screen, {forms::vbOK, forms::vbOK});
    Sql(MainPath(), "DELETE FROM Employers");
    Restore(screen);
    EXPECT_EQ(Dialogs().LastBox().prompt,
              "33000 Employer, 1 941, and 0 944 Dollar records were restored from backup data.");
    EXPECT_EQ(Query(MainPath(), "SELECT count(*) FROM Employers"), "33000");
}

} // namespace
