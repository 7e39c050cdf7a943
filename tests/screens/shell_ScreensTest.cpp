// The start-up screen's unload-all loop over screens the program does not
// have, and the sizes of the screens: what the scenarios cannot set up.
#include <string>
#include <vector>

#include "ScreenTestSupport.h"
#include "platform/basic/RuntimeError.h"
#include "shell/RegisterScreens.h"
#include "shell/frm941MainScreen.h"
#include "shell/frmStartup.h"
#include "utilities/frm941UtilityMenu.h"

namespace {

// Every screen unloaded, in order, by the probes below.
std::vector<std::string>& UnloadLog() {
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
    void Form_Unload(int&) override {
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
    void Form_Unload(int&) override {
        UnloadLog().push_back(Name());
        forms::Screen<Probe<9>>().Show();
    }
};

class ShellScreens : public ScreenFolderTest {
protected:
    void SetUp() override {
        ScreenFolderTest::SetUp();
        MakeDatabases();
        RegisterScreens();
        AnswerUnscriptedBoxesWithTheirDefault();
        UnloadLog().clear();
    }

    void OpenMainMenu() {
        forms::Screen<frmStartup>().Show();
        forms::user::Click(forms::Screen<frmStartup>().mnuForm941);
    }
};

TEST_F(ShellScreens, FileExitUnloadsEveryOtherScreenPerPassUntilNoneIsLeft) {
    forms::Screen<frmStartup>().Show();
    forms::Screen<Probe<1>>().Load();
    forms::Screen<Probe<2>>().Load();
    forms::Screen<Probe<3>>().Load();

    forms::user::Click(forms::Screen<frmStartup>().mnuExit);

    // Pass 1 takes positions 0, 1, 2 of the shrinking list (start-up, probe 2,
    // then runs past the end); pass 2 starts over with probes 1 and 3.
    EXPECT_EQ(UnloadLog(), (std::vector<std::string>{"frmProbe2", "frmProbe1", "frmProbe3"}));
    EXPECT_EQ(forms::App().Count(), 0);
    EXPECT_TRUE(Dialogs().Boxes().empty());
}

TEST_F(ShellScreens, AnUnloadErrorOtherThanNineIsPassedOverSilently) {
    forms::Screen<frmStartup>().Show();
    forms::Screen<Probe<1>>().Load();
    forms::Screen<FailingProbe>().Load();
    forms::Screen<Probe<2>>().Load();

    forms::user::Click(forms::Screen<frmStartup>().mnuExit);

    // The failing screen is passed over and the pass goes on with the next
    // index; a later pass unloads it.
    EXPECT_EQ(UnloadLog(), (std::vector<std::string>{"frmFailing", "frmProbe2", "frmProbe1", "frmFailing"}));
    EXPECT_EQ(forms::App().Count(), 0);
    EXPECT_TRUE(Dialogs().Boxes().empty());
}

TEST_F(ShellScreens, AScreenShownWhileUnloadingIsTakenInByALaterPass) {
    forms::Screen<frmStartup>().Show();
    forms::Screen<ReturningProbe>().Load();

    forms::user::Click(forms::Screen<frmStartup>().mnuExit);

    EXPECT_EQ(UnloadLog(), (std::vector<std::string>{"frmReturning", "frmProbe9"}));
    EXPECT_EQ(forms::App().Count(), 0);
}

TEST_F(ShellScreens, ScreensAreSizedFromTheDisplayWhenTheyLoad) {
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
    // A tenth in from the corner, unless that would run past the screen's edge.
    for (const auto& e : {Expected{&startup, 0, 0, 19200, 10800}, Expected{&menu, 0, 0, 19200, 10800},
                          Expected{&utilities, 0, 540, 19200, 10260}}) {
        SCOPED_TRACE(e.form->Name());
        EXPECT_EQ(e.form->Left(), e.left);
        EXPECT_EQ(e.form->Top(), e.top);
        EXPECT_EQ(e.form->Width(), e.width);
        EXPECT_EQ(e.form->Height(), e.height);
    }
}

// The program's end from the middle of its work: screens loaded, hidden and
// shown, one with its tables open, are let go at the very end without
// touching anything already freed. In a child process, whose end is the test.
TEST_F(ShellScreens, TheProgramEndsWithScreensStillLoadedTouchingNothingFreed) {
    OpenMainMenu();
    forms::user::Click(forms::Screen<frm941MainScreen>().cmdUtility);
    forms::user::Click(forms::Screen<frm941UtilityMenu>().Command1);
    forms::RunHandler([] { forms::Screen("frmEmployersDE").Show(); }, true);
    ASSERT_EQ(forms::App().Count(), 5);

    EXPECT_EXIT(std::exit(0), ::testing::ExitedWithCode(0), "");
}

} // namespace
