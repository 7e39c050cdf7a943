// The program's screens in real windows: what the user does reaches the
// screen's handlers through the forms runtime, and what the screen changes
// shows at once.

#include "DesktopTestSupport.h"

#include "employers/frmEmployersDE.h"
#include "platform/basic/RuntimeError.h"
#include "returns/f941/frmDet941Covid0621.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using namespace desktop_test;

class DesktopWindow : public RunningProgram {
protected:
    void SetUp() override {
        RunningProgram::SetUp();
        Sql(kFirstEmployer);
    }

    // The Form 941 screen in its window, in front, a new return begun.
    frmDet941Covid0621& NewReturn() {
        window_ = OpenFirstQuarter();
        EXPECT_NE(window_, nullptr);
        ClickWidget(window_->WidgetNamed("cmdAddNew"));
        window_->activateWindow();
        ProcessEvents();
        return forms::Screen<frmDet941Covid0621>();
    }

    template <class W = QWidget>
    W* Widget(const char* name) const {
        auto* widget = qobject_cast<W*>(window_->WidgetNamed(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QWidget* WidgetOf(const forms::Control* control) const {
        return control == nullptr ? nullptr : window_->WidgetNamed(control->Name(), control->Index());
    }

    QPointer<desktop::FormWindow> window_;
};

TEST_F(DesktopWindow, TabAndShiftTabWalkTheTabStopsUnseenByTheHandlers) {
    frmDet941Covid0621& f941 = NewReturn();
    forms::MaskedField& employees = f941.mskNo_Employee;
    ASSERT_EQ(QApplication::focusWidget(), Widget("mskNo_Employee"));
    std::vector<int> seen;
    employees.KeyPress = [&seen](int& KeyAscii) { seen.push_back(KeyAscii); };

    PressKey(Widget("mskNo_Employee"), Qt::Key_Tab, "\t");
    forms::Control* next = f941.ActiveControl();
    ASSERT_NE(next, &employees);
    EXPECT_EQ(window_->focusWidget(), WidgetOf(next));

    QKeyEvent backtab(QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier);
    QApplication::sendEvent(WidgetOf(next), &backtab);
    EXPECT_EQ(f941.ActiveControl(), &employees);
    EXPECT_EQ(window_->focusWidget(), Widget("mskNo_Employee"));

    // Tab with Shift held, as some keyboards report it, walks backwards too.
    QKeyEvent shiftTab(QEvent::KeyPress, Qt::Key_Tab, Qt::ShiftModifier, "\t");
    QApplication::sendEvent(Widget("mskNo_Employee"), &shiftTab);
    EXPECT_NE(f941.ActiveControl(), &employees);
    EXPECT_NE(f941.ActiveControl(), next) << "Shift+Tab walked forwards";
    EXPECT_TRUE(seen.empty()) << "the handler saw " << seen.front();
}

TEST_F(DesktopWindow, WhatTheScreenChangesShowsAtOnce) {
    frmDet941Covid0621& f941 = NewReturn();
    f941.txtEmployerName.SetText("BAKER BROS");
    EXPECT_EQ(Widget<QLineEdit>("txtEmployerName")->text(), "BAKER BROS");

    f941.txtEmployerName.SetEnabled(false);
    EXPECT_FALSE(Widget("txtEmployerName")->isEnabled());
    f941.Check2.SetVisible(false);
    EXPECT_FALSE(Widget("Check2")->isVisible());
    f941.Check2.SetValue(forms::vbChecked);
    EXPECT_TRUE(Widget<QCheckBox>("Check2")->isChecked());

    f941.fpLine2.SetBackColor(forms::vbLightYellow);
    EXPECT_EQ(Widget("fpLine2")->palette().color(QPalette::Base), QColor(255, 255, 128));

    f941.cmdSaveRecord.SetCaption("&Update");
    EXPECT_EQ(Widget<QPushButton>("cmdSaveRecord")->text(), "&Update");
    f941.lblQtrYr.SetCaption("Kind && &Type:");
    EXPECT_EQ(Widget<QLabel>("lblQtrYr")->text(), "Kind & Type:");
    f941.SetCaption("Renamed");
    EXPECT_EQ(window_->windowTitle(), "Renamed");
}

TEST_F(DesktopWindow, MaskedFieldsShowTheLiteralsAndTakeTypedCharacters) {
    window_ = OpenEmployerScreen();
    ASSERT_NE(window_, nullptr);
    ClickWidget(Widget("cmdEditRecord"));
    auto* phone = Widget<QLineEdit>("mskContactPhone");
    EXPECT_EQ(phone->text(), "(___) ___-____");
    ClickWidget(phone);
    TypeKeys(phone, "2125551234");
    EXPECT_EQ(phone->text(), "(212) 555-1234");
    EXPECT_EQ(forms::Screen<frmEmployersDE>().mskContactPhone.Text(), "2125551234");

    auto* name = Widget<QLineEdit>("mskContactName");
    ClickWidget(name);
    TypeKeys(name, "Müller");
    EXPECT_EQ(forms::Screen<frmEmployersDE>().mskContactName.Text().substr(0, 7), "MÜLLER");
}

TEST_F(DesktopWindow, AClickLandsTheCaretBetweenTheDigitsShownAndTabSelectsAllToTypeOver) {
    frmDet941Covid0621& f941 = NewReturn();
    auto* amount = Widget<QLineEdit>("fpLine2");
    EXPECT_TRUE(amount->alignment() & Qt::AlignRight) << "amounts stand right-aligned";
    f941.fpLine2.SetText("150");
    ASSERT_EQ(amount->text(), "$150.00");
    amount->grab(); // painted, as the user sees it before clicking (Qt places the text when painting)
    // The middle of the points of the field that land between "1" and "5".
    const int middle = amount->height() / 2;
    int first = 0;
    while (first < amount->width() && amount->cursorPositionAt(QPoint(first, middle)) < 2) ++first;
    int last = first;
    while (last < amount->width() && amount->cursorPositionAt(QPoint(last, middle)) == 2) ++last;
    ClickWidgetAt(amount, QPointF((first + last) / 2, middle));
    EXPECT_EQ(amount->text(), "150");
    TypeKeys(amount, "7");
    EXPECT_EQ(f941.fpLine2.Text(), "1750");

    f941.fpLine3.SetText("25");
    PressKey(amount, Qt::Key_Tab, "\t");
    auto* line3 = Widget<QLineEdit>("fpLine3");
    ASSERT_EQ(window_->focusWidget(), line3);
    EXPECT_EQ(line3->selectedText(), "25");
    TypeKeys(line3, "9");
    EXPECT_EQ(f941.fpLine3.Text(), "9");
    EXPECT_EQ(amount->text(), "$1,750.00");
}

TEST_F(DesktopWindow, ClicksAndSpaceOnCheckBoxesButtonsAndThePrintControlReachTheirHandlersAndUntrappedErrorsAreShown) {
    frmDet941Covid0621& f941 = NewReturn();
    ClickWidget(Widget("Check2"));
    EXPECT_EQ(f941.Check2.Value(), forms::vbChecked);
    EXPECT_TRUE(Widget<QCheckBox>("Check2")->isChecked());
    ClickWidget(Widget("Check2"));
    EXPECT_EQ(f941.Check2.Value(), forms::vbUnchecked);
    EXPECT_FALSE(Widget<QCheckBox>("Check2")->isChecked());

    forms::user::FocusByMouse(f941.Check2);
    PressKey(Widget("Check2"), Qt::Key_Space, " ");
    EXPECT_EQ(f941.Check2.Value(), forms::vbChecked);
    forms::user::FocusByMouse(f941.Command2);
    PressKey(Widget("Command2"), Qt::Key_Space, " ");
    EXPECT_EQ(f941.SSTab1.Tab(), 1) << "Next --> did not turn the page";

    int printRequests = 0;
    f941.DMWin2.PrintRequest = [&printRequests] { ++printRequests; };
    forms::user::FocusByMouse(f941.DMWin2);
    PressKey(Widget("DMWin2"), Qt::Key_Space, " ");
    EXPECT_EQ(printRequests, 1) << "the print run never started";

    // An error no handler trapped is shown, and the program goes on.
    f941.Command2.Click = [] { basic::Raise(13); };
    BoxAnswerer answerer({QMessageBox::Ok});
    ClickWidget(Widget("Command2"));
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_TRUE(answerer.Seen()[0].text.startsWith("Run-time error '13':")) << answerer.Seen()[0].text.toStdString();
    EXPECT_TRUE(f941.IsLoaded());
}

// How many pixels of the image are in the colour, or within `tolerance`
// of it in each channel (the edges of smoothed text).
int PixelsOf(const QImage& image, QColor colour, int tolerance = 0) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += std::abs(c.red() - colour.red()) <= tolerance &&
                     std::abs(c.green() - colour.green()) <= tolerance &&
                     std::abs(c.blue() - colour.blue()) <= tolerance;
        }
    }
    return count;
}

