// Every screen on a laptop's screen (1366 x 768 here; 1280 x 800 in its own
// run, and both again under a real window manager, whose frames the offscreen
// platform does not draw): each window, frame included, lies within the
// screen's work area, and every control it shows lies whole within the window
// and within what it stands in.

#include "DesktopTestSupport.h"
#include "WindowManagerMove.h"

#include "platform/basic/RuntimeError.h"
#include "platform/forms/Forms.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using namespace desktop_test;

QRect GlobalRect(const QWidget& widget) { return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size()); }

std::string Shown(const QRect& r) {
    return std::to_string(r.width()) + "x" + std::to_string(r.height()) + " at " + std::to_string(r.x()) + "," +
           std::to_string(r.y());
}

// "screen[.control]: what lies outside" for the window and its controls.
std::vector<std::string> PartsOffTheScreen(const desktop::FormWindow& window, const QRect& workArea) {
    std::vector<std::string> outside;
    const std::string name = window.Model().Name();
    if (!workArea.contains(window.frameGeometry())) {
        outside.push_back(name + ": the window's frame, " + Shown(window.frameGeometry()) + ", off " + Shown(workArea));
    }
    const QRect canvas = GlobalRect(*window.centralWidget());
    for (const forms::Control* control : window.Model().Controls()) {
        const QWidget* widget = window.WidgetNamed(control->Name(), control->Index());
        if (widget == nullptr || !widget->isVisible()) continue;
        const QRect shown = GlobalRect(*widget);
        if (!canvas.contains(shown) || !GlobalRect(*widget->parentWidget()).contains(shown)) {
            outside.push_back(name + "." + control->Name() +
                              (control->Index() >= 0 ? "(" + std::to_string(control->Index()) + ")" : ""));
        }
    }
    return outside;
}

using SmallScreens = RunningProgram;

TEST_F(SmallScreens, EveryScreenAndAllItsControlsLieOnTheScreen) {
    const QRect workArea = QGuiApplication::primaryScreen()->availableGeometry();
    const std::string size = std::to_string(workArea.width()) + "x" + std::to_string(workArea.height());
    ASSERT_TRUE(size == "1366x768" || size == "1280x800") << size;
    Sql(kFirstEmployer);
    ASSERT_NE(OpenEmployerScreen(), nullptr);
    // Whatever the screens ask while they load is answered with its default.
    forms::App().UseScriptedDialogs(forms::ScriptedDialogs::WhenUnscripted::DefaultButton);
    int seen = 0;
    for (const std::string& screen : forms::App().ScreenNames()) {
        forms::App().RunHandler(
            [&] {
                try {
                    forms::Screen(screen).Show();
                } catch (const basic::RuntimeError&) {
                    // A screen that cannot load here is checked as far as it came.
                }
            },
            true);
        ProcessEvents();
        auto& app = forms::App();
        for (int i = 0; i < app.Count(); ++i) {
            desktop::FormWindow* window = frontEnd_->WindowOf(app.Item(i));
            if (window == nullptr || !window->isVisible()) continue;
            ++seen;
            for (const std::string& part : PartsOffTheScreen(*window, workArea)) ADD_FAILURE() << size << " " << part;
        }
    }
    EXPECT_GT(seen, 20);
}

// Lets the window manager draw, place and report what the program asked of
// it (on the offscreen platform, the program's own events alone).
void LetTheWindowManagerAct() {
    QElapsedTimer waited;
    waited.start();
    do {
        ProcessEvents();
    } while (QGuiApplication::platformName() == "xcb" && waited.elapsed() < 250);
}

// Where the window's client area stands, asked of the display itself (Qt's
// own figure for a window the window manager placed may be out of date); the
// frame around it stands where it stood when the client does.
std::string StandsAt(const QWidget& window) { return Shown(GlobalRect(window)); }

