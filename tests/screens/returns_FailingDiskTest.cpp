// Save and Delete on a disk that fails: each write and sync the action makes
// fails in turn, the commit's too, and after each failure nothing is stored
// or deleted, the screen stands as it stood, and the next try goes on.
#include "returns_ScreenFolder.h"

#include "returns/f941_2020/frmDet941Covid.h"
#include "support/FailingDisk.h"
#include "support/ReadOnlyMedia.h"

#include <cstring>
#include <fstream>
#include <functional>
#include <vector>

namespace {

using forms::user::Click;

// Runs `act` with the first, then the second... write or sync of the
// database files (with `onlyOf`, of that one) failing, until an act makes
// them all and goes through; the failures take the system errors of
// `causes` in turn, and with `laterCause` every write and sync after the
// failure in the same act fails too. `checkUnchanged` runs after each failed
// act, given its cause, on a disk that fails no more. Gives how many failed.
int FailEachWriteAndSyncInTurn(FailingDisk& disk, const std::vector<int>& causes, const std::function<void()>& act,
                               const std::function<void(int cause)>& checkUnchanged, const std::string& onlyOf = "",
                               int laterCause = 0) {
    for (int nth = 1;; ++nth) {
        const int cause = causes[static_cast<std::size_t>(nth - 1) % causes.size()];
        disk.FailWriteOrSync(nth, cause, onlyOf, laterCause);
        act();
        const bool struck = disk.Struck();
        disk.FailWriteOrSync(0);
        if (!struck) return nth - 1;
        SCOPED_TRACE("write or sync " + std::to_string(nth) + " failed with " + std::strerror(cause));
        checkUnchanged(cause);
        if (::testing::Test::HasFailure() || nth > 100) return nth;
    }
}

// The engine's error the screens show for a write or sync that failed:
// "Not enough space on disk." when there was no room for it, "Disk or
// network error." otherwise.
std::string EngineErrorFor(int cause) { return cause == EIO ? "3043" : "3026"; }

// A save or delete writes the journal, syncs it, writes the file, syncs
// it: at least four chances for the disk to fail, two of them in the commit.
constexpr int kAtLeastTheCommitsWritesAndSyncs = 4;

template <class Folder>
class FailingDiskAt : public Folder {
protected:
    // Installed before the folder's databases are made, so that every
    // connection to them goes through it.
    FailingDisk disk_;

