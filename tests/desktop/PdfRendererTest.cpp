// Renders print documents to PDF and reads them back with poppler's
// pdftotext -bbox / pdfimages, so what is checked is where the text really
// landed on the page.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "DesktopTestSupport.h"
#include "PdfReading.h"

#include "desktop/PdfRenderer.h"
#include "platform/printing/PrintEngine.h"

namespace {

namespace fs = std::filesystem;
using namespace desktop_test;
using printing::Property;

class PdfRendererTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        previous_ = fs::current_path();
        folder_ = fs::temp_directory_path() /
                  ("pdfrenderer-" + std::to_string(::getpid()) + "-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        fs::current_path(folder_);
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }

    // The return printout's page set-up, in its order of stores.
    void StartPage(const std::string& caption, const std::string& picture = "") {
        engine_.Store(Property::PageCaption, caption);
        engine_.Store(Property::PageNote, "");
        engine_.Store(Property::PageWidth, 8.5);
        engine_.Store(Property::PageHeight, 11.0);
        engine_.Store(Property::PageLandscape, false);
        engine_.Store(Property::PageResolution, 300);
        engine_.Store(Property::NewPage, true);
        engine_.Store(Property::PageTemplate, "TAX941.TFL");
        engine_.Store(Property::PagePicture, picture);
        engine_.Store(Property::ShowPicture, true);
        engine_.Store(Property::PrintPicture, true);
        engine_.Store(Property::FontName, "Courier New");
        engine_.Store(Property::FontSize, 12);
        engine_.Store(Property::FontCode, 7);
        engine_.Store(Property::FontBold, false);
        engine_.Store(Property::FontItalic, false);
        engine_.Store(Property::FontOption, 0);
        engine_.Store(Property::TextFlag, true);
    }
    void Item(double left, double top, double width, int code, const std::string& text) {
        engine_.Store(Property::TextWidth, width);
        engine_.Store(Property::TextHeight, code);
        engine_.Store(Property::TextLeft, left);
        engine_.Store(Property::TextTop, top);
        engine_.Store(Property::ItemText, text);
        engine_.Store(Property::PrintText, true);
    }
    void StartDocument() {
        engine_.Store(Property::DocumentTitle, "Print Form 941 - Schedule A");
        engine_.Store(Property::StartDoc, true);
    }
    const printing::PrintDocument& Finish() {
        engine_.Store(Property::EndDoc, true);
        return *engine_.LastDocument();
    }
    fs::path Render(const printing::PrintDocument& document) {
        fs::path pdf = folder_ / "out.pdf";
        std::string error;
        EXPECT_TRUE(desktop::RenderPdf(document, pdf.string(), &error)) << error;
        return pdf;
    }

    printing::PrintEngine engine_{"DMWin2"};
    fs::path previous_, folder_;
};

TEST_F(PdfRendererTest, PlacesAmountsRightAlignedAndTextsAtTheirLeftEdgeEachOnItsOwnPage) {
    StartDocument();
    StartPage("Page 1");
    Item(5.95, 8.5, 1.8, 2, "1234.50");
    Item(1.0, 2.0, 3.5, 0, "ACME");
    StartPage("Page 2");
    Item(0.5, 0.6, 3.5, 0, "two");
    StartPage("Page 3");
    auto pages = ReadPdfPages(Render(Finish()));

    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0].words.size(), 2u);
    ASSERT_EQ(pages[1].words.size(), 1u);
    EXPECT_EQ(pages[1].words[0].text, "two");
    EXPECT_TRUE(pages[2].words.empty());
    EXPECT_NEAR(pages[0].width, 8.5 * kPointsPerInch, 0.5);
    EXPECT_NEAR(pages[0].height, 11 * kPointsPerInch, 0.5);
    const PdfWord* amount = FindWord(pages[0], "1234.50");
    ASSERT_NE(amount, nullptr);
    EXPECT_NEAR(amount->xMax, 7.75 * kPointsPerInch, 1.0);
    EXPECT_NEAR(amount->yMin, 8.5 * kPointsPerInch, 3.0);
    EXPECT_NEAR(amount->xMax - amount->xMin, 7 * 7.2, 1.0) << "Courier New 12 is 7.2 pt a character";
    const PdfWord* name = FindWord(pages[0], "ACME");
    ASSERT_NE(name, nullptr);
    EXPECT_NEAR(name->xMin, 1.0 * kPointsPerInch, 1.0);
    EXPECT_NEAR(name->yMin, 2.0 * kPointsPerInch, 3.0);
}

TEST_F(PdfRendererTest, AnUnfinishedDocumentOrAnUnwritablePathIsReportedNotPretendedWritten) {
    StartDocument();
    StartPage("Page 1");
    Item(5.95, 8.5, 1.8, 2, "1234.50");
    engine_.AbortOpenDocument();
    fs::path pdf = folder_ / "out.pdf";
    std::string error;
    EXPECT_FALSE(desktop::RenderPdf(*engine_.LastDocument(), pdf.string(), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(fs::exists(pdf));

    StartDocument();
    StartPage("Page 1");
    const auto& document = Finish();
    error.clear();
    EXPECT_FALSE(desktop::RenderPdf(document, (folder_ / "no-such-folder" / "out.pdf").string(), &error));
    EXPECT_FALSE(error.empty());
}

TEST_F(PdfRendererTest, APageImageFoundInAnyCaseIsDrawnUnderTheText) {
    QImage image(85, 110, QImage::Format_RGB32);
    image.fill(Qt::gray);
    ASSERT_TRUE(image.save(QString::fromStdString((folder_ / "tf1p122c.png").string()), "PNG"));
    StartDocument();
    StartPage("Page 1", "TF1P122C.PNG");
    Item(1.0, 2.0, 3.5, 0, "ACME");
    fs::path pdf = Render(Finish());

    EXPECT_EQ(PdfImageCount(pdf), 1);
    auto pages = ReadPdfPages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(FindWord(pages[0], "ACME"), nullptr);
}

TEST_F(PdfRendererTest, AMissingOrUnreadablePageImageDrawsNothing) {
    std::ofstream(folder_ / "TF1P222C.wmf") << "not an image Qt reads";
    StartDocument();
    StartPage("Page 1", "TF1P222C.wmf");
    Item(1.0, 2.0, 3.5, 0, "ACME");
    StartPage("Page 2", "TF1P322C.wmf");
    Item(1.0, 2.0, 3.5, 0, "ACME2");
    fs::path pdf = Render(Finish());

    EXPECT_EQ(PdfImageCount(pdf), 0);
    EXPECT_EQ(ReadPdfPages(pdf).size(), 2u);
}

} // namespace
