// Printing as a user prints: the program's own application set-up, the
// Print button of a return screen clicked in its window, the questions
// answered, the print dialog told to print to a PDF file, and the file read
// back.

#include "CupsQueue.h"
#include "DesktopTestSupport.h"
#include "EdgeMarks.h"
#include "PdfReading.h"
#include "TestMetafile.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QRect>
#include <QTimer>

#include <fcntl.h>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <vector>

#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

using namespace desktop_test;

class DesktopPrinting : public RunningProgram {
protected:
    bool OffersPrints() const override { return true; }
    void SetUp() override {
        RunningProgram::SetUp();
        Sql(kFirstEmployer);
    }
};

// The print dialog's choice of printing to a PDF file named `path` (the
// user's own name when given, else the one the dialog proposes), and its
// Print button. `proposed` receives what the dialog proposed. The button is
// pressed once this step is over, so that the question the dialog may ask on
// it (a file to replace) is the next step's. `beforePrint` runs once the
// dialog has taken the file, past its own checks of it.
BoxAnswerer::Step PrintToFile(QString path, QString* proposed, std::function<void()> beforePrint = {}) {
    return [path, proposed, beforePrint](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        if (dialog == nullptr) return false;
        auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
        auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        if (printers == nullptr || file == nullptr || buttons == nullptr) {
            dialog->reject();
            return true;
        }
        printers->setCurrentIndex(printers->count() - 1); // "Print to File (PDF)"
        if (proposed != nullptr) *proposed = file->text();
        if (!path.isEmpty()) file->setText(path);
        if (beforePrint) QObject::connect(dialog, &QDialog::accepted, dialog, beforePrint);
        QTimer::singleShot(0, buttons->button(QDialogButtonBox::Ok), &QAbstractButton::click);
        return true;
    };
}

TEST_F(DesktopPrinting, TheReturnPrintsToTheProposedPdfFileAndSaysWhereItWent) {
    desktop::FormWindow* f941 = OpenFirstQuarter();
    ASSERT_NE(f941, nullptr);
    QString proposed;
    BoxAnswerer answerer({QMessageBox::Yes, QMessageBox::No, PrintToFile(QString(), &proposed), QMessageBox::Ok});
    ClickWidget(f941->WidgetNamed("DMWin2"));

    ASSERT_EQ(answerer.Pending(), 0u) << "the print dialog or the saved file's box never came up";
    const std::filesystem::path pdf = folder_.Path() / "printouts" / "ACME TOOLS - Form 941 2022 Q1.pdf";
    EXPECT_EQ(proposed.toStdString(), pdf.string());
    ASSERT_EQ(answerer.Seen().size(), 3u);
    EXPECT_EQ(answerer.Seen()[2].text.toStdString(), "The printout was saved as\n\n" + pdf.string());
    const std::vector<PdfPage> pages = ReadPdfPages(pdf);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_NE(FindWord(pages[0], "ACME"), nullptr);
}

