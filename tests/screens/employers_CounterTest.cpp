// The employer number counter: drawing, its failures, its bounded retry on a
// row another copy of the program holds, and what Save makes of them.
#include "employers_OtherCopy.h"
#include "employers_ScreenFolder.h"

#include "common/basCounter.h"
#include "support/FailingDisk.h"
#include "support/FileSizeLimit.h"
#include "support/NoRoomForNewFiles.h"

#include <chrono>
#include <fstream>
#include <functional>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;

long MillisecondsSince(Clock::time_point start) {
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

using EmployerCounter = EmployerScreenFolder;
using EmployerCounterOnSave = EmployerScreenFolder;

TEST_F(EmployerCounter, DrawHandsOutTheStoredNumberAndKeepsTheNext) {
    SetCounter(100);
    EXPECT_EQ(GetNextCounter("Employers_ID"), 100);
    EXPECT_EQ(Counter(), "101");
    EXPECT_EQ(GetNextCounter("EMPLOYERS_ID"), 101); // table names in any case
    EXPECT_EQ(Counter(), "102");
    EXPECT_TRUE(Dialogs().Boxes().empty());
}

TEST_F(EmployerCounter, FailuresOtherThanLocksAreShownOnceWithTheirNumber) {
    Sql(IdPath(), "DELETE FROM Employers_ID");
    Dialogs().AnswerMsgBox(forms::vbOK);
    EXPECT_EQ(GetNextCounter("Employers_ID"), -1);
    ASSERT_EQ(Dialogs().Boxes().size(), 1u);
    EXPECT_EQ(Dialogs().LastBox().prompt, "Error 3021: No current record.");
    EXPECT_EQ(Dialogs().LastBox().title, "ctrGetNextCounter");
    EXPECT_EQ(Dialogs().LastBox().style, 0);

    Sql(IdPath(), "INSERT INTO Employers_ID (NextCounter) VALUES (2147483647)");
    Dialogs().AnswerMsgBox(forms::vbOK);
    EXPECT_EQ(GetNextCounter("Employers_ID"), -1);
    EXPECT_EQ(Dialogs().LastBox().prompt, "Error 6: Overflow");
    EXPECT_EQ(Counter(), "2147483647"); // unchanged

    std::filesystem::remove(IdPath());
    Dialogs().AnswerMsgBox(forms::vbOK);
    EXPECT_EQ(GetNextCounter("Employers_ID"), -1);
    EXPECT_EQ(Dialogs().LastBox().prompt.rfind("Error 3024: ", 0), 0u) << Dialogs().LastBox().prompt;
    EXPECT_EQ(Dialogs().Boxes().size(), 3u);
}

// On a disk whose every file slot is taken, neither the counter's lock file
// nor, once that is there, its journal can be made: the draw says so.
TEST_F(EmployerCounter, NoFreeFileSlotIsNoRoom) {
    SetCounter(5);
    for (const bool lockFileThere : {false, true}) {
        if (lockFileThere) std::ofstream(IdPath() + ".locks").flush();
        const int result = noroom::RunWhereNoMoreFilesFit(Folder(), [&] {
            Dialogs().AnswerMsgBox(forms::vbOK);
            GetNextCounter("Employers_ID");
            return Dialogs().LastBox().prompt == "Error 3026: Not enough space on disk." ? 0 : 1;
        });
        if (result == noroom::kCannotFillHere) GTEST_SKIP() << "this system lets no folder be made full here";
        EXPECT_EQ(result, 0) << lockFileThere;
    }
}

TEST_F(EmployerCounter, RowHeldByAnotherCopyGivesUpAfterBoundedRealWaits) {
    SetCounter(40);
    OtherCopy other(IdPath(), "Employers_ID");
    ASSERT_TRUE(other.Holding());

    int yields = 0;
    forms::App().SetDoEventsHook([&] { ++yields; });
    const auto start = Clock::now();
    EXPECT_EQ(GetNextCounter("Employers_ID"), -1);
    const long elapsed = MillisecondsSince(start);

    EXPECT_GE(elapsed, 5 * (1 + 4 + 9 + 16 + 25)); // five real waits, the shortest possible
    EXPECT_LE(elapsed, 24 * (1 + 4 + 9 + 16 + 25) + 1500);
    EXPECT_GT(yields, 5);                   // the program's events ran while it waited
    EXPECT_TRUE(Dialogs().Boxes().empty()); // a lock conflict is no message of its own
    other.Release();
    EXPECT_EQ(Counter(), "40");
}

// Each wait takes its length from the program's one unseeded random
// sequence (restarted for each test): giving up after five waits leaves the
// sequence at its sixth number, after four or six at another.
TEST_F(EmployerCounter, TheSixthLockConflictGivesUpAfterFiveWaits) {
    SetCounter(40);
    OtherCopy other(IdPath(), "Employers_ID");
    ASSERT_TRUE(other.Holding());
    EXPECT_EQ(GetNextCounter("Employers_ID"), -1);
    const double next = basic::Rnd();

    basic::RestartRnd();
    for (int wait = 1; wait <= 5; ++wait) basic::Rnd();
    EXPECT_EQ(next, basic::Rnd());
}

TEST_F(EmployerCounter, LockThatClearsDuringAWaitStillHandsOutTheNumber) {
    SetCounter(70);
    OtherCopy other(IdPath(), "Employers_ID", 60);
    ASSERT_TRUE(other.Holding());
    EXPECT_EQ(GetNextCounter("Employers_ID"), 70);
    EXPECT_EQ(Counter(), "71");
}

TEST_F(EmployerCounter, AssignPutsTheNumberIntoTheNamedField) {
    SetCounter(12);
    AddEmployer(1, "ACME TOOLS");
    auto& screen = OpenScreen();
    EXPECT_TRUE(AssignNextNumber(screen, "Employers_ID", "txtEmployerNo"));
    EXPECT_EQ(screen.txtEmployerNo.Text(), "12");

    Dialogs().AnswerMsgBox(forms::vbOK);
    EXPECT_FALSE(AssignNextNumber(screen, "Employers_ID", "txtNoSuchField"));
    EXPECT_EQ(Dialogs().LastBox().title, "ctrAssignID");
    EXPECT_EQ(Dialogs().LastBox().prompt.rfind("Error 424: ", 0), 0u);
}

// Whatever keeps the counter from handing out a number, Save (or the close
// box's Yes) says so and keeps the addition as typed, asking nothing more;
// once the cause is gone, Save draws the number and stores the employer.
TEST_F(EmployerCounterOnSave, NoNumberKeepsTheAdditionUntilSaveCanDrawOne) {
    AddEmployer(7, "ACME TOOLS");
    SetCounter(90);
    OtherCopy other(IdPath(), "Employers_ID");
    ASSERT_TRUE(other.Holding());
    auto& screen = OpenScreen();
    std::optional<FileSizeLimit> diskFull;
    std::optional<FailingDisk> noFileSlot;
    std::optional<FailingDisk> failingDisk;
    const std::string noNumber = "Can't Add Record; Counter Not Available";
    const struct Cause {
        std::string name, taxId;
        std::function<void()> make, mend;
        std::string boxes;
    } causes[] = {
        {"HELD CO", "061234567", [] {}, [&] { other.Release(); }, noNumber},
        {"EMPTY CO", "071234567", [&] { Sql(IdPath(), "DELETE FROM Employers_ID"); },
         [&] { Sql(IdPath(), "INSERT INTO Employers_ID (NextCounter) VALUES (91)"); },
         "Error 3021: No current record. | " + noNumber},
        // No file may grow: neither the counter's file nor its journal.
        {"FULL CO", "081234567", [&] { diskFull.emplace(0); }, [&] { diskFull.reset(); },
         "Error 3026: Not enough space on disk. | " + noNumber},
        // Nor may a file be made: the counter's journal.
        {"NO SLOT CO", "091234567", [&] { noFileSlot.emplace().FailMaking(IdPath() + "-", ENOSPC); },
         [&] { noFileSlot.reset(); }, "Error 3026: Not enough space on disk. | " + noNumber},
        // Nor may its lock file be opened.
        {"DISK ERROR CO", "101234567", [&] { failingDisk.emplace().FailOpening(IdPath() + ".locks", EIO, FailingDisk::kEveryTime); },
         [&] { failingDisk.reset(); }, "Error 3043: Disk or network error. | " + noNumber},
    };
    for (const Cause& cause : causes) {
        forms::user::Click(screen.cmdAddRecord);
        TypeSavableEmployer(screen, cause.name, cause.taxId);
        cause.make();
        const std::string counter = Counter();
        Dialogs().Clear();
        Dialogs().AnswerMsgBox(forms::vbOK);
        Dialogs().AnswerMsgBox(forms::vbOK);
        forms::user::Click(screen.cmdSaveRecord);
        EXPECT_EQ(Prompts(), cause.boxes) << cause.name; // no "Save this Record?"
        EXPECT_EQ(Dialogs().LastBox().title, "Error Saving Record");
        EXPECT_EQ(screen.mskEmployerName1.Text(), cause.name);
        EXPECT_EQ(CommandStates(screen), kEntering) << cause.name;
        EXPECT_EQ(Counter(), counter) << cause.name;

        Dialogs().Clear();
        Dialogs().AnswerMsgBox(forms::vbYes);
        Dialogs().AnswerMsgBox(forms::vbOK);
        Dialogs().AnswerMsgBox(forms::vbOK);
        forms::user::CloseWindow(screen);
        EXPECT_EQ(Prompts(), "Save the changes to this record before closing? | " + cause.boxes) << cause.name;
        ASSERT_TRUE(screen.IsLoaded());
        EXPECT_EQ(screen.datEmployers.Recordset()->EditMode(), data::dbEditAdd) << cause.name;

        cause.mend();
        Dialogs().AnswerMsgBox(forms::vbOK);
        forms::user::Click(screen.cmdSaveRecord);
    }
    EXPECT_EQ(Query(MainPath(), "SELECT EmployerNo, TRIM(EmployerName1) FROM Employers"),
              "7|ACME TOOLS;90|HELD CO;91|EMPTY CO;92|FULL CO;93|NO SLOT CO;94|DISK ERROR CO");
}

// Another copy gives away every number this copy draws, as it is drawn (a
// restore after each draw): Save draws again three times, then says that the
// counter has no number and keeps the addition for a later Save.
TEST_F(EmployerCounterOnSave, NumbersGivenAwayAsSoonAsDrawnKeepTheAdditionAfterThreeDrawsAgain) {
    AddEmployer(7, "ACME TOOLS");
    SetCounter(30);
    auto& screen = OpenScreen();
    forms::user::Click(screen.cmdAddRecord);
    TypeSavableEmployer(screen, "TAKEN CO", "061234567");
    bool otherCopyRestores = true;
    screen.txtEmployerNo.Change = [&] {
        const std::string drawn = screen.txtEmployerNo.Text();
        if (otherCopyRestores && !drawn.empty()) AddEmployer(std::stoi(drawn), "RESTORED " + drawn);
    };
    Dialogs().AnswerMsgBox(forms::vbOK);
    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::Click(screen.cmdSaveRecord);
    EXPECT_EQ(Prompts(), "Save this Record? | Can't Add Record; Counter Not Available");
    EXPECT_EQ(Dialogs().LastBox().title, "Error Saving Record");
    EXPECT_EQ(Query(MainPath(), "SELECT EmployerNo FROM Employers ORDER BY EmployerNo"), "7;30;31;32;33");
    EXPECT_EQ(CommandStates(screen), kEntering);
    EXPECT_EQ(screen.datEmployers.Recordset()->EditMode(), data::dbEditAdd);

    otherCopyRestores = false;
    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::Click(screen.cmdSaveRecord);
    EXPECT_EQ(Query(MainPath(), "SELECT EmployerNo FROM Employers WHERE EmployerName1 = 'TAKEN CO'"), "34");
}

TEST_F(EmployerCounterOnSave, ClickDuringTheCounterWaitStartsNoSecondSave) {
    AddEmployer(7, "ACME TOOLS");
    SetCounter(60);
    OtherCopy other(IdPath(), "Employers_ID", 120);
    ASSERT_TRUE(other.Holding());
    auto& screen = OpenScreen();
    forms::user::Click(screen.cmdAddRecord);
    TypeSavableEmployer(screen, "DELTA CO", "061234567");

    int clicks = 0;
    forms::App().SetDoEventsHook([&] {
        if (clicks++ == 0) forms::user::Click(screen.cmdSaveRecord); // an impatient user
    });
    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::Click(screen.cmdSaveRecord);
    forms::App().SetDoEventsHook(nullptr);
    other.Release();

    EXPECT_GT(clicks, 0);
    EXPECT_EQ(Prompts(), "Save this Record?");
    EXPECT_EQ(Query(MainPath(), "SELECT EmployerNo FROM Employers ORDER BY EmployerNo"), "7;60");
    EXPECT_EQ(Counter(), "61");
}

} // namespace
