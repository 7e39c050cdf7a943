// Another copy restores a backup under which employer 17's number names
// another employer, or deletes employer 17, while this copy's return screen
// shows employer 17's return: Edit, Delete and the Save of an Edit are
// refused, and the other employer's return keeps what it holds. The same
// employer imported in other shapes lets them go on.
#include "returns_ScreenFolder.h"

#include "returns/f941_2020/frmDet941Covid.h"
#include "returns/f944_early/frmdet944.h"

namespace {

struct ReturnScreenKind {
    const char* name;
    const char* table;
    const char* period; // the row's period; nullptr for the early Form 944's rows, which have none
    const char* column; // a figure the test types, which no check at Save weighs
    ReturnScreen& (*open)(frmEmployersDE& employers, forms::ScriptedDialogs& dialogs);
};

// clang-format off
const ReturnScreenKind kScreens[] = {
    {"Form941", "DET941", "122", "L_2", [](frmEmployersDE& e, forms::ScriptedDialogs&) -> ReturnScreen& {
         forms::user::Click(e.cmdQtr1);
         return forms::Screen<frmDet941Covid0621>(); }},
    {"Form944", "DET941", "622", "L_2", [](frmEmployersDE& e, forms::ScriptedDialogs& d) -> ReturnScreen& {
         d.AnswerMsgBox(forms::vbOK); // the caution
         forms::user::Click(e.cmd944);
         return forms::Screen<frmDet944Covid>(); }},
    {"Form941Of2020", "DET941", "320", "L_2", [](frmEmployersDE& e, forms::ScriptedDialogs&) -> ReturnScreen& {
         e.txtQtr_Yr.SetText("320");
         forms::Screen<frmDet941Covid>().Show();
         return forms::Screen<frmDet941Covid>(); }},
    {"EarlyForm944", "Det944", nullptr, "L_10", [](frmEmployersDE&, forms::ScriptedDialogs&) -> ReturnScreen& {
         forms::Screen<frmdet944>().Show();
         return forms::Screen<frmdet944>(); }},
};
// clang-format on

struct OtherCopysChange {
    const char* name;
    const char* sql;
    const char* refusal;     // of Edit and Delete; nullptr: every action goes on
    const char* saveRefusal; // of an Edit's Save
};
// clang-format off
const OtherCopysChange kChanges[] = {
    {"Restored", "UPDATE Employers SET EmployerName1 = 'BETA LLC', Pyr_Taxid = '069999999'",
     "This Employer has been changed or replaced by another user.",
     "The record was not saved: its Employer has been changed or replaced by another user."},
    {"Deleted",  "DELETE FROM Employers",
     "This Employer has been deleted by another user.",
     "The record was not saved: its Employer has been deleted by another user."},
    // Last year's file: the same employer renamed, its key in other shapes.
    {"Imported", "UPDATE Employers SET EmployerName1 = 'ACME TOOLS INC', Pyr_Taxid = '06-1234567', TypePayer = 'r'",
     nullptr, nullptr},
};
// clang-format on

void PrintTo(const ReturnScreenKind& kind, std::ostream* out) { *out << kind.name; }
void PrintTo(const OtherCopysChange& change, std::ostream* out) { *out << change.name; }

enum class Action { Edit, Delete, SaveOfEdit };
const Action kActions[] = {Action::Edit, Action::Delete, Action::SaveOfEdit};
const char* NameOf(Action action) {
    return action == Action::Edit ? "Edit" : action == Action::Delete ? "Delete" : "SaveOfEdit";
}

class ReturnOfAReplacedEmployer
    : public Form941Folder,
      public ::testing::WithParamInterface<std::tuple<ReturnScreenKind, OtherCopysChange, Action>> {
protected:
    void SetUp() override {
        Form941Folder::SetUp();
        const ReturnScreenKind& kind = std::get<0>(GetParam());
        const std::string figure = std::string(kind.column) + " = 100";
        if (kind.period) AddReturnRow(kind.period, figure);
        else Sql(MainPath(), "INSERT INTO Det944 (EmployerNo) VALUES (17); UPDATE Det944 SET " + figure);
    }

    std::string Figure() const {
        const ReturnScreenKind& kind = std::get<0>(GetParam());
        return Query(MainPath(), std::string("SELECT ") + kind.column + " FROM " + kind.table);
    }

    // The field of the figure's column on the screen.
    forms::Control& FigureField(ReturnScreen& form) const {
        for (forms::Control* control : form.Controls())
            if (auto* bound = dynamic_cast<forms::Bound*>(control);
                bound && bound->DataField() == std::get<0>(GetParam()).column)
                return *control;
        throw std::logic_error("no such field");
    }
    static std::string Shown(forms::Control& field) { return data::ToText(dynamic_cast<forms::Bound&>(field).BoundValue()); }
    // Add Edit Save Delete Close datDollars, as "1" enabled and "0" disabled.
    static std::string Buttons(ReturnScreen& form) {
        return Enabled({&form.cmdAddNew, &form.cmdEditRecord, &form.cmdSaveRecord, &form.cmdDeleteRecord,
                        &form.cmdClose, &form.datDollars});
    }
};

} // namespace