// Reads the file name the print dialog proposes, and the printer or file
// output it starts on, and closes it unprinted.
BoxAnswerer::Step ReadProposedFile(QString* proposed, QString* output = nullptr) {
    return [proposed, output](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        if (dialog == nullptr) return false;
        if (auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"))) *proposed = file->text();
        auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
        if (output != nullptr && printers != nullptr) *output = printers->currentText();
        dialog->reject();
        return true;
    };
}

TEST_F(DesktopPrinting, EachPrintDialogStartsOnTheOutputAndInTheFolderChosenLast) {
    // A printer in the list, where the print system can make one: the first
    // dialog starts on it, so only a remembered choice starts on the file
    // (without one, only the folder is checked).
    CupsQueue queue;
    desktop::FormWindow* f941 = OpenFirstQuarter();
    ASSERT_NE(f941, nullptr);
    const std::filesystem::path chosen = folder_.Path() / "chosen";
    std::filesystem::create_directory(chosen);
    {
        BoxAnswerer answerer({QMessageBox::Yes, QMessageBox::No,
                              PrintToFile(QString::fromStdString((chosen / "mine.pdf").string()), nullptr),
                              QMessageBox::Ok});
        ClickWidget(f941->WidgetNamed("DMWin2"));
        ASSERT_EQ(answerer.Pending(), 0u) << "printing to a file did not finish";
    }
    QString proposed, output;
    BoxAnswerer answerer({QMessageBox::Yes, QMessageBox::No, ReadProposedFile(&proposed, &output)});
    ClickWidget(f941->WidgetNamed("DMWin2"));
    ASSERT_EQ(answerer.Pending(), 0u) << "the second print dialog never came up";
    EXPECT_EQ(proposed.toStdString(), (chosen / "ACME TOOLS - Form 941 2022 Q1.pdf").string());
    if (queue.Unavailable().empty()) EXPECT_EQ(output.toStdString(), "Print to File (PDF)");
}

TEST_F(DesktopPrinting, TheQuartersAndTheForm944OfOneEmployerProposeFilesOfTheirOwn) {
    Sql("INSERT INTO DET941 (EmployerNo, Qtr_Yr) VALUES (1, '122')");
    Sql("INSERT INTO DET941 (EmployerNo, Qtr_Yr) VALUES (1, '222')");
    Sql("INSERT INTO DET941 (EmployerNo, Qtr_Yr) VALUES (1, '622')");
    desktop::FormWindow* employers = OpenEmployerScreen();
    ASSERT_NE(employers, nullptr);
    const struct {
        const char* button;
        const char* screen;
        std::vector<BoxAnswerer::Answer> opening; // Form 944's caution
        const char* proposed;
    } returns[] = {
        {"cmdQtr1", "frmDet941Covid0621", {}, "ACME TOOLS - Form 941 2022 Q1.pdf"},
        {"cmdQtr2", "frmDet941Covid0621", {}, "ACME TOOLS - Form 941 2022 Q2.pdf"},
        {"cmd944", "frmDet944Covid", {QMessageBox::Ok}, "ACME TOOLS - Form 944 2022.pdf"},
    };
    for (const auto& period : returns) {
        SCOPED_TRACE(period.button);
        {
            BoxAnswerer opening(period.opening);
            ClickWidget(employers->WidgetNamed(period.button));
        }
        desktop::FormWindow* screen = WindowOf(period.screen);
        ASSERT_NE(screen, nullptr);
        QString proposed;
        {
            BoxAnswerer answerer({QMessageBox::Yes, QMessageBox::No, ReadProposedFile(&proposed)});
            ClickWidget(screen->WidgetNamed("DMWin2"));
            ASSERT_EQ(answerer.Pending(), 0u) << "the print dialog never came up";
        }
        EXPECT_EQ(proposed.toStdString(), (folder_.Path() / "printouts" / period.proposed).string());
        ClickWidget(screen->WidgetNamed("cmdClose"));
        ProcessEvents();
    }
}

// The print dialog's choice of the printer named so, and its Print button.
BoxAnswerer::Step PrintToPrinter(QString name) {
    return [name](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        if (dialog == nullptr) return false;
        auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        if (printers == nullptr || buttons == nullptr || printers->findText(name) < 0) {
            dialog->reject();
            return true;
        }
        printers->setCurrentIndex(printers->findText(name));
        buttons->button(QDialogButtonBox::Ok)->click();
        return true;
    };
}

// The smallest rectangle holding every dark pixel of a page.
QRect InkBounds(const QImage& page) {
    QRect bounds;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) < 128) bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

