// What a restore and a prior-year import read and leave: the employer
// counter above every employer number the copied and kept rows hold, or the
// file refused; files read wherever they lie, read-only media included.
#include "ScreenTestSupport.h"

#include "support/FileSizeLimit.h"
#include "support/ReadOnlyMedia.h"
#include "support/WriteAheadLog.h"

#include "utilities/frmBackup.h"
#include "utilities/frmImportW2.h"

#include <cstdlib>
#include <functional>
#include <optional>
#include <sstream>

namespace {

enum class Copy { Restore, Import };

class RestoreAndImport : public ScreenFolderTest {
protected:
    void SetUp() override {
        ScreenFolderTest::SetUp();
        MakeDatabases();
        Sql(MainPath(), "INSERT INTO Employers (EmployerNo, EmployerName1) VALUES (17, 'ACME')");
        Sql(IdPath(), "UPDATE Employers_ID SET NextCounter = 18");
        std::filesystem::create_directories(Media() / "BK");
        std::filesystem::create_directories(Media() / "Last");
        data::MakeEmptyDatabases((Media() / "Last").string());
        Sql(LastMain(), "INSERT INTO Employers (EmployerNo, EmployerName1) VALUES (17, 'ACME')");
        Sql(LastId(), "UPDATE Employers_ID SET NextCounter = 18");

        Dialogs().AnswerMsgBox(forms::vbOK); // the screen's count
        forms::Screen<frmBackup>().Show();
        Dialogs().AnswerInputBox((Media() / "BK").string());
        Dialogs().AnswerMsgBox(forms::vbOK);
        Dialogs().AnswerMsgBox(forms::vbOK);
        forms::user::Click(forms::Screen<frmBackup>().Command1);
        for (const auto& file : {BackupFile(), LastMain(), LastId()})
            std::filesystem::copy_file(file, file + ".sound");
    }

    // The backup's folder and last year's, on the same disc.
    std::filesystem::path Media() const { return Folder() / "media"; }
    std::string BackupFile() const { return (Media() / "BK" / "944Backup.mdb").string(); }
    std::string LastMain() const { return (Media() / "Last" / data::kMainDatabaseFile).string(); }
    std::string LastId() const { return (Media() / "Last" / data::kIdDatabaseFile).string(); }

    // The files the copy reads, as they were made (no log beside them), with
    // the current Form 944 rows (which the import keeps) emptied.
    void StartAgain() {
        for (const auto& file : {BackupFile(), LastMain(), LastId()}) {
            std::filesystem::copy_file(file + ".sound", file, std::filesystem::copy_options::overwrite_existing);
            for (const char* beside : {"-wal", "-shm"}) std::filesystem::remove(file + beside);
        }
        Sql(MainPath(), "DELETE FROM Det944");
        Dialogs().Clear();
    }

    // Where the copy takes its employers and Form 941 rows, the Form 944
    // rows it leaves, and its counter from.
    std::string RowsFrom(Copy copy) const { return copy == Copy::Restore ? BackupFile() : LastMain(); }
    std::string Det944From(Copy copy) const { return copy == Copy::Restore ? BackupFile() : MainPath(); }
    std::string CounterFrom(Copy copy) const { return copy == Copy::Restore ? BackupFile() : LastId(); }

    // The user's restore or import, every question answered OK.
    void Run(Copy copy) {
        if (copy == Copy::Restore) {
            Dialogs().AnswerInputBox((Media() / "BK").string());
            for (int i = 0; i < 4; ++i) Dialogs().AnswerMsgBox(forms::vbOK);
            forms::user::Click(forms::Screen<frmBackup>().Command2);
            return;
        }
        Dialogs().AnswerMsgBox(forms::vbOK); // last year's default folder is not there
        auto& screen = forms::Screen<frmImportW2>();
        screen.Show();
        forms::user::ChooseFolder(screen.dirDirectory, (Media() / "Last").string());
        for (int i = 0; i < 3; ++i) Dialogs().AnswerMsgBox(forms::vbOK);
        forms::user::Click(screen.cmdOK);
        forms::user::Click(screen.cmdExit);
    }

