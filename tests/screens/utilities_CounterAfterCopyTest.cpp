// The employer counter after a restore and after a prior-year import: above
// every employer number the copied and kept rows hold, or the file refused.
#include "ScreenTestSupport.h"

#include "utilities/frmBackup.h"
#include "utilities/frmImportW2.h"

namespace {

enum class Copy { Restore, Import };

class CounterAfterCopy : public ScreenFolderTest {
protected:
    void SetUp() override {
        ScreenFolderTest::SetUp();
        MakeDatabases();
        Sql(MainPath(), "INSERT INTO Employers (EmployerNo, EmployerName1) VALUES (17, 'ACME')");
        Sql(IdPath(), "UPDATE Employers_ID SET NextCounter = 18");
        std::filesystem::create_directories(Folder() / "BK");
        std::filesystem::create_directories(Folder() / "Last");
        data::MakeEmptyDatabases((Folder() / "Last").string());
        Sql(LastMain(), "INSERT INTO Employers (EmployerNo, EmployerName1) VALUES (17, 'ACME')");
        Sql(LastId(), "UPDATE Employers_ID SET NextCounter = 18");

        Dialogs().AnswerMsgBox(forms::vbOK); // the screen's count
        forms::Screen<frmBackup>().Show();
        Dialogs().AnswerInputBox(Folder().string() + "/BK");
        Dialogs().AnswerMsgBox(forms::vbOK);
        Dialogs().AnswerMsgBox(forms::vbOK);
        forms::user::Click(forms::Screen<frmBackup>().Command1);
        for (const auto& file : {BackupFile(), LastMain(), LastId()})
            std::filesystem::copy_file(file, file + ".sound");
    }

    std::string BackupFile() const { return (Folder() / "BK" / "944Backup.mdb").string(); }
    std::string LastMain() const { return (Folder() / "Last" / data::kMainDatabaseFile).string(); }
    std::string LastId() const { return (Folder() / "Last" / data::kIdDatabaseFile).string(); }

    // The files the copy reads, as they were made, with the current Form 944
    // rows (which the import keeps) emptied.
    void StartAgain() {
        for (const auto& file : {BackupFile(), LastMain(), LastId()})
            std::filesystem::copy_file(file + ".sound", file, std::filesystem::copy_options::overwrite_existing);
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
            Dialogs().AnswerInputBox(Folder().string() + "/BK");
            for (int i = 0; i < 4; ++i) Dialogs().AnswerMsgBox(forms::vbOK);
            forms::user::Click(forms::Screen<frmBackup>().Command2);
            return;
        }
        Dialogs().AnswerMsgBox(forms::vbOK); // last year's default folder is not there
        auto& screen = forms::Screen<frmImportW2>();
        screen.Show();
        forms::user::ChooseFolder(screen.dirDirectory, (Folder() / "Last").string());
        for (int i = 0; i < 3; ++i) Dialogs().AnswerMsgBox(forms::vbOK);
        forms::user::Click(screen.cmdOK);
        forms::user::Click(screen.cmdExit);
    }

    static bool Succeeded(const std::string& report) {
        return report.find("records were restored") != std::string::npos ||
               report.find("records were imported") != std::string::npos;
    }

    std::string Counter() const { return Query(IdPath(), "SELECT NextCounter FROM Employers_ID"); }
};

TEST_F(CounterAfterCopy, ACounterBelowANumberInUseIsRaisedAndEveryRowKept) {
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

TEST_F(CounterAfterCopy, ACounterThatCouldNumberNoEmployerRefusesTheFileAndChangesNothing) {
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

} // namespace