TEST_F(DesktopPrinting, APrinterWhoseDefaultPaperIsA4PrintsTheReturnOnLetterItsItemsWhereTheFileHasThem) {
    CupsQueue queue;
    if (!queue.Unavailable().empty()) GTEST_SKIP() << queue.Unavailable();
    desktop::FormWindow* f941 = OpenFirstQuarter();
    ASSERT_NE(f941, nullptr);
    const std::filesystem::path file = folder_.Path() / "file.pdf";
    {
        BoxAnswerer answerer({QMessageBox::Yes, QMessageBox::No,
                              PrintToFile(QString::fromStdString(file.string()), nullptr), QMessageBox::Ok});
        ClickWidget(f941->WidgetNamed("DMWin2"));
        ASSERT_EQ(answerer.Pending(), 0u) << "printing to a file did not finish";
    }
    {
        BoxAnswerer answerer({QMessageBox::Yes, QMessageBox::No, PrintToPrinter(queue.Name())});
        ClickWidget(f941->WidgetNamed("DMWin2"));
        ASSERT_EQ(answerer.Pending(), 0u) << "the print dialog never came up";
        ASSERT_EQ(answerer.Seen().size(), 2u)
            << "the printer was refused: " << answerer.Seen().back().text.toStdString();
    }

    const std::filesystem::path printed = queue.WaitForPdf();
    ASSERT_FALSE(printed.empty()) << "the queue wrote no file";
    const std::vector<PdfPage> pages = ReadPdfPages(printed);
    ASSERT_EQ(pages.size(), 3u);
    for (const PdfPage& page : pages) {
        EXPECT_NEAR(page.width, 8.5 * kPointsPerInch, 0.5);
        EXPECT_NEAR(page.height, 11 * kPointsPerInch, 0.5);
    }
    constexpr int kDotsPerInch = 144; // two dots a point
    const QRect onPaper = InkBounds(PdfPageRaster(printed, 1, kDotsPerInch));
    const QRect onFile = InkBounds(PdfPageRaster(file, 1, kDotsPerInch));
    ASSERT_FALSE(onFile.isEmpty());
    EXPECT_NEAR(onPaper.left(), onFile.left(), 2);
    EXPECT_NEAR(onPaper.top(), onFile.top(), 2);
    EXPECT_NEAR(onPaper.right(), onFile.right(), 2);
    EXPECT_NEAR(onPaper.bottom(), onFile.bottom(), 2);
}

TEST_F(DesktopPrinting, TheReturnPrintsOverTheFormsPageImagesAndTheDialogNamesThoseMissing) {
    // The quarter has no row yet, so the screen's own period is empty: it
    // names the images of the other period column, TF1P123C.wmf and so on.
    WriteTestMetafile(folder_.Path() / "tf1p123c.wmf", true);
    desktop::FormWindow* f941 = OpenFirstQuarter();
    ASSERT_NE(f941, nullptr);
    const std::filesystem::path pdf = folder_.Path() / "chosen.pdf";
    QString dialogLine;
    BoxAnswerer::Step readLine = [&dialogLine](QWidget* modal) {
        if (qobject_cast<QPrintDialog*>(modal) == nullptr) return false;
        if (auto* line = modal->findChild<QLabel*>(QStringLiteral("missingPageImages")))
            dialogLine = line->isVisible() ? line->text() : QStringLiteral("(hidden)");
        return true; // the next step answers the dialog
    };
    BoxAnswerer answerer({QMessageBox::Yes, QMessageBox::No, readLine,
                          PrintToFile(QString::fromStdString(pdf.string()), nullptr), QMessageBox::Ok});
    ClickWidget(f941->WidgetNamed("DMWin2"));

    ASSERT_EQ(answerer.Pending(), 0u) << "the print dialog never came up";
    EXPECT_TRUE(dialogLine.contains("TF1P223C.wmf, TF1P323C.wmf")) << dialogLine.toStdString();
    EXPECT_FALSE(dialogLine.contains("TF1P123C")) << dialogLine.toStdString();
    EXPECT_EQ(PdfImageCount(pdf), 0);
    ASSERT_EQ(ReadPdfPages(pdf).size(), 3u) << "the pages without their images print too";
    const QImage page1 = PdfPageRaster(pdf, 1, 100);
    ASSERT_FALSE(page1.isNull());
    EXPECT_LT(qGray(page1.pixel(400, 500)), 100) << "the metafile's line";
    EXPECT_GT(qGray(PdfPageRaster(pdf, 2, 100).pixel(400, 500)), 240) << "page 2 has no image";
}