    static bool Succeeded(const std::string& report) {
        return report.find("records were restored") != std::string::npos ||
               report.find("records were imported") != std::string::npos;
    }

    std::string Counter() const { return Query(IdPath(), "SELECT NextCounter FROM Employers_ID"); }

    // The user's backup over the one the fixture made, every question answered OK.
    void BackUpAgain() {
        Dialogs().AnswerInputBox((Media() / "BK").string());
        for (int i = 0; i < 4; ++i) Dialogs().AnswerMsgBox(forms::vbOK);
        forms::user::Click(forms::Screen<frmBackup>().Command1);
    }

    // The employers and "122" Form 941 rows of a main file, in the order
    // they were added, every value quoted with the type SQLite stores it as.
    static std::string RowsAsStored(const std::string& path) {
        std::string rows;
        for (const std::string table : {"Employers", "DET941"}) {
            std::string values;
            std::stringstream names(Query(path, "SELECT name FROM pragma_table_info('" + table + "')"));
            for (std::string name; std::getline(names, name, ';');)
                values += (values.empty() ? "" : ", ") + ("quote(" + name + "), typeof(" + name + ")");
            const std::string from = table + (table == "DET941" ? " WHERE Qtr_Yr = '122'" : "");
            rows += table + ": " + Query(path, "SELECT " + values + " FROM " + from + " ORDER BY rowid") + "\n";
        }
        return rows;
    }

