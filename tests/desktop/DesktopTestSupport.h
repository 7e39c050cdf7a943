#pragma once
// What the desktop tests share: an offscreen QApplication, real keys and
// clicks sent to widgets, real message boxes answered from a timer, and a
// program folder with the installation's empty databases.

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QWidget>

#include <filesystem>
#include <string>
#include <vector>

namespace desktop_test {

// The one QApplication of the test program (offscreen unless told otherwise).
void EnsureApplication();

// Lets queued window events run (posted events, deferred deletes).
void ProcessEvents();

// A key pressed and released over the widget, as the keyboard sends it.
void PressKey(QWidget* widget, int qtKey, const QString& text = QString());
void TypeKeys(QWidget* widget, const QString& text);
// A left click in the middle of the widget (press and release).
void ClickWidget(QWidget* widget);

// A modal box the test saw and answered.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString defaultButton;
};

// Answers the next modal message boxes, in order, by pressing the given
// buttons; records what each showed.
class BoxAnswerer {
public:
    explicit BoxAnswerer(std::vector<QMessageBox::StandardButton> answers);
    const std::vector<SeenBox>& Seen() const { return seen_; }

private:
    void Poll();
    std::vector<QMessageBox::StandardButton> answers_;
    std::vector<SeenBox> seen_;
    QObject timers_; // the polling stops with the answerer
};

// A fresh folder holding TV941.MDB and db1099_ID.mdb, removed at the end.
class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The visible top-level window whose title is `title` (null: none).
QWidget* VisibleWindowTitled(const QString& title);

} // namespace desktop_test
