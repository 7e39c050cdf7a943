#include "DesktopTestSupport.h"

#include "desktop/Program.h"
#include "platform/data/Engine.h"
#include "platform/data/Schema.h"
#include "platform/forms/Forms.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>
#include <fstream>
#include <optional>

namespace desktop_test {
namespace {

constexpr int kPollMs = 20;
constexpr int kPatiencePolls = 250; // five seconds

// The offscreen screen is a laptop's that the screens must fit, 1366 x 768,
// or the size TV_TEST_SCREEN names ("1280x800"). Qt reads it from a file,
// written into `folder`.
std::filesystem::path DescribeOffscreenScreen(const std::filesystem::path& folder) {
    const char* named = std::getenv("TV_TEST_SCREEN");
    const std::string size = named != nullptr ? named : "1366x768";
    const auto by = size.find('x');
    const std::string width = size.substr(0, by);
    const std::string height = by == std::string::npos ? width : size.substr(by + 1);
    const std::filesystem::path file = folder / "screen.json";
    std::ofstream(file) << R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": )" << width << R"(, "height": )"
                        << height << R"(, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
    return file;
}

} // namespace

void EnsureApplication() {
    if (QApplication::instance() != nullptr) return;
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    // The screen's file is needed only while the application starts.
    std::optional<RunFolder> screenFolder;
    if (platform == nullptr || std::string(platform) == "offscreen") {
        screenFolder.emplace("tv-screen");
        const auto screenFile = DescribeOffscreenScreen(screenFolder->Path());
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + screenFile.string().c_str());
    }
    static int argc = 1;
    static char name[] = "test_desktop";
    static char* argv[] = {name, nullptr};
    desktop::ProvideRuntimeFolder();
    static QApplication* application = new QApplication(argc, argv);
    desktop::SetUpApplication();
    (void)application;
}

void ProcessEvents() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void PressKey(QWidget* widget, int qtKey, const QString& text, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, text);
    QApplication::sendEvent(widget, &press);
    // Alt itself is down while pressed, up when released.
    if (qtKey == Qt::Key_Alt) modifiers &= ~Qt::AltModifier;
    QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

void TypeKeys(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        const int key = c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - 'A')
                                     : (c.isDigit() ? Qt::Key_0 + (c.unicode() - '0') : c.unicode());
        PressKey(widget, key, QString(c));
    }
}

void ClickWidget(QWidget* widget) { ClickWidgetAt(widget, QPointF(widget->width() / 2.0, widget->height() / 2.0)); }

namespace {

// The time the mouse events carry, in milliseconds: each gesture comes long
// after the one before, the clicks of a double- or triple-click in quick
// succession.
quint64 eventTime = 0;
constexpr quint64 kBetweenGestures = 60000;
constexpr quint64 kBetweenClicks = 50;

void SendMouse(QWidget* widget, QEvent::Type type, const QPointF& local, Qt::MouseButtons held,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier, Qt::MouseButton button = Qt::LeftButton) {
    QMouseEvent event(type, local, widget->mapToGlobal(local), type == QEvent::MouseMove ? Qt::NoButton : button, held,
                      modifiers);
    event.setTimestamp(eventTime);
    QApplication::sendEvent(widget, &event);
}

void OneClick(QWidget* widget, const QPointF& local, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    SendMouse(widget, QEvent::MouseButtonPress, local, Qt::LeftButton, modifiers);
    SendMouse(widget, QEvent::MouseButtonRelease, local, Qt::NoButton, modifiers);
    eventTime += kBetweenClicks;
}

} // namespace

void ClickWidgetAt(QWidget* widget, const QPointF& local, Qt::KeyboardModifiers modifiers) {
    eventTime += kBetweenGestures;
    OneClick(widget, local, modifiers);
}

void DoubleClickWidgetAt(QWidget* widget, const QPointF& local) {
    ClickWidgetAt(widget, local);
    SendMouse(widget, QEvent::MouseButtonDblClick, local, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, local, Qt::NoButton);
    eventTime += kBetweenClicks;
}

void TripleClickWidgetAt(QWidget* widget, const QPointF& local) {
    DoubleClickWidgetAt(widget, local);
    // As a hand clicks: the third press moves a little before it is let go.
    const QPointF moved = local + QPointF(3, 0);
    SendMouse(widget, QEvent::MouseButtonPress, local, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseMove, moved, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, moved, Qt::NoButton);
    eventTime += kBetweenClicks;
}

void QuadrupleClickWidgetAt(QWidget* widget, const QPointF& local) {
    TripleClickWidgetAt(widget, local);
    // The toolkit reports a fourth quick press as a double-click.
    SendMouse(widget, QEvent::MouseButtonDblClick, local, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, local, Qt::NoButton);
    eventTime += kBetweenClicks;
}

