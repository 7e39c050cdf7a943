// Two copies of the program (two processes) on one folder: an employer the
// other copy edits is refused, employers added at once by both copies never
// share a number, and a return is stored only under the employer its screen
// was opened for, known by its key whatever shape that is stored in; a return
// refused for its employer stays pending on its screen.
#include "employers_OtherCopy.h"
#include "employers_ScreenFolder.h"
#include "returns_ScreenFolder.h"
#include "support/StatementStarts.h"

#include <filesystem>
#include <functional>
#include <set>
#include <utility>

namespace {

class EmployerTwoCopies : public EmployerScreenFolder {
protected:
    // One copy adding `count` employers through the screen, every box answered
    // with its default button (OK to "Save this Record?"). Returns how many boxes
    // said anything else.
    static int AddEmployersThroughTheScreen(const std::string& prefix, int count) {
        forms::App().Reset();
        auto& dialogs = forms::App().UseScriptedDialogs(forms::ScriptedDialogs::WhenUnscripted::DefaultButton);
        auto& screen = forms::Screen<frmEmployersDE>();
        screen.Show();
        for (int i = 0; i < count; ++i) {
            forms::user::Click(screen.cmdAddRecord);
            TypeSavableEmployer(screen, prefix + " EMPLOYER " + std::to_string(i), std::to_string(100000000 + i),
                                prefix);
            forms::user::Click(screen.cmdSaveRecord);
        }
        int unexpected = 0;
        for (const auto& box : dialogs.Boxes())
            if (box.prompt != "Save this Record?" &&
                box.prompt != "The database is empty! You need to add records. Click on Add or Close.")
                ++unexpected;
        return unexpected;
    }

