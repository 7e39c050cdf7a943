// The Form 941 screen's record buttons where another copy holds the row or
// the engine fails, and the Enter moves of the check boxes.
#include "employers_OtherCopy.h"
#include "returns_ScreenFolder.h"

namespace {

class F941RecordButtons : public Form941Folder {};

TEST_F(F941RecordButtons, EditOfARowAnotherCopyHoldsIsRefused) {
    AddReturnRow("122", "L_2 = 1000");
    OtherCopy other(MainPath(), "DET941");
    ASSERT_TRUE(other.Holding());
    frmDet941Covid0621& form = OpenPeriod(&frmEmployersDE::cmdQtr1);
    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::Click(form.cmdEditRecord);

    EXPECT_EQ(Dialogs().LastBox().prompt,
              "This record is currently being used by someone else and is not currently available.");
    EXPECT_EQ(Dialogs().LastBox().title, "Edit Record Error");
    EXPECT_EQ(RecordButtons(form), "010111");
}

TEST_F(F941RecordButtons, AddCancelledByTheEngineGoesBackToBrowsing) {
    frmDet941Covid0621& form = OpenPeriod(&frmEmployersDE::cmdQtr1, true);
    form.datDollars.CancelNext(data::RecordsetAction::AddNew, 3426);
    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::Click(form.cmdAddNew);

    EXPECT_EQ(Dialogs().LastBox().prompt,
              "Error number, 3426 has occurred. The attempt to add a record is being cancelled. Please try again "
              "to add a record. If you need to edit existing data, be certain to click on Edit before attempting "
              "to change information.");
    EXPECT_EQ(Dialogs().LastBox().style, 48);
    EXPECT_EQ(Dialogs().LastBox().title, "Add Record Error");
    EXPECT_EQ(RecordButtons(form), "110111");
    EXPECT_TRUE(form.fpLine2.ReadOnly());
}

TEST_F(F941RecordButtons, AnyOtherAddFailureIsReportedNotSwallowed) {
    frmDet941Covid0621& form = OpenPeriod(&frmEmployersDE::cmdQtr1, true);
    form.datDollars.CancelNext(data::RecordsetAction::AddNew, 3027);
    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::Click(form.cmdAddNew);

    EXPECT_EQ(Dialogs().LastBox().title, "Add Record Error");
    EXPECT_EQ(Dialogs().LastBox().prompt.rfind("The record could not be added. Error number 3027: ", 0), 0u);
    EXPECT_EQ(RecordButtons(form), "100010");
}

TEST_F(F941RecordButtons, FailedSaveIsReportedAndKeepsThePendingChange) {
    AddReturnRow("122", "L_2 = 1000");
    frmDet941Covid0621& form = OpenPeriod(&frmEmployersDE::cmdQtr1);
    forms::user::Click(form.cmdEditRecord);
    Enter(form.fpLine2, "7000");
    form.datDollars.CancelNext(data::RecordsetAction::Update, 3260);
    Dialogs().AnswerMsgBox(forms::vbOK);
    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::Click(form.cmdSaveRecord);

    EXPECT_EQ(Dialogs().LastBox().title, "Save Record Error");
    EXPECT_EQ(Dialogs().LastBox().prompt.rfind("The record was not saved. Error number 3260: ", 0), 0u);
    EXPECT_EQ(RecordButtons(form), "001000");
    EXPECT_EQ(form.fpLine2.Text(), "7000");
    EXPECT_FALSE(form.fpLine2.ReadOnly()) << "the kept change can still be corrected";

    // Saving again, now that nothing stands in the way, stores the change.
    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::Click(form.cmdSaveRecord);
    EXPECT_EQ(StoredRows("L_2"), "7000.0");
}

TEST_F(F941RecordButtons, CheckBoxesMoveOnWithEnterOnly) {
    frmDet941Covid0621& form = AddFirstQuarter();
    struct Move {
        forms::CheckBox* box;
        const char* target;
    };
    const Move moves[] = {
        {&form.Check2, "fpLine2"},  {&form.Check6, "Check5"},     {&form.Check5, "Command4"},
        {&form.Check1, "fpLine19"}, {&form.Check8, "MaskEdBox2"},
    };
    for (const Move& m : moves) {
        forms::user::FocusByMouse(*m.box);
        forms::user::PressKey(*m.box, 'x');
        EXPECT_EQ(FocusName(form), m.box->Name());
        forms::user::PressKey(*m.box, forms::vbKeyReturn);
        EXPECT_EQ(FocusName(form), m.target) << m.box->Name();
        EXPECT_EQ(m.box->Value(), 0) << m.box->Name();
    }
}

TEST_F(F941RecordButtons, EnterInLine17GoesOnWhenLine11fIsClosed) {
    AddReturnRow("222");
    frmDet941Covid0621& form = OpenPeriod(&frmEmployersDE::cmdQtr2);
    forms::user::Click(form.cmdEditRecord);
    forms::user::FocusByMouse(form.Check8);
    forms::user::PressKey(form.Check8, forms::vbKeyReturn);
    EXPECT_EQ(FocusName(form), "Command2");
    EXPECT_EQ(form.SSTab1.Tab(), 0);
}

} // namespace
