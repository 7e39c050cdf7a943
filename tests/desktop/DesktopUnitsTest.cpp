// The small rules of the front end: window placement, keys, colours, the
// folder list's entries and where a rendered printout goes.

#include "DesktopTestSupport.h"

#include "desktop/Colours.h"
#include "desktop/DriveFolderViews.h"
#include "desktop/KeyTranslation.h"
#include "desktop/PrintOffer.h"
#include "desktop/PrintoutFile.h"
#include "desktop/WindowPlacement.h"
#include "support/RefusedSystemCalls.h"

#include <QFile>
#include <QKeyEvent>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace desktop_test;

TEST(DesktopUnits, AWindowIsKeptWhollyOnTheScreen) {
    const QRect screen(0, 0, 1280, 800);
    // The start-up screen: the display's size, a tenth in from its corner.
    EXPECT_EQ(desktop::ClampToScreen(QRect(128, 80, 1280, 800), screen), screen);
    // Larger than the display: shrunk to it.
    EXPECT_EQ(desktop::ClampToScreen(QRect(0, 0, 2000, 1000), screen), screen);
    // Off the left and top: moved on.
    EXPECT_EQ(desktop::ClampToScreen(QRect(-50, -20, 400, 300), screen), QRect(0, 0, 400, 300));
    // Off the right and bottom: moved back.
    EXPECT_EQ(desktop::ClampToScreen(QRect(1100, 700, 400, 300), screen), QRect(880, 500, 400, 300));
    // Already on the screen: untouched.
    EXPECT_EQ(desktop::ClampToScreen(QRect(10, 20, 400, 300), screen), QRect(10, 20, 400, 300));
    // A screen whose usable part does not start at the origin.
    EXPECT_EQ(desktop::ClampToScreen(QRect(0, 0, 400, 300), QRect(0, 30, 1280, 770)), QRect(0, 30, 400, 300));
}

TEST(DesktopUnits, TheClientAreaIsTheOuterSizeLessTheChromeButHoldsTheControls) {
    const desktop::WindowChrome chrome{QMargins(4, 26, 4, 4), 20};
    EXPECT_EQ(desktop::ClientSize(QSize(524, 300), chrome, QSize(100, 100)), QSize(516, 250));
    EXPECT_EQ(desktop::ClientSize(QSize(524, 300), chrome, QSize(600, 280)), QSize(600, 280));
}

TEST(DesktopUnits, KeysBecomeTheCodesTheHandlersSee) {
    EnsureApplication();
    auto code = [](int key, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        return desktop::KeyCodeOf(QKeyEvent(QEvent::KeyPress, key, mods, text));
    };
    EXPECT_EQ(code(Qt::Key_Return, "\r"), 13);
    EXPECT_EQ(code(Qt::Key_Enter, "\r", Qt::KeypadModifier), 13);
    EXPECT_EQ(code(Qt::Key_Tab, "\t"), 9);
    EXPECT_EQ(code(Qt::Key_Backspace, "\b"), 8);
    EXPECT_EQ(code(Qt::Key_Escape, "\x1b"), 27);
    EXPECT_EQ(code(Qt::Key_3, "3"), '3');
    EXPECT_EQ(code(Qt::Key_A, "a"), 'a');
    EXPECT_EQ(code(Qt::Key_A, "A", Qt::ShiftModifier), 'A');
    EXPECT_EQ(code(Qt::Key_Space, " "), 32);
    // Never seen by the screens.
    EXPECT_EQ(code(Qt::Key_Left, ""), 0);
    EXPECT_EQ(code(Qt::Key_F1, ""), 0);
    EXPECT_EQ(code(Qt::Key_V, "\x16", Qt::ControlModifier), 0);
    EXPECT_EQ(code(Qt::Key_S, "s", Qt::AltModifier), 0);
    EXPECT_EQ(code(Qt::Key_Backtab, "", Qt::ShiftModifier), 0);
    // Characters as code page 1252 numbers them; one it lacks types nothing.
    EXPECT_EQ(code(Qt::Key_Eacute, QString(QChar(0xE9))), 0xE9);
    EXPECT_EQ(code(Qt::Key_unknown, QString(QChar(0x20AC))), 0x80);
    EXPECT_EQ(code(Qt::Key_unknown, QString(QChar(0x0142))), 0);
    EXPECT_EQ(code(Qt::Key_nobreakspace, QString(QChar(0x00A0))), 32) << "a no-break blank is a blank";
}