TEST_F(DesktopWindow, DisabledButtonsAndCheckBoxesAreDrawnWithGreyedTextAndAFocusedCheckBoxIsFramed) {
    frmDet941Covid0621& f941 = NewReturn();
    QWidget* box = Widget("Check2");
    const QColor highlight = box->palette().color(QPalette::Highlight);
    forms::user::FocusByMouse(f941.Check2);
    ASSERT_TRUE(box->hasFocus());
    // At least the frame's two long sides, in the highlight colour.
    EXPECT_GE(PixelsOf(box->grab().toImage(), highlight), 2 * box->width());

    struct Case {
        const char* name;
        QPalette::ColorRole text;
    };
    for (const Case& c : {Case{"cmdSaveRecord", QPalette::ButtonText}, Case{"Check2", QPalette::WindowText}}) {
        SCOPED_TRACE(c.name);
        QWidget* widget = Widget(c.name);
        const QColor enabledText = widget->palette().color(QPalette::Active, c.text);
        constexpr int kSmoothing = 40;
        ASSERT_GT(PixelsOf(widget->grab().toImage(), enabledText, kSmoothing), 0);
        f941.ControlByName(c.name)->SetEnabled(false);
        EXPECT_EQ(PixelsOf(widget->grab().toImage(), enabledText, kSmoothing), 0)
            << "the caption is drawn as when enabled";
    }
}

