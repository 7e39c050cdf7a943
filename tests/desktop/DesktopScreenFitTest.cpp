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
#include <QWindow>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace desktop_test;

QRect GlobalRect(const QWidget& widget) { return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size()); }

// Lets the program and the window manager act until `holds` (for twenty
// seconds at most: a loaded machine's window manager takes its time). What a
// check reads is waited for, never a fixed time. True once it holds.
bool Eventually(const std::function<bool()>& holds, std::chrono::milliseconds patience = std::chrono::seconds(20)) {
    QElapsedTimer waited;
    waited.start();
    for (ProcessEvents(); !holds(); ProcessEvents()) {
        if (waited.elapsed() > patience.count()) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

// The window is up, under a window manager framed by it (it frames a window
// before it puts it up); the program has heard of both by then.
bool Framed(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle != nullptr && handle->isExposed() &&
           (QGuiApplication::platformName() != "xcb" || !handle->frameMargins().isNull());
}

// The window's frame where the display has it now: Qt's figure for the
// widget's frame is that of its last move or resize.
QRect FrameOf(const QWidget& window) { return GlobalRect(window).marginsAdded(window.windowHandle()->frameMargins()); }

std::string Shown(const QRect& r) {
    return std::to_string(r.width()) + "x" + std::to_string(r.height()) + " at " + std::to_string(r.x()) + "," +
           std::to_string(r.y());
}

// "screen[.control]: what lies outside" for the window and its controls.
std::vector<std::string> PartsOffTheScreen(const desktop::FormWindow& window, const QRect& workArea) {
    std::vector<std::string> outside;
    const std::string name = window.Model().Name();
    if (!workArea.contains(FrameOf(window))) {
        outside.push_back(name + ": the window's frame, " + Shown(FrameOf(window)) + ", off " + Shown(workArea));
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
    // Once a window never came to lie on the screen, the rest are checked as
    // they stand, not waited for each in turn.
    bool waitedInVain = false;
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
            const auto patience = waitedInVain ? std::chrono::seconds(0) : std::chrono::seconds(20);
            if (!Eventually([&] { return Framed(*window) && workArea.contains(FrameOf(*window)); }, patience)) {
                waitedInVain = true;
            }
            for (const std::string& part : PartsOffTheScreen(*window, workArea)) ADD_FAILURE() << size << " " << part;
        }
    }
    EXPECT_GT(seen, 20);
}

// Where the window's client area stands on the screen; the frame around it
// stands where it stood when the client does.
std::string StandsAt(const QWidget& window) { return Shown(GlobalRect(window)); }

TEST_F(SmallScreens, TheEmployerScreenStandsWhereItStoodEachTimeAReturnScreenCloses) {
    Sql(kFirstEmployer);
    Sql("INSERT INTO DET941 (EmployerNo, Qtr_Yr) VALUES (1, '122')");
    desktop::FormWindow* employers = OpenEmployerScreen();
    ASSERT_NE(employers, nullptr);
    ASSERT_TRUE(Eventually([&] { return Framed(*employers); }));
    const std::string stood = StandsAt(*employers);
    for (int time = 1; time <= 5; ++time) {
        ClickWidget(employers->WidgetNamed("cmdQtr1"));
        desktop::FormWindow* f941 = WindowOf("frmDet941Covid0621");
        ASSERT_NE(f941, nullptr);
        ASSERT_TRUE(Eventually([&] { return Framed(*f941); }));
        ClickWidget(f941->WidgetNamed("cmdClose"));
        Eventually([&] { return Framed(*employers) && StandsAt(*employers) == stood; });
        ASSERT_TRUE(employers->isVisible());
        EXPECT_EQ(StandsAt(*employers), stood) << "the return screen closed " << time << " times";
    }
}

TEST_F(SmallScreens, TheEmployerScreenTheUserMovedStandsWhereItWasMovedWhenAReturnScreenCloses) {
    Sql(kFirstEmployer);
    Sql("INSERT INTO DET941 (EmployerNo, Qtr_Yr) VALUES (1, '122')");
    desktop::FormWindow* employers = OpenEmployerScreen();
    ASSERT_NE(employers, nullptr);
    if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "no window manager to move the window";
    ASSERT_TRUE(Eventually([&] { return Framed(*employers); }));
    const QRect workArea = QGuiApplication::primaryScreen()->availableGeometry();
    // The window manager's frame as it drew it; where the window stands is
    // read from its client area, the frame being that frame around it.
    const QMargins border = employers->windowHandle()->frameMargins();
    const auto frameStands = [&] { return GlobalRect(*employers).marginsAdded(border); };
    const QSize frame = frameStands().size();
    // The frame's top-left corner in the work area's bottom-right corner,
    // away from where the program put it.
    const QPoint corner(workArea.right() + 1 - frame.width(), workArea.bottom() + 1 - frame.height());
    ASSERT_NE(frameStands().topLeft(), corner);
    // Where the user moved the window: the window manager puts the frame at
    // the place asked for, or at times the client.
    QRect moved;
    const auto movedTo = [&](QPoint to) {
        return frameStands().topLeft() == to || GlobalRect(*employers).topLeft() == to;
    };
    // Moved to `to`, then a return screen opened and closed: the employer
    // screen is waited for until it is up again and its frame
    // `standsAsExpected`. False when it is not shown again.
    const auto moveAndReturn = [&](QPoint to, const std::function<bool(const QRect&)>& standsAsExpected) {
        if (!MoveByWindowManager(*employers, to)) return false;
        EXPECT_TRUE(Eventually([&] { return movedTo(to); })) << "the window manager's move, " << Shown(frameStands());
        moved = frameStands();
        ClickWidget(employers->WidgetNamed("cmdQtr1"));
        desktop::FormWindow* f941 = WindowOf("frmDet941Covid0621");
        if (f941 == nullptr || !Eventually([&] { return Framed(*f941); })) return false;
        ClickWidget(f941->WidgetNamed("cmdClose"));
        Eventually([&] { return Framed(*employers) && standsAsExpected(frameStands()); });
        return employers->isVisible();
    };

    const auto whereMoved = [&](const QRect& stands) { return stands == moved; };
    ASSERT_TRUE(moveAndReturn(corner, whereMoved));
    EXPECT_EQ(Shown(frameStands()), Shown(moved));
    // Dragged partly past the work area's right edge: back onto it, as low
    // as it was dragged, as far right as the borders the screens allow for
    // (4 pixels a side) leave room.
    const auto onTheWorkArea = [&](const QRect& stands) { return workArea.contains(stands); };
    ASSERT_TRUE(moveAndReturn(corner + QPoint(40, 0), onTheWorkArea));
    const QRect stands = frameStands();
    EXPECT_TRUE(workArea.contains(stands)) << Shown(stands);
    EXPECT_EQ(stands.top(), moved.top());
    EXPECT_GE(stands.right(), workArea.right() - 4);
}

} // namespace