TEST_F(DesktopPrinting, ThePrintDialogNamesThePageImagesMissingFromTheProgramFolder) {
    // The quarter has no row yet, so the screen's own period is empty: it
    // names the images of the other period column, TF1P123C.wmf and so on.
    WriteTestMetafile(folder_.Path() / "tf1p123c.wmf", true);
    desktop::FormWindow* f941 = OpenFirstQuarter();
    ASSERT_NE(f941, nullptr);
    QString dialogLine;
    BoxAnswerer::Step readLine = [&dialogLine](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        if (dialog == nullptr) return false;
        if (auto* line = dialog->findChild<QLabel*>(QStringLiteral("missingPageImages")))
            dialogLine = line->isVisible() ? line->text() : QStringLiteral("(hidden)");
        dialog->reject();
        return true;
    };
    BoxAnswerer answerer({QMessageBox::Yes, QMessageBox::No, readLine});
    ClickWidget(f941->WidgetNamed("DMWin2"));

    ASSERT_EQ(answerer.Pending(), 0u) << "the print dialog never came up";
    EXPECT_TRUE(dialogLine.contains("TF1P223C.wmf, TF1P323C.wmf")) << dialogLine.toStdString();
    EXPECT_FALSE(dialogLine.contains("TF1P123C")) << "the image named in other letters was not found";
}

// The return screen's Print button clicked and the printout printed to the
// PDF file: the form's pages, or the voucher alone.
enum class Printout { Form, Voucher };
void PrintReturnToFile(desktop::FormWindow& screen, Printout printout, const std::filesystem::path& pdf) {
    std::vector<BoxAnswerer::Answer> answers{QMessageBox::Yes, QMessageBox::No};
    if (printout == Printout::Voucher) answers = {QMessageBox::No};
    answers.insert(answers.end(), {PrintToFile(QString::fromStdString(pdf.string()), nullptr), QMessageBox::Ok});
    BoxAnswerer answerer(answers);
    ClickWidget(screen.WidgetNamed("DMWin2"));
    EXPECT_EQ(answerer.Pending(), 0u) << "the print dialog never came up";
}

TEST_F(DesktopPrinting, PageImagesOfEveryKindLandOnThePageTheirFramesStretchedOverIt) {
    WriteEdgeMarkedSvg(folder_.Path() / "TF1P123C.svg");
    WriteEdgeMarkedMetafile(folder_.Path() / "TF1P223C.wmf", true);
    WriteEdgeMarkedPdf(folder_.Path() / "TF1P323C.pdf");
    WriteEdgeMarkedPng(folder_.Path() / "TF1V23.png");
    desktop::FormWindow* f941 = OpenFirstQuarter();
    ASSERT_NE(f941, nullptr);
    const std::filesystem::path form = folder_.Path() / "form.pdf", voucher = folder_.Path() / "voucher.pdf",
                                metafiles = folder_.Path() / "metafiles.pdf";
    const auto printForm = [&](const std::filesystem::path& pdf) {
        BoxAnswerer answerer({QMessageBox::Yes, QMessageBox::No,
                              PrintToFile(QString::fromStdString(pdf.string()), nullptr), QMessageBox::Ok});
        ClickWidget(f941->WidgetNamed("DMWin2"));
        EXPECT_EQ(answerer.Pending(), 0u) << "the form's print dialog never came up";
    };
    printForm(form);
    {
        BoxAnswerer answerer(
            {QMessageBox::No, PrintToFile(QString::fromStdString(voucher.string()), nullptr), QMessageBox::Ok});
        ClickWidget(f941->WidgetNamed("DMWin2"));
        ASSERT_EQ(answerer.Pending(), 0u) << "the voucher's print dialog never came up";
    }
    // Metafiles that set a mapping of their own, named as the pages' images
    // and so drawn before the SVG and PDF of the same base names.
    WriteEdgeMarkedMetafile(folder_.Path() / "TF1P123C.wmf", true, Mapping::Anisotropic);
    WriteEdgeMarkedMetafile(folder_.Path() / "TF1P323C.wmf", false, Mapping::Isotropic);
    printForm(metafiles);

    constexpr int kDotsPerInch = 288;
    constexpr double kPointsOff = 0.5;
    const BarMiddles expected = ExpectedEdgeBars();
    const struct {
        const char* kind;
        std::filesystem::path pdf;
        int page;
    } printed[] = {{"SVG", form, 1},
                   {"WMF, placeable", form, 2},
                   {"PDF", form, 3},
                   {"PNG", voucher, 1},
                   {"WMF, placeable, anisotropic", metafiles, 1},
                   {"WMF, isotropic", metafiles, 3}};
    for (const auto& image : printed) {
        SCOPED_TRACE(image.kind);
        const BarMiddles bars = MeasureEdgeBars(PdfPageRaster(image.pdf, image.page, kDotsPerInch), kDotsPerInch);
        EXPECT_NEAR(bars.left, expected.left, kPointsOff);
        EXPECT_NEAR(bars.right, expected.right, kPointsOff);
        EXPECT_NEAR(bars.top, expected.top, kPointsOff);
        EXPECT_NEAR(bars.bottom, expected.bottom, kPointsOff);
    }
}

