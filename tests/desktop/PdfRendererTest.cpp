// Renders print documents to PDF and reads them back with poppler's
// pdftotext -bbox / pdfimages, so what is checked is where the text really
// landed on the page.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "DesktopTestSupport.h"
#include "EdgeMarks.h"
#include "PdfReading.h"
#include "TestMetafile.h"

#include "desktop/PdfRenderer.h"
#include "platform/printing/PrintEngine.h"
#include "support/RunFolder.h"

namespace {

namespace fs = std::filesystem;
using namespace desktop_test;
using printing::Property;

class PdfRendererTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        previous_ = fs::current_path();
        run_ = std::make_unique<RunFolder>("pdfrenderer");
        folder_ = run_->Path();
        fs::current_path(folder_);
    }
    void TearDown() override {
        fs::current_path(previous_);
        run_.reset();
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
    // Renders the document to Pdf(); the page images it left undrawn.
    std::vector<std::string> Render(const printing::PrintDocument& document) {
        std::vector<std::string> notDrawn;
        std::string error;
        EXPECT_TRUE(desktop::RenderPdf(document, Pdf().string(), &error, &notDrawn)) << error;
        return notDrawn;
    }
    fs::path Pdf() const { return folder_ / "out.pdf"; }

    printing::PrintEngine engine_{"DMWin2"};
    std::unique_ptr<RunFolder> run_;
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
    Render(Finish());
    auto pages = ReadPdfPages(Pdf());

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

TEST_F(PdfRendererTest, AccentedLettersPrintAsThemselves) {
    StartDocument();
    StartPage("Page 1");
    Item(1.0, 2.0, 3.5, 0, "CAFÉ ÑANDÚ");
    Render(Finish());
    auto pages = ReadPdfPages(Pdf());
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(FindWord(pages[0], "CAFÉ"), nullptr);
    EXPECT_NE(FindWord(pages[0], "ÑANDÚ"), nullptr);
}

TEST_F(PdfRendererTest, AnUnfinishedDocumentOrAnUnwritablePathIsReportedNotPretendedWritten) {
    StartDocument();
    StartPage("Page 1");
    Item(5.95, 8.5, 1.8, 2, "1234.50");
    engine_.AbortOpenDocument();
    std::string error;
    EXPECT_FALSE(desktop::RenderPdf(*engine_.LastDocument(), Pdf().string(), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(fs::exists(Pdf()));

    StartDocument();
    StartPage("Page 1");
    error.clear();
    EXPECT_FALSE(desktop::RenderPdf(Finish(), (folder_ / "no-such-folder" / "out.pdf").string(), &error));
    EXPECT_FALSE(error.empty());
}

TEST_F(PdfRendererTest, APrintoutThatDoesNotFitOnTheDiskIsReportedAndLeavesNoFile) {
    StartDocument();
    for (int page = 1; page <= 300; ++page) {
        StartPage("Page " + std::to_string(page));
        for (int line = 0; line < 40; ++line) Item(0.5, 0.5 + line * 0.25, 7.5, 0, "EMPLOYER " + std::to_string(line));
    }
    const auto& document = Finish();
    const fs::path pdf = folder_ / "out.pdf";
    std::string error;
    bool written = true;
    {
        FileSizeLimit diskFull(64 * 1024);
        written = desktop::RenderPdf(document, pdf.string(), &error);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(error, "Cannot write " + pdf.string());
    EXPECT_FALSE(fs::exists(pdf));
}

// Where the test form's drawing lies (TestMetafile.h), read back from the
// page as pdftoppm rasterises it.
constexpr int kRasterDotsPerInch = 100;

enum class Ink { White, Grey, Black };

Ink InkAt(const QImage& page, double xInches, double yInches) {
    const int level = qGray(
        page.pixel(static_cast<int>(xInches * kRasterDotsPerInch), static_cast<int>(yInches * kRasterDotsPerInch)));
    return level > 240 ? Ink::White : level < 100 ? Ink::Black : Ink::Grey;
}

// The test form's rectangle and line where the form puts them on the page,
// and the text "MMMMMMMMMM" at (1.1, 2.05) in black over the grey rectangle.
void ExpectTestFormUnderTheText(const QImage& page) {
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(page.width(), 850);
    EXPECT_EQ(InkAt(page, 2.5, 2.35), Ink::Grey) << "inside the rectangle";
    EXPECT_EQ(InkAt(page, 3.5, 2.35), Ink::White) << "right of the rectangle";
    EXPECT_EQ(InkAt(page, 2.5, 1.9), Ink::White) << "above the rectangle";
    EXPECT_EQ(InkAt(page, 4.0, 5.0), Ink::Black) << "on the line";
    EXPECT_EQ(InkAt(page, 4.0, 5.15), Ink::White) << "below the line";
    int black = 0, grey = 0;
    for (double x = 1.1; x < 2.1; x += 0.01)
        for (double y = 2.05; y < 2.25; y += 0.01) (InkAt(page, x, y) == Ink::Black ? black : grey) += 1;
    EXPECT_GT(black, 20) << "the text shows over the rectangle";
    EXPECT_GT(grey, 20);
}

void WriteTestSvg(const fs::path& file) {
    std::ofstream(file)
        << R"(<svg xmlns="http://www.w3.org/2000/svg" width="8.5in" height="11in" viewBox="0 0 850 1100">
<rect x="100" y="200" width="200" height="50" fill="#c8c8c8" stroke="black" stroke-width="1"/>
<line x1="100" y1="500" x2="700" y2="500" stroke="black" stroke-width="5"/>
</svg>
)";
}

void WriteTestPdf(const fs::path& file) {
    QPdfWriter writer(QString::fromStdString(file.string()));
    writer.setResolution(100);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(200, 200, 200));
    painter.drawRect(QRectF(100, 200, 200, 50));
    painter.setPen(QPen(Qt::black, 5));
    painter.drawLine(QPointF(100, 500), QPointF(700, 500));
}

TEST_F(PdfRendererTest, AMetafilePageImageIsDrawnAsVectorsUnderTheTextAtThePageScale) {
    for (bool placeable : {true, false}) {
        SCOPED_TRACE(placeable ? "placeable header" : "standard header only");
        WriteTestMetafile(folder_ / "tf1p122c.WMF", placeable);
        StartDocument();
        StartPage("Page 1", "TF1P122C.wmf");
        Item(1.1, 2.05, 3.5, 0, "MMMMMMMMMM");
        EXPECT_TRUE(Render(Finish()).empty());
        EXPECT_EQ(PdfImageCount(Pdf()), 0) << "vectors, not a picture";
        ExpectTestFormUnderTheText(PdfPageRaster(Pdf(), 1, kRasterDotsPerInch));
    }
}

TEST_F(PdfRendererTest, AMetafileWithoutPlaceableHeaderLandsOnThePageItsWindowStretchedOverIt) {
    WriteEdgeMarkedMetafile(folder_ / "TF1P122C.wmf", false);
    StartDocument();
    StartPage("Page 1", "TF1P122C.wmf");
    constexpr int kDotsPerInch = 288;
    Render(Finish());
    const BarMiddles bars = MeasureEdgeBars(PdfPageRaster(Pdf(), 1, kDotsPerInch), kDotsPerInch);
    const BarMiddles expected = ExpectedEdgeBars();
    EXPECT_NEAR(bars.left, expected.left, 0.5);
    EXPECT_NEAR(bars.right, expected.right, 0.5);
    EXPECT_NEAR(bars.top, expected.top, 0.5);
    EXPECT_NEAR(bars.bottom, expected.bottom, 0.5);
}

TEST_F(PdfRendererTest, AnSvgOrPdfOrPngOfTheImagesBaseNameIsDrawnWhenTheMetafileIsAbsent) {
    WriteTestSvg(folder_ / "TF1P222C.svg");
    WriteTestPdf(folder_ / "tf1p322c.pdf");
    QImage png(85, 110, QImage::Format_RGB32);
    png.fill(Qt::gray);
    ASSERT_TRUE(png.save(QString::fromStdString((folder_ / "TF1V22.png").string()), "PNG"));
    StartDocument();
    for (const char* image : {"TF1P222C.wmf", "TF1P322C.wmf"}) {
        StartPage(image, image);
        Item(1.1, 2.05, 3.5, 0, "MMMMMMMMMM");
    }
    StartPage("Voucher", "TF1V22.wmf");
    Item(1.0, 2.0, 3.5, 0, "ACME");
    EXPECT_TRUE(Render(Finish()).empty());
    EXPECT_EQ(PdfImageCount(Pdf()), 1) << "only the PNG is a picture";
    for (int page : {1, 2}) {
        SCOPED_TRACE(page == 1 ? "SVG" : "PDF");
        ExpectTestFormUnderTheText(PdfPageRaster(Pdf(), page, kRasterDotsPerInch));
    }
    EXPECT_EQ(InkAt(PdfPageRaster(Pdf(), 3, kRasterDotsPerInch), 5.0, 8.0), Ink::Grey);
}

TEST_F(PdfRendererTest, APageWhoseImageIsMissingOrUnreadablePrintsItsTextsAndTheImageIsReportedOnce) {
    WriteTestMetafile(folder_ / "TF1P222C.wmf", true);
    fs::resize_file(folder_ / "TF1P222C.wmf", 60); // cut off in its records
    StartDocument();
    StartPage("Page 1", "TF1P222C.wmf");
    Item(1.0, 2.0, 3.5, 0, "ACME");
    StartPage("Page 2", "TF1P322C.wmf");
    Item(1.0, 2.0, 3.5, 0, "ACME2");
    StartPage("Page 3", "TF1P322C.wmf");
    EXPECT_EQ(Render(Finish()), (std::vector<std::string>{"TF1P222C.wmf", "TF1P322C.wmf"}));
    EXPECT_EQ(PdfImageCount(Pdf()), 0);
    auto pages = ReadPdfPages(Pdf());
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_NE(FindWord(pages[0], "ACME"), nullptr);
    EXPECT_NE(FindWord(pages[1], "ACME2"), nullptr);
}

TEST_F(PdfRendererTest, AMetafileWhoseLargestRecordCannotFitInItIsNotDrawn) {
    // libwmf would set aside what the header claims before reading a record.
    for (bool placeable : {true, false}) {
        SCOPED_TRACE(placeable ? "placeable header" : "standard header only");
        const fs::path wmf = folder_ / "TF1P122C.wmf";
        WriteTestMetafile(wmf, placeable);
        {
            std::fstream file(wmf, std::ios::binary | std::ios::in | std::ios::out);
            file.seekp(placeable ? 22 + 12 : 12); // the standard header's largest record, in words
            file.write("\x00\x00\x00\x20", 4);    // 1 GB
        }
        StartDocument();
        StartPage("Page 1", "TF1P122C.wmf");
        Item(1.0, 2.0, 3.5, 0, "ACME");
        EXPECT_EQ(Render(Finish()), (std::vector<std::string>{"TF1P122C.wmf"}));
    }
}

// The number of page images (0 or 1) a printout of one page over
// TF1P122C.wmf leaves undrawn, rendered in a child process whose address
// space may grow by 1 GB at most, as if memory ran out there; -1 when the
// rendering failed or did not end within 20 s.
int ImagesNotDrawnWithLittleMemory(const printing::PrintDocument& document, const fs::path& pdf) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(20);
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        rlimit limit{};
        ::getrlimit(RLIMIT_AS, &limit);
        limit.rlim_cur = static_cast<rlim_t>(pages) * ::sysconf(_SC_PAGESIZE) + (rlim_t{1} << 30);
        ::setrlimit(RLIMIT_AS, &limit);
        std::vector<std::string> notDrawn;
        const bool rendered = desktop::RenderPdf(document, pdf.string(), nullptr, &notDrawn);
        ::_exit(rendered ? static_cast<int>(notDrawn.size()) : 100);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) != 100 ? WEXITSTATUS(status) : -1;
}