TEST_F(DesktopWindow, OnlyThePageInFrontShowsItsControls) {
    frmDet941Covid0621& f941 = NewReturn();
    EXPECT_TRUE(Widget("Command2")->isVisible());
    EXPECT_FALSE(Widget("Command5")->isVisible());

    auto* bar = Widget("SSTab1")->findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->count(), 3);
    EXPECT_EQ(bar->tabText(1), "Form 941 Page 2 Parts 1 and 2:");
    bar->setCurrentIndex(1);

    EXPECT_EQ(f941.SSTab1.Tab(), 1);
    EXPECT_FALSE(Widget("Command2")->isVisible());
    EXPECT_TRUE(Widget("Command5")->isVisible());
    EXPECT_EQ(Widget("Command5")->parentWidget(), Widget("SSTab1"));

    f941.SSTab1.SetTab(0);
    EXPECT_EQ(bar->currentIndex(), 0);
    EXPECT_TRUE(Widget("Command2")->isVisible());
}

TEST_F(DesktopWindow, WindowsAndControlsStandAtTheirTwipsFifteenToAPixelAndScaleByTheResizingPlaceholder) {
    window_ = OpenEmployerScreen();
    ASSERT_NE(window_, nullptr);
    QWidget* quarter = Widget("cmdQtr1");
    EXPECT_EQ(quarter->parentWidget(), Widget<QGroupBox>("Frame1"));
    EXPECT_EQ(quarter->geometry(), QRect(16, 24, 80, 33));

    forms::Form& employers = forms::Screen("frmEmployersDE");
    const QRect before = window_->geometry();
    employers.Move(-3000, 600, employers.Width(), employers.Height());
    EXPECT_EQ(window_->geometry().size(), before.size());
    EXPECT_GE(window_->geometry().left(), 0) << "a window placed left of the display is brought onto it";
    EXPECT_EQ(window_->geometry().top(), 40 + 26);

    QWidget* canvas = window_->centralWidget();
    const QSize design = window_->DesignClientSize();
    ASSERT_EQ(canvas->size(), design);
    window_->resize(window_->width() + design.width(), window_->height() + design.height());
    ProcessEvents();
    ASSERT_EQ(canvas->size(), design * 2);
    EXPECT_NEAR(quarter->x(), 32, 1);
    EXPECT_NEAR(quarter->y(), 48, 1);
    EXPECT_NEAR(quarter->width(), 160, 1);

    // A screen without the placeholder keeps its controls' size.
    NewReturn();
    const QRect line2 = Widget("fpLine2")->geometry();
    window_->resize(window_->width() * 2, window_->height() * 2);
    ProcessEvents();
    EXPECT_EQ(Widget("fpLine2")->geometry(), line2);
}

