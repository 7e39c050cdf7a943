// The start-up screen's unload-all loop and the main menu's check of the
// main database, driven as a user drives them.
#include <gtest/gtest.h>

#include <filesystem>
#include <sqlite3.h>
#include <string>
#include <vector>
#include <unistd.h>

#include "platform/basic/RuntimeError.h"
#include "platform/data/Schema.h"
#include "platform/files/ProgramFolder.h"
#include "platform/forms/Forms.h"
#include "shell/RegisterScreens.h"
#include "shell/frm941MainScreen.h"
#include "shell/frmStartup.h"
#include "utilities/frm941UtilityMenu.h"

namespace {

namespace fs = std::filesystem;

// Every screen unloaded, in order, by the probes below.
std::vector<std::string>& UnloadLog()
{
    static std::vector<std::string> log;
    return log;
}

// A plain screen that notes its unloading.
template <int N>
class Probe : public forms::Form {
public:
    Probe() : Form("frmProbe" + std::to_string(N)) {}
    void Form_Unload(int&) override { UnloadLog().push_back(Name()); }
};

// Refuses its first unload with an error other than 9.
class FailingProbe : public forms::Form {
public:
    FailingProbe() : Form("frmFailing") {}
    void Form_Unload(int&) override
    {
        UnloadLog().push_back(Name());
        if (!failedOnce_) {
            failedOnce_ = true;
            basic::Raise(75, "frmFailing", "Path/File access error");
        }
    }

private:
    bool failedOnce_ = false;
};

// Shows another screen while it unloads, as the employer screen shows the
// main menu.
class ReturningProbe : public forms::Form {
public:
    ReturningProbe() : Form("frmReturning") {}
    void Form_Unload(int&) override
    {
        UnloadLog().push_back(Name());
        forms::Screen<Probe<9>>().Show();
    }
};

class ShellScreens : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() /
                  ("tv-shell-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        data::MakeEmptyDatabases(folder_.string());
        files::SetProgramFolder(folder_);
        forms::App().Reset();
        RegisterScreens();
        dialogs_ = &forms::App().UseScriptedDialogs(forms::ScriptedDialogs::WhenUnscripted::DefaultButton);
        UnloadLog().clear();
    }

    void TearDown() override
    {
        forms::App().Reset();
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    void MainDatabaseSql(const std::string& sql)
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open((folder_ / data::kMainDatabaseFile).c_str(), &db), SQLITE_OK);
        char* error = nullptr;
        int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
        std::string message = error ? error : "";
        sqlite3_free(error);
        sqlite3_close(db);
        ASSERT_EQ(rc, SQLITE_OK) << message;
    }

    static std::vector<std::string> LoadedNames()
    {
        std::vector<std::string> names;
        for (int i = 0; i < forms::App().Count(); ++i) names.push_back(forms::App().Item(i).Name());
        return names;
    }

    void OpenMainMenu()
    {
        forms::Screen<frmStartup>().Show();
        forms::user::Click(forms::Screen<frmStartup>().mnuForm941);
    }

    fs::path folder_;
    forms::ScriptedDialogs* dialogs_ = nullptr;
};

TEST_F(ShellScreens, FileExitUnloadsEveryOtherScreenPerPassUntilNoneIsLeft)
{
    forms::Screen<frmStartup>().Show();
    forms::Screen<Probe<1>>().Load();
    forms::Screen<Probe<2>>().Load();
    forms::Screen<Probe<3>>().Load();

    forms::user::Click(forms::Screen<frmStartup>().mnuExit);

    // Pass 1 takes positions 0, 1, 2 of the shrinking list (start-up, probe 2,
    // then runs past the end); pass 2 starts over with probes 1 and 3.
    EXPECT_EQ(UnloadLog(), (std::vector<std::string>{"frmProbe2", "frmProbe1", "frmProbe3"}));
    EXPECT_EQ(forms::App().Count(), 0);
    EXPECT_TRUE(dialogs_->Boxes().empty());
}

