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

#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

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
// it (a file to replace) is the next step's.
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
        if (beforePrint) beforePrint();
        QTimer::singleShot(0, buttons->button(QDialogButtonBox::Ok), &QAbstractButton::click);
        return true;
    };
}

// Reads the file name the print dialog proposes, and the printer or file
// output it starts on, and closes it unprinted.
BoxAnswerer::Step ReadProposedFile(QString* proposed, QString* output) {
    return [proposed, output](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        if (dialog == nullptr) return false;
        if (auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"))) *proposed = file->text();
        auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
        if (printers != nullptr) *output = printers->currentText();
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
    const std::filesystem::path chosen = folder_ / "chosen";
    std::filesystem::create_directory(chosen);
    const std::filesystem::path mine = chosen / "mine.pdf";
    QString proposed, output;
    {
        BoxAnswerer answerer(
            {QMessageBox::Yes, QMessageBox::No, PrintToFile(QString::fromStdString(mine.string()), &proposed),
             QMessageBox::Ok});
        ClickWidget(f941->WidgetNamed("DMWin2"));
        ASSERT_EQ(answerer.Pending(), 0u) << "printing to a file did not finish";
        EXPECT_EQ(answerer.Seen()[2].text.toStdString(), "The printout was saved as\n\n" + mine.string());
    }
    // The first dialog proposes the printout's own name in the program's
    // printouts folder.
    EXPECT_EQ(proposed.toStdString(), (folder_ / "printouts" / "ACME TOOLS - Form 941 2022 Q1.pdf").string());
    EXPECT_FALSE(ReadPdfPages(mine).empty());
    BoxAnswerer answerer({QMessageBox::Yes, QMessageBox::No, ReadProposedFile(&proposed, &output)});
    ClickWidget(f941->WidgetNamed("DMWin2"));
    ASSERT_EQ(answerer.Pending(), 0u) << "the second print dialog never came up";
    EXPECT_EQ(proposed.toStdString(), (chosen / "ACME TOOLS - Form 941 2022 Q1.pdf").string());
    if (queue.Unavailable().empty()) EXPECT_EQ(output.toStdString(), "Print to File (PDF)");
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
    const std::filesystem::path file = folder_ / "file.pdf";
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

TEST_F(DesktopPrinting, ThePrintDialogNamesThePageImagesMissingFromTheProgramFolder) {
    // The quarter has no row yet, so the screen's own period is empty: it
    // names the images of the other period column, TF1P123C.wmf and so on.
    WriteTestMetafile(folder_ / "tf1p123c.wmf", true);
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

TEST_F(DesktopPrinting, PageImagesOfEveryKindLandOnThePageTheirFramesStretchedOverIt) {
    WriteEdgeMarkedSvg(folder_ / "TF1P123C.svg");
    WriteEdgeMarkedMetafile(folder_ / "TF1P223C.wmf", true);
    WriteEdgeMarkedPdf(folder_ / "TF1P323C.pdf");
    WriteEdgeMarkedPng(folder_ / "TF1V23.png");
    desktop::FormWindow* f941 = OpenFirstQuarter();
    ASSERT_NE(f941, nullptr);
    const std::filesystem::path form = folder_ / "form.pdf", voucher = folder_ / "voucher.pdf",
                                metafiles = folder_ / "metafiles.pdf";
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
    WriteEdgeMarkedMetafile(folder_ / "TF1P123C.wmf", true, Mapping::Anisotropic);
    WriteEdgeMarkedMetafile(folder_ / "TF1P223C.wmf", false);
    WriteEdgeMarkedMetafile(folder_ / "TF1P323C.wmf", false, Mapping::Isotropic);
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

TEST_F(DesktopPrinting, APrintoutThatDoesNotFitOnTheDiskIsReportedAndNotSaved) {
    desktop::FormWindow* f941 = OpenFirstQuarter();
    ASSERT_NE(f941, nullptr);
    const QString notPrinted = QStringLiteral("The document could not be printed.\n\nCannot write ");
    // The chosen file fills the disk.
    const std::filesystem::path pdf = folder_ / "chosen.pdf";
    std::unique_ptr<FileSizeLimit> diskFull;
    BoxAnswerer answerer({QMessageBox::Yes, QMessageBox::No,
                          PrintToFile(QString::fromStdString(pdf.string()), nullptr,
                                      [&diskFull] { diskFull = std::make_unique<FileSizeLimit>(4096); }),
                          QMessageBox::Ok});
    ClickWidget(f941->WidgetNamed("DMWin2"));
    diskFull.reset();
    ASSERT_EQ(answerer.Seen().size(), 3u);
    EXPECT_EQ(answerer.Seen()[2].text, notPrinted + QString::fromStdString(pdf.string()));
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

// Printed over an older file on a disk without room for the new one (a
// file-size limit, whose signal the program's own set-up deals with): the
// printout is said not to be written, the older file keeps its bytes, and
// nothing else is left in the folder.
TEST_F(DesktopPrinting, APrintoutThatDoesNotFitLeavesTheFileItWouldReplaceAsItWas) {
    desktop::FormWindow* f941 = OpenFirstQuarter();
    ASSERT_NE(f941, nullptr);
    const std::filesystem::path chosen = folder_ / "chosen";
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
    EXPECT_EQ(answerer.Seen().back().text,
              QStringLiteral("The document could not be printed.\n\nCannot write ") + QString::fromStdString(pdf.string()));
    std::ifstream older(pdf, std::ios::binary);
    EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(older), {}) == olderBytes) << "the older file changed";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(chosen), {}), 1) << "a partial copy was left";
}

} // namespace