TEST_F(DesktopPrinting, PageImagesOfEveryKindWithOrWithoutAPlaceableHeaderLandOnThePageTheirFramesStretchedOverIt) {
    WriteEdgeMarkedSvg(folder_.Path() / "TF1P123C.svg");
    WriteEdgeMarkedMetafile(folder_.Path() / "TF1P223C.wmf", true);
    WriteEdgeMarkedPdf(folder_.Path() / "TF1P323C.pdf");
    WriteEdgeMarkedPng(folder_.Path() / "TF1V23.png");
    desktop::FormWindow* f941 = OpenFirstQuarter();
    ASSERT_NE(f941, nullptr);
    const std::filesystem::path form = folder_.Path() / "form.pdf", voucher = folder_.Path() / "voucher.pdf",
                                metafiles = folder_.Path() / "metafiles.pdf";
    const auto printForm = [&](const std::filesystem::path& pdf) {
        BoxAnswerer answerer({QMessageBox::Yes, QMessageBox::No,
                              PrintToFile(QString::fromStdString(pdf.string()), nullptr), QMessageBox::Ok});
        ClickWidget(f941->WidgetNamed("DMWin2"));
        EXPECT_EQ(answerer.Pending(), 0u) << "the form's print dialog never came up";
    };
    printForm(form);
    {
        BoxAnswerer answerer(
            {QMessageBox::No, PrintToFile(QString::fromStdString(voucher.string()), nullptr), QMessageBox::Ok});
        ClickWidget(f941->WidgetNamed("DMWin2"));
        ASSERT_EQ(answerer.Pending(), 0u) << "the voucher's print dialog never came up";
    }
    // Metafiles that set a mapping of their own, or have no placeable
    // header, named as the pages' images and so drawn before the SVG and PDF
    // of the same base names.
    WriteEdgeMarkedMetafile(folder_.Path() / "TF1P123C.wmf", true, Mapping::Anisotropic);
    WriteEdgeMarkedMetafile(folder_.Path() / "TF1P223C.wmf", false);
    WriteEdgeMarkedMetafile(folder_.Path() / "TF1P323C.wmf", false, Mapping::Isotropic);
    printForm(metafiles);

    constexpr int kDotsPerInch = 288;
    constexpr double kPointsOff = 0.5;
    const BarMiddles expected = ExpectedEdgeBars();
    const struct {
        const char* kind;
        std::filesystem::path pdf;
        int page;
    } printed[] = {{"SVG", form, 1},
                   {"WMF, placeable", form, 2},
                   {"PDF", form, 3},
                   {"PNG", voucher, 1},
                   {"WMF, placeable, anisotropic", metafiles, 1},
                   {"WMF, without placeable header", metafiles, 2},
                   {"WMF, isotropic", metafiles, 3}};
    for (const auto& image : printed) {
        SCOPED_TRACE(image.kind);
        const BarMiddles bars = MeasureEdgeBars(PdfPageRaster(image.pdf, image.page, kDotsPerInch), kDotsPerInch);
        EXPECT_NEAR(bars.left, expected.left, kPointsOff);
        EXPECT_NEAR(bars.right, expected.right, kPointsOff);
        EXPECT_NEAR(bars.top, expected.top, kPointsOff);
        EXPECT_NEAR(bars.bottom, expected.bottom, kPointsOff);
    }
}