TEST_P(ReturnOfAReplacedEmployer, ActsOnlyWhileItsNumberNamesTheEmployerTheScreenWasOpenedFor) {
    const auto& [kind, change, action] = GetParam();
    ReturnScreen& form = kind.open(EmployerScreen(), Dialogs());
    forms::Control& line2 = FigureField(form);
    ASSERT_EQ(Shown(line2), "100") << Prompts();
    if (action == Action::SaveOfEdit) {
        forms::user::Click(form.cmdEditRecord);
        forms::user::TypeText(line2, "7777");
    }
    // The other employer's return holds 5 there.
    Sql(MainPath(), change.sql + std::string("; UPDATE ") + kind.table + " SET " + kind.column + " = 5");
    Dialogs().Clear();
    // Delete's or Save's question, and the refusal.
    for (int box = action == Action::Edit ? 1 : 2; box > 0; --box) Dialogs().AnswerMsgBox(forms::vbOK);
    const std::string name = form.Name();
    const std::string buttons = Buttons(form);

    forms::user::Click(action == Action::Edit ? form.cmdEditRecord
                       : action == Action::Delete ? form.cmdDeleteRecord
                                                  : form.cmdSaveRecord);

    if (!change.refusal) {
        const char* left = action == Action::Edit ? "5.0" : action == Action::Delete ? "" : "7777.0";
        EXPECT_EQ(Figure(), left) << Prompts();
        EXPECT_EQ(form.ChangePending(), action == Action::Edit);
        return;
    }
    const auto& box = Dialogs().LastBox();
    EXPECT_EQ(box.style, 48);
    EXPECT_EQ(Figure(), "5.0");
    switch (action) {
    case Action::Edit:
        EXPECT_EQ(Prompts(), change.refusal);
        EXPECT_EQ(box.title, "Edit Record");
        EXPECT_FALSE(form.ChangePending());
        EXPECT_EQ(Shown(line2), "100"); // the figures shown before the click
        EXPECT_EQ(Buttons(form), buttons);
        break;
    case Action::Delete:
        EXPECT_EQ(box.prompt, change.refusal);
        EXPECT_EQ(box.title, "Delete Record");
        break;
    case Action::SaveOfEdit: {
        EXPECT_EQ(box.prompt, change.saveRefusal);
        EXPECT_EQ(box.title, "Save Record Error");
        ASSERT_TRUE(form.ChangePending());
        EXPECT_EQ(FocusName(form), "cmdSaveRecord");
        EXPECT_EQ(Buttons(form), buttons); // as while editing: no Close under the pending edit
        // The edit keeps its row: another copy cannot take it into edit.
        auto other = data::OpenDatabase(MainPath());
        auto rows = other->OpenRecordset(kind.table, data::dbOpenTable);
        rows->MoveFirst();
        try {
            rows->Edit();
            ADD_FAILURE() << "the row was free";
        } catch (const basic::RuntimeError& error) {
            EXPECT_EQ(error.Number(), data::errRecordLocked);
        }
        other->Close();
        // Yes at the close question is refused again; No lets the edit go.
        for (int answer : {forms::vbYes, forms::vbOK, forms::vbNo}) Dialogs().AnswerMsgBox(answer);
        forms::user::CloseWindow(form);
        ASSERT_TRUE(FormLoaded(name));
        EXPECT_EQ(Dialogs().LastBox().prompt, change.saveRefusal);
        EXPECT_EQ(Shown(line2), "7777");
        forms::user::CloseWindow(form);
        EXPECT_FALSE(FormLoaded(name));
        EXPECT_EQ(Figure(), "5.0");
        break;
    }
    }
}

INSTANTIATE_TEST_SUITE_P(TwoCopies, ReturnOfAReplacedEmployer,
                         ::testing::Combine(::testing::ValuesIn(kScreens), ::testing::ValuesIn(kChanges),
                                            ::testing::ValuesIn(kActions)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + NameOf(std::get<2>(info.param)) +
                                    "After" + std::get<1>(info.param).name;
                         });
