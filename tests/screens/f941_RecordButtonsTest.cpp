// Add, Edit, Save, Delete and Close of the Form 941 screen, with their
// prompts, reports and the buttons each leaves enabled.
#include "employers_OtherCopy.h"
#include "returns_ScreenFolder.h"

namespace {

class F941RecordButtons : public Form941Folder {};

TEST_F(F941RecordButtons, AddOpensTheEntryFieldsAndClearsTheSlots) {
    frmDet941Covid0621& form = AddFirstQuarter();

    EXPECT_EQ(RecordButtons(form), "001010");
    EXPECT_EQ(FocusName(form), "mskNo_Employee");
    EXPECT_EQ(form.EditMode, 0);
    EXPECT_EQ(form.MaskEdBox2.Text(), "0");
    for (forms::Control* field : form.FieldsClosedWithoutRow()) EXPECT_TRUE(field->Enabled()) << field->Name();
    EXPECT_TRUE(form.fpLine12.Enabled());
    for (int slot = 1; slot < LineAmtSlots::kSlots; ++slot) EXPECT_TRUE(form.LineAmt.IsSet(slot)) << slot;
    EXPECT_FALSE(form.LineAmt.IsSet(0));
}

TEST_F(F941RecordButtons, SaveOkStoresTheAddedRowAndShowsIt) {
    frmDet941Covid0621& form = AddFirstQuarter();
    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::Click(form.cmdSaveRecord);

    EXPECT_EQ(Dialogs().LastBox().prompt, "Save this Record?");
    EXPECT_EQ(Dialogs().LastBox().style, 1);
    EXPECT_EQ(Dialogs().LastBox().title, "Save Record");
    EXPECT_EQ(StoredRows(), "17|122");
    EXPECT_EQ(form.mskQtr_yr.Text(), "122");
    EXPECT_EQ(RecordButtons(form), "010111");
    EXPECT_EQ(FocusName(form), "cmdClose");
}

TEST_F(F941RecordButtons, EditThenSaveCancelLeavesTheRowUnchanged) {
    AddReturnRow("122", "L_2 = 1000");
    frmDet941Covid0621& form = OpenPeriod(&frmEmployersDE::cmdQtr1);
    form.SSTab1.SetTab(2);
    forms::user::Click(form.cmdEditRecord);
    EXPECT_EQ(RecordButtons(form), "001000");
    EXPECT_EQ(form.SSTab1.Tab(), 0);
    EXPECT_EQ(FocusName(form), "fpLine2");
    EXPECT_EQ(form.EditMode, -1);

    Enter(form.fpLine2, "5000");
    Dialogs().AnswerMsgBox(forms::vbCancel);
    forms::user::Click(form.cmdSaveRecord);

    EXPECT_EQ(StoredRows("L_2, L_6A"), "1000.0|NULL");
    EXPECT_EQ(form.fpLine2.Text(), "1000");
    EXPECT_EQ(RecordButtons(form), "010111");
    EXPECT_EQ(form.EditMode, -1);
}

TEST_F(F941RecordButtons, EditThenSaveOkUpdatesTheShownRow) {
    AddReturnRow("122", "L_2 = 1000");
    frmDet941Covid0621& form = OpenPeriod(&frmEmployersDE::cmdQtr1);
    forms::user::Click(form.cmdEditRecord);
    Enter(form.fpLine2, "5000");
    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::Click(form.cmdSaveRecord);

    EXPECT_EQ(StoredRows("L_2, L_6A, L_6B"), "5000.0|5000.0|620.0");
    EXPECT_EQ(form.fpLine2.Text(), "5000");
}

TEST_F(F941RecordButtons, CancelledAddOnAnEmptyPeriodLeavesEditToReportNoRow) {
    frmDet941Covid0621& form = AddFirstQuarter();
    Dialogs().AnswerMsgBox(forms::vbCancel);
    forms::user::Click(form.cmdSaveRecord);
    EXPECT_EQ(StoredRows(), "");
    EXPECT_EQ(RecordButtons(form), "010111");

    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::Click(form.cmdEditRecord);
    EXPECT_EQ(Dialogs().LastBox().prompt,
              "There is no 941 Dollar record for this Employer. Please Add Record before trying to edit it.");
    EXPECT_EQ(Dialogs().LastBox().title, "Edit Record");
    EXPECT_EQ(Dialogs().LastBox().style, 0);
    EXPECT_EQ(RecordButtons(form), "000011");
    EXPECT_EQ(FocusName(form), "cmdClose");
}

TEST_F(F941RecordButtons, DeletingTheOnlyRowReportsNoMoreRecords) {
    AddReturnRow("222");
    frmDet941Covid0621& form = OpenPeriod(&frmEmployersDE::cmdQtr2);
    Dialogs().AnswerMsgBox(forms::vbOK);
    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::Click(form.cmdDeleteRecord);

    ASSERT_EQ(Dialogs().Boxes().size(), 2u);
    EXPECT_EQ(Dialogs().Boxes()[0].prompt, "Are you sure that you want to delete this record?");
    EXPECT_EQ(Dialogs().Boxes()[0].style, 1);
    EXPECT_EQ(Dialogs().Boxes()[0].title, "Delete Record");
    EXPECT_EQ(Dialogs().Boxes()[1].prompt,
              "There are no more records for this employer for this quarter. Click on Add Record or Close.");
    EXPECT_EQ(Dialogs().Boxes()[1].title, "Delete Record");
    EXPECT_EQ(StoredRows(), "");
    EXPECT_EQ(RecordButtons(form), "100010");
    EXPECT_EQ(FocusName(form), "cmdClose");
}

TEST_F(F941RecordButtons, DeleteAnsweredCancelChangesNothing) {
    AddReturnRow("222");
    frmDet941Covid0621& form = OpenPeriod(&frmEmployersDE::cmdQtr2);
    forms::user::FocusByMouse(form.fpLine3);
    Dialogs().AnswerMsgBox(forms::vbCancel);
    forms::user::Click(form.cmdDeleteRecord);

    EXPECT_EQ(StoredRows(), "17|222");
    EXPECT_EQ(RecordButtons(form), "010111");
}

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
    EXPECT_EQ(form.EditMode, 0);
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