    // One copy storing an employer through the screen (`enter` starts the Add
    // or Edit and types it) once the other copy is ready to store too. Gives
    // 's' when stored, 'd' when refused as a duplicate, 'x' else.
    static char StoreWhenBothAreReady(int tell, int hear, const std::function<void(frmEmployersDE&)>& enter) {
        forms::App().Reset();
        auto& dialogs = forms::App().UseScriptedDialogs(forms::ScriptedDialogs::WhenUnscripted::DefaultButton);
        auto& screen = forms::Screen<frmEmployersDE>();
        screen.Show();
        enter(screen);
        char ready = 'r';
        (void)!::write(tell, &ready, 1);
        (void)!::read(hear, &ready, 1);
        forms::user::Click(screen.cmdSaveRecord);
        const std::string last = dialogs.Boxes().empty() ? "" : dialogs.LastBox().prompt;
        return last == "Save this Record?" ? 's' : last.rfind("Duplicate records", 0) == 0 ? 'd' : 'x';
    }
};

TEST_F(EmployerTwoCopies, EditOfAnEmployerTheOtherCopyEditsIsRefused) {
    AddEmployer(7, "ACME TOOLS");
    OtherCopy other(MainPath(), "Employers");
    ASSERT_TRUE(other.Holding());
    auto& screen = OpenScreen();

    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::Click(screen.cmdEditRecord);
    ASSERT_EQ(Dialogs().Boxes().size(), 1u);
    EXPECT_EQ(Dialogs().LastBox().prompt,
              "This Employer is currently in use by another user and is not currently available. Try "
              "working with a different Employer.");
    EXPECT_EQ(Dialogs().LastBox().style, 0);
    EXPECT_EQ(Dialogs().LastBox().title, "Edit Record Error");
    EXPECT_TRUE(screen.cmdClose.Enabled());
    EXPECT_TRUE(screen.cmdAddRecord.Enabled()); // still browsing
    EXPECT_FALSE(screen.cmdSaveRecord.Enabled());

    // Once the other copy lets go, Edit works.
    other.Release();
    forms::user::Click(screen.cmdEditRecord);
    EXPECT_TRUE(screen.cmdSaveRecord.Enabled());
    EXPECT_EQ(Dialogs().Boxes().size(), 1u);
}

TEST_F(EmployerTwoCopies, EmployersAddedAtOnceNeverShareANumber) {
    constexpr int kEach = 15;
    const pid_t child = ::fork();
    if (child == 0) {
        int unexpected = 1;
        try {
            unexpected = AddEmployersThroughTheScreen("H", kEach);
        } catch (...) {}
        ::_exit(unexpected == 0 ? 0 : 1);
    }
    ASSERT_GT(child, 0);
    const int unexpected = AddEmployersThroughTheScreen("R", kEach);
    int status = -1;
    ::waitpid(child, &status, 0);

    EXPECT_EQ(unexpected, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(Query(MainPath(), "SELECT COUNT(*), COUNT(DISTINCT EmployerNo) FROM Employers"),
              std::to_string(2 * kEach) + "|" + std::to_string(2 * kEach));
    EXPECT_EQ(Query(MainPath(), "SELECT MIN(EmployerNo), MAX(EmployerNo) FROM Employers"),
              "1|" + std::to_string(2 * kEach));
    EXPECT_EQ(Counter(), std::to_string(2 * kEach + 1));
}

// The other copy stores an employer between this copy's Update and its move
// to the new row: the screen stays on the employer this copy added, and the
// period buttons open its returns, not the other copy's.
TEST_F(EmployerTwoCopies, ANewEmployerSavedStaysOnScreenWhenTheOtherCopyAddsOneAtOnce) {
    AddEmployer(7, "ACME TOOLS");
    auto& screen = OpenScreen();
    forms::user::Click(screen.cmdAddRecord);
    TypeSavableEmployer(screen, "THIS COPY", "123456789");
    screen.datEmployers.Recordset()->AfterNext(data::RecordsetAction::Update,
                                               [this] { AddEmployer(50, "OTHER COPY"); });
    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::Click(screen.cmdSaveRecord);
    ASSERT_EQ(Query(MainPath(), "SELECT EmployerNo, EmployerName1 FROM Employers ORDER BY rowid"),
              "7|ACME TOOLS;1|THIS COPY;50|OTHER COPY");
    EXPECT_EQ(screen.mskEmployerName1.Text(), "THIS COPY");

    Dialogs().AnswerMsgBox(forms::vbOK); // no return of the period yet
    forms::user::Click(screen.cmdQtr1);
    auto& quarter = forms::Screen<frmDet941Covid0621>();
    forms::user::Click(quarter.cmdAddNew);
    EXPECT_EQ(quarter.txtEmployerNo.Text(), "1");
}

// The other copy deletes the new employer between this copy's Update and its
// move onto it: the screen says so and stands where a Delete leaves it, not on
// the employer shown before Add.
TEST_F(EmployerTwoCopies, ANewEmployerTheOtherCopyDeletesAtOnceIsSaidGone) {
    AddEmployer(7, "ACME TOOLS");
    AddEmployer(8, "BAKER BROS");
    auto& screen = OpenScreen();
    forms::user::Click(screen.cmdAddRecord);
    TypeSavableEmployer(screen, "THIS COPY", "123456789");
    screen.datEmployers.Recordset()->AfterNext(data::RecordsetAction::Update, [this] {
        Sql(MainPath(), "DELETE FROM Employers WHERE EmployerName1 = 'THIS COPY'");
    });
    Dialogs().AnswerMsgBox(forms::vbOK);
    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::Click(screen.cmdSaveRecord);
    EXPECT_EQ(Dialogs().LastBox().prompt, "This Employer has been deleted by another user.");
    EXPECT_EQ(Dialogs().LastBox().style, 48);
    EXPECT_EQ(Dialogs().LastBox().title, "Save Record");
    EXPECT_EQ(screen.mskEmployerName1.Text(), "BAKER BROS");
    EXPECT_EQ(CommandStates(screen), kBrowsing);
}

// Another copy restores a backup holding employers 20 to 25 just after this
// copy drew 20 for its new employer: the employer is stored under the first
// number free after them, with no duplicate message, whether Save or the
// close question's Yes stores it.
TEST_F(EmployerTwoCopies, ANewEmployerWhoseNumberTheOtherCopyGaveAwayIsStoredUnderTheNextFreeNumber) {
    AddEmployer(7, "ACME TOOLS");
    // Each way stores and closes the screen.
    const struct Way {
        const char* name;
        const char* taxId;
        int answer;
        std::function<void(frmEmployersDE&)> store;
        const char* prompts;
        const char* stored;
    } ways[] = {
        {"SAVED CO", "061234567", forms::vbOK,
         [](frmEmployersDE& s) {
             forms::user::Click(s.cmdSaveRecord);
             forms::user::CloseWindow(s);
         },
         "Save this Record?", "26"},
        {"CLOSED CO", "071234567", forms::vbYes, [](frmEmployersDE& s) { forms::user::CloseWindow(s); },
         "Save the changes to this record before closing?", "33"},
    };
    SetCounter(20);
    for (const Way& way : ways) {
        auto& screen = OpenScreen();
        forms::user::Click(screen.cmdAddRecord);
        TypeSavableEmployer(screen, way.name, way.taxId);
        bool restored = false;
        screen.txtEmployerNo.Change = [&] {
            const std::string drawn = screen.txtEmployerNo.Text();
            if (restored || drawn.empty()) return;
            for (int number = std::stoi(drawn); number <= std::stoi(drawn) + 5; ++number)
                AddEmployer(number, "RESTORED " + std::to_string(number));
            restored = true;
        };
        Dialogs().Clear();
        Dialogs().AnswerMsgBox(way.answer);
        way.store(screen);
        EXPECT_EQ(Prompts(), way.prompts) << way.name;
        EXPECT_EQ(
            Query(MainPath(), "SELECT EmployerNo FROM Employers WHERE EmployerName1 = '" + std::string(way.name) + "'"),
            way.stored);
    }
    EXPECT_EQ(Counter(), "34");
}

// One copy adds an employer while the other edits the kind of one stored
// with the same tax id in another shape into the same kind, at once: one of
// them stores, the other hears that the employer is a duplicate.
TEST_F(EmployerTwoCopies, TheSameEmployerStoredByBothCopiesAtOnceIsStoredOnce) {
    AddEmployer(7, "ACME TOOLS", "1", "06-1234567", "H");
    int toParent[2], toChild[2];
    ASSERT_EQ(::pipe(toParent), 0);
    ASSERT_EQ(::pipe(toChild), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        char outcome = 'x';
        try {
            outcome = StoreWhenBothAreReady(toParent[1], toChild[0], [](frmEmployersDE& screen) {
                forms::user::Click(screen.cmdAddRecord);
                TypeSavableEmployer(screen, "NEW ONE", "061234567");
            });
        } catch (...) {}
        ::_exit(outcome);
    }
    ASSERT_GT(child, 0);
    const char edited = StoreWhenBothAreReady(toChild[1], toParent[0], [](frmEmployersDE& screen) {
        forms::user::Click(screen.cmdEditRecord);
        forms::user::TypeText(screen.mskTypePayer, "R");
    });
    int status = -1;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    const char added = static_cast<char>(WEXITSTATUS(status));

    EXPECT_EQ(std::set<char>({edited, added}), std::set<char>({'s', 'd'})) << edited << added;
    EXPECT_EQ(Query(MainPath(), "SELECT COUNT(*) FROM Employers WHERE TypePayer = 'R'"), "1");
}

// One copy's Save of a new employer is held just as it begins the
// transaction that writes it, while the other copy gives an employer stored
// with the same tax id in another shape the new employer's kind. A look for
// the key made outside that transaction would be over by then; made inside
// it, it finds the other copy's employer: the new one is a duplicate.
TEST_F(EmployerTwoCopies, TheSameEmployerStoredByTheOtherCopyAsASaveBeginsToWriteIsADuplicate) {
    AddEmployer(7, "ACME TOOLS", "1", "06-1234567", "H");
    int toParent[2], toChild[2];
    ASSERT_EQ(::pipe(toParent), 0);
    ASSERT_EQ(::pipe(toChild), 0);
    const std::string mainFile = std::filesystem::canonical(MainPath()).string();
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(toParent[0]);
        ::close(toChild[1]);
        char outcome = 'x';
        try {
            bool saving = false;
            WhenStatementsStart held(mainFile, "BEGIN", [&] {
                if (!std::exchange(saving, false)) return;
                char at = 'h';
                (void)!::write(toParent[1], &at, 1);
                (void)!::read(toChild[0], &at, 1);
            });
            outcome = StoreWhenBothAreReady(toParent[1], toChild[0], [&](frmEmployersDE& screen) {
                forms::user::Click(screen.cmdAddRecord);
                TypeSavableEmployer(screen, "NEW ONE", "061234567");
                saving = true;
            });
        } catch (...) {}
        ::_exit(outcome);
    }
    ASSERT_GT(child, 0);
    ::close(toParent[1]);
    ::close(toChild[0]);
    auto& screen = OpenScreen();
    forms::user::Click(screen.cmdEditRecord);
    forms::user::TypeText(screen.mskTypePayer, "R");
    (void)!::write(toChild[1], "g", 1);
    char heard[2] = {};
    for (char& at : heard) (void)!::read(toParent[0], &at, 1);
    EXPECT_EQ(std::string(heard, 2), "rh") << "the other copy ready, then held";
    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::Click(screen.cmdSaveRecord);
    ::close(toChild[1]);
    int status = -1;
    ::waitpid(child, &status, 0);

    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(static_cast<char>(WEXITSTATUS(status)), 'd');
    EXPECT_EQ(Query(MainPath(), "SELECT EmployerName1, Pyr_Taxid, TypePayer FROM Employers"),
              "ACME TOOLS|06-1234567|R");
}

// Between Add and Save another copy changes what employer 17's number names;
// the employer may be stored first in a shape the program does not write
// itself (last year's files, a backup made elsewhere), which the other copy's
// employer screen saves back in its own.
struct EmployerChange {
    const char* what;
    const char* storedAs; // "" for the employer as the installation holds it
    const char* sql;
    const char* refusal; // nullptr: the return is stored
};
void PrintTo(const EmployerChange& change, std::ostream* out) { *out << change.what; }

template <class Folder>
class ReturnOfAChangedEmployer : public Folder, public ::testing::WithParamInterface<EmployerChange> {
protected:
    void SetUp() override {
        Folder::SetUp();
        if (*this->GetParam().storedAs) this->Sql(this->MainPath(), this->GetParam().storedAs);
    }