TEST_F(PdfRendererTest, AMetafileWhoseBitmapIsLargerThanAPageOrItsRecordIsNotDrawnNorGivenToLibwmf) {
    // libwmf sets aside a bitmap's pixels as its header declares them before
    // it reads them (65535 x 65535 at 8 bits: 4 GB), and skips what it takes
    // for the rest of a header shorter than its fields for ever.
    const struct {
        const char* what;
        TestBitmap bitmap;
        int notDrawn;
    } bitmaps[] = {
        {"65535 x 65535 in 118 bytes", {65535, 65535, false, 4}, 1},
        {"larger than a Letter page at 300 dpi, compressed", {3000, 3000, true, 4}, 1},
        {"rows beyond its record", {2000, 2000, false, 4}, 1},
        {"a header of 20 bytes", {4, 4, false, 16, 20}, 1},
        {"held whole", {4, 4, false, 16}, 0},
    };
    for (BitmapRecord record : {BitmapRecord::StretchDib, BitmapRecord::DibPatternBrush}) {
        for (const auto& bitmap : bitmaps) {
            SCOPED_TRACE(
                std::string(record == BitmapRecord::StretchDib ? "StretchDIBits: " : "DibCreatePatternBrush: ") +
                bitmap.what);
            WriteBitmapMetafile(folder_ / "TF1P122C.wmf", record, bitmap.bitmap);
            StartDocument();
            StartPage("Page 1", "TF1P122C.wmf");
            EXPECT_EQ(ImagesNotDrawnWithLittleMemory(Finish(), folder_ / "out.pdf"), bitmap.notDrawn);
        }
    }
}

} // namespace