    // Saving again, now that nothing stands in the way, stores the change.
    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::Click(form.cmdSaveRecord);
    EXPECT_EQ(StoredRows("L_2"), "7000.0");
}

TEST_F(F941RecordButtons, CloseWhileAddingOrEditingStoresNothing) {
    frmDet941Covid0621& adding = AddFirstQuarter();
    Enter(adding.fpLine2, "1000");
    forms::user::Click(adding.cmdClose);
    EXPECT_EQ(StoredRows(), "");
    EXPECT_TRUE(forms::Screen<frmEmployersDE>().Visible());
    EXPECT_FALSE(forms::Screen<frmDet941Covid0621>().IsLoaded());

    AddReturnRow("122", "L_2 = 1000");
    frmDet941Covid0621& editing = OpenPeriod(&frmEmployersDE::cmdQtr1);
    forms::user::Click(editing.cmdEditRecord);
    Enter(editing.fpLine2, "9999");
    // Close is off while editing; the window's close box is the way out.
    EXPECT_FALSE(editing.cmdClose.Enabled());
    forms::user::CloseWindow(editing);
    EXPECT_EQ(StoredRows("L_2"), "1000.0");
}

TEST_F(F941RecordButtons, PagerMovesBetweenThePages) {
    AddReturnRow("122");
    frmDet941Covid0621& form = OpenPeriod(&frmEmployersDE::cmdQtr1);
    forms::user::Click(form.Command2);
    EXPECT_EQ(form.SSTab1.Tab(), 1);
    EXPECT_EQ(FocusName(form), "fpLine13a");
    forms::user::Click(form.Command4);
    EXPECT_EQ(form.SSTab1.Tab(), 2);
    EXPECT_EQ(FocusName(form), "fpLine19");
    forms::user::Click(form.Command6);
    EXPECT_EQ(form.SSTab1.Tab(), 1);
    forms::user::Click(form.Command5);
    EXPECT_EQ(form.SSTab1.Tab(), 0);
    EXPECT_EQ(form.Command2.Caption(), "Next -->");
    EXPECT_EQ(form.Command5.Caption(), "<-- Prior");
}

TEST_F(F941RecordButtons, CheckBoxesMoveOnWithEnterOnly) {
    frmDet941Covid0621& form = AddFirstQuarter();
    struct Move {
        forms::CheckBox* box;
        const char* target;
    };
    const Move moves[] = {
        {&form.Check2, "fpLine2"}, {&form.Check6, "Check5"},     {&form.Check5, "Command4"},
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
