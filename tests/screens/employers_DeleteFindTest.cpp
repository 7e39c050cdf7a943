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

// Another tool stored an employer's number with a fraction: it is deleted
// with its return rows as any other, and employer 8's rows stay.
TEST_F(EmployerDelete, ANumberStoredWithAFractionIsDeletedWithItsReturnRows) {
    AddEmployer(85, "ACME TOOLS");
    Sql(MainPath(), "UPDATE Employers SET EmployerNo = 8.5");
    AddEmployer(8, "BAKER BROS");
    Sql(MainPath(), "INSERT INTO DET941 (EmployerNo, Qtr_Yr) VALUES (8.5, '122'), (8.5, '622'), (8, '122'); "
                    "INSERT INTO Det944 (EmployerNo) VALUES (8.5), (8)");
    auto& screen = OpenScreen();
    ASSERT_EQ(screen.mskEmployerName1.Text(), "ACME TOOLS");

    ConfirmTwice(); // and no other box
    Click(screen.cmdDeleteRecord);
    EXPECT_EQ(Query(MainPath(), "SELECT EmployerNo FROM Employers"), "8");
    EXPECT_EQ(Query(MainPath(), "SELECT EmployerNo FROM DET941 UNION ALL SELECT EmployerNo FROM Det944"), "8;8");
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
