// The preparer screen over record 1 of PdPreparer.DAT: what it shows, what
// Save and Close write, and how it copes with a file it cannot use.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ScreenTestSupport.h"
#include "common/PaidPreparerExample.h"
#include "employers/frmPaidPreparer.h"

namespace {

using forms::user::Click;
using forms::user::CloseWindow;
using forms::user::TypeText;

class PreparerScreen : public ScreenFolderTest {
protected:
    static bool PreparerScreenLoaded() { return FormLoaded("frmPaidPreparer"); }
    frmPaidPreparer& Screen() { return forms::Screen<frmPaidPreparer>(); }
    frmPaidPreparer& Opened()
    {
        Screen().Show();
        return Screen();
    }
};

TEST_F(PreparerScreen, WithoutAFileItCreatesOneAndCountsOneRecord)
{
    auto& screen = Opened();

    EXPECT_TRUE(std::filesystem::exists(Folder() / "PdPreparer.DAT"));
    EXPECT_EQ(std::filesystem::file_size(Folder() / "PdPreparer.DAT"), 0u);
    EXPECT_EQ(screen.Caption(), "Paid Preparer Setup Information Record 1 / 1");
    EXPECT_EQ(screen.txtFirmName.Text(), "");
    EXPECT_EQ(screen.txtFirmPreparerName.Text(), "");

    Click(screen.Command3);
    EXPECT_EQ(ReadFile("PdPreparer.DAT"), std::string(195, ' '));
    EXPECT_TRUE(Dialogs().Boxes().empty());
}

TEST_F(PreparerScreen, CloseSavesTheTypedValuesAsOneRecordOf195Bytes)
{
    auto& screen = Opened();
    TypeText(screen.txtFirmName, "acme tax service");
    TypeText(screen.txtFirmAddress, "12 main st");
    TypeText(screen.txtFirmEIN, "12-3456789");
    TypeText(screen.txtFirmCity, "springfield");
    TypeText(screen.txtFirmState, "il");
    TypeText(screen.txtFirmZip, "627011234");
    TypeText(screen.txtFirmPhone, "2175551234");
    TypeText(screen.txtFirmPTIN, "p01234567");
    TypeText(screen.txtFirmSelfEmployed, "y");
    TypeText(screen.txtFirmPreparerName, "jane q preparer");

    Click(screen.Command3);

    EXPECT_FALSE(PreparerScreenLoaded());
    // The typed values in capitals: the example record, field by field.
    ExpectExamplePreparerBytes(ReadFile("PdPreparer.DAT"));
}

TEST_F(PreparerScreen, ALongerFileIsCountedButOnlyRecordOneIsReadAndWritten)
{
    WriteFile("PdPreparer.DAT", Padded("FIRST FIRM", 195) + Padded("SECOND FIRM", 195));

    auto& screen = Opened();
    EXPECT_EQ(screen.Caption(), "Paid Preparer Setup Information Record 1 / 2");
    EXPECT_EQ(screen.txtFirmName.Text(), "FIRST FIRM");

    TypeText(screen.txtFirmName, "changed");
    Click(screen.Command2);

    EXPECT_TRUE(PreparerScreenLoaded());
    EXPECT_EQ(ReadFile("PdPreparer.DAT"), Padded("CHANGED", 195) + Padded("SECOND FIRM", 195));
}

TEST_F(PreparerScreen, TheRecordCountIsRoundedToTheNearestWholeRecord)
{
    WriteFile("PdPreparer.DAT", std::string(195 + 98, ' '));
    EXPECT_EQ(Opened().Caption(), "Paid Preparer Setup Information Record 1 / 2");
    CloseWindow(Screen());

    WriteFile("PdPreparer.DAT", std::string(97, ' '));
    EXPECT_EQ(Opened().Caption(), "Paid Preparer Setup Information Record 1 / 1");
}

TEST_F(PreparerScreen, TheMasksLimitWhatCanBeTyped)
{
    auto& screen = Opened();
    TypeText(screen.txtFirmName, std::string(55, 'x'));
    TypeText(screen.txtFirmEIN, "ab12");
    TypeText(screen.txtFirmSelfEmployed, "no");

    EXPECT_EQ(screen.txtFirmName.Text(), std::string(50, 'X'));
    EXPECT_EQ(screen.txtFirmEIN.Text(), "12");
    EXPECT_EQ(screen.txtFirmSelfEmployed.Text(), "N");
}

TEST_F(PreparerScreen, TheFieldsFollowTheirRowsInTabOrderWithSaveAndCloseLast)
{
    auto& screen = Opened();
    std::vector<std::string> order;
    for (auto* control : screen.TabOrder())
        if (control->Focusable()) order.push_back(control->Name());

    EXPECT_EQ(order, (std::vector<std::string>{"txtFirmName", "txtFirmAddress", "txtFirmEIN", "txtFirmCity",
                                               "txtFirmState", "txtFirmZip", "txtFirmPhone", "txtFirmPTIN",
                                               "txtFirmSelfEmployed", "txtFirmPreparerName", "Command2",
                                               "Command3"}));
    EXPECT_EQ(screen.txtFirmPTIN.Left(), 5880);
    EXPECT_EQ(screen.txtFirmPTIN.Top(), 1320);
    EXPECT_EQ(screen.Label7.Top(), 1440);
}

// A folder of that name stands where the file should be: it cannot be
// opened, whoever runs the tests.
class UnusablePreparerFile : public PreparerScreen {
protected:
    void SetUp() override
    {
        PreparerScreen::SetUp();
        std::filesystem::create_directory(Folder() / "PdPreparer.DAT");
    }
};

TEST_F(UnusablePreparerFile, TheLoadReportsItAndShowsEmptyFields)
{
    Dialogs().AnswerMsgBox(forms::vbOK);
    auto& screen = Opened();

    ASSERT_EQ(Dialogs().Boxes().size(), 1u);
    EXPECT_EQ(Dialogs().Boxes()[0].prompt,
              "Can't open the Paid Preparer file PdPreparer.DAT. Error # 75 Path/File access error");
    EXPECT_EQ(Dialogs().Boxes()[0].style, forms::vbExclamation);
    EXPECT_EQ(Dialogs().Boxes()[0].title, "Paid Preparer Setup Information");
    EXPECT_TRUE(screen.Visible());
    EXPECT_EQ(screen.Caption(), "Paid Preparer Setup Information Record 1 / 1");
}

TEST_F(UnusablePreparerFile, CloseReportsTheFailedSaveAndKeepsWhatWasTyped)
{
    Dialogs().AnswerMsgBox(forms::vbOK);
    auto& screen = Opened();
    TypeText(screen.txtFirmName, "acme");

    Dialogs().AnswerMsgBox(forms::vbOK);
    Click(screen.Command3);

    ASSERT_EQ(Dialogs().Boxes().size(), 2u);
    EXPECT_EQ(Dialogs().Boxes()[1].prompt.rfind("Can't open the Paid Preparer file PdPreparer.DAT.", 0), 0u);
    EXPECT_TRUE(PreparerScreenLoaded());
    EXPECT_EQ(screen.txtFirmName.Text(), "ACME");

    CloseWindow(screen);
    EXPECT_FALSE(PreparerScreenLoaded());
}

} // namespace
