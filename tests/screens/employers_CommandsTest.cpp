// The employer screen's load and its Add, Edit, Save and Close, driven as a
// user drives them.
#include "employers_ScreenFolder.h"

#include "platform/data/Recordset.h"

namespace {

using forms::user::Click;

// Add, Edit, Delete, Find, Print List, Close, Save, data control.
std::string CommandStates(frmEmployersDE& s)
{
    return Enabled({&s.cmdAddRecord, &s.cmdEditRecord, &s.cmdDeleteRecord, &s.cmdFind, &s.cmdPrint, &s.cmdClose,
                    &s.cmdSaveRecord, &s.datEmployers});
}

constexpr const char* kBrowsing = "11111101";
constexpr const char* kEntering = "00000010";

using EmployerLoad = EmployerScreenFolder;
using EmployerSave = EmployerScreenFolder;
using EmployerEditing = EmployerScreenFolder;

TEST_F(EmployerLoad, EmptyTableSaysSoOnceAndOffersOnlyAddAndClose)
{
    Dialogs().AnswerMsgBox(forms::vbOK);
    auto& screen = OpenScreen();

    ASSERT_EQ(Dialogs().Boxes().size(), 1u);
    EXPECT_EQ(Dialogs().LastBox().prompt, "The database is empty! You need to add records. Click on Add or Close.");
    EXPECT_EQ(Dialogs().LastBox().style, 0);
    EXPECT_EQ(Dialogs().LastBox().title, " ");
    EXPECT_EQ(CommandStates(screen), "10000100");
    EXPECT_TRUE(screen.cmdAddRecord.HasFocus());
    EXPECT_EQ(screen.txtQtr_Yr.Text(), "000");
}

TEST_F(EmployerLoad, TableWithRowsShowsTheFirstWithEveryButtonButSave)
{
    AddEmployer(7, "ACME TOOLS");
    AddEmployer(9, "BAKER BROS");
    auto& screen = OpenScreen();

    EXPECT_TRUE(Dialogs().Boxes().empty());
    EXPECT_EQ(screen.txtEmployerNo.Text(), "7");
    EXPECT_EQ(screen.mskEmployerName1.Text(), "ACME TOOLS");
    EXPECT_EQ(CommandStates(screen), kBrowsing);
    EXPECT_EQ(screen.txtQtr_Yr.Text(), "000");
    EXPECT_EQ(screen.Width(), forms::App().ScreenWidth());
    EXPECT_EQ(screen.Height(), static_cast<long>(forms::App().ScreenHeight() * 0.9));
}

TEST_F(EmployerLoad, MissingDatabaseIsReportedWithItsNumber)
{
    std::filesystem::remove(MainPath());
    Dialogs().AnswerMsgBox(forms::vbOK);
    OpenScreen();

    ASSERT_EQ(Dialogs().Boxes().size(), 1u);
    EXPECT_EQ(Dialogs().LastBox().prompt.rfind("Error = 3024 ", 0), 0u) << Dialogs().LastBox().prompt;
    EXPECT_EQ(Dialogs().LastBox().title, " ");
    // Without rows the commands have nothing to work on, and say nothing more.
    auto& screen = forms::Screen<frmEmployersDE>();
    EXPECT_TRUE(screen.Visible());
    Click(screen.cmdAddRecord);
    Click(screen.cmdEditRecord);
    EXPECT_EQ(Dialogs().Boxes().size(), 1u);
}

TEST_F(EmployerLoad, DesignMatchesTheFieldTable)
{
    AddEmployer(7, "ACME TOOLS");
    auto& screen = OpenScreen();
    EXPECT_EQ(screen.Caption(), "Employers");
    EXPECT_EQ(screen.mskEmployerName1.Mask(), ">" + std::string(30, 'C'));
    EXPECT_EQ(screen.mskPyr_Taxid.Mask(), "##-#######");
    EXPECT_EQ(screen.mskContactPhone.Mask(), "(###) ###-####");
    EXPECT_EQ(screen.mskDesigneePIN.Mask(), "99999");
    EXPECT_EQ(screen.mskEmployerZip.MaxLength(), 5);
    EXPECT_EQ(screen.mskIdType.PromptChar(), '_');
    EXPECT_EQ(screen.mskTitleOfSigner.DataField(), "TitleofSigner");
    EXPECT_EQ(screen.cmdEditRecord.Caption(), "&Edit ");
    EXPECT_EQ(screen.cmdPrint.Caption(), "Print &List");
    EXPECT_EQ(screen.cmdDeleteRecord.ToolTipText(),
              "Click to delete the current Employer and all of his underlying dollar records, if any.");
    EXPECT_EQ(screen.cmdQtr5.Caption(), "01/2023");
    EXPECT_EQ(screen.cmd944.Container(), &screen.Frame2);
    EXPECT_EQ(screen.cmdQtr1.Container(), &screen.Frame1);
    EXPECT_EQ(screen.mnuPdPreparer.Caption(), "Paid Preparer Setup");
    EXPECT_EQ(screen.datEmployers.ToolTipText(),
              "<| = First Employer,  <  =  Previous Employer,  >  =  Next Employer,  |>  =  Last Employer");
    auto* label = dynamic_cast<forms::Label*>(screen.ControlByName("lblContactName"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Caption(), "Name of 3rd party Designee:");
    // Tab order follows the columns: the number, then the 22 fields.
    std::vector<forms::Control*> order;
    for (auto* c : screen.TabOrder())
        if (c->Focusable() && c->TabStop()) order.push_back(c);
    EXPECT_EQ(order[0], &screen.txtEmployerNo);
    EXPECT_EQ(order[1], &screen.mskEmployerName1);
    EXPECT_EQ(order[22], &screen.mskSignersPhone);
}

TEST_F(EmployerSave, NewEmployerTakesTheCounterNumberAndBecomesCurrent)
{
    AddEmployer(7, "ACME TOOLS");
    SetCounter(100);
    auto& screen = OpenScreen();

    Click(screen.cmdAddRecord);
    EXPECT_EQ(CommandStates(screen), kEntering);
    EXPECT_TRUE(screen.mskEmployerName1.HasFocus());
    TypeSavableEmployer(screen, "delta co", "061234567");
    Dialogs().AnswerMsgBox(forms::vbOK);
    Click(screen.cmdSaveRecord);

    EXPECT_EQ(Prompts(), "Save this Record?");
    EXPECT_EQ(Dialogs().LastBox().style, forms::vbOKCancel);
    EXPECT_EQ(Dialogs().LastBox().title, "Save Record");
    EXPECT_EQ(Query(MainPath(), "SELECT EmployerNo, EmployerName1, Pyr_Taxid FROM Employers WHERE EmployerNo = 100"),
              "100|DELTA CO|061234567");
    EXPECT_EQ(Counter(), "101");
    EXPECT_EQ(screen.txtEmployerNo.Text(), "100");
    EXPECT_EQ(CommandStates(screen), kBrowsing);
    EXPECT_TRUE(screen.cmdClose.HasFocus());
}

TEST_F(EmployerSave, CancelledSaveLeavesAGapAndReturnsToTheFormerRow)
{
    AddEmployer(7, "ACME TOOLS");
    SetCounter(100);
    auto& screen = OpenScreen();

    Click(screen.cmdAddRecord);
    TypeSavableEmployer(screen, "DELTA CO", "061234567");
    Dialogs().AnswerMsgBox(forms::vbCancel);
    Click(screen.cmdSaveRecord);

    EXPECT_EQ(Query(MainPath(), "SELECT COUNT(*) FROM Employers"), "1");
    EXPECT_EQ(Counter(), "101");
    EXPECT_EQ(screen.mskEmployerName1.Text(), "ACME TOOLS");
    EXPECT_EQ(CommandStates(screen), kBrowsing);

    // The next employer gets the number after the gap.
    Click(screen.cmdAddRecord);
    TypeSavableEmployer(screen, "ECHO LLC", "067654321");
    Dialogs().AnswerMsgBox(forms::vbOK);
    Click(screen.cmdSaveRecord);
    EXPECT_EQ(Query(MainPath(), "SELECT EmployerNo FROM Employers ORDER BY EmployerNo"), "7;101");
}

TEST_F(EmployerSave, ForeignAddressNeedsNoStateOrZip)
{
    SetCounter(5);
    Dialogs().AnswerMsgBox(forms::vbOK);
    auto& screen = OpenScreen();
    Click(screen.cmdAddRecord);
    forms::user::TypeText(screen.mskCountry, "N");
    forms::user::TypeText(screen.mskAddress, "RUE 9");
    forms::user::TypeText(screen.mskPyr_Taxid, "061111111");
    forms::user::TypeText(screen.mskCity, "PARIS");
    Dialogs().AnswerMsgBox(forms::vbOK);
    Click(screen.cmdSaveRecord);
    EXPECT_EQ(Prompts(), "The database is empty! You need to add records. Click on Add or Close. | Save this Record?");
    EXPECT_EQ(Query(MainPath(), "SELECT EmployerNo, City, State FROM Employers"), "5|PARIS|NULL");
}

TEST_F(EmployerSave, DuplicateIsRefusedAndTheAdditionCancelled)
{
    AddEmployer(7, "ACME TOOLS", "1", "061234567", "R");
    SetCounter(20);
    auto& screen = OpenScreen();
    Click(screen.cmdAddRecord);
    TypeSavableEmployer(screen, "COPY CAT", "061234567");
    Dialogs().AnswerMsgBox(forms::vbOK);
    Dialogs().AnswerMsgBox(forms::vbOK);
    Click(screen.cmdSaveRecord);

    ASSERT_EQ(Dialogs().Boxes().size(), 2u);
    EXPECT_EQ(Dialogs().LastBox().prompt,
              "Duplicate records are not allowed! Please check your data for conflicts - especially the Tax Id "
              "Type, ID #, and Kind of Employer.");
    EXPECT_EQ(Dialogs().LastBox().style, 48);
    EXPECT_EQ(Dialogs().LastBox().title, "Error saving record");
    EXPECT_EQ(Query(MainPath(), "SELECT EmployerNo FROM Employers"), "7");
    EXPECT_EQ(Counter(), "21");
    EXPECT_EQ(screen.datEmployers.Recordset()->EditMode(), data::dbEditNone);
    EXPECT_EQ(CommandStates(screen), kBrowsing);
    EXPECT_TRUE(screen.cmdClose.HasFocus());
    EXPECT_EQ(screen.mskEmployerName1.Text(), "ACME TOOLS");
}

TEST_F(EmployerSave, UnexpectedErrorIsReportedAndTheChangeKept)
{
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

    // A second Save stores the kept change.
    Dialogs().AnswerMsgBox(forms::vbOK);
    Click(screen.cmdSaveRecord);
    EXPECT_EQ(Query(MainPath(), "SELECT City FROM Employers"), "BOSTON");
    EXPECT_EQ(CommandStates(screen), kBrowsing);
}

TEST_F(EmployerEditing, EditSavesInPlaceWithoutMoving)
{
    AddEmployer(7, "ACME TOOLS");
    AddEmployer(8, "BAKER BROS");
    SetCounter(30);
    auto& screen = OpenScreen();
    Click(screen.cmdEditRecord);
    EXPECT_EQ(CommandStates(screen), kEntering);
    EXPECT_TRUE(screen.mskEmployerName1.HasFocus());
    forms::user::TypeText(screen.mskEmployerName1, "acme tools inc");
    Dialogs().AnswerMsgBox(forms::vbOK);
    Click(screen.cmdSaveRecord);

    EXPECT_EQ(Query(MainPath(), "SELECT EmployerNo, EmployerName1 FROM Employers"), "7|ACME TOOLS INC;8|BAKER BROS");
    EXPECT_EQ(screen.txtEmployerNo.Text(), "7");
    EXPECT_EQ(Counter(), "30"); // an edit draws no number
    EXPECT_EQ(CommandStates(screen), kBrowsing);
}

TEST_F(EmployerEditing, CancelledAddIsReportedAndTheScreenBrowses)
{
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
}

TEST_F(EmployerEditing, ClosingWithAPendingAdditionDiscardsItAndShowsTheMainMenu)
{
    AddEmployer(7, "ACME TOOLS");
    auto& screen = OpenScreen();
    Click(screen.cmdAddRecord);
    forms::user::TypeText(screen.mskEmployerName1, "NEVER SAVED");
    forms::user::CloseWindow(screen);

    EXPECT_EQ(Query(MainPath(), "SELECT COUNT(*) FROM Employers"), "1");
    EXPECT_TRUE(forms::Screen("frm941MainScreen").Visible());
}

TEST_F(EmployerEditing, CloseButtonGoesBackToTheMainMenu)
{
    AddEmployer(7, "ACME TOOLS");
    auto& screen = OpenScreen();
    Click(screen.cmdClose);
    EXPECT_FALSE(FormLoaded("frmEmployersDE"));
    EXPECT_TRUE(forms::Screen("frm941MainScreen").Visible());
    EXPECT_TRUE(Dialogs().Boxes().empty());
}

TEST_F(EmployerEditing, BackgroundClickChangesNothing)
{
    AddEmployer(7, "ACME TOOLS");
    auto& screen = OpenScreen();
    const int loaded = forms::App().Count();
    forms::user::ClickForm(screen);
    EXPECT_EQ(forms::App().Count(), loaded);
    EXPECT_EQ(CommandStates(screen), kBrowsing);
    EXPECT_TRUE(Dialogs().Boxes().empty());
}

} // namespace
