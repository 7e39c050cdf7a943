// Another copy restores a backup or imports last year's employers while this
// copy's employer screen shows an employer: the number shown may now name
// another employer, or none. Edit, Delete and every period button act only
// while it names the employer shown; a rename or a tax id in another shape
// lets them go on.
#include "employers_ScreenFolder.h"

#include <functional>

namespace {

constexpr const char* kReplaced = "This Employer has been changed or replaced by another user.";
constexpr const char* kDeleted = "This Employer has been deleted by another user.";

struct EmployerAction {
    const char* name;
    forms::CommandButton frmEmployersDE::*button;
    const char* title;
    std::vector<int> questions; // the answers to the action's own questions
    // Whether the action went on, as the screen shows.
    std::function<bool(frmEmployersDE&)> wentOn;
};

bool ReturnScreenLoaded(frmEmployersDE&) {
    return forms::App().LoadedForm("frmDet941Covid0621") || forms::App().LoadedForm("frmDet944Covid");
}

// clang-format off
const EmployerAction kActions[] = {
    {"Edit",   &frmEmployersDE::cmdEditRecord,   "Edit Record Error",   {},
     [](frmEmployersDE& s) { return s.cmdSaveRecord.Enabled(); }},
    {"Delete", &frmEmployersDE::cmdDeleteRecord, "Delete Record",       {forms::vbYes, forms::vbYes},
     [](frmEmployersDE& s) { return s.txtEmployerNo.Text() != "3"; }},
    {"Qtr1",   &frmEmployersDE::cmdQtr1,         "Form 941 Data Entry", {}, ReturnScreenLoaded},
    {"Qtr2",   &frmEmployersDE::cmdQtr2,         "Form 941 Data Entry", {}, ReturnScreenLoaded},
    {"Qtr3",   &frmEmployersDE::cmdQtr3,         "Form 941 Data Entry", {}, ReturnScreenLoaded},
    {"Qtr4",   &frmEmployersDE::cmdQtr4,         "Form 941 Data Entry", {}, ReturnScreenLoaded},
    {"Qtr5",   &frmEmployersDE::cmdQtr5,         "Form 941 Data Entry", {}, ReturnScreenLoaded},
    {"Form944", &frmEmployersDE::cmd944,         "Form 944 Data Entry", {}, ReturnScreenLoaded},
};
// clang-format on

// What the other copy did to employer 3 (ACME TOOLS, 1 / 061234567 / R,
// with a first quarter), and what this copy's action then says: nothing
// when it goes on.
struct OtherCopysChange {
    const char* name;
    const char* sql;
    const char* refusal;
    int style;
};
// clang-format off
const OtherCopysChange kChanges[] = {
    // A restore: the backup's employer 3 is another employer, with its own return.
    {"Restored", "DELETE FROM Employers; DELETE FROM DET941; "
                 "INSERT INTO Employers (EmployerNo, EmployerName1, IdType, Pyr_Taxid, TypePayer) "
                 "VALUES (5, 'ZULU CO', '1', '100000005', 'R'), (3, 'BETA LLC', '1', '069999999', 'R'); "
                 "INSERT INTO DET941 (EmployerNo, Qtr_Yr, L_2) VALUES (3, '122', 5)",         kReplaced, 48},
    {"KindCorrected", "UPDATE Employers SET TypePayer = 'H' WHERE EmployerNo = 3",             kReplaced, 48},
    {"Deleted",  "DELETE FROM Employers WHERE EmployerNo = 3",                                 kDeleted,  48},
    // Last year's file: the same employer renamed, its tax id with a dash.
    {"Imported", "UPDATE Employers SET EmployerName1 = 'ACME TOOLS INC', Pyr_Taxid = '06-1234567', "
                 "TypePayer = 'r' WHERE EmployerNo = 3",                                       nullptr,   0},
};
// clang-format on

void PrintTo(const EmployerAction& action, std::ostream* out) { *out << action.name; }
void PrintTo(const OtherCopysChange& change, std::ostream* out) { *out << change.name; }

class ShownEmployer : public EmployerScreenFolder,
                      public ::testing::WithParamInterface<std::tuple<EmployerAction, OtherCopysChange>> {
protected:
    void SetUp() override {
        EmployerScreenFolder::SetUp();
        AddEmployer(3, "ACME TOOLS", "1", "061234567");
        AddEmployer(5, "ZULU CO");
        AddReturnRow(3, "122", "L_2 = 100");
        AddReturnRow(3, "622", "L_2 = 100");
        AnswerUnscriptedBoxesWithTheirDefault();
    }
    std::string Rows() const {
        return Query(MainPath(), "SELECT * FROM Employers ORDER BY EmployerNo") + " / " +
               Query(MainPath(), "SELECT EmployerNo, Qtr_Yr, L_2 FROM DET941 ORDER BY rowid");
    }
};

} // namespace

