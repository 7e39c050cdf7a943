// The print run every return printout shares: what it reads before it asks
// anything, and how it leaves when something fails. The order of its stores
// is checked against whole printouts in the scenarios.
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
        data::MakeEmptyDatabases(Program().string());
        database = data::OpenDatabase((Program() / data::kMainDatabaseFile).string());
    }
    void TearDown() override {
        database.reset();
        forms::App().Reset();
        ProgramFolderFixture::TearDown();
    }

    // One employer row; columns not named stay Null.
    data::RecordsetPtr EmployerWith(const std::vector<std::pair<std::string, std::string>>& columns) {
        auto employers = database->OpenRecordset("Employers", data::dbOpenDynaset);
        employers->AddNew();
        employers->Fields("EmployerNo") = data::Value{std::int64_t{7}};
        for (const auto& [column, text] : columns) employers->Fields(column) = data::Value{text};
        employers->Update();
        employers->MoveFirst();
        return employers;
    }

    ReturnScreenStandIn screen;
    ReturnPrintRun run{screen.DMWin2};
    forms::ScriptedDialogs* dialogs = nullptr;
    data::DatabasePtr database;
};

TEST_F(ReturnPrintRunTest, EmployerColumnsAreReadAsHeld) {
    auto employers = EmployerWith({{"ContactName", "PAT DOE"},
                                   {"ContactPhone", "8605551234"},
                                   {"NameOfSigner", "LEE ROE"},
                                   {"TitleofSigner", "OWNER"},
                                   {"EmployerName1", "ACME TOOLS"},
                                   {"EmployerName2", "ACME"},
                                   {"AddressLine1", "SUITE 4"},
                                   {"AddressLine2", "1 MAIN ST"},
                                   {"City", "HARTFORD"},
                                   {"State", "CT"},
                                   {"EmployerZipCode", "06101"},
                                   {"EmployerZipCodeExt", "1234"},
                                   {"Pyr_Taxid", "123456789"}});
    run.ReadEmployerTexts(*employers);

    EXPECT_EQ(run.Employer.ContactName, "PAT DOE");
    EXPECT_EQ(run.Employer.TitleOfSigner, "OWNER");
    EXPECT_EQ(run.Employer.AddressLine2, "1 MAIN ST");
    EXPECT_EQ(run.Employer.EmployerZipCodeExt, "1234");
    EXPECT_EQ(run.Employer.Pyr_TaxId, "123456789");
    EXPECT_EQ(run.FieldNo, 113);
}

TEST_F(ReturnPrintRunTest, EmptyEmployerColumnsGiveBlanksAndNeverStopTheRun) {
    auto employers = EmployerWith({{"EmployerName1", "ACME TOOLS"}});
    run.ReadEmployerTexts(*employers);

    // The columns the items print as " " when empty...
    EXPECT_EQ(run.Employer.ContactName, " ");
    EXPECT_EQ(run.Employer.NameOfSigner, " ");
    EXPECT_EQ(run.Employer.TitleOfSigner, " ");
    EXPECT_EQ(run.Employer.EmployerName2, " ");
    EXPECT_EQ(run.Employer.AddressLine1, " ");
    EXPECT_EQ(run.Employer.EmployerZipCodeExt, " ");
    // ...and the others, which a Null would once have stopped, as empty texts.
    EXPECT_EQ(run.Employer.City, "");
    EXPECT_EQ(run.Employer.Pyr_TaxId, "");
    EXPECT_EQ(run.Employer.ContactPhone, "");
}

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

TEST_F(ReturnPrintRunTest, AFailedStoreDiscardsTheHalfDocumentReportsTheItemAndRestoresThePointer) {
    const LayoutRow rows[] = {{40, 0.7, 0.92, 4.75, 0}, {41, 5.8, 0.92, 2.1, 0}};
    const FieldLayout layout(50, rows);
    screen.DMWin2.Engine().FailStore({"ItemText", 2, 5, ""});
    dialogs->AnswerMsgBox(forms::vbOK);
    int pointerDuringRun = -1;

    run.Run([&] {
        run.ShowHourglass();
        pointerDuringRun = forms::App().MousePointer();
        run.StartDocument("Print Form 941 - Schedule A");
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
}

} // namespace
