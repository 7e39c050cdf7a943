// The print run every return printout shares: what it reads before it asks
// anything, and how it leaves when something fails. The employer's texts and
// the order of its stores are checked against whole printouts in the
// scenarios and the return printouts' tests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/ReturnPrintRun.h"
#include "platform/basic/RuntimeError.h"
#include "platform/data/Engine.h"
#include "platform/data/Schema.h"
#include "platform/files/ProgramFolderFixture.h"
#include "platform/forms/Forms.h"
#include "platform/printing/PrintLog.h"

namespace {

class ReturnScreenStandIn : public forms::Form {
public:
    ReturnScreenStandIn() : Form("frmReturnStandIn") {}
    printing::DMWin DMWin2{*this, "DMWin2"};
};

class ReturnPrintRunTest : public ProgramFolderFixture {
protected:
    void SetUp() override {
        ProgramFolderFixture::SetUp();
        forms::App().Reset();
        dialogs = &forms::App().UseScriptedDialogs();
        printing::PrintLog::Reset();
    }
    void TearDown() override {
        forms::App().Reset();
        ProgramFolderFixture::TearDown();
    }

    ReturnScreenStandIn screen;
    ReturnPrintRun run{screen.DMWin2};
    forms::ScriptedDialogs* dialogs = nullptr;
};

TEST_F(ReturnPrintRunTest, AMissingColumnStopsTheRunNamingItsStepMarker) {
    // A table that lacks City: the ninth column read, marker 109.
    data::TableDef table = *data::FindTableDef("Employers");
    table.name = "Employers";
    std::erase_if(table.columns, [](const data::ColumnDef& c) { return std::string(c.name) == "City"; });
    const auto other = Program() / "other.mdb";
    data::CreateSchemaDatabase(other.string(), {table});
    auto otherDb = data::OpenDatabase(other.string());
    auto employers = otherDb->OpenRecordset("Employers", data::dbOpenDynaset);
    employers->AddNew();
    employers->Fields("EmployerNo") = data::Value{std::int64_t{1}};
    employers->Update();
    employers->MoveFirst();
    dialogs->AnswerMsgBox(forms::vbOK);

    run.Run([&] { run.ReadEmployerTexts(*employers); });

    ASSERT_EQ(dialogs->Boxes().size(), 1u);
    EXPECT_EQ(dialogs->LastBox().style, forms::vbOKOnly);
    EXPECT_EQ(dialogs->LastBox().title, "Tavrilo 941 / 944");
    const std::string& prompt = dialogs->LastBox().prompt;
    EXPECT_EQ(prompt.rfind("Error = 3265 Error source ", 0), 0u) << prompt;
    EXPECT_TRUE(prompt.ends_with(" for Case = 109")) << prompt;
}

TEST_F(ReturnPrintRunTest, PreparerFileIsReadTrimmedAndNeverCreated) {
    run.ReadPreparer();
    EXPECT_EQ(run.FieldNo, 114);
    EXPECT_EQ(run.Preparer, PaidPreparerRecord{});
    EXPECT_FALSE(std::filesystem::exists(Program() / kPaidPreparerFileName));

    PaidPreparerRecord stored;
    stored.FirmName = "ACME TAX";
    stored.FirmZip = "62701";
    WriteFile(Program() / kPaidPreparerFileName, stored.ToBytes().substr(0, 124)); // cut inside the ZIP
    run.ReadPreparer();
    EXPECT_EQ(run.Preparer.FirmName, "ACME TAX");
    EXPECT_EQ(run.Preparer.FirmZip, "627"); // the part past the end reads as blanks
    EXPECT_EQ(run.Preparer.FirmPhone, "");
}

TEST_F(ReturnPrintRunTest, AMissingPreparerFileIsReadAsBlanksAndNeverCreated) {
    run.ReadPreparer();
    EXPECT_EQ(run.FieldNo, 114);
    EXPECT_EQ(run.Preparer, PaidPreparerRecord{});
    EXPECT_FALSE(std::filesystem::exists(Program() / kPaidPreparerFileName));
}

TEST_F(ReturnPrintRunTest, AFailedStoreDiscardsTheHalfDocumentReportsTheItemAndRestoresThePointer) {
    const LayoutRow rows[] = {{40, 0.7, 0.92, 4.75, 0}, {41, 5.8, 0.92, 2.1, 0}};
    const FieldLayout layout(50, rows);
    screen.DMWin2.Engine().FailStore({"ItemText", 2, 5, ""});
    dialogs->AnswerMsgBox(forms::vbOK);
    int pointerDuringRun = -1;

    run.Run([&] {
        run.ShowHourglass();
        pointerDuringRun = forms::App().MousePointer();
        run.StartDocument("Print Form 941 - Schedule A", "ACME TOOLS - Form 941 2022 Q1");
        run.SetUpPage({"Page 2", "TAX941.TFL", "TF1P2226.wmf"});
        run.PrintItems(layout, 40, 41, [&](short) { run.StoreItemText("ACME"); });
        run.Finish();
    });

    EXPECT_EQ(pointerDuringRun, 11);
    EXPECT_EQ(forms::App().MousePointer(), 0);
    EXPECT_EQ(dialogs->LastBox().prompt, "Error = 5 Error source DMWin2 for Case = 41");
    EXPECT_TRUE(printing::PrintLog::FinishedDocuments().empty());
    ASSERT_EQ(printing::PrintLog::Documents().size(), 1u);
    EXPECT_EQ(printing::PrintLog::Documents()[0].status, printing::DocumentStatus::Aborted);
    EXPECT_EQ(screen.DMWin2.Engine().Trace().back(), "TextTop=0.92"); // nothing stored after
    EXPECT_EQ(printing::PrintLog::Documents()[0].trace.back(), "TextTop=0.92");
}

} // namespace