TEST_F(DesktopPrinting, AMetafileInTheAnisotropicMappingStretchesTheWindowItsRecordsSetOverTheWholePage) {
    // Each page's image has the page's box in its placeable header; the
    // windows its records draw in differ.
    WriteWindowedMetafile(folder_.Path() / "TF1P123C.wmf", {0, 0, 850, 1100});         // a tenth of the box
    WriteWindowedMetafile(folder_.Path() / "TF1P223C.wmf", {0, 0, 17000, 22000});      // twice the box
    WriteWindowedMetafile(folder_.Path() / "TF1P323C.wmf", {-500, -700, 8500, 11000}); // an origin of its own
    WriteWindowedMetafile(folder_.Path() / "TF1V23.wmf", {0, 0, 8500, 11000});         // the box itself
    desktop::FormWindow* f941 = OpenFirstQuarter();
    ASSERT_NE(f941, nullptr);
    const std::filesystem::path form = folder_.Path() / "form.pdf", voucher = folder_.Path() / "voucher.pdf";
    PrintReturnToFile(*f941, Printout::Form, form);
    PrintReturnToFile(*f941, Printout::Voucher, voucher);

    constexpr int kDotsPerInch = 288;
    constexpr double kPointsOff = 0.5, kReach = 0.25 * kPointsPerInch;
    const struct {
        const char* window;
        std::filesystem::path pdf;
        int page;
    } printed[] = {{"a tenth of the frame", form, 1},
                   {"twice the frame", form, 2},
                   {"an origin of its own", form, 3},
                   {"the frame", voucher, 1}};
    for (const auto& image : printed) {
        SCOPED_TRACE(image.window);
        const QImage page = PdfPageRaster(image.pdf, image.page, kDotsPerInch);
        for (const PageMark& mark : kPageMarks) {
            const QPointF expected(mark.x * kPointsPerInch, mark.y * kPointsPerInch);
            const std::optional<QPointF> middle = InkMiddleNear(page, kDotsPerInch, expected, kReach);
            if (!middle) {
                ADD_FAILURE() << "no mark near " << mark.x << ", " << mark.y << " in";
                continue;
            }
            EXPECT_NEAR(middle->x(), expected.x(), kPointsOff) << "the mark at " << mark.x << ", " << mark.y << " in";
            EXPECT_NEAR(middle->y(), expected.y(), kPointsOff) << "the mark at " << mark.x << ", " << mark.y << " in";
        }
    }
}

// A folder no one may write into while it is so, root included: the
// system's immutable attribute binds root too; any other user is bound by
// the permission bits.
void RefuseWrites(const std::filesystem::path& folder, bool refused) {
    if (::geteuid() != 0) {
        ::chmod(folder.c_str(), refused ? 0555 : 0755);
        return;
    }
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int flags = 0;
    if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
        flags = refused ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
    }
    if (fd >= 0) ::close(fd);
}