TEST_F(SmallScreens, TheEmployerScreenStandsWhereItStoodEachTimeAReturnScreenCloses) {
    Sql(kFirstEmployer);
    Sql("INSERT INTO DET941 (EmployerNo, Qtr_Yr) VALUES (1, '122')");
    desktop::FormWindow* employers = OpenEmployerScreen();
    ASSERT_NE(employers, nullptr);
    LetTheWindowManagerAct();
    const std::string stood = StandsAt(*employers);
    for (int time = 1; time <= 5; ++time) {
        ClickWidget(employers->WidgetNamed("cmdQtr1"));
        desktop::FormWindow* f941 = WindowOf("frmDet941Covid0621");
        ASSERT_NE(f941, nullptr);
        LetTheWindowManagerAct();
        ClickWidget(f941->WidgetNamed("cmdClose"));
        LetTheWindowManagerAct();
        ASSERT_TRUE(employers->isVisible());
        EXPECT_EQ(StandsAt(*employers), stood) << "the return screen closed " << time << " times";
    }
}

// Lets the window manager act until it has told the window's frame (for
// five seconds at most).
void LetTheWindowManagerFrame(const QWidget& window) {
    LetTheWindowManagerAct();
    QElapsedTimer waited;
    waited.start();
    while (window.frameGeometry() == window.geometry() && waited.elapsed() < 5000) ProcessEvents();
}

// Lets the window manager act until the window's client area, asked of the
// display itself, stands at `at` (for five seconds at most). Qt's figure for
// the frame is not waited for: while the window manager reframes a window
// Qt may take it for a while as having none.
void LetTheWindowManagerMove(const QWidget& window, QPoint at) {
    LetTheWindowManagerAct();
    QElapsedTimer waited;
    waited.start();
    while (GlobalRect(window).topLeft() != at && waited.elapsed() < 5000) ProcessEvents();
}

TEST_F(SmallScreens, TheEmployerScreenTheUserMovedStandsWhereItWasMovedWhenAReturnScreenCloses) {
    Sql(kFirstEmployer);
    Sql("INSERT INTO DET941 (EmployerNo, Qtr_Yr) VALUES (1, '122')");
    desktop::FormWindow* employers = OpenEmployerScreen();
    ASSERT_NE(employers, nullptr);
    LetTheWindowManagerFrame(*employers);
    const QRect workArea = QGuiApplication::primaryScreen()->availableGeometry();
    // The window manager's frame as it first drew it; where the window
    // stands is read from its client area, which the display itself tells.
    const QRect firstFrame = employers->frameGeometry();
    const QMargins border(employers->geometry().left() - firstFrame.left(),
                          employers->geometry().top() - firstFrame.top(),
                          firstFrame.right() - employers->geometry().right(),
                          firstFrame.bottom() - employers->geometry().bottom());
    const auto frameStands = [&] { return GlobalRect(*employers).marginsAdded(border); };
    const QSize frame = firstFrame.size();
    // The frame's top-left corner in the work area's bottom-right corner,
    // away from where the program put it.
    const QPoint corner(workArea.right() + 1 - frame.width(), workArea.bottom() + 1 - frame.height());
    ASSERT_NE(firstFrame.topLeft(), corner);
    const auto moveAndReturn = [&](QPoint to) {
        if (!MoveByWindowManager(*employers, to)) return false;
        LetTheWindowManagerMove(*employers, to + QPoint(border.left(), border.top()));
        EXPECT_EQ(Shown(frameStands()), Shown(QRect(to, frame))) << "the window manager's move";
        ClickWidget(employers->WidgetNamed("cmdQtr1"));
        desktop::FormWindow* f941 = WindowOf("frmDet941Covid0621");
        if (f941 == nullptr) return false;
        LetTheWindowManagerAct();
        ClickWidget(f941->WidgetNamed("cmdClose"));
        LetTheWindowManagerFrame(*employers);
        LetTheWindowManagerAct();
        return employers->isVisible();
    };
    if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "no window manager to move the window";

    ASSERT_TRUE(moveAndReturn(corner));
    EXPECT_EQ(Shown(frameStands()), Shown(QRect(corner, frame)));
    // Dragged partly past the work area's right edge: back onto it, as low
    // as it was dragged, as far right as the borders the screens allow for
    // (4 pixels a side) leave room.
    ASSERT_TRUE(moveAndReturn(corner + QPoint(40, 0)));
    const QRect stands = frameStands();
    EXPECT_TRUE(workArea.contains(stands)) << Shown(stands);
    EXPECT_EQ(stands.top(), corner.y());
    EXPECT_GE(stands.right(), workArea.right() - 4);
}

} // namespace
