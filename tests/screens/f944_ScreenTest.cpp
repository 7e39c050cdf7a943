// The Form 944 screen inside the shared frame: the columns its months and
// lines are stored in, and Delete then Add. The frame's other record
// buttons are checked through the Form 941 screen's scenario.
#include "returns_ScreenFolder.h"

namespace {

class F944Screen : public Form944Folder {};

TEST_F(F944Screen, MonthsAndLinesLandInTheColumnsTheAnnualReturnUses) {
    frmDet944Covid& form = StartNewReturn();
    const std::array<forms::CurrencyField*, 12> months = form.MonthFields();
    for (int m = 0; m < 12; ++m) months[m]->SetText(std::to_string(m + 1));
    form.fpCurrency18.SetText("30");
    form.fpLongInteger2.SetText("3");
    form.fpLine13b.SetText("7");
    form.fpCurrency16.SetText("25");
    Dialogs().AnswerMsgBox(forms::vbOK); // the months do not add up to line 9, and Save says so
    SaveWithOk(form);

    EXPECT_EQ(StoredRows("L_20_A, L_20_B, L_20_C, L6c_ExemptWages, L_9B, L_9C, L25, L12d_ExemptWages, L12e, L_17, "
                         "L_18, L24"),
              "1.0|2.0|3.0|4.0|5.0|6.0|7.0|8.0|9.0|10.0|11.0|12.0");
    EXPECT_EQ(StoredRows("L11g, L12bCobraIndividuals, L13b, L13H"), "30.0|3|7.0|25.0");
}

TEST_F(F944Screen, DeletingTheRowThenAddStartsItAgain) {
    AddAnnualRow("L_2 = 1000");
    frmDet944Covid& form = Open944();
    Dialogs().AnswerMsgBox(forms::vbOK);
    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::Click(form.cmdDeleteRecord);
    EXPECT_EQ(Dialogs().LastBox().prompt,
              "There are no more records for this employer for this quarter. Click on Add Record or Close.");
    EXPECT_EQ(RecordButtons(form), "100010");
    EXPECT_EQ(StoredRows(), "");

    forms::user::Click(form.cmdAddNew);
    EXPECT_EQ(form.txtEmployerNo.Text(), "17");
    EXPECT_EQ(form.mskQtr_yr.Text(), "622");
    EXPECT_EQ(RecordButtons(form), "001010");
    EXPECT_EQ(FocusName(form), "fpLine2");
    SaveWithOk(form);
    EXPECT_EQ(StoredRows(), "17|622");
}

} // namespace