TEST_F(DesktopPrinting, APrintoutThatCannotBeWrittenIsReportedWithItsCauseAndNeitherSavedNorOffered) {
    desktop::FormWindow* f941 = OpenFirstQuarter();
    ASSERT_NE(f941, nullptr);
    const QString notPrinted = QStringLiteral("The document could not be printed.\n\nCannot write ");
    {
        // Rendering the pages fills the disk: no print dialog, so no printer.
        FileSizeLimit diskFull(4096);
        BoxAnswerer answerer({QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok});
        ClickWidget(f941->WidgetNamed("DMWin2"));
        ASSERT_EQ(answerer.Seen().size(), 3u);
        EXPECT_TRUE(answerer.Seen()[2].text.startsWith(notPrinted)) << answerer.Seen()[2].text.toStdString();
    }
    // The chosen file cannot be written, once the dialog has taken it.
    const std::filesystem::path chosen = folder_.Path() / "chosen";
    const std::filesystem::path pdf = chosen / "chosen.pdf";
    std::filesystem::create_directory(chosen);
    std::unique_ptr<FileSizeLimit> diskFull;
    const struct {
        const char* cause;
        std::function<void()> strike, heal;
    } failures[] = {
        {": Disk full", [&] { diskFull = std::make_unique<FileSizeLimit>(4096); }, [&] { diskFull.reset(); }},
        {": Path not found", [&] { std::filesystem::remove(chosen); },
         [&] { std::filesystem::create_directory(chosen); }},
        // A file where the path goes through a folder.
        {": Path not found",
         [&] {
             std::filesystem::remove(chosen);
             std::ofstream(chosen) << "a file";
         },
         [&] {
             std::filesystem::remove(chosen);
             std::filesystem::create_directory(chosen);
         }},
        {": Path/File access error", [&] { RefuseWrites(chosen, true); }, [&] { RefuseWrites(chosen, false); }},
        // Qt refuses a folder of that name itself: no system error to tell.
        {": Path/File access error", [&] { std::filesystem::create_directory(pdf); },
         [&] { std::filesystem::remove(pdf); }},
    };
    for (const auto& failure : failures) {
        BoxAnswerer answerer({QMessageBox::Yes, QMessageBox::No,
                              PrintToFile(QString::fromStdString(pdf.string()), nullptr, failure.strike),
                              QMessageBox::Ok});
        ClickWidget(f941->WidgetNamed("DMWin2"));
        failure.heal();
        ASSERT_EQ(answerer.Seen().size(), 3u) << failure.cause;
        EXPECT_EQ(answerer.Seen()[2].text.toStdString(),
                  (notPrinted + QString::fromStdString(pdf.string())).toStdString() + failure.cause);
        EXPECT_TRUE(std::filesystem::is_empty(chosen)) << failure.cause;
    }
}

// Printed over an older file on a disk without room for the new one (a
// file-size limit, whose signal the program's own set-up deals with): the
// printout is said not to be written, the older file keeps its bytes, and
// nothing else is left in the folder.
TEST_F(DesktopPrinting, APrintoutThatDoesNotFitLeavesTheFileItWouldReplaceAsItWas) {
    desktop::FormWindow* f941 = OpenFirstQuarter();
    ASSERT_NE(f941, nullptr);
    const std::filesystem::path chosen = folder_.Path() / "chosen";
    std::filesystem::create_directory(chosen);
    const std::filesystem::path pdf = chosen / "older.pdf";
    const std::string olderBytes = "%PDF-1.4 an older printout " + std::string(20000, 'x');
    std::ofstream(pdf, std::ios::binary) << olderBytes;
    std::unique_ptr<FileSizeLimit> diskFull;
    BoxAnswerer answerer({QMessageBox::Yes, QMessageBox::No,
                          PrintToFile(QString::fromStdString(pdf.string()), nullptr,
                                      [&diskFull] {
                                          diskFull = std::make_unique<FileSizeLimit>(
                                              4096, FileSizeLimit::Signal::AsTheProgramSetIt);
                                      }),
                          QMessageBox::Yes, QMessageBox::Ok});
    ClickWidget(f941->WidgetNamed("DMWin2"));
    diskFull.reset();

    ASSERT_EQ(answerer.Pending(), 0u);
    EXPECT_EQ(answerer.Seen().back().text, QStringLiteral("The document could not be printed.\n\nCannot write ") +
                                               QString::fromStdString(pdf.string()) + QStringLiteral(": Disk full"));
    std::ifstream older(pdf, std::ios::binary);
    EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(older), {}) == olderBytes) << "the older file changed";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(chosen), {}), 1) << "a partial copy was left";
}

} // namespace