    // Save with OK, each write and sync failing in turn with the errors of
    // `causes` (and every one after it in the same Save with `laterCause`);
    // checks the screen and the stored rows after each failure, and the row
    // stored at last.
    template <class Screen>
    void SaveNewRowThroughEachFailure(Screen& form, const std::string& table, const std::string& stored,
                                      const std::vector<int>& causes = {EIO}, int laterCause = 0) {
        const std::string rowsBefore = this->Query(this->MainPath(), "SELECT COUNT(*) FROM " + table);
        const std::string before = ScreenAsShown(form);
        const int failed = FailEachWriteAndSyncInTurn(
            disk_, causes,
            [&] {
                this->Dialogs().AnswerMsgBox(forms::vbOK); // Save this Record?
                this->Dialogs().AnswerMsgBox(forms::vbOK); // The record was not saved.
                Click(form.cmdSaveRecord);
            },
            [&](int cause) {
                EXPECT_NE(this->Dialogs().LastBox().prompt.find("Error number " + EngineErrorFor(cause) + ": "),
                          std::string::npos)
                    << this->Dialogs().LastBox().prompt;
                EXPECT_EQ(this->Dialogs().LastBox().title, "Save Record Error");
                EXPECT_EQ(this->Query(this->MainPath(), "SELECT COUNT(*) FROM " + table), rowsBefore);
                EXPECT_EQ(ScreenAsShown(form), before);
            },
            "", laterCause);
        EXPECT_GE(failed, kAtLeastTheCommitsWritesAndSyncs);
        EXPECT_EQ(this->Dialogs().LastBox().prompt, "Save this Record?");
        EXPECT_EQ(this->Query(this->MainPath(), "SELECT EmployerNo, L_2 FROM " + table + " ORDER BY rowid"), stored);
        EXPECT_EQ(this->Query(this->MainPath(), "PRAGMA integrity_check"), "ok");
        this->Dialogs().Clear(); // the answer for an error box the last try did not show
    }
};

using Form941OnAFailingDisk = FailingDiskAt<Form941Folder>;
using Form944OnAFailingDisk = FailingDiskAt<Form944Folder>;
using EmployersOnAFailingDisk = FailingDiskAt<EmployerScreenFolder>;

TEST_F(Form941OnAFailingDisk, ANewReturnNotSavedKeepsWhatWasTypedAndIsSavedByTheNextTry) {
    frmDet941Covid0621& form = AddFirstQuarter();
    Enter(form.fpLine2, "1000");
    SaveNewRowThroughEachFailure(form, "DET941", "17|1000.0");
    EXPECT_EQ(RecordButtons(form), "010111");
}

TEST_F(Form944OnAFailingDisk, ANewReturnNotSavedKeepsWhatWasTypedAndIsSavedByTheNextTry) {
    frmDet944Covid& form = StartNewReturn();
    Enter(form.fpLine2, "1000");
    SaveNewRowThroughEachFailure(form, "DET941", "17|1000.0");
}

TEST_F(Form941OnAFailingDisk, ANewReturnOfThe2020FormNotSavedIsSavedByTheNextTry) {
    EmployerScreen().txtQtr_Yr.SetText("221");
    Dialogs().AnswerMsgBox(forms::vbOK); // no row for the period yet
    auto& form = forms::Screen<frmDet941Covid>();
    form.Show();
    Click(form.cmdAddNew);
    Enter(form.fpLine2, "1000");
    SaveNewRowThroughEachFailure(form, "DET941", "17|1000.0");
}

TEST_F(Form941OnAFailingDisk, AnEditNotSavedStaysPendingAndIsSavedByTheNextTry) {
    // The edit is stored outside a transaction, and was kept before too.
    AddReturnRow("122", "L_2 = 500");
    frmDet941Covid0621& form = OpenPeriod(&frmEmployersDE::cmdQtr1);
    Click(form.cmdEditRecord);
    Enter(form.fpLine2, "1000");
    SaveNewRowThroughEachFailure(form, "DET941", "17|1000.0");
}

// Each failed save is told by what failed that time, never by an earlier
// failure the database file still remembers: no room to make the journal,
// then a failing disk at it, each but once (the next making goes through),
// no room at each write and sync in turn (the file's own sync the last),
// the save made, a failing disk, then no room again, and no room on a disk
// that then fails outright, told by the first failure.
TEST_F(Form941OnAFailingDisk, EachFailedSaveIsToldByWhatFailedThatTime) {
    frmDet941Covid0621& form = AddFirstQuarter();
    Enter(form.fpLine2, "1000");
    auto saveFailsWith = [&](const std::string& error) {
        Dialogs().AnswerMsgBox(forms::vbOK);
        Dialogs().AnswerMsgBox(forms::vbOK);
        Click(form.cmdSaveRecord);
        EXPECT_NE(Dialogs().LastBox().prompt.find("Error number " + error), std::string::npos)
            << Dialogs().LastBox().prompt;
    };
    for (const auto& [cause, error] :
         {std::pair{ENOSPC, "3026: Not enough space on disk."}, std::pair{EIO, "3043: Disk or network error."}}) {
        disk_.FailMaking(MainPath() + "-", cause, 1);
        saveFailsWith(error);
    }
    disk_.FailMaking("", 0);
    SaveNewRowThroughEachFailure(form, "DET941", "17|1000.0", {ENOSPC});
    Click(form.cmdEditRecord);
    Enter(form.fpLine2, "2000");
    disk_.FailWriteOrSync(1, EIO);
    saveFailsWith("3043: Disk or network error.");
    SaveNewRowThroughEachFailure(form, "DET941", "17|2000.0", {ENOSPC});
    Click(form.cmdEditRecord);
    Enter(form.fpLine2, "3000");
    SaveNewRowThroughEachFailure(form, "DET941", "17|3000.0", {ENOSPC}, EIO);
}

// A lock file the disk failed to open is told as the disk error it is, one
// on media that turned read-only as read-only, and the next Edit opens it
// again.
TEST_F(Form941OnAFailingDisk, AnEditThatFindsTheLockFileFailingIsToldAndTheNextEditWorks) {
    AddReturnRow("122", "L_2 = 500");
    frmDet941Covid0621& form = OpenPeriod(&frmEmployersDE::cmdQtr1);
    disk_.FailOpening(MainPath() + ".locks", EIO, 1);
    Dialogs().AnswerMsgBox(forms::vbOK);
    Click(form.cmdEditRecord);
    EXPECT_EQ(Dialogs().LastBox().prompt, "error #  3043Disk or network error.");
    {
        ReadOnlyMedia media(Folder());
        Dialogs().AnswerMsgBox(forms::vbOK);
        Click(form.cmdEditRecord);
        EXPECT_EQ(Dialogs().LastBox().prompt, "error #  3027Cannot update. Database or object is read-only.");
    }
    Click(form.cmdEditRecord);
    Enter(form.fpLine2, "1000");
    Dialogs().AnswerMsgBox(forms::vbOK); // Save this Record?
    Click(form.cmdSaveRecord);
    EXPECT_EQ(Query(MainPath(), "SELECT L_2 FROM DET941"), "1000.0");
}

// An Edit, and a statement that cannot open the lock file to see whether
// another copy holds a row, are refused as the disk error they met, not in
// silence nor as a locked row.
TEST_F(EmployersOnAFailingDisk, AnEditOrDeleteThatFindsTheLockFileFailingIsToldAsTheDiskError) {
    AddEmployer(7, "ACME TOOLS");
    AddReturnRow(7, "122");
    auto& screen = OpenScreen();
    disk_.FailOpening(MainPath() + ".locks", EIO, 1);
    Dialogs().AnswerMsgBox(forms::vbOK);
    Click(screen.cmdEditRecord);
    EXPECT_EQ(Dialogs().LastBox().prompt.rfind("Error = 3043 ", 0), 0u) << Dialogs().LastBox().prompt;
    EXPECT_FALSE(screen.cmdSaveRecord.Enabled());

    std::ofstream(MainPath() + ".locks").flush();
    disk_.FailOpening(MainPath() + ".locks", EIO, 1);
    Dialogs().AnswerMsgBox(forms::vbYes);
    Dialogs().AnswerMsgBox(forms::vbYes);
    Dialogs().AnswerMsgBox(forms::vbOK);
    Click(screen.cmdDeleteRecord);
    EXPECT_EQ(Dialogs().LastBox().prompt.rfind("Error = 3043 ", 0), 0u) << Dialogs().LastBox().prompt;
    EXPECT_EQ(Query(MainPath(), "SELECT (SELECT COUNT(*) FROM Employers) || (SELECT COUNT(*) FROM DET941)"), "11");
}

TEST_F(EmployersOnAFailingDisk, AnEmployerNotAddedStaysPendingAndIsAddedByTheNextTry) {
    AddEmployer(7, "BAKER BROS");
    SetCounter(8);
    auto& screen = OpenScreen();
    Click(screen.cmdAddRecord);
    TypeSavableEmployer(screen, "ACME TOOLS", "061234567");
    // Each Save draws a number of its own from the counter's file first:
    // only the main file's writes and syncs fail.
    const int failed = FailEachWriteAndSyncInTurn(
        disk_, {EIO},
        [&] {
            Dialogs().AnswerMsgBox(forms::vbOK); // Save this Record?
            Dialogs().AnswerMsgBox(forms::vbOK); // the error
            Click(screen.cmdSaveRecord);
        },
        [&](int) {
            EXPECT_NE(Dialogs().LastBox().prompt.find("3043"), std::string::npos) << Dialogs().LastBox().prompt;
            EXPECT_EQ(Query(MainPath(), "SELECT COUNT(*) FROM Employers"), "1");
            EXPECT_EQ(screen.mskEmployerName1.Text(), "ACME TOOLS");
            EXPECT_TRUE(screen.cmdSaveRecord.Enabled());
        },
        MainPath());
    EXPECT_GE(failed, kAtLeastTheCommitsWritesAndSyncs);
    EXPECT_EQ(Query(MainPath(), "SELECT EmployerName1 FROM Employers ORDER BY rowid"), "BAKER BROS;ACME TOOLS");
}

// Each try writes the typed city again, and only that: the name longer than
// its field stays as stored after the try that stores.
TEST_F(EmployersOnAFailingDisk, AnEditNotSavedStaysPendingAndIsSavedByTheNextTry) {
    AddEmployer(7, "CONNECTICUT VALLEY PRECISION TOOLS CO");
    auto& screen = OpenScreen();
    Click(screen.cmdEditRecord);
    forms::user::TypeText(screen.mskCity, "BOSTON");
    const int failed = FailEachWriteAndSyncInTurn(
        disk_, {EIO},
        [&] {
            Dialogs().AnswerMsgBox(forms::vbOK); // Save this Record?
            Dialogs().AnswerMsgBox(forms::vbOK); // the error
            Click(screen.cmdSaveRecord);
        },
        [&](int) {
            EXPECT_EQ(Dialogs().LastBox().prompt.rfind("Error = 3043 ", 0), 0u) << Dialogs().LastBox().prompt;
            EXPECT_EQ(Query(MainPath(), "SELECT City FROM Employers"), "HARTFORD");
            EXPECT_EQ(screen.mskCity.Text(), "BOSTON");
        });
    EXPECT_GE(failed, kAtLeastTheCommitsWritesAndSyncs);
    EXPECT_EQ(Query(MainPath(), "SELECT EmployerName1, City FROM Employers"),
              "CONNECTICUT VALLEY PRECISION TOOLS CO|BOSTON");
}

// The disk fails and the user's quota is used up by turns: each failure is
// told by its own cause, at the journal's writes in the commit too.
TEST_F(EmployersOnAFailingDisk, AnEmployerNotDeletedStaysWithItsReturnsAndIsDeletedByTheNextTry) {
    AddEmployer(7, "ACME TOOLS");
    AddEmployer(8, "BAKER BROS");
    AddReturnRow(7, "122");
    Sql(MainPath(), "INSERT INTO Det944 (EmployerNo) VALUES (7)");
    auto& screen = OpenScreen();
    const std::string before = ScreenAsShown(screen);
    const int failed = FailEachWriteAndSyncInTurn(
        disk_, {EIO, EDQUOT},
        [&] {
            Dialogs().AnswerMsgBox(forms::vbYes);
            Dialogs().AnswerMsgBox(forms::vbYes);
            Dialogs().AnswerMsgBox(forms::vbOK); // Error = ...
            Click(screen.cmdDeleteRecord);
        },
        [&](int cause) {
            EXPECT_EQ(Dialogs().LastBox().prompt.rfind("Error = " + EngineErrorFor(cause) + " ", 0), 0u)
                << Dialogs().LastBox().prompt;
            EXPECT_EQ(Query(MainPath(), "SELECT (SELECT COUNT(*) FROM Employers) || (SELECT COUNT(*) FROM DET941) "
                                        "|| (SELECT COUNT(*) FROM Det944)"),
                      "211");
            EXPECT_EQ(ScreenAsShown(screen), before);
        });
    EXPECT_GE(failed, kAtLeastTheCommitsWritesAndSyncs);
    EXPECT_EQ(Query(MainPath(), "SELECT EmployerNo FROM Employers"), "8");
    EXPECT_EQ(Query(MainPath(), "SELECT COUNT(*) FROM DET941"), "0");
    EXPECT_EQ(Query(MainPath(), "SELECT COUNT(*) FROM Det944"), "0");
    EXPECT_EQ(screen.mskEmployerName1.Text(), "BAKER BROS");
}

} // namespace