// A Delete whose employer is gone says what its row's own Delete says.
TEST_P(ShownEmployer, ActsOnlyWhileItsNumberNamesTheEmployerShown) {
    const auto& [action, change] = GetParam();
    frmEmployersDE& screen = OpenScreen();
    ASSERT_EQ(screen.mskEmployerName1.Text(), "ACME TOOLS");
    Sql(MainPath(), change.sql);
    const std::string rows = Rows();
    for (int answer : action.questions) Dialogs().AnswerMsgBox(answer);

    forms::user::Click(screen.*action.button);

    if (!change.refusal) {
        EXPECT_TRUE(action.wentOn(screen)) << Prompts();
        EXPECT_EQ(Prompts().find("another user"), std::string::npos) << Prompts();
        return;
    }
    const auto& box = Dialogs().LastBox();
    const bool deleteOfAGoneEmployer = change.refusal == kDeleted && std::string(action.name) == "Delete";
    EXPECT_EQ(box.prompt, deleteOfAGoneEmployer ? "Error = 3167 Record is deleted." : change.refusal) << Prompts();
    EXPECT_EQ(box.style, deleteOfAGoneEmployer ? 0 : change.style);
    EXPECT_EQ(box.title, action.title);
    EXPECT_EQ(Dialogs().Boxes().size(), action.questions.size() + 1) << Prompts(); // no caution, no return screen
    EXPECT_FALSE(action.wentOn(screen));
    EXPECT_EQ(Rows(), rows);
    if (change.refusal == kReplaced) {
        // Browsing the employer now under the number, read afresh.
        EXPECT_EQ(CommandStates(screen), kBrowsing);
        EXPECT_EQ(screen.txtEmployerNo.Text(), "3");
        EXPECT_EQ(screen.mskTypePayer.Text(), Query(MainPath(), "SELECT TypePayer FROM Employers WHERE EmployerNo = 3"));
    }
}

INSTANTIATE_TEST_SUITE_P(TwoCopies, ShownEmployer, ::testing::Combine(::testing::ValuesIn(kActions),
                                                                     ::testing::ValuesIn(kChanges)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "After" +
                                    std::get<1>(info.param).name;
                         });

using EmployerEditOfAReplacedEmployer = ShownEmployer;

// The restore wins the race for the rows while the Edit is pending: Save and
// the close question's Yes are refused, the edit pending as typed, until the
// number names the employer again; a period button is refused too.
TEST_F(EmployerEditOfAReplacedEmployer, IsNotSavedIntoTheOtherEmployer) {
    frmEmployersDE& screen = OpenScreen();
    forms::user::Click(screen.cmdEditRecord);
    forms::user::TypeText(screen.mskCity, "NEW HAVEN");
    // Another employer under the number, in the very row.
    Sql(MainPath(), "UPDATE Employers SET EmployerName1 = 'BETA LLC', Pyr_Taxid = '069999999' WHERE EmployerNo = 3");
    for (int answer : {forms::vbOK, forms::vbOK, forms::vbOK, forms::vbYes, forms::vbOK})
        Dialogs().AnswerMsgBox(answer);

    forms::user::Click(screen.cmdSaveRecord);
    forms::user::Click(screen.cmdQtr1);
    forms::user::CloseWindow(screen);

    ASSERT_EQ(Prompts(), std::string("Save this Record? | ") + kReplaced + " | " + kReplaced +
                             " | Save the changes to this record before closing? | " + kReplaced);
    EXPECT_EQ(Dialogs().Boxes()[1].title, "Error saving record");
    ASSERT_TRUE(FormLoaded("frmEmployersDE"));
    EXPECT_EQ(CommandStates(screen), kEntering);
    EXPECT_EQ(screen.mskCity.Text(), "NEW HAVEN");
    EXPECT_EQ(Query(MainPath(), "SELECT City FROM Employers WHERE EmployerNo = 3"), "HARTFORD");

    // Restored again as it was: the edit of the employer shown is stored.
    Sql(MainPath(), "UPDATE Employers SET EmployerName1 = 'ACME TOOLS', Pyr_Taxid = '061234567' WHERE EmployerNo = 3");
    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::Click(screen.cmdSaveRecord);
    EXPECT_EQ(Query(MainPath(), "SELECT City FROM Employers WHERE EmployerNo = 3"), "NEW HAVEN");
}

// Deleted instead, the employer's row is gone: the Save's own write says so,
// as the Delete of a gone employer does, not that another employer is there.
TEST_F(EmployerEditOfAReplacedEmployer, OfAnEmployerDeletedMeanwhileSaysItsRowIsDeleted) {
    frmEmployersDE& screen = OpenScreen();
    forms::user::Click(screen.cmdEditRecord);
    forms::user::TypeText(screen.mskCity, "NEW HAVEN");
    Sql(MainPath(), "DELETE FROM Employers WHERE EmployerNo = 3");

    forms::user::Click(screen.cmdSaveRecord);
    EXPECT_EQ(Prompts(), "Save this Record? | Error = 3167 Record is deleted.");
}