    // The file the copy takes its employers from, in write-ahead mode with a
    // new employer 20 only in its log, on read-only media: read through a
    // copy in the temporary folder.
    void OnlyReadableThroughACopy(Copy copy) {
        ASSERT_TRUE(ChangeOnlyInWriteAheadLog(RowsFrom(copy),
                                              "INSERT INTO Employers (EmployerNo, EmployerName1) VALUES (20, 'GAMMA')"));
        std::filesystem::remove(RowsFrom(copy) + "-shm");
    }
};

// The system's temporary folder named by TMPDIR for a test's while.
class TemporaryFolderNamed {
public:
    explicit TemporaryFolderNamed(const std::filesystem::path& folder) {
        if (const char* named = std::getenv("TMPDIR")) before_ = named;
        ::setenv("TMPDIR", folder.c_str(), 1);
    }
    ~TemporaryFolderNamed() {
        if (before_) ::setenv("TMPDIR", before_->c_str(), 1);
        else ::unsetenv("TMPDIR");
    }
    TemporaryFolderNamed(const TemporaryFolderNamed&) = delete;
    TemporaryFolderNamed& operator=(const TemporaryFolderNamed&) = delete;

private:
    std::optional<std::string> before_;
};

TEST_F(RestoreAndImport, ACounterBelowANumberInUseIsRaisedAndEveryRowKept) {
    const struct {
        const char* what;
        std::string returnTable; // a return of employer `employerNo`, no employer row of it
        int employerNo;
        const char* counter;
        const char* raisedTo;
    } cases[] = {
        {"a Form 941 return whose employer is gone", "Det941", 18, "18", "19"},
        {"a Form 944 return whose employer is gone", "Det944", 25, "18", "26"},
        {"counter 1 below employer 17", "", 0, "1", "18"},
        {"counter 0 below employer 17", "", 0, "0", "18"},
        {"counter -1 below employer 17", "", 0, "-1", "18"},
        {"counter above the numbers in use", "", 0, "30", "30"},
    };
    for (Copy copy : {Copy::Restore, Copy::Import}) {
        const std::string way = copy == Copy::Restore ? "restore: " : "import: ";
        for (const auto& c : cases) {
            StartAgain();
            if (c.returnTable == "Det941") {
                Sql(RowsFrom(copy), "INSERT INTO Det941 (EmployerNo, Qtr_Yr) VALUES (" +
                                          std::to_string(c.employerNo) + ", '122')");
            } else if (c.returnTable == "Det944") {
                Sql(Det944From(copy), "INSERT INTO Det944 (EmployerNo) VALUES (" + std::to_string(c.employerNo) + ")");
            }
            Sql(CounterFrom(copy), std::string("UPDATE Employers_ID SET NextCounter = ") + c.counter);

            Run(copy);

            EXPECT_TRUE(Succeeded(Dialogs().LastBox().prompt)) << way << c.what << ": " << Prompts();
            EXPECT_EQ(Counter(), c.raisedTo) << way << c.what;
            if (!c.returnTable.empty()) {
                EXPECT_EQ(Query(MainPath(), "SELECT EmployerNo FROM " + c.returnTable),
                          std::to_string(c.employerNo))
                    << way << c.what;
            }
        }
    }
}

TEST_F(RestoreAndImport, ACounterThatCouldNumberNoEmployerRefusesTheFileAndChangesNothing) {
    const struct {
        const char* what;
        const char* statement;
        bool onCounter;
    } cases[] = {
        {"counter 2147483647", "UPDATE Employers_ID SET NextCounter = 2147483647", true},
        {"counter 3000000000", "UPDATE Employers_ID SET NextCounter = 3000000000", true},
        {"employer 2147483646 in use", "UPDATE Employers SET EmployerNo = 2147483646", false},
    };
    Sql(MainPath(), "INSERT INTO Employers (EmployerNo, EmployerName1) VALUES (3, 'BETA')");
    for (Copy copy : {Copy::Restore, Copy::Import}) {
        const std::string way = copy == Copy::Restore ? "restore: " : "import: ";
        for (const auto& c : cases) {
            StartAgain();
            Sql(c.onCounter ? CounterFrom(copy) : RowsFrom(copy), c.statement);

            Run(copy);

            EXPECT_EQ(Dialogs().LastBox().prompt.rfind("3343 ", 0), 0u) << way << c.what << ": " << Prompts();
            EXPECT_EQ(Counter(), "18") << way << c.what;
            EXPECT_EQ(Query(MainPath(), "SELECT EmployerNo FROM Employers ORDER BY EmployerNo"), "3;17") << way << c.what;
        }
    }
}

// The rows come back as they are stored, as the backup copied them: texts
// wider than their columns (the DOS conversion and an Edit keep old texts as
// they were), the key's texts too, and values of another kind than their
// column's, which no screen reads as the file holds them.
TEST_F(RestoreAndImport, RowsComeBackAsStoredWhateverTheirTextsWidthsAndTheirValuesKinds) {
    const struct {
        const char* what;
        const char* statement; // on the main file backed up, or last year's
    } cases[] = {
        {"a name of 37 characters", "UPDATE Employers SET EmployerName1 = 'ACME TOOLS & DIE WORKS OF NEW ENGLAND'"},
        {"a name of 31 characters", "UPDATE Employers SET EmployerName1 = printf('%031d', 0)"},
        {"a tax id with its hyphens", "UPDATE Employers SET Pyr_Taxid = '123-45-6789'"},
        {"a tax id type after a blank", "UPDATE Employers SET IdType = ' 1'"},
        {"a kind after a blank", "UPDATE Employers SET TypePayer = ' R'"},
        {"an establishment number of 5", "UPDATE Employers SET EstabNo = '12345'"},
        {"a state id of 14", "UPDATE Employers SET StateId = '12-3456789-012'"},
        {"an amount as text", "INSERT INTO DET941 (EmployerNo, Qtr_Yr, L_2) VALUES (17, '122', '1,234.50')"},
        {"an amount that is no number", "INSERT INTO DET941 (EmployerNo, Qtr_Yr, L_3) VALUES (17, '122', 'NaN')"},
        {"a count with a fraction", "INSERT INTO DET941 (EmployerNo, Qtr_Yr, No_Employee) VALUES (17, '122', 2.5)"},
    };
    for (Copy copy : {Copy::Restore, Copy::Import}) {
        const std::string way = copy == Copy::Restore ? "restore: " : "import: ";
        for (const auto& c : cases) {
            StartAgain();
            Sql(MainPath(), "DELETE FROM DET941; DELETE FROM Employers; "
                            "INSERT INTO Employers (EmployerNo, EmployerName1) VALUES (17, 'ACME')");
            const std::string written = copy == Copy::Restore ? MainPath() : LastMain();
            Sql(written, c.statement);
            if (copy == Copy::Restore) BackUpAgain();
            const std::string stored = RowsAsStored(written);
            Sql(MainPath(), "DELETE FROM DET941; DELETE FROM Employers");

            Run(copy);

            EXPECT_TRUE(Succeeded(Dialogs().LastBox().prompt)) << way << c.what << ": " << Dialogs().LastBox().prompt;
            EXPECT_EQ(RowsAsStored(MainPath()), stored) << way << c.what;
        }
    }
}

// A key is checked as before, whatever the width of its texts: an employer
// number that is no whole number, or a key two rows share (its texts compared
// without regard to case), refuses the file and changes nothing.
TEST_F(RestoreAndImport, AKeyThatIsNoWholeNumberOrThatTwoRowsShareRefusesTheFile) {
    const struct {
        const char* what;
        const char* statement; // on the file the rows are copied from
        const char* number;
    } cases[] = {
        {"an employer number that is no number", "UPDATE Employers SET EmployerNo = 'abc'", "3421 "},
        {"a return's employer number that is no number",
         "INSERT INTO DET941 (EmployerNo, Qtr_Yr) VALUES ('x', '122')", "3421 "},
        {"two employers under one key wider than its columns",
         "DROP INDEX IF EXISTS Employers_key2; "
         "UPDATE Employers SET IdType = ' 1', Pyr_Taxid = '123-45-6789', TypePayer = ' R'; "
         "INSERT INTO Employers (EmployerNo, IdType, Pyr_Taxid, TypePayer) VALUES (18, ' 1', '123-45-6789', ' r')",
         "3022 "},
    };
    for (Copy copy : {Copy::Restore, Copy::Import}) {
        const std::string way = copy == Copy::Restore ? "restore: " : "import: ";
        for (const auto& c : cases) {
            StartAgain();
            Sql(RowsFrom(copy), c.statement);

            Run(copy);

            EXPECT_EQ(Dialogs().LastBox().prompt.rfind(c.number, 0), 0u) << way << c.what << ": "
                                                                          << Dialogs().LastBox().prompt;
            EXPECT_EQ(Query(MainPath(), "SELECT EmployerNo, EmployerName1 FROM Employers"), "17|ACME") << way << c.what;
            EXPECT_EQ(Counter(), "18") << way << c.what;
        }
    }
}

// The main menu does without Det944, so such a file reaches the utilities:
// the import leaves that table as it finds it, absent too, and the restore,
// which would replace it, refuses the file and changes nothing.
TEST_F(RestoreAndImport, AMainFileWithoutItsForm944TableTakesTheImportButNotTheRestore) {
    Sql(MainPath(), "DROP TABLE Det944");
    Sql(BackupFile(), "INSERT INTO Employers (EmployerNo, EmployerName1) VALUES (30, 'DELTA')");
    Sql(LastMain(), "INSERT INTO Employers (EmployerNo, EmployerName1) VALUES (25, 'BETA')");

    Run(Copy::Restore);
    EXPECT_EQ(Dialogs().LastBox().prompt.rfind("3078 ", 0), 0u) << Prompts();
    EXPECT_EQ(Query(MainPath(), "SELECT EmployerNo FROM Employers"), "17");
    EXPECT_EQ(Counter(), "18");

    Dialogs().Clear();
    Run(Copy::Import);
    EXPECT_TRUE(Succeeded(Dialogs().LastBox().prompt)) << Prompts();
    EXPECT_EQ(Query(MainPath(), "SELECT EmployerNo FROM Employers ORDER BY EmployerNo"), "17;25");
    EXPECT_EQ(Counter(), "26");
}

// Files in write-ahead mode on read-only media, where the engine cannot
// keep its shared memory beside them: the backup with a row that stands only
// in its log, last year's counter in that mode with its log folded in.
TEST_F(RestoreAndImport, FilesInWriteAheadModeOnReadOnlyMediaAreReadWithTheRowsOnlyInTheirLog) {
    for (Copy copy : {Copy::Restore, Copy::Import}) {
        const std::string way = copy == Copy::Restore ? "restore" : "import";
        StartAgain();
        OnlyReadableThroughACopy(copy);
        Sql(LastId(), "PRAGMA journal_mode = WAL");
        {
            ReadOnlyMedia media(Media());
            Run(copy);
        }

        EXPECT_TRUE(Succeeded(Dialogs().LastBox().prompt)) << way << ": " << Prompts();
        EXPECT_EQ(Query(MainPath(), "SELECT EmployerNo, EmployerName1 FROM Employers ORDER BY EmployerNo"),
                  "17|ACME;20|GAMMA")
            << way;
        EXPECT_EQ(Counter(), "21") << way;
    }
}

// A temporary folder that cannot take the copy of a file on read-only media
// is refused in one box that names it, with nothing changed; the retry with
// a usable one reads the file.
TEST_F(RestoreAndImport, ATemporaryFolderThatCannotTakeTheCopyIsNamedInOneRefusalAndTheRetryWorks) {
    const std::filesystem::path temporary = Folder() / "temporary";
    const struct {
        const char* what;
        std::function<void()> make;
        std::optional<rlim_t> room; // the room left on its disk
        const char* number;
    } cases[] = {
        {"missing", [] {}, std::nullopt, "3044 "},
        {"a file", [&] { std::ofstream(temporary) << "x"; }, std::nullopt, "3044 "},
        {"full", [&] { std::filesystem::create_directories(temporary); }, 4096, "3026 "},
    };
    for (Copy copy : {Copy::Restore, Copy::Import}) {
        const std::string way = copy == Copy::Restore ? "restore: " : "import: ";
        for (const auto& c : cases) {
            StartAgain();
            Sql(MainPath(), "DELETE FROM Employers WHERE EmployerNo <> 17");
            Sql(IdPath(), "UPDATE Employers_ID SET NextCounter = 18");
            std::filesystem::remove_all(temporary);
            c.make();
            OnlyReadableThroughACopy(copy);
            {
                ReadOnlyMedia media(Media());
                TemporaryFolderNamed named(temporary);
                std::optional<FileSizeLimit> nearlyFull;
                if (c.room) nearlyFull.emplace(*c.room);
                Run(copy);
            }

            const auto& boxes = Dialogs().Boxes();
            ASSERT_GE(boxes.size(), 2u) << way << c.what;
            EXPECT_EQ(boxes.back().prompt.rfind(c.number, 0), 0u) << way << c.what << ": " << Prompts();
            EXPECT_TRUE(boxes.back().prompt.ends_with("(" + temporary.string() + ")"))
                << way << c.what << ": " << Prompts();
            EXPECT_EQ(boxes[boxes.size() - 2].prompt.rfind("Is it Okay to proceed", 0), 0u) << way << c.what;
            EXPECT_EQ(Query(MainPath(), "SELECT EmployerNo FROM Employers"), "17") << way << c.what;
            EXPECT_EQ(Counter(), "18") << way << c.what;
            if (std::filesystem::is_directory(temporary)) {
                EXPECT_TRUE(std::filesystem::is_empty(temporary)) << way << c.what;
            }

            Dialogs().Clear();
            {
                ReadOnlyMedia media(Media());
                Run(copy);
            }
            EXPECT_TRUE(Succeeded(Dialogs().LastBox().prompt)) << way << c.what << ": " << Prompts();
            EXPECT_EQ(Query(MainPath(), "SELECT EmployerNo FROM Employers ORDER BY EmployerNo"), "17;20")
                << way << c.what;
        }
    }
}

} // namespace
