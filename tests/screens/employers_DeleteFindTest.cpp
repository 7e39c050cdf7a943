// The employer screen's Delete, with its two questions and the employer's
// return rows, and its Find by the leading letters of the name.
#include "employers_ScreenFolder.h"

#include "platform/data/Engine.h"

namespace {

using forms::user::Click;

const char* const kFirstQuestion =
    "Are you sure that you want to delete this Employer along with any 941 and/or 944 Dollar records?";
const char* const kSecondQuestion =
    "Please reconfirm. Are you ABSOLUTELY SURE that you want to delete this Employer along with any "
    "underlying 941/944 Dollar records?";
const char* const kNoMore = "There are no more Employers. Select Add or Close.";

class EmployerDelete : public EmployerScreenFolder {
protected:
    void AddReturnRows(int employer)
    {
        AddReturnRow(employer, "122");
        AddReturnRow(employer, "622");
        Sql(MainPath(), "INSERT INTO Det944 (EmployerNo) VALUES (" + std::to_string(employer) + ")");
    }
    void ConfirmTwice()
    {
        Dialogs().AnswerMsgBox(forms::vbYes);
        Dialogs().AnswerMsgBox(forms::vbYes);
    }
};

using EmployerFind = EmployerScreenFolder;

TEST_F(EmployerDelete, ConfirmedTwiceRemovesTheEmployerAndItsReturnRows)
{
    AddEmployer(7, "ACME TOOLS");
    AddEmployer(8, "BAKER BROS");
    AddReturnRows(7);
    AddReturnRows(8);
    auto& screen = OpenScreen();
    ConfirmTwice();
    Click(screen.cmdDeleteRecord);

    ASSERT_EQ(Dialogs().Boxes().size(), 2u);
    EXPECT_EQ(Dialogs().Boxes()[0].prompt, kFirstQuestion);
    EXPECT_EQ(Dialogs().Boxes()[1].prompt, kSecondQuestion);
    for (const auto& box : Dialogs().Boxes()) {
        EXPECT_EQ(box.style, 276);
        EXPECT_EQ(box.title, "Delete Record");
    }
    EXPECT_EQ(Query(MainPath(), "SELECT EmployerNo FROM Employers"), "8");
    EXPECT_EQ(Query(MainPath(), "SELECT EmployerNo, Qtr_Yr FROM DET941 ORDER BY Qtr_Yr"), "8|122;8|622");
    EXPECT_EQ(Query(MainPath(), "SELECT EmployerNo FROM Det944"), "8");
    EXPECT_EQ(screen.txtEmployerNo.Text(), "8"); // the next employer is current
}

TEST_F(EmployerDelete, LastEmployerInOrderLeavesTheNewLastCurrent)
{
    AddEmployer(7, "ACME TOOLS");
    AddEmployer(8, "BAKER BROS");
    AddEmployer(9, "CAREY INC");
    auto& screen = OpenScreen();
    screen.datEmployers.UserMove(data::DataControl::Arrow::Last);
    ConfirmTwice();
    Click(screen.cmdDeleteRecord);

    EXPECT_EQ(Dialogs().Boxes().size(), 2u);
    EXPECT_EQ(screen.txtEmployerNo.Text(), "8");
}

TEST_F(EmployerDelete, OnlyEmployerGoesWithOneMessage)
{
    AddEmployer(7, "ACME TOOLS");
    auto& screen = OpenScreen();
    ConfirmTwice();
    Dialogs().AnswerMsgBox(forms::vbOK);
    Click(screen.cmdDeleteRecord);

    EXPECT_EQ(Prompts(), std::string(kFirstQuestion) + " | " + kSecondQuestion + " | " + kNoMore);
    EXPECT_EQ(Dialogs().LastBox().style, 0);
    EXPECT_EQ(Dialogs().LastBox().title, "Delete Record");
    EXPECT_EQ(Query(MainPath(), "SELECT COUNT(*) FROM Employers"), "0");
}

TEST_F(EmployerDelete, EmptyTableSaysNoMoreEmployersOnce)
{
    AddEmployer(7, "ACME TOOLS");
    auto& screen = OpenScreen();
    ConfirmTwice();
    Dialogs().AnswerMsgBox(forms::vbOK);
    Click(screen.cmdDeleteRecord);
    Dialogs().Clear();

    ConfirmTwice();
    Dialogs().AnswerMsgBox(forms::vbOK);
    Click(screen.cmdDeleteRecord);
    EXPECT_EQ(Prompts(), std::string(kFirstQuestion) + " | " + kSecondQuestion + " | " + kNoMore);
}

TEST_F(EmployerDelete, RowHeldByAnotherUserKeepsEverything)
{
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

TEST_F(EmployerFind, LeadingLettersFindTheFirstMatchWhateverTheCase)
{
    AddEmployer(7, "ACME TOOLS");
    AddEmployer(8, "BAKER BROS");
    AddEmployer(9, "BAKERSFIELD SUPPLY");
    auto& screen = OpenScreen();
    Dialogs().AnswerInputBox("baker");
    Click(screen.cmdFind);

    ASSERT_EQ(Dialogs().Boxes().size(), 1u);
    EXPECT_EQ(Dialogs().LastBox().kind, forms::DialogRecord::Kind::Input);
    EXPECT_EQ(Dialogs().LastBox().prompt, "Enter up to 10 letters of the Employer's name:");
    EXPECT_EQ(Dialogs().LastBox().title, "Find an Employer");
    EXPECT_EQ(Dialogs().LastBox().defaultText, "");
    EXPECT_EQ(screen.txtEmployerNo.Text(), "8");
    EXPECT_TRUE(screen.cmdClose.HasFocus());
}

TEST_F(EmployerFind, OnlyTenLettersAndNothingFromTheApostropheOnCount)
{
    AddEmployer(7, "ACME TOOLS");
    AddEmployer(8, "BAKERSFIELD SUPPLY");
    AddEmployer(9, "O BRIEN PLUMBING");
    auto& screen = OpenScreen();
    Dialogs().AnswerInputBox("BAKERSFIELXX"); // twelve letters: the first ten match
    Click(screen.cmdFind);
    EXPECT_EQ(screen.txtEmployerNo.Text(), "8");

    Dialogs().AnswerInputBox("O'NEIL"); // only the "O" before the apostrophe is sought
    Click(screen.cmdFind);
    EXPECT_EQ(screen.txtEmployerNo.Text(), "9");
    EXPECT_EQ(Dialogs().Boxes().size(), 2u) << Prompts();
}

TEST_F(EmployerFind, NoMatchSaysSoAndKeepsThePosition)
{
    AddEmployer(7, "ACME TOOLS");
    AddEmployer(8, "BAKER BROS");
    auto& screen = OpenScreen();
    screen.datEmployers.UserMove(data::DataControl::Arrow::Last);
    Dialogs().AnswerInputBox("ZED");
    Dialogs().AnswerMsgBox(forms::vbOK);
    Click(screen.cmdFind);

    ASSERT_EQ(Dialogs().Boxes().size(), 2u);
    EXPECT_EQ(Dialogs().LastBox().prompt,
              "Can't Find an Employer whose name begins with ZED. Try again with a shorter name.");
    EXPECT_EQ(Dialogs().LastBox().style, 48);
    EXPECT_EQ(Dialogs().LastBox().title, "Find Error");
    EXPECT_EQ(screen.txtEmployerNo.Text(), "8");
    EXPECT_TRUE(screen.cmdFind.HasFocus());
}

TEST_F(EmployerFind, SearchesEvenWithNoCurrentRow)
{
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
