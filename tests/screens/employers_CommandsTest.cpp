// The employer screen's load and its Add and Save where the engine fails or the
// window is measured: what the scenarios in tests/scenarios cannot set up.
#include "employers_ScreenFolder.h"

#include "common/CloseWithPendingChange.h"
#include "platform/data/Recordset.h"
#include "support/FailingDisk.h"
#include "support/FileContent.h"
#include "support/HeldDatabase.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <ostream>

namespace {

using forms::user::Click;

using EmployerLoad = EmployerScreenFolder;
using EmployerSave = EmployerScreenFolder;
using EmployerEditing = EmployerScreenFolder;

TEST_F(EmployerLoad, FillsTheScreenWidthAndNineTenthsOfItsHeight) {
    AddEmployer(7, "ACME TOOLS");
    auto& screen = OpenScreen();
    EXPECT_EQ(screen.Width(), forms::App().ScreenWidth());
    EXPECT_EQ(screen.Height(), static_cast<long>(forms::App().ScreenHeight() * 0.9));
}

// Ways the load finds the rows unreadable; each gives what makes them
// readable again.
struct UnreadableRows {
    const char* name;
    int number;
    std::function<std::function<void()>(const std::string& mainPath)> make;
};

void PrintTo(const UnreadableRows& rows, std::ostream* out) { *out << rows.name; }

// The file's bytes with its header overwritten, as a broken copy leaves it.
std::function<void()> Damage(const std::string& path) {
    auto whole = std::make_shared<std::string>(FileContent(path));
    std::ofstream(path, std::ios::binary | std::ios::in).write("NOT A DATABASE FILE AT ALL", 26);
    return [path, whole] { std::ofstream(path, std::ios::binary | std::ios::trunc) << *whole; };
}

const UnreadableRows kUnreadableRows[] = {
    {"Missing", 3024,
     [](const std::string& path) {
         std::filesystem::rename(path, path + ".away");
         return std::function<void()>([path] { std::filesystem::rename(path + ".away", path); });
     }},
    {"HeldByAnotherCopy", 3262,
     [](const std::string& path) {
         auto held = std::make_shared<HeldDatabase>(path);
         return std::function<void()>([held] { held->Release(); });
     }},
    {"Damaged", 3343, Damage},
    {"OnAFailingDisk", 3043,
     [](const std::string& path) {
         auto disk = std::make_shared<FailingDisk>();
         disk->FailReadsOf(path, EIO);
         return std::function<void()>([disk] { disk->FailReadsOf("", 0); });
     }},
};

class EmployerLoadOfUnreadableRows : public EmployerScreenFolder, public ::testing::WithParamInterface<UnreadableRows> {
protected:
    // The period buttons, Add, Edit, Delete, Find, Print List, Close, Save,
    // data control.
    static std::string AllCommandStates(frmEmployersDE& s) {
        return Enabled({&s.cmdQtr1, &s.cmdQtr2, &s.cmdQtr3, &s.cmdQtr4, &s.cmdQtr5, &s.cmd944}) + " " +
               CommandStates(s);
    }
    // The bound fields that show something or are on.
    static std::string BoundFieldsInUse(frmEmployersDE& s) {
        std::string inUse;
        for (forms::Control* control : s.Controls())
            if (auto* bound = dynamic_cast<forms::Bound*>(control); bound && bound->DataSource() == "datEmployers")
                if (control->Enabled() || !data::IsNull(bound->BoundValue())) inUse += control->Name() + " ";
        return inUse;
    }
};

// The cause is said once; then only Close is offered, and it works. Opened
// again once the rows can be read, the screen works as always.
TEST_P(EmployerLoadOfUnreadableRows, SaysWhyAndOffersOnlyClose) {
    const UnreadableRows& rows = GetParam();
    AddEmployer(7, "ACME TOOLS");
    const std::function<void()> readableAgain = rows.make(MainPath());
    Dialogs().AnswerMsgBox(forms::vbOK);
    auto& screen = OpenScreen();

    ASSERT_EQ(Dialogs().Boxes().size(), 1u);
    const std::string said = "Error = " + std::to_string(rows.number) + " ";
    EXPECT_EQ(Dialogs().LastBox().prompt.rfind(said, 0), 0u) << Dialogs().LastBox().prompt;
    EXPECT_EQ(Dialogs().LastBox().title, " ");
    EXPECT_EQ(AllCommandStates(screen), "000000 00000100");
    EXPECT_EQ(BoundFieldsInUse(screen), "");
    EXPECT_EQ(FocusName(screen), "cmdClose");

    readableAgain();
    Click(screen.cmdClose);
    ASSERT_FALSE(FormLoaded("frmEmployersDE"));
    auto& again = OpenScreen();
    EXPECT_EQ(again.mskEmployerName1.Text(), "ACME TOOLS");
    EXPECT_EQ(AllCommandStates(again), "111111 11111101");
    EXPECT_EQ(Dialogs().Boxes().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Rows, EmployerLoadOfUnreadableRows, ::testing::ValuesIn(kUnreadableRows),
                         [](const auto& info) { return std::string(info.param.name); });

// The listing over the employer screen cannot read the rows either: it says
// why, goes, and the employer screen's Close works again.
TEST_F(EmployerLoad, AListingThatCannotReadItsRowsGoesAndGivesCloseBack) {
    AddEmployer(7, "ACME TOOLS");
    auto& screen = OpenScreen();
    Damage(MainPath());
    Dialogs().AnswerMsgBox(forms::vbOK);
    Click(screen.cmdPrint);

    ASSERT_EQ(Dialogs().Boxes().size(), 1u);
    EXPECT_EQ(Dialogs().LastBox().prompt.rfind("Error = 3343 ", 0), 0u) << Dialogs().LastBox().prompt;
    EXPECT_EQ(Dialogs().LastBox().title, " ");
    EXPECT_FALSE(FormLoaded("frmPrintLists"));
    EXPECT_TRUE(screen.cmdClose.Enabled());
}

// Another program's phones, the country code before the area code, show the
// phone's ten digits; a tax id of as many digits still shows its first nine.
TEST_F(EmployerLoad, APhoneStoredAfterTheCountryCodeShowsItsLastTenDigits) {
    AddEmployer(7, "ACME TOOLS", "1", "10123456789");
    Sql(MainPath(), "UPDATE Employers SET ContactPhone = '1-203-555-9876', ContactFax = '1 (203) 555-1234', "
                    "SignersPhone = '12035554321'");
    auto& screen = OpenScreen();
    EXPECT_EQ(screen.mskContactPhone.DisplayText(), "(203) 555-9876");
    EXPECT_EQ(screen.mskContactFax.Text(), "2035551234");
    EXPECT_EQ(screen.mskSignersPhone.Text(), "2035554321");
    EXPECT_EQ(screen.mskPyr_Taxid.Text(), "101234567");
}

TEST_F(EmployerSave, UnexpectedErrorIsReportedAndTheChangeKept) {
    AddEmployer(7, "ACME TOOLS");
    auto& screen = OpenScreen();
    Click(screen.cmdEditRecord);
    forms::user::TypeText(screen.mskCity, "BOSTON");
    screen.datEmployers.CancelNext(data::RecordsetAction::Update, 3260);
    Dialogs().AnswerMsgBox(forms::vbOK);
    Dialogs().AnswerMsgBox(forms::vbOK);
    Click(screen.cmdSaveRecord);

    EXPECT_EQ(Dialogs().LastBox().prompt.rfind("Error = 3260 ", 0), 0u) << Dialogs().LastBox().prompt;
    EXPECT_EQ(Dialogs().LastBox().title, "Error saving record");
    EXPECT_EQ(Query(MainPath(), "SELECT City FROM Employers"), "HARTFORD");
    EXPECT_EQ(CommandStates(screen), kEntering);
    EXPECT_EQ(screen.mskCity.Text(), "BOSTON");
    EXPECT_FALSE(screen.mskCity.ReadOnly()) << "the kept change can still be corrected";

    // A second Save stores the kept change.
    Dialogs().AnswerMsgBox(forms::vbOK);
    Click(screen.cmdSaveRecord);
    EXPECT_EQ(Query(MainPath(), "SELECT City FROM Employers"), "BOSTON");
    EXPECT_EQ(CommandStates(screen), kBrowsing);
}

// A row from outside (last year's file, a backup made elsewhere, another
// tool) holds what the screen's fields cannot hold as it stands: a name longer
// than the field, a ZIP+4 in the ZIP Code's column, a state spelt out, an
// establishment number of five places, phones with their literals and the
// country code, the tax id with its hyphen, a type and a kind with a blank or
// in lower case. The type and kind show as the employer's key reads them, and
// an Edit's Save stores only the column whose field was typed in.
struct RowFromOutside {
    const char* idType;
    const char* taxId;
    const char* kind;
    const char* typeAndKindShown;
    const char* typedCity; // "": nothing typed before Save
};

void PrintTo(const RowFromOutside& row, std::ostream* os) {
    *os << '"' << row.idType << "\" / \"" << row.taxId << "\" / \"" << row.kind << "\", city typed \"" << row.typedCity
        << '"';
}

class EmployerEditSave : public EmployerScreenFolder, public ::testing::WithParamInterface<RowFromOutside> {};

TEST_P(EmployerEditSave, StoresOnlyWhatWasTyped) {
    const RowFromOutside& row = GetParam();
    AddEmployer(7, "CONNECTICUT VALLEY PRECISION TOOLS CO", row.idType, row.taxId, row.kind);
    Sql(MainPath(), "UPDATE Employers SET EmployerZipCode = '06101-1234', State = 'Conn', EstabNo = '12345', "
                    "ContactPhone = '1-203-555-9876', ContactFax = '203.555.1234', SignersPhone = '(203)555-4321'");
    const std::string columns = "EmployerName1, IdType, Pyr_Taxid, TypePayer, State, EmployerZipCode, EstabNo, "
                                "ContactPhone, ContactFax, SignersPhone";
    const std::string stored = Query(MainPath(), "SELECT " + columns + " FROM Employers");
    auto& screen = OpenScreen();
    Click(screen.cmdEditRecord);
    EXPECT_EQ(screen.mskIdType.Text() + screen.mskTypePayer.Text(), row.typeAndKindShown);
    if (*row.typedCity) forms::user::TypeText(screen.mskCity, row.typedCity);
    Dialogs().AnswerMsgBox(forms::vbOK);
    Click(screen.cmdSaveRecord);

    EXPECT_EQ(Query(MainPath(), "SELECT " + columns + ", City FROM Employers"),
              stored + "|" + (*row.typedCity ? row.typedCity : "HARTFORD"));
}

INSTANTIATE_TEST_SUITE_P(, EmployerEditSave,
                         ::testing::Values(RowFromOutside{"1", "06-1234567", "r", "1R", ""},
                                           RowFromOutside{"1", "06-1234567", "r", "1R", "BOSTON"},
                                           RowFromOutside{" 1", "06 1234567", " r", "1R", ""},
                                           RowFromOutside{"2", "123-45-6789", "R", "2R", ""},
                                           RowFromOutside{"1.0", "06-1234567", " R", "1R", "BOSTON"}));

// An Edit is refused as a duplicate when it gives the employer the key of
// another, whatever shape that one is stored in (last year's files keep a
// hyphen, a blank before the type, a kind in lower case); two employers
// stored under one key in two shapes before still take an edit of either.
struct EmployerEdit {
    const char* what;
    const char* edited[3]; // employer 7: tax id type, tax id, kind
    const char* other[3];  // employer 8
    const char* field;
    const char* typed;
    const char* stored; // employer 7's tax id, kind and city afterwards
    bool refused;
};
void PrintTo(const EmployerEdit& edit, std::ostream* out) { *out << edit.what; }

class EmployerEditOfTheKey : public EmployerScreenFolder, public ::testing::WithParamInterface<EmployerEdit> {};

TEST_P(EmployerEditOfTheKey, IsRefusedOnlyWhenItGivesTheEmployerAnotherEmployersKey) {
    const EmployerEdit& edit = GetParam();
    AddEmployer(7, "ACME TOOLS", edit.edited[0], edit.edited[1], edit.edited[2]);
    AddEmployer(8, "OLD FILES INC", edit.other[0], edit.other[1], edit.other[2]);
    auto& screen = OpenScreen();
    Click(screen.cmdEditRecord);
    forms::user::TypeText(*screen.ControlByName(edit.field), edit.typed);
    Dialogs().AnswerMsgBox(forms::vbOK);
    if (edit.refused) Dialogs().AnswerMsgBox(forms::vbOK);
    Click(screen.cmdSaveRecord);

    const std::string duplicate = " | Duplicate records are not allowed! Please check your data for conflicts - "
                                  "especially the Tax Id Type, ID #, and Kind of Employer.";
    EXPECT_EQ(Prompts(), "Save this Record?" + (edit.refused ? duplicate : ""));
    EXPECT_EQ(Query(MainPath(), "SELECT Pyr_Taxid, TypePayer, City FROM Employers WHERE EmployerNo = 7"), edit.stored);
    EXPECT_EQ(CommandStates(screen), kBrowsing);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(EmployerSave, EmployerEditOfTheKey, ::testing::Values(
    EmployerEdit{"CityOfOneOfTwoStoredUnderOneKey", {"1", "061234567", "R"},  {" 1", "06-1234567", "r"},
                 "mskCity", "BOSTON",          "061234567|R|BOSTON",    false},
    EmployerEdit{"TaxIdOntoAnotherShape",           {"1", "071234567", "R"},  {" 1", "06-1234567", "r"},
                 "mskPyr_Taxid", "061234567",  "071234567|R|HARTFORD",  true},
    EmployerEdit{"KindOntoAnotherShape",            {"1", "061234567", "H"},  {"1", "06 1234567", "r"},
                 "mskTypePayer", "R",          "061234567|H|HARTFORD",  true}),
    [](const ::testing::TestParamInfo<EmployerEdit>& info) { return info.param.what; });
// clang-format on

TEST_F(EmployerEditing, CancelledAddIsReportedAndTheScreenBrowses) {
    AddEmployer(7, "ACME TOOLS");
    auto& screen = OpenScreen();
    screen.datEmployers.CancelNext(data::RecordsetAction::AddNew, 3426);
    Dialogs().AnswerMsgBox(forms::vbOK);
    Click(screen.cmdAddRecord);

    EXPECT_EQ(Dialogs().LastBox().prompt,
              "Error number, 3426 has occurred. The attempt to add a record is being cancelled. Please try again "
              "to add a record. If you need to edit existing data, be certain to click on Edit before attempting "
              "to change information.");
    EXPECT_EQ(Dialogs().LastBox().title, "Add Record Error");
    EXPECT_EQ(Dialogs().LastBox().style, 48);
    EXPECT_EQ(CommandStates(screen), kBrowsing);
    EXPECT_TRUE(screen.mskEmployerName1.ReadOnly());
}

TEST_F(EmployerEditing, TheCloseQuestionsNoDropsTheEditAndLeavesTheFieldsReadOnly) {
    AddEmployer(7, "ACME TOOLS");
    auto& screen = OpenScreen();
    Click(screen.cmdEditRecord);
    forms::user::TypeText(screen.mskCity, "BOSTON");
    Dialogs().AnswerMsgBox(forms::vbNo);
    EXPECT_TRUE(MayCloseWithPendingChange(screen.datEmployers, [] { return false; }));
    EXPECT_EQ(screen.mskCity.Text(), "HARTFORD");
    EXPECT_TRUE(screen.mskCity.ReadOnly());
}

TEST_F(EmployerEditing, BackgroundClickChangesNothing) {
    AddEmployer(7, "ACME TOOLS");
    auto& screen = OpenScreen();
    const int loaded = forms::App().Count();
    forms::user::ClickForm(screen);
    EXPECT_EQ(forms::App().Count(), loaded);
    EXPECT_EQ(CommandStates(screen), kBrowsing);
    EXPECT_TRUE(Dialogs().Boxes().empty());
}

} // namespace