TEST_F(DesktopWindow, TheCloseBoxUnloadsTheScreenAndItsWindowGoesUnlessTheScreenRefuses) {
    frmDet941Covid0621& f941 = NewReturn();
    {
        BoxAnswerer answerer({QMessageBox::Cancel});
        window_->close();
        ProcessEvents();
        ASSERT_EQ(answerer.Seen().size(), 1u);
    }
    EXPECT_TRUE(f941.IsLoaded());
    ASSERT_FALSE(window_.isNull());
    EXPECT_TRUE(window_->isVisible());

    BoxAnswerer answerer({QMessageBox::No});
    window_->close();
    ProcessEvents();
    EXPECT_EQ(forms::App().LoadedForm("frmDet941Covid0621"), nullptr);
    EXPECT_TRUE(window_.isNull());
}

TEST_F(DesktopWindow, HidingTheFormHidesItsWindowAndEndsTheProgramUnlessShownAgainWithinTheAction) {
    forms::Form& startup = forms::Screen("frmStartup");
    window_ = WindowOf("frmStartup");
    startup.Hide();
    EXPECT_FALSE(window_->isVisible());
    startup.Show();
    EXPECT_TRUE(window_->isVisible());
    ProcessEvents();
    EXPECT_FALSE(frontEnd_->Ended()) << "a form hidden and shown again within one action ends nothing";
    startup.Hide();
    ProcessEvents();
    EXPECT_TRUE(frontEnd_->Ended()) << "the last shown window was hidden";
}

TEST_F(DesktopWindow, ADesignLargerThanTheScreenIsShownWholeScaledDown) {
    frmDet941Covid0621& f941 = NewReturn();
    const QRect workArea = QGuiApplication::primaryScreen()->availableGeometry();
    f941.Move(0, 0, 3 * 15 * workArea.width(), 2 * 15 * workArea.height());
    f941.fpLine2.Move(f941.Width() - 2000, f941.Height() - 1000, f941.fpLine2.Width(), f941.fpLine2.Height());
    ProcessEvents();
    QWidget* line2 = Widget("fpLine2");
    EXPECT_TRUE(workArea.contains(window_->frameGeometry()));
    EXPECT_TRUE(window_->centralWidget()->rect().contains(line2->geometry())) << "the far corner's field is cut off";
    EXPECT_NEAR(line2->width(), f941.fpLine2.Width() / 15 / 3.0, 2) << "controls shrink in proportion";
    EXPECT_LT(line2->font().pointSizeF(), 8.0) << "and so does their type";
}

TEST_F(DesktopWindow, TheHourglassShowsWhileThePointerIs11AndDoEventsRunsPendingWindowEvents) {
    forms::App().SetMousePointer(forms::vbHourglass);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    forms::App().SetMousePointer(forms::vbDefault);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    bool ran = false;
    QTimer::singleShot(0, [&ran] { ran = true; });
    forms::App().DoEvents();
    EXPECT_TRUE(ran);
}

} // namespace