void DragAcross(QWidget* widget, const QPointF& from, const QPointF& to, Qt::MouseButton button) {
    constexpr int kSteps = 4;
    eventTime += kBetweenGestures;
    SendMouse(widget, QEvent::MouseButtonPress, from, button, Qt::NoModifier, button);
    for (int step = 1; step <= kSteps; ++step) {
        SendMouse(widget, QEvent::MouseMove, from + (to - from) * step / kSteps, button);
    }
    SendMouse(widget, QEvent::MouseButtonRelease, to, Qt::NoButton, Qt::NoModifier, button);
}

BoxAnswerer::BoxAnswerer(std::vector<Answer> answers) : steps_(std::move(answers)) {
    QTimer::singleShot(kPollMs, &timers_, [this] { Poll(); });
}

void BoxAnswerer::Record(QWidget* modal) {
    SeenBox seen;
    seen.title = modal->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        seen.text = box->text();
        seen.icon = box->icon();
        if (box->defaultButton() != nullptr) seen.defaultButton = box->defaultButton()->text();
    }
    seen_.push_back(seen);
}

bool BoxAnswerer::Take(const Answer& answer, QWidget* modal) {
    if (const Step* step = std::get_if<Step>(&answer)) return (*step)(modal);
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box == nullptr) return false;
    Record(box);
    if (QAbstractButton* button = box->button(std::get<QMessageBox::StandardButton>(answer))) {
        button->click();
    } else {
        box->reject();
    }
    return true;
}

void BoxAnswerer::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
        unhandledPolls_ = 0;
    } else if (!steps_.empty()) {
        // Taken off first: the step may bring up the next dialog itself.
        Answer step = std::move(steps_.front());
        steps_.erase(steps_.begin());
        if (Take(step, modal)) {
            unhandledPolls_ = 0;
        } else {
            steps_.insert(steps_.begin(), std::move(step));
            ++unhandledPolls_;
        }
    } else {
        ++unhandledPolls_;
    }
    if (unhandledPolls_ > kPatiencePolls) {
        // A dialog nobody expected would hold the test forever: it is
        // recorded for the test to see and sent away.
        Record(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        unhandledPolls_ = 0;
    }
    QTimer::singleShot(kPollMs, &timers_, [this] { Poll(); });
}

ProgramFolder::ProgramFolder() {
    std::filesystem::create_directories(Path() / "drives" / "a");
    data::MakeEmptyDatabases(Path().string());
}

// The program made its folder the current one; it goes with the folder.
ProgramFolder::~ProgramFolder() {
    std::error_code ignored;
    std::filesystem::current_path(std::filesystem::temp_directory_path(), ignored);
}

QWidget* VisibleWindowTitled(const QString& title) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->windowTitle() == title) return w;
    }
    return nullptr;
}

void RunningProgram::SetUp() {
    EnsureApplication();
    if (OffersPrints()) {
        frontEnd_ = std::make_unique<desktop::DesktopFrontEnd>();
    } else {
        frontEnd_ = std::make_unique<desktop::DesktopFrontEnd>([](const printing::PrintDocument&) {});
    }
    desktop::UseProgramFolder(folder_.Path());
    ASSERT_TRUE(desktop::StartProgram());
}

void RunningProgram::TearDown() {
    forms::App().UseScriptedDialogs(forms::ScriptedDialogs::WhenUnscripted::DefaultButton);
    forms::App().Reset();
    frontEnd_.reset();
    ProcessEvents();
}

void RunningProgram::Sql(const std::string& statement) const {
    data::OpenDatabase((folder_.Path() / "TV941.MDB").string())->Execute(statement);
}

desktop::FormWindow* RunningProgram::WindowOf(const char* screenName) const {
    auto& app = forms::App();
    for (int i = 0; i < app.Count(); ++i) {
        if (app.Item(i).Name() == screenName) return frontEnd_->WindowOf(app.Item(i));
    }
    return nullptr;
}

QAction* MenuEntry(QWidget* window, const QString& menu, const QString& entry) {
    auto* mainWindow = qobject_cast<QMainWindow*>(window);
    if (mainWindow == nullptr) return nullptr;
    for (QAction* top : mainWindow->menuBar()->actions()) {
        if (top->text() != menu || top->menu() == nullptr) continue;
        for (QAction* item : top->menu()->actions()) {
            if (item->text() == entry) return item;
        }
    }
    return nullptr;
}

desktop::FormWindow* RunningProgram::OpenEmployerScreen() {
    QAction* workWithForms = MenuEntry(WindowOf("frmStartup"), "File", "Work with Forms 941 / 944");
    if (workWithForms == nullptr) return nullptr;
    workWithForms->trigger();
    desktop::FormWindow* mainMenu = WindowOf("frm941MainScreen");
    if (mainMenu == nullptr) return nullptr;
    ClickWidget(mainMenu->WidgetNamed("Command1"));
    return WindowOf("frmEmployersDE");
}

desktop::FormWindow* RunningProgram::OpenFirstQuarter() {
    desktop::FormWindow* employers = OpenEmployerScreen();
    if (employers == nullptr) return nullptr;
    BoxAnswerer answerer({QMessageBox::Ok});
    ClickWidget(employers->WidgetNamed("cmdQtr1"));
    return WindowOf("frmDet941Covid0621");
}

} // namespace desktop_test
