#pragma once
// What the desktop tests share: an offscreen QApplication, real keys and
// clicks sent to widgets, real message boxes answered from a timer, and a
// program folder with the installation's empty databases.

#include "desktop/DesktopFrontEnd.h"
#include "desktop/FormWindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMessageBox>
#include <QObject>
#include <QPointF>
#include <QString>
#include <QWidget>

#include "support/FileSizeLimit.h"
#include "support/RunFolder.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace desktop_test {

// The one QApplication of the test program (offscreen on a 1366 x 768 screen
// unless told otherwise), set up as the program sets up its own.
void EnsureApplication();

// Lets queued window events run (posted events, deferred deletes).
void ProcessEvents();

// A key pressed and released over the widget, as the keyboard sends it.
void PressKey(QWidget* widget, int qtKey, const QString& text = QString(),
              Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void TypeKeys(QWidget* widget, const QString& text);
// A left click in the middle of the widget (press and release).
void ClickWidget(QWidget* widget);
// A left click at a point of the widget (Shift held: a Shift+click).
void ClickWidgetAt(QWidget* widget, const QPointF& local, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// A left double-click at a point of the widget, as the mouse sends it:
// press, release, double-click, release.
void DoubleClickWidgetAt(QWidget* widget, const QPointF& local);
// A double-click and at once a third click at the same point, the pointer
// moving a little before the third is let go, as a hand makes it.
void TripleClickWidgetAt(QWidget* widget, const QPointF& local);
// A triple-click and at once a fourth click at the same point.
void QuadrupleClickWidgetAt(QWidget* widget, const QPointF& local);
// The button pressed at `from`, the pointer moved with it held to `to` in
// steps, and released there.
void DragAcross(QWidget* widget, const QPointF& from, const QPointF& to, Qt::MouseButton button = Qt::LeftButton);

// A modal box the test saw and answered.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString defaultButton;
};

// Answers the next modal dialogs, in order: message boxes by pressing the
// given buttons (what each showed is recorded), other dialogs by a step of
// the test's own, which returns false while the dialog in front is not the
// one it is for. A dialog left unanswered for five seconds is recorded in
// Seen and rejected, so that a test fails instead of hanging.
class BoxAnswerer {
public:
    using Step = std::function<bool(QWidget* modal)>;
    using Answer = std::variant<QMessageBox::StandardButton, Step>;
    explicit BoxAnswerer(std::vector<Answer> answers);
    const std::vector<SeenBox>& Seen() const { return seen_; }
    // Steps not taken yet.
    std::size_t Pending() const { return steps_.size(); }

private:
    void Poll();
    bool Take(const Answer& answer, QWidget* modal);
    void Record(QWidget* modal);
    std::vector<Answer> steps_;
    std::vector<SeenBox> seen_;
    int unhandledPolls_ = 0;
    QObject timers_; // the polling stops with the answerer
};

// The employer the desktop tests open the screens over.
inline constexpr const char* kFirstEmployer =
    "INSERT INTO Employers (EmployerNo, EmployerName1, IdType, Pyr_Taxid, TypePayer, Country, AddressLine2, City, "
    "State, EmployerZipCode) VALUES (1, 'ACME TOOLS', '1', '061234567', 'R', 'Y', '1 MAIN ST', 'NEW HAVEN', 'CT', "
    "'06510')";

// A fresh folder holding TV941.MDB and db1099_ID.mdb, removed at the end.
class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();
    const std::filesystem::path& Path() const { return run_.Path(); }

private:
    RunFolder run_{"tv941-desktop"};
};

// The visible top-level window whose title is `title` (null: none).
QWidget* VisibleWindowTitled(const QString& title);
// The entry of the window's menu bar (null: none).
QAction* MenuEntry(QWidget* window, const QString& menu, const QString& entry);

// The whole program started over a fresh program folder, its screens in
// real windows, reached through the menus and buttons a user clicks.
class RunningProgram : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Finished printouts go to the print dialog, as in the program; by
    // default they are dropped.
    virtual bool OffersPrints() const { return false; }

    // Runs a statement against the folder's TV941.MDB.
    void Sql(const std::string& statement) const;
    // The window of the loaded screen named so (null: none).
    desktop::FormWindow* WindowOf(const char* screenName) const;
    // Start-up File menu, "Work with Forms 941 / 944", then
    // "Enter/Edit/Print Data" on the main menu.
    desktop::FormWindow* OpenEmployerScreen();
    // Then the employer screen's first-quarter button, the message that the
    // quarter has no row yet answered: the Form 941 screen's window.
    desktop::FormWindow* OpenFirstQuarter();

    ProgramFolder folder_;
    std::unique_ptr<desktop::DesktopFrontEnd> frontEnd_;
};

} // namespace desktop_test