    // Types line 2 of the addition started on `form`, lets the other copy
    // change the employer and saves with OK: stored, or refused with the
    // screen as it stood before Save, the addition pending until the close
    // box's No (its Yes is refused again).
    void SaveAfterTheOtherCopysChange(ReturnScreen& form, forms::CurrencyField& line2) {
        const EmployerChange& change = this->GetParam();
        Enter(line2, "7777");
        this->Sql(this->MainPath(), change.sql);
        const std::string before = ScreenAsShown(form);
        this->Dialogs().AnswerMsgBox(forms::vbOK);
        if (change.refusal) this->Dialogs().AnswerMsgBox(forms::vbOK);
        forms::user::Click(form.cmdSaveRecord);
        if (!change.refusal) {
            // Under the number the employer is stored with.
            EXPECT_EQ(
                this->Query(this->MainPath(), "SELECT d.EmployerNo = e.EmployerNo, d.L_2 FROM DET941 d, Employers e"),
                "1|7777.0");
            return;
        }
        EXPECT_EQ(this->Dialogs().LastBox().prompt, change.refusal);
        EXPECT_EQ(ScreenAsShown(form), before);
        const std::string name = form.Name();
        for (int answer : {forms::vbYes, forms::vbOK, forms::vbNo}) this->Dialogs().AnswerMsgBox(answer);
        forms::user::FocusByMouse(line2);
        forms::user::CloseWindow(form);
        ASSERT_TRUE(this->FormLoaded(name));
        EXPECT_EQ(this->Dialogs().LastBox().prompt, change.refusal);
        EXPECT_EQ(FocusName(form), "cmdSaveRecord");
        forms::user::CloseWindow(form);
        EXPECT_FALSE(this->FormLoaded(name));
        EXPECT_EQ(this->StoredRows(), "");
    }
};
using ReturnOfAChangedEmployer941 = ReturnOfAChangedEmployer<Form941Folder>;
using ReturnOfAChangedEmployer944 = ReturnOfAChangedEmployer<Form944Folder>;

TEST_P(ReturnOfAChangedEmployer941, IsStoredOnlyWhileItsNumberNamesTheEmployerTheScreenWasOpenedFor) {
    frmDet941Covid0621& form = AddFirstQuarter();
    SaveAfterTheOtherCopysChange(form, form.fpLine2);
}

TEST_P(ReturnOfAChangedEmployer944, IsStoredOnlyWhileItsNumberNamesTheEmployerTheScreenWasOpenedFor) {
    frmDet944Covid& form = StartNewReturn();
    SaveAfterTheOtherCopysChange(form, form.fpLine2);
}

constexpr const char* kGone = "The record was not saved: its Employer has been deleted by another user.";
constexpr const char* kReplaced =
    "The record was not saved: its Employer has been changed or replaced by another user.";
// clang-format off
const EmployerChange kEmployerChanges[] = {
    {"Deleted",            "", "DELETE FROM Employers",                                                     kGone},
    {"ReplacedByImport",   "",
     "DELETE FROM Employers; INSERT INTO Employers (EmployerNo, EmployerName1, IdType, Pyr_Taxid, TypePayer) "
     "VALUES (17, 'OLD ONE', '1', '069999999', 'R')",                                                       kReplaced},
    {"NumberGivenToAnotherKind", "",
     "DELETE FROM Employers; INSERT INTO Employers (EmployerNo, EmployerName1, IdType, Pyr_Taxid, TypePayer) "
     "VALUES (17, 'C BRAND NEW', '1', '061234567', 'H')",                                                   kReplaced},
    {"TaxIdCorrected",     "", "UPDATE Employers SET Pyr_Taxid = '061234568'",                              kReplaced},
    {"TaxIdTypeCorrected", "", "UPDATE Employers SET IdType = '2'",                                         kReplaced},
    {"RenamedAndMoved",    "",
     "UPDATE Employers SET EmployerName1 = 'ACME TOOLS INC', AddressLine2 = '9 OAK ST'",                   nullptr},
    // The other copy's employer screen writes the key back by its own rules.
    {"TaxIdWithDashesRenamed",  "UPDATE Employers SET Pyr_Taxid = '06-1234567'",
     "UPDATE Employers SET Pyr_Taxid = '061234567', EmployerName1 = 'ACME TOOLS INC'",                     nullptr},
    {"TaxIdWithABlankMoved",    "UPDATE Employers SET Pyr_Taxid = '06 1234567'",
     "UPDATE Employers SET Pyr_Taxid = '061234567', AddressLine2 = '9 OAK ST'",                            nullptr},
    {"KindInLowerCaseRenamed",  "UPDATE Employers SET TypePayer = 'r'",
     "UPDATE Employers SET TypePayer = 'R', EmployerName1 = 'ACME TOOLS INC'",                             nullptr},
    {"TypeWithAFractionMoved",  "UPDATE Employers SET IdType = '1.0'",
     "UPDATE Employers SET IdType = '1', City = 'NEW HAVEN'",                                              nullptr},
    {"TypeAfterABlankRenamed",  "UPDATE Employers SET IdType = ' 1'",
     "UPDATE Employers SET IdType = '1', EmployerName1 = 'ACME TOOLS INC'",                                nullptr},
    // Another tool stored the employer's number with a fraction.
    {"NumberWithAFractionUnchanged", "UPDATE Employers SET EmployerNo = 8.5", "",                          nullptr},
    {"NumberWithAFractionDeleted",   "UPDATE Employers SET EmployerNo = 8.5", "DELETE FROM Employers",     kGone},
    {"TaxIdWithDashesCorrected", "UPDATE Employers SET Pyr_Taxid = '06-1234567'",
     "UPDATE Employers SET Pyr_Taxid = '061234568', EmployerName1 = 'ACME TOOLS INC'",                     kReplaced},
};
// clang-format on
std::string ChangeName(const ::testing::TestParamInfo<EmployerChange>& info) { return info.param.what; }
INSTANTIATE_TEST_SUITE_P(TwoCopies, ReturnOfAChangedEmployer941, ::testing::ValuesIn(kEmployerChanges), ChangeName);
INSTANTIATE_TEST_SUITE_P(TwoCopies, ReturnOfAChangedEmployer944, ::testing::ValuesIn(kEmployerChanges), ChangeName);

using ReturnRefusedForItsEmployer = Form941Folder;

// A Save refused for its employer is a failed Save: Save and Close's Yes are
// refused again while the employer differs, and Save stores the addition once
// the employer is the screen's own again.
TEST_F(ReturnRefusedForItsEmployer, IsRefusedAgainUntilTheEmployerIsItsOwnAgain) {
    frmDet941Covid0621& form = AddFirstQuarter();
    Enter(form.fpLine2, "7777");
    Sql(MainPath(), "UPDATE Employers SET Pyr_Taxid = '061234568'");
    Dialogs().Clear();
    for (int answer : {forms::vbOK, forms::vbOK, forms::vbOK, forms::vbOK, forms::vbYes, forms::vbOK})
        Dialogs().AnswerMsgBox(answer);
    forms::user::Click(form.cmdSaveRecord);
    forms::user::Click(form.cmdSaveRecord);
    forms::user::Click(form.cmdClose);
    const std::string refused = " | " + std::string(kReplaced);
    EXPECT_EQ(Prompts(), "Save this Record?" + refused + " | Save this Record?" + refused +
                             " | Save the changes to this record before closing?" + refused);
    ASSERT_TRUE(FormLoaded("frmDet941Covid0621"));

    Sql(MainPath(), "UPDATE Employers SET Pyr_Taxid = '06-1234567'");
    SaveWithOk(form);
    EXPECT_EQ(StoredRows("EmployerNo, L_2"), "17|7777.0");
}

// The lock file deleted while two copies run: the other copy makes a new one
// and edits the employer this copy edits. This copy's locks are in a file
// nobody else sees, so it stores nothing more until it is started again.
TEST_F(EmployerTwoCopies, ACopyWhoseLockFileWasDeletedRefusesEveryChange) {
    AddEmployer(7, "ACME TOOLS");
    int go[2], done[2];
    ASSERT_EQ(::pipe(go), 0);
    ASSERT_EQ(::pipe(done), 0);
    const pid_t other = ::fork();
    if (other == 0) {
        char status = 'x';
        (void)!::read(go[0], &status, 1);
        try {
            auto database = data::OpenDatabase(MainPath());
            auto rows = database->OpenRecordset("Employers", data::dbOpenTable);
            rows->MoveFirst();
            rows->Edit();
            rows->Fields("EmployerName1") = data::Value{std::string("OTHER COPY")};
            rows->Update();
            status = 's';
        } catch (const basic::RuntimeError&) {}
        (void)!::write(done[1], &status, 1);
        ::_exit(0);
    }
    ASSERT_GT(other, 0);
    auto& screen = OpenScreen();
    forms::user::Click(screen.cmdEditRecord);
    ASSERT_TRUE(screen.cmdSaveRecord.Enabled());
    std::filesystem::remove(MainPath() + ".locks");
    char status = 0;
    (void)!::write(go[1], "g", 1);
    (void)!::read(done[0], &status, 1);
    ::waitpid(other, nullptr, 0);
    ASSERT_EQ(status, 's') << "the other copy stored its edit";

    const std::string refused = "Error = 3050 Could not lock file.";
    Dialogs().AnswerMsgBox(forms::vbOK);
    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::Click(screen.cmdSaveRecord);
    EXPECT_EQ(Dialogs().LastBox().title, "Error saving record");
    EXPECT_EQ(Dialogs().LastBox().prompt, refused);
    EXPECT_TRUE(screen.cmdSaveRecord.Enabled()) << "the change stays pending";
    EXPECT_EQ(Query(MainPath(), "SELECT EmployerName1 FROM Employers"), "OTHER COPY");

    Dialogs().AnswerMsgBox(forms::vbNo); // leave without saving
    forms::user::CloseWindow(screen);
    auto& again = OpenScreen();
    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::Click(again.cmdEditRecord);
    EXPECT_EQ(Dialogs().LastBox().title, "Edit Record Error");
    EXPECT_EQ(Dialogs().LastBox().prompt, refused);
    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::Click(again.cmdAddRecord);
    EXPECT_EQ(Dialogs().LastBox().title, "Add Record Error");
    EXPECT_EQ(Dialogs().LastBox().prompt, refused);
    Dialogs().AnswerMsgBox(forms::vbYes);
    Dialogs().AnswerMsgBox(forms::vbYes);
    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::Click(again.cmdDeleteRecord);
    EXPECT_EQ(Dialogs().LastBox().prompt, refused);
    EXPECT_EQ(Query(MainPath(), "SELECT COUNT(*) FROM Employers"), "1");
}

} // namespace