TEST_F(ShellScreens, AnUnloadErrorOtherThanNineIsPassedOverSilently)
{
    forms::Screen<frmStartup>().Show();
    forms::Screen<Probe<1>>().Load();
    forms::Screen<FailingProbe>().Load();
    forms::Screen<Probe<2>>().Load();

    forms::user::Click(forms::Screen<frmStartup>().mnuExit);

    // The failing screen is passed over and the pass goes on with the next
    // index; a later pass unloads it.
    EXPECT_EQ(UnloadLog(), (std::vector<std::string>{"frmFailing", "frmProbe2", "frmProbe1", "frmFailing"}));
    EXPECT_EQ(forms::App().Count(), 0);
    EXPECT_TRUE(dialogs_->Boxes().empty());
}

TEST_F(ShellScreens, AScreenShownWhileUnloadingIsTakenInByALaterPass)
{
    forms::Screen<frmStartup>().Show();
    forms::Screen<ReturningProbe>().Load();

    forms::user::Click(forms::Screen<frmStartup>().mnuExit);

    EXPECT_EQ(UnloadLog(), (std::vector<std::string>{"frmReturning", "frmProbe9"}));
    EXPECT_EQ(forms::App().Count(), 0);
}

TEST_F(ShellScreens, ScreensAreSizedFromTheDisplayWhenTheyLoad)
{
    forms::App().SetScreenSize(19200, 10800);
    OpenMainMenu();
    auto& startup = forms::Screen<frmStartup>();
    auto& menu = forms::Screen<frm941MainScreen>();
    forms::user::Click(menu.cmdUtility);
    auto& utilities = forms::Screen<frm941UtilityMenu>();

    struct Expected {
        forms::Form* form;
        long left, top, width, height;
    };
    for (const auto& e : {Expected{&startup, 1920, 1080, 19200, 10800}, Expected{&menu, 1920, 1080, 19200, 10800},
                          Expected{&utilities, 1920, 1080, 19200, 10260}}) {
        SCOPED_TRACE(e.form->Name());
        EXPECT_EQ(e.form->Left(), e.left);
        EXPECT_EQ(e.form->Top(), e.top);
        EXPECT_EQ(e.form->Width(), e.width);
        EXPECT_EQ(e.form->Height(), e.height);
    }
}

TEST_F(ShellScreens, MainMenuCountsTablesLargerThanSixteenBitsWithoutComplaint)
{
    MainDatabaseSql("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40000) "
                    "INSERT INTO W2Dollars (EmployerNo, EmployeeNo) SELECT 1, i FROM n");
    OpenMainMenu();

    EXPECT_TRUE(dialogs_->Boxes().empty()) << dialogs_->Boxes()[0].prompt;
    EXPECT_TRUE(forms::Screen<frm941MainScreen>().Visible());
}

TEST_F(ShellScreens, MainMenuReportsAMissingDatabaseAndStillOpens)
{
    fs::remove(folder_ / data::kMainDatabaseFile);
    OpenMainMenu();

    ASSERT_EQ(dialogs_->Boxes().size(), 1u);
    const auto& box = dialogs_->Boxes()[0];
    EXPECT_EQ(box.style, 0);
    EXPECT_EQ(box.title, "Tavrilo 941 / 944");
    EXPECT_EQ(box.prompt.rfind("3024 ", 0), 0u) << box.prompt;
    EXPECT_TRUE(forms::Screen<frm941MainScreen>().Visible());
    EXPECT_FALSE(forms::Screen<frmStartup>().Visible());
}

TEST_F(ShellScreens, MainMenuReadsTheDatabaseOnlyWhenLoadedAnew)
{
    OpenMainMenu();
    auto& menu = forms::Screen<frm941MainScreen>();
    forms::user::Click(menu.cmdUtility);
    MainDatabaseSql("DROP TABLE Employers");

    // Back from the utility menu: the main menu was only hidden.
    forms::user::Click(forms::Screen<frm941UtilityMenu>().Command4);
    EXPECT_TRUE(dialogs_->Boxes().empty());

    // Exit (Yes, backed up) and in again: the load runs and finds the table gone.
    dialogs_->AnswerMsgBox(forms::vbYes);
    forms::user::Click(forms::Screen<frm941MainScreen>().cmdExit);
    forms::user::Click(forms::Screen<frmStartup>().mnuForm941);
    ASSERT_EQ(dialogs_->Boxes().size(), 2u);
    EXPECT_EQ(dialogs_->Boxes()[1].prompt.rfind("3078 ", 0), 0u) << dialogs_->Boxes()[1].prompt;
}

} // namespace