TEST(DesktopUnits, ColoursAreTheSystemsNumbers) {
    QPalette palette;
    palette.setColor(QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Button, QColor(4, 5, 6));
    EXPECT_EQ(desktop::QtColour(0x80FFFFL, palette), QColor(255, 255, 128));
    EXPECT_EQ(desktop::QtColour(0xE0E0E0L, palette), QColor(224, 224, 224));
    EXPECT_EQ(desktop::QtColour(0x0000FFL, palette), QColor(255, 0, 0)) << "&H0000FF is red";
    EXPECT_EQ(desktop::QtColour(0x80000005L, palette), QColor(1, 2, 3)) << "the window colour";
    EXPECT_EQ(desktop::QtColour(0x8000000FL, palette), QColor(4, 5, 6)) << "the button face";
}

TEST(DesktopUnits, TheFolderListShowsThePathDownFromTheRootThenTheSubfolders) {
    const auto entries = desktop::FolderEntries("c:\\Program Files\\Tavrilo", {"Data", "Old"});
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].shown, "c:\\");
    EXPECT_EQ(entries[0].path, "c:\\");
    EXPECT_EQ(entries[1].shown, "Program Files");
    EXPECT_EQ(entries[1].path, "c:\\Program Files");
    EXPECT_EQ(entries[2].path, "c:\\Program Files\\Tavrilo");
    EXPECT_EQ(entries[2].depth, 2);
    EXPECT_EQ(entries[3].path, "c:\\Program Files\\Tavrilo\\Data");
    EXPECT_EQ(entries[4].shown, "Old");
    EXPECT_EQ(entries[4].depth, 3);

    const auto root = desktop::FolderEntries("a:\\", {"BACKUP"});
    ASSERT_EQ(root.size(), 2u);
    EXPECT_EQ(root[1].path, "a:\\BACKUP");
}

TEST(DesktopUnits, PrintingToAPdfFileCopiesTheRenderedPdfThere) {
    EnsureApplication();
    QTemporaryDir folder;
    const QString rendered = folder.filePath("rendered.pdf");
    {
        QFile file(rendered);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("%PDF-1.4 test");
    }
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("chosen.pdf"));
    QString error;
    ASSERT_TRUE(desktop::DeliverPdf(rendered, printer, &error)) << error.toStdString();
    QFile chosen(folder.filePath("chosen.pdf"));
    ASSERT_TRUE(chosen.open(QIODevice::ReadOnly));
    EXPECT_EQ(chosen.readAll(), QByteArray("%PDF-1.4 test"));

    printer.setOutputFileName(folder.filePath("no/such/folder/x.pdf"));
    EXPECT_FALSE(desktop::DeliverPdf(rendered, printer, &error));
    EXPECT_FALSE(error.isEmpty());

    // A disk that fails as the copy is written.
    printer.setOutputFileName(folder.filePath("failing.pdf"));
    const int failingDisk = refusedcalls::RunWhereCallsFail({{SYS_write}, {SYS_pwrite64}}, EIO, [&] {
        const bool failed = !desktop::DeliverPdf(rendered, printer, &error);
        return failed && error == "Cannot write " + folder.filePath("failing.pdf") + ": Device I/O error" ? 0 : 1;
    });
    if (failingDisk != refusedcalls::kCannotRefuseCalls) EXPECT_EQ(failingDisk, 0);
}

TEST(DesktopUnits, APrintoutsFileIsNamedAsThePrintoutNamesItElseAfterItsTitleWithoutPathCharacters) {
    EXPECT_EQ(desktop::PrintoutFileName("A/B: TOOLS - Form 941-V 2022 Q1", "Print Form 941 - Payment Voucher"),
              "A-B- TOOLS - Form 941-V 2022 Q1.pdf");
    EXPECT_EQ(desktop::PrintoutFileName("", "Print Employers' Listing"), "Employers' Listing.pdf");
}

} // namespace
