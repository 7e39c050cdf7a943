// A return printed from the real screen and rendered to PDF: its amounts
// land right-aligned at their places on the pages (read back with pdftotext
// -bbox). Every return and voucher goes through the same renderer; their
// items' places are checked in the print traces of the scenarios.
#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>

#include "DesktopTestSupport.h"
#include "PdfReading.h"

#include "desktop/PdfRenderer.h"
#include "desktop/Program.h"
#include "employers/frmEmployersDE.h"
#include "platform/data/Engine.h"
#include "platform/data/Schema.h"
#include "platform/forms/Forms.h"
#include "platform/printing/PrintLog.h"
#include "returns/f941/frmDet941Covid0621.h"

namespace {

using namespace desktop_test;

struct Placed {
    int page;
    const char* text;
    double right; // the item's left edge plus its width, inches
    double top;
};

class ReturnsPdf : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        desktop::UseProgramFolder(folder_.Path());
        forms::App().Reset();
        dialogs_ = &forms::App().UseScriptedDialogs();
        printing::PrintLog::Reset();
        data::OpenDatabase((folder_.Path() / data::kMainDatabaseFile).string())
            ->Execute("INSERT INTO Employers (EmployerNo, EmployerName1, Pyr_Taxid) VALUES (1, 'ACME TOOL WORKS', "
                      "'061234567')");
    }
    void TearDown() override { forms::App().Reset(); }

    // The return screen shown for the period as the hand-over leaves it.
    template <class Screen>
    Screen& OpenReturn(const std::string& period) {
        auto& employerScreen = forms::Screen<frmEmployersDE>();
        employerScreen.Show();
        employerScreen.txtQtr_Yr.SetText(period);
        auto& screen = forms::Screen<Screen>();
        screen.Show();
        screen.mskQtr_yr.SetText(period);
        return screen;
    }

    // Renders the one finished document and reads its pages back.
    std::vector<PdfPage> RenderedPages() {
        const auto documents = printing::PrintLog::FinishedDocuments();
        if (documents.size() != 1u) {
            ADD_FAILURE() << "finished documents: " << documents.size();
            return {};
        }
        const std::filesystem::path pdf = folder_.Path() / "return.pdf";
        std::string error;
        if (!desktop::RenderPdf(documents[0], pdf.string(), &error)) ADD_FAILURE() << error;
        return ReadPdfPages(pdf);
    }

    void ExpectPlaced(const std::vector<PdfPage>& pages, std::initializer_list<Placed> placed) {
        for (const Placed& p : placed) {
            SCOPED_TRACE(p.text);
            ASSERT_LT(static_cast<std::size_t>(p.page), pages.size());
            const PdfWord* word = FindWord(pages[p.page], p.text);
            ASSERT_NE(word, nullptr);
            EXPECT_NEAR(word->xMax / kPointsPerInch, p.right, 0.05);
            EXPECT_NEAR(word->yMin / kPointsPerInch, p.top, 0.2);
        }
    }

    ProgramFolder folder_;
    forms::ScriptedDialogs* dialogs_ = nullptr;
};

TEST_F(ReturnsPdf, Form941AmountsSitRightAlignedAtTheirPlaces) {
    auto& screen = OpenReturn<frmDet941Covid0621>("322");
    screen.fpLine2.SetText("12345.67");
    screen.fpLine15.SetText("250.5");
    screen.fpLine19.SetText("19.5");
    dialogs_->AnswerMsgBox(forms::vbYes);
    dialogs_->AnswerMsgBox(forms::vbNo);
    forms::user::Click(screen.DMWin2);

    const auto pages = RenderedPages();
    ASSERT_EQ(pages.size(), 3u);
    ExpectPlaced(pages, {Placed{0, "12345.67", 6.265 + 1.6, 4.24}, Placed{1, "250.50", 6.283 + 1.6, 6.58},
                         Placed{2, "19.50", 6.285 + 1.6, 2.26}});
    const PdfWord* name = FindWord(pages[1], "ACME");
    ASSERT_NE(name, nullptr);
    EXPECT_NEAR(name->xMin / kPointsPerInch, 0.7, 0.05);
}

} // namespace
