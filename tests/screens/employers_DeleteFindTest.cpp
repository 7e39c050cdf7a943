// The employer screen's Delete of a row another connection holds, and Find
// with no current row: states the scenarios cannot reach.
#include "employers_ScreenFolder.h"

#include "platform/data/Engine.h"

namespace {

using forms::user::Click;

class EmployerDelete : public EmployerScreenFolder {
protected:
    void AddReturnRows(int employer) {
        AddReturnRow(employer, "122");
        AddReturnRow(employer, "622");
        Sql(MainPath(), "INSERT INTO Det944 (EmployerNo) VALUES (" + std::to_string(employer) + ")");
    }
    void ConfirmTwice() {
        Dialogs().AnswerMsgBox(forms::vbYes);
        Dialogs().AnswerMsgBox(forms::vbYes);
    }
};

using EmployerFind = EmployerScreenFolder;

TEST_F(EmployerDelete, RowHeldByAnotherUserKeepsEverything) {
    AddEmployer(7, "ACME TOOLS");
    AddReturnRows(7);
    auto& screen = OpenScreen();
    // A second connection of this program holds the employer in edit.
    auto other = data::OpenDatabase(MainPath());
    auto held = other->OpenRecordset("Employers", data::dbOpenTable);
    held->MoveFirst();
    held->Edit();

    ConfirmTwice();
    Dialogs().AnswerMsgBox(forms::vbOK);
    Click(screen.cmdDeleteRecord);

    EXPECT_EQ(Dialogs().LastBox().prompt.rfind("Error = 3260 ", 0), 0u) << Dialogs().LastBox().prompt;
    EXPECT_EQ(Dialogs().LastBox().title, "Delete Record");
    EXPECT_EQ(Query(MainPath(), "SELECT COUNT(*) FROM Employers"), "1");
    EXPECT_EQ(Query(MainPath(), "SELECT COUNT(*) FROM DET941"), "2"); // the return rows stay too
    EXPECT_EQ(Query(MainPath(), "SELECT COUNT(*) FROM Det944"), "1");
    held->CancelUpdate();
}

TEST_F(EmployerFind, SearchesEvenWithNoCurrentRow) {
    AddEmployer(7, "ACME TOOLS");
    AddEmployer(8, "BAKER BROS");
    auto& screen = OpenScreen();
    Dialogs().AnswerMsgBox(forms::vbYes);
    Dialogs().AnswerMsgBox(forms::vbYes);
    screen.datEmployers.UserMove(data::DataControl::Arrow::Last);
    Click(screen.cmdDeleteRecord); // the last one goes: the row before becomes current
    Dialogs().Clear();
    screen.datEmployers.Recordset()->MoveNext(); // past the end: no current row
    ASSERT_TRUE(screen.datEmployers.Recordset()->Eof());

    Dialogs().AnswerInputBox("acm");
    Click(screen.cmdFind);
    EXPECT_EQ(Dialogs().Boxes().size(), 1u) << Prompts();
    EXPECT_EQ(screen.txtEmployerNo.Text(), "7");
}

} // namespace
