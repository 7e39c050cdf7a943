// Another copy restores a backup under which employer 17's number names
// another employer, or deletes employer 17, while this copy's return screen
// shows employer 17's return: Edit, Delete and the Save of an Edit are
// refused, and the other employer's return keeps what it holds; the arrows
// and the reads after a stored Save or Delete show none of its figures. The
// same employer imported in other shapes lets them go on.
#include "returns_ScreenFolder.h"
#include "support/StatementStarts.h"

#include "returns/f941_2020/frmDet941Covid.h"
#include "returns/f941_early/frmDet941.h"
#include "returns/f944_early/frmdet944.h"

namespace {

struct ReturnScreenKind {
    const char* name;
    const char* table;
    const char* period; // the row's period; nullptr for the early Form 944's rows, which have none
    const char* column; // a figure the test types, which no check at Save weighs
    const char* openTitle; // of the box that refuses to open another employer's rows
    ReturnScreen& (*open)(frmEmployersDE& employers, forms::ScriptedDialogs& dialogs);
};

// clang-format off
const ReturnScreenKind kScreens[] = {
    {"Form941", "DET941", "122", "L_2", "Form 941 Data Entry", [](frmEmployersDE& e, forms::ScriptedDialogs&) -> ReturnScreen& {
         forms::user::Click(e.cmdQtr1);
         return forms::Screen<frmDet941Covid0621>(); }},
    {"Form944", "DET941", "622", "L_2", "Form 944 Data Entry", [](frmEmployersDE& e, forms::ScriptedDialogs& d) -> ReturnScreen& {
         d.AnswerMsgBox(forms::vbOK); // the caution
         forms::user::Click(e.cmd944);
         return forms::Screen<frmDet944Covid>(); }},
    {"Form941Of2020", "DET941", "320", "L_2", "Form 941- Data Entry", [](frmEmployersDE& e, forms::ScriptedDialogs&) -> ReturnScreen& {
         e.txtQtr_Yr.SetText("320");
         forms::Screen<frmDet941Covid>().Show();
         return forms::Screen<frmDet941Covid>(); }},
    {"EarlyForm941", "DET941", "221", "L_2", "Form 941 - Data Entry", [](frmEmployersDE& e, forms::ScriptedDialogs&) -> ReturnScreen& {
         e.txtQtr_Yr.SetText("221");
         forms::Screen<frmDet941>().Show();
         return forms::Screen<frmDet941>(); }},
    {"EarlyForm944", "Det944", nullptr, "L_10", "Form 944 Data Entry", [](frmEmployersDE&, forms::ScriptedDialogs&) -> ReturnScreen& {
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

// The field bound to a column on the screen, and what it shows.
forms::Control& FieldOf(ReturnScreen& form, const std::string& column) {
    for (forms::Control* control : form.Controls())
        if (auto* bound = dynamic_cast<forms::Bound*>(control); bound && bound->DataField() == column) return *control;
    throw std::logic_error("no such field");
}
std::string Shown(forms::Control& field) { return data::ToText(dynamic_cast<forms::Bound&>(field).BoundValue()); }

void PrintTo(const ReturnScreenKind& kind, std::ostream* out) { *out << kind.name; }
void PrintTo(const OtherCopysChange& change, std::ostream* out) { *out << change.name; }

enum class Action { Edit, Delete, SaveOfEdit };
const Action kActions[] = {Action::Edit, Action::Delete, Action::SaveOfEdit};
const char* NameOf(Action action) {
    return action == Action::Edit ? "Edit" : action == Action::Delete ? "Delete" : "SaveOfEdit";
}

// Employer 17's return row on the screen's table, holding 100 in its figure.
class ReturnRowFolder : public Form941Folder {
protected:
    void AddRowHolding100(const ReturnScreenKind& kind) {
        const std::string figure = std::string(kind.column) + " = 100";
        if (kind.period) AddReturnRow(kind.period, figure);
        else Sql(MainPath(), "INSERT INTO Det944 (EmployerNo) VALUES (17); UPDATE Det944 SET " + figure);
    }
};

class ReturnOfAReplacedEmployer
    : public ReturnRowFolder,
      public ::testing::WithParamInterface<std::tuple<ReturnScreenKind, OtherCopysChange, Action>> {
protected:
    void SetUp() override {
        Form941Folder::SetUp();
        const ReturnScreenKind& kind = std::get<0>(GetParam());
        AddRowHolding100(kind);
    }

    std::string Figure() const {
        const ReturnScreenKind& kind = std::get<0>(GetParam());
        return Query(MainPath(), std::string("SELECT ") + kind.column + " FROM " + kind.table);
    }

    // The field of the figure's column on the screen.
    forms::Control& FigureField(ReturnScreen& form) const { return FieldOf(form, std::get<0>(GetParam()).column); }
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

    forms::user::Click(action == Action::Edit     ? form.cmdEditRecord
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

namespace {

// A read of the rows that follows a click: the arrows read at once; after an
// addition's Save and a Delete the other copy acts between the write's commit
// and the read that follows it.
enum class Read { FirstArrow, AfterSaveOfAddition, AfterDelete, AfterCancelOfAddition };
const char* NameOf(Read read) {
    switch (read) {
    case Read::FirstArrow: return "FirstArrow";
    case Read::AfterSaveOfAddition: return "AfterSaveOfAddition";
    case Read::AfterDelete: return "AfterDelete";
    default: return "AfterCancelOfAddition";
    }
}
bool Adds(Read read) { return read == Read::AfterSaveOfAddition || read == Read::AfterCancelOfAddition; }

class ReadOfAReplacedEmployersRows
    : public ReturnRowFolder,
      public ::testing::WithParamInterface<std::tuple<ReturnScreenKind, OtherCopysChange, Read>> {
protected:
    void SetUp() override {
        Form941Folder::SetUp();
        const auto& [kind, change, read] = GetParam();
        if (Adds(read)) return;
        AddRowHolding100(kind);
    }

    // What the other copy does: the change, then employer 17's number holds a
    // return row with 5 in the figure's column.
    std::string OtherCopysSql() const {
        const auto& [kind, change, read] = GetParam();
        const std::string row = kind.period ? std::string("INSERT INTO DET941 (EmployerNo, Qtr_Yr) SELECT 17, '") +
                                                  kind.period + "' WHERE NOT EXISTS (SELECT 1 FROM DET941)"
                                            : "INSERT INTO Det944 (EmployerNo) SELECT 17 WHERE NOT EXISTS "
                                              "(SELECT 1 FROM Det944)";
        return change.sql + std::string("; ") + row + "; UPDATE " + kind.table + " SET " + kind.column + " = 5";
    }

    forms::Control& FigureField(ReturnScreen& form) const { return FieldOf(form, std::get<0>(GetParam()).column); }
};

} // namespace

TEST_P(ReadOfAReplacedEmployersRows, ShowsOnlyRowsOfTheEmployerTheScreenShows) {
    const auto& [kind, change, read] = GetParam();
    bool armed = false;
    // Opened before the screen's connection, so that it watches it.
    WhenStatementsStart betweenWriteAndRead(MainPath(), "BEGIN DEFERRED", [&] {
        if (!std::exchange(armed, false)) return;
        Sql(MainPath(), OtherCopysSql());
    });
    const bool annual = kind.period && std::string(kind.period) == "622";
    ReturnScreen* opened = nullptr;
    if (Adds(read) && annual) {
        // The caution, then the question that starts the year's row.
        for (int answer : {forms::vbOK, forms::vbYes}) Dialogs().AnswerMsgBox(answer);
        forms::user::Click(EmployerScreen().cmd944);
        opened = &forms::Screen<frmDet944Covid>();
    } else {
        if (Adds(read) && kind.period == std::string("122")) Dialogs().AnswerMsgBox(forms::vbOK); // no row yet
        opened = &kind.open(EmployerScreen(), Dialogs());
    }
    ReturnScreen& form = *opened;
    forms::Control& figure = FigureField(form);
    if (Adds(read)) {
        if (!form.ChangePending()) forms::user::Click(form.cmdAddNew);
        forms::user::TypeText(figure, "7777");
    }
    Dialogs().Clear();
    const std::string before = ScreenAsShown(form);
    if (read != Read::FirstArrow)
        Dialogs().AnswerMsgBox(read == Read::AfterCancelOfAddition ? forms::vbCancel : forms::vbOK);
    if (change.refusal) Dialogs().AnswerMsgBox(forms::vbOK);

    switch (read) {
    case Read::FirstArrow:
        Sql(MainPath(), OtherCopysSql());
        form.datDollars.UserMove(data::DataControl::Arrow::First);
        break;
    case Read::AfterCancelOfAddition:
        Sql(MainPath(), OtherCopysSql());
        forms::user::Click(form.cmdSaveRecord);
        break;
    default:
        armed = true;
        forms::user::Click(read == Read::AfterDelete ? form.cmdDeleteRecord : form.cmdSaveRecord);
        EXPECT_FALSE(armed) << "the other copy did not act";
        break;
    }

    if (!change.refusal) {
        EXPECT_EQ(Dialogs().Boxes().size(), read == Read::FirstArrow ? 0u : 1u) << Prompts(); // the question
        if (read != Read::AfterCancelOfAddition) {
            EXPECT_EQ(Shown(figure), "5");
        }
        EXPECT_FALSE(form.ChangePending());
        return;
    }
    ASSERT_FALSE(Dialogs().Boxes().empty());
    const auto& box = Dialogs().LastBox();
    EXPECT_EQ(box.prompt, change.refusal);
    EXPECT_EQ(box.style, 48);
    if (read == Read::FirstArrow) {
        EXPECT_EQ(box.title, kind.period && !annual ? "Form 941 Data Entry" : "Form 944 Data Entry");
        EXPECT_EQ(ScreenAsShown(form), before); // nothing read
        return;
    }
    EXPECT_EQ(box.title, read == Read::AfterDelete ? "Delete Record" : "Save Record");
    EXPECT_EQ(Shown(figure), "");
    EXPECT_EQ(Enabled({&form.cmdAddNew, &form.cmdEditRecord, &form.cmdSaveRecord, &form.cmdDeleteRecord, &form.cmdClose,
                       &form.datDollars}),
              "000010");
    EXPECT_EQ(FocusName(form), "cmdClose");
    EXPECT_FALSE(form.ChangePending());
    const std::string name = form.Name();
    forms::user::Click(form.cmdClose);
    EXPECT_FALSE(FormLoaded(name));
}

INSTANTIATE_TEST_SUITE_P(TwoCopies, ReadOfAReplacedEmployersRows,
                         ::testing::Combine(::testing::ValuesIn(kScreens), ::testing::ValuesIn(kChanges),
                                            ::testing::Values(Read::FirstArrow, Read::AfterDelete)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + NameOf(std::get<2>(info.param)) +
                                    "After" + std::get<1>(info.param).name;
                         });
// The earlier Form 944 adds no rows.
INSTANTIATE_TEST_SUITE_P(TwoCopiesAdding, ReadOfAReplacedEmployersRows,
                         ::testing::Combine(::testing::ValuesIn(std::span(kScreens).first(4)),
                                            ::testing::ValuesIn(kChanges),
                                            ::testing::Values(Read::AfterSaveOfAddition, Read::AfterCancelOfAddition)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + NameOf(std::get<2>(info.param)) +
                                    "After" + std::get<1>(info.param).name;
                         });

namespace {

// What the other copy leaves between an addition's commit and the move to it
// while employer 17 stays the employer shown.
struct AfterTheCommit {
    const char* name;
    const char* sql;
    const char* box;     // the start of the box after Save's question; nullptr: none
    const char* buttons; // Add Edit Save Delete Close datDollars
    const char* focus;
};
// clang-format off
const AfterTheCommit kAfterTheCommit[] = {
    {"RowGone",    "DELETE FROM DET941",               nullptr,                                                          "100010", "cmdAddNew"},
    {"Unreadable", "ALTER TABLE DET941 RENAME TO Kept", "The record was saved but could not be shown again. Error number ", "010111", "cmdClose"},
};
// clang-format on
void PrintTo(const AfterTheCommit& after, std::ostream* out) { *out << after.name; }

class SaveOfAnAddition : public Form941Folder, public ::testing::WithParamInterface<AfterTheCommit> {};

} // namespace

TEST_P(SaveOfAnAddition, ThatStoredIsNeverReportedAsFailed) {
    const AfterTheCommit& after = GetParam();
    bool armed = false;
    WhenStatementsStart betweenWriteAndRead(MainPath(), "BEGIN DEFERRED", [&] {
        if (std::exchange(armed, false)) Sql(MainPath(), after.sql);
    });
    frmDet941Covid0621& form = AddFirstQuarter();
    forms::user::TypeText(form.fpLine2, "7777");
    Dialogs().Clear();
    if (after.box) Dialogs().AnswerMsgBox(forms::vbOK);
    armed = true;

    SaveWithOk(form);

    ASSERT_FALSE(armed) << "the other copy did not act";
    ASSERT_EQ(Dialogs().Boxes().size(), after.box ? 2u : 1u) << Prompts();
    if (after.box) {
        EXPECT_TRUE(Dialogs().LastBox().prompt.starts_with(after.box)) << Prompts();
        EXPECT_EQ(Dialogs().LastBox().style, 48);
        EXPECT_EQ(Dialogs().LastBox().title, "Save Record");
        EXPECT_EQ(Query(MainPath(), "SELECT L_2 FROM Kept"), "7777.0");
    }
    EXPECT_FALSE(form.ChangePending());
    EXPECT_EQ(RecordButtons(form), after.buttons);
    EXPECT_EQ(FocusName(form), after.focus);
}

INSTANTIATE_TEST_SUITE_P(TwoCopies, SaveOfAnAddition, ::testing::ValuesIn(kAfterTheCommit),
                         [](const auto& info) { return std::string(info.param.name); });

namespace {

// The hand-over's first read, with the other copy acting just before it.
class HandOverOfAReplacedEmployer
    : public ReturnRowFolder,
      public ::testing::WithParamInterface<std::tuple<ReturnScreenKind, OtherCopysChange>> {
protected:
    void SetUp() override {
        Form941Folder::SetUp();
        const ReturnScreenKind& kind = std::get<0>(GetParam());
        AddRowHolding100(kind);
    }
};

} // namespace

TEST_P(HandOverOfAReplacedEmployer, OpensOnlyRowsOfTheEmployerHandedOver) {
    const auto& [kind, change] = GetParam();
    bool armed = true;
    WhenStatementsStart beforeTheRead(MainPath(), "BEGIN DEFERRED", [&] {
        if (std::exchange(armed, false))
            Sql(MainPath(), change.sql + std::string("; UPDATE ") + kind.table + " SET " + kind.column + " = 5");
    });
    if (change.refusal) Dialogs().AnswerMsgBox(forms::vbOK);
    const bool byPeriodButton = kind.period && (kind.period == std::string("122") || kind.period == std::string("622"));

    ReturnScreen& form = kind.open(EmployerScreen(), Dialogs());

    ASSERT_FALSE(armed) << "the other copy did not act";
    if (!change.refusal) {
        EXPECT_EQ(Shown(FieldOf(form, kind.column)), "5") << Prompts();
        return;
    }
    const auto& box = Dialogs().LastBox();
    EXPECT_EQ(box.prompt, change.refusal);
    EXPECT_EQ(box.style, 48);
    if (byPeriodButton) {
        EXPECT_EQ(box.title, kind.openTitle);
        EXPECT_FALSE(FormLoaded(form.Name()));
        EXPECT_TRUE(EmployerScreen().Visible());
        return;
    }
    EXPECT_EQ(box.title, kind.openTitle);
    EXPECT_EQ(Shown(FieldOf(form, kind.column)), "");
    EXPECT_EQ(Enabled({&form.cmdAddNew, &form.cmdEditRecord, &form.cmdSaveRecord, &form.cmdDeleteRecord, &form.cmdClose,
                       &form.datDollars}),
              "000010");
}

INSTANTIATE_TEST_SUITE_P(TwoCopies, HandOverOfAReplacedEmployer,
                         ::testing::Combine(::testing::ValuesIn(kScreens), ::testing::ValuesIn(kChanges)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "After" + std::get<1>(info.param).name;
                         });

// A print after another copy's restore prints what the screen shows: the
// employer handed over and its figures, never the other employer's row.
TEST_F(ReturnRowFolder, PrintAfterARefusedArrowPrintsTheEmployerShownWithItsFigures) {
    AddReturnRow("122", "L_2 = 100");
    frmDet941Covid0621& form = OpenPeriod(&frmEmployersDE::cmdQtr1);
    Sql(MainPath(), std::string(kChanges[0].sql) + "; UPDATE DET941 SET L_2 = 5");
    Dialogs().AnswerMsgBox(forms::vbOK);
    form.datDollars.UserMove(data::DataControl::Arrow::First);
    // The return, without the preparer's part.
    for (int answer : {forms::vbYes, forms::vbNo}) Dialogs().AnswerMsgBox(answer);

    forms::user::Click(form.DMWin2);

    const auto documents = printing::PrintLog::Documents();
    ASSERT_FALSE(documents.empty()) << Prompts();
    std::string printed;
    for (const std::string& store : documents.back().trace) printed += store + "\n";
    EXPECT_NE(printed.find("ItemText=\"ACME TOOLS\""), std::string::npos) << printed;
    EXPECT_NE(printed.find("ItemText=\"100.00\""), std::string::npos) << printed;
    EXPECT_EQ(printed.find("BETA"), std::string::npos) << printed;
    EXPECT_EQ(printed.find("ItemText=\"5.00\""), std::string::npos) << printed;
}
