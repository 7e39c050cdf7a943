// The Form 944 return and its voucher printed from the real screens and
// rendered to PDF: the amounts land at their places on the pages (read back
// with pdftotext -bbox), line 10j included.
#include <gtest/gtest.h>

#include <QApplication>

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "PdfReading.h"

#include "desktop/PdfRenderer.h"
#include "employers/frmEmployersDE.h"
#include "platform/data/Engine.h"
#include "platform/data/Schema.h"
#include "platform/files/ProgramFolder.h"
#include "platform/forms/Forms.h"
#include "platform/printing/PrintLog.h"
#include "returns/f944/frmDet944Covid.h"

namespace {

namespace fs = std::filesystem;
using namespace desktop_test;

struct Placed {
    int page;
    const char* text;
    double right;  // the item's left edge plus its width, inches
    double top;
};

class F944Pdf : public ::testing::Test {
protected:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "test_desktop";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance()) new QApplication(argc, argv);
        folder_ = fs::temp_directory_path() / ("tv-f944-pdf-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        previous_ = fs::current_path();
        files::SetProgramFolder(folder_);
        fs::current_path(folder_);
        data::MakeEmptyDatabases(folder_.string());
        forms::App().Reset();
        dialogs_ = &forms::App().UseScriptedDialogs();
        printing::PrintLog::Reset();

        auto db = data::OpenDatabase((folder_ / data::kMainDatabaseFile).string());
        auto employers = db->OpenRecordset("Employers", data::dbOpenDynaset);
        employers->AddNew();
        employers->Fields("EmployerNo") = data::Value{std::int64_t{1}};
        employers->Fields("EmployerName1") = data::Value{std::string("ACME TOOL WORKS")};
        employers->Fields("Pyr_Taxid") = data::Value{std::string("061234567")};
        employers->Update();
    }
    void TearDown() override
    {
        forms::App().Reset();
        fs::current_path(previous_);
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    frmDet944Covid& OpenAnnualReturn()
    {
        auto& employerScreen = forms::Screen<frmEmployersDE>();
        employerScreen.Show();
        employerScreen.txtQtr_Yr.SetText("622");
        auto& screen = forms::Screen<frmDet944Covid>();
        screen.Show();
        screen.mskQtr_yr.SetText("622");
        return screen;
    }

    // Renders the one finished document and checks where each text sits.
    void ExpectPlaced(std::size_t pageCount, std::initializer_list<Placed> placed)
    {
        const auto documents = printing::PrintLog::FinishedDocuments();
        ASSERT_EQ(documents.size(), 1u);
        const fs::path pdf = folder_ / "944.pdf";
        std::string error;
        ASSERT_TRUE(desktop::RenderPdf(documents[0], pdf.string(), &error)) << error;
        const auto pages = ReadPdfPages(pdf);
        ASSERT_EQ(pages.size(), pageCount);
        for (const Placed& p : placed) {
            SCOPED_TRACE(p.text);
            const PdfWord* word = FindWord(pages[p.page], p.text);
            ASSERT_NE(word, nullptr);
            EXPECT_NEAR(word->xMax / kPointsPerInch, p.right, 0.05);
            EXPECT_NEAR(word->yMin / kPointsPerInch, p.top, 0.2);
        }
    }

    fs::path folder_;
    fs::path previous_;
    forms::ScriptedDialogs* dialogs_ = nullptr;
};

TEST_F(F944Pdf, TheReturnsAmountsSitRightAlignedAtTheirPlaces)
{
    auto& screen = OpenAnnualReturn();
    screen.fpLine2.SetText("12345.67");
    screen.fpLine15.SetText("2000.5");
    screen.fpCurrency13.SetText("19.5");
    dialogs_->AnswerMsgBox(forms::vbYes);
    dialogs_->AnswerMsgBox(forms::vbNo);
    forms::user::Click(screen.DMWin2);

    ExpectPlaced(3, {Placed{0, "12345.67", 6.265 + 1.6, 4.313}, Placed{1, "2000.50", 6.303 + 1.6, 5.867},
                     Placed{2, "19.50", 6.303 + 1.6, 4.02}});
}

TEST_F(F944Pdf, TheVouchersBalanceDueSitsBelowItsLayoutRow)
{
    auto& screen = OpenAnnualReturn();
    screen.fpLine10.SetText("1000");
    dialogs_->AnswerMsgBox(forms::vbNo);
    forms::user::Click(screen.DMWin2);

    ExpectPlaced(1, {Placed{0, "1000.00", 5.92 + 1.8, 8.866}});
}

} // namespace
