// A screen in a real window: what the user does reaches the screen's
// handlers through the forms runtime, and what the screen changes shows at
// once.

#include "DesktopTestForm.h"
#include "DesktopTestSupport.h"

#include "employers/frmEmployersDE.h"
#include "platform/basic/RuntimeError.h"
#include "platform/printing/PrintDocument.h"
#include "returns/f941/frmDet941Covid0621.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

using namespace desktop_test;

template <class Form = frmDesktopTest>
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        frontEnd_ = std::make_unique<desktop::DesktopFrontEnd>(
            [this](const printing::PrintDocument& document) { printed_.push_back(document); });
        form_ = std::make_unique<Form>();
        form_->Show();
        window_ = frontEnd_->WindowOf(*form_);
        ASSERT_NE(window_, nullptr);
        ProcessEvents();
    }
    void TearDown() override {
        forms::App().UseScriptedDialogs(forms::ScriptedDialogs::WhenUnscripted::DefaultButton);
        if (form_) form_->refuseUnload = false;
        form_.reset();
        forms::App().Reset();
        frontEnd_.reset();
        ProcessEvents();
    }

    template <class W = QWidget>
    W* Widget(const char* name) const {
        auto* widget = qobject_cast<W*>(window_->WidgetNamed(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    std::unique_ptr<Form> form_;
    std::unique_ptr<desktop::DesktopFrontEnd> frontEnd_;
    QPointer<desktop::FormWindow> window_;
    std::vector<printing::PrintDocument> printed_;
};

using DesktopWindow = WindowFixture<>;
using DesktopResizableWindow = WindowFixture<frmDesktopResizable>;

TEST_F(DesktopWindow, TabAndShiftTabWalkTheTabStopsUnseenByTheHandlers) {
    auto* idType = Widget<QLineEdit>("mskIdType");
    ClickWidget(idType);
    PressKey(idType, Qt::Key_Tab, "\t");
    EXPECT_TRUE(form_->mskPhone.HasFocus());
    EXPECT_EQ(window_->focusWidget(), Widget("mskPhone"));

    form_->events.clear();
    QKeyEvent backtab(QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier);
    QApplication::sendEvent(Widget("mskPhone"), &backtab);
    EXPECT_TRUE(form_->mskIdType.HasFocus());
    EXPECT_EQ(window_->focusWidget(), Widget("mskIdType"));

    // Tab with Shift held, as some keyboards report it; from the first tab
    // stop the walk goes round to the last one.
    QKeyEvent shiftTab(QEvent::KeyPress, Qt::Key_Tab, Qt::ShiftModifier, "\t");
    QApplication::sendEvent(Widget("mskIdType"), &shiftTab);
    EXPECT_FALSE(form_->mskIdType.HasFocus());
    EXPECT_FALSE(form_->mskPhone.HasFocus()) << "Shift+Tab walked forwards";
    for (const std::string& event : form_->events) EXPECT_NE(event.rfind("mskIdType_KeyPress", 0), 0u) << event;
}

TEST_F(DesktopWindow, WhatTheScreenChangesShowsAtOnce) {
    form_->txtName.SetText("ACME TOOLS");
    EXPECT_EQ(Widget<QLineEdit>("txtName")->text(), "ACME TOOLS");

    form_->txtName.SetEnabled(false);
    EXPECT_FALSE(Widget("txtName")->isEnabled());
    form_->Check1.SetVisible(false);
    EXPECT_FALSE(Widget("Check1")->isVisible());
    form_->Check1.SetValue(forms::vbChecked);
    EXPECT_TRUE(Widget<QCheckBox>("Check1")->isChecked());

    form_->mskPhone.SetBackColor(forms::vbLightYellow);
    EXPECT_EQ(Widget("mskPhone")->palette().color(QPalette::Base), QColor(255, 255, 128));

    form_->cmdSave.SetCaption("&Update");
    EXPECT_EQ(Widget<QPushButton>("cmdSave")->text(), "&Update");
    form_->lblIdType.SetCaption("Kind && &Type:");
    EXPECT_EQ(Widget<QLabel>("lblIdType")->text(), "Kind & Type:");
    form_->SetCaption("Renamed");
    EXPECT_EQ(window_->windowTitle(), "Renamed");
}

TEST_F(DesktopWindow, MaskedFieldsShowTheLiteralsAndAmountsStandRightAligned) {
    auto* phone = Widget<QLineEdit>("mskPhone");
    EXPECT_EQ(phone->text(), "(___) ___-____");
    ClickWidget(phone);
    TypeKeys(phone, "2125551234");
    EXPECT_EQ(phone->text(), "(212) 555-1234");
    EXPECT_EQ(form_->mskPhone.Text(), "2125551234");

    auto* amount = Widget<QLineEdit>("fpLine2");
    EXPECT_TRUE(amount->alignment() & Qt::AlignRight);
    form_->fpLine2.SetText("1234.5");
    EXPECT_EQ(amount->text().toStdString(), form_->fpLine2.DisplayText());
    EXPECT_TRUE(amount->text().contains("1,234.50")) << amount->text().toStdString();
}

TEST_F(DesktopWindow, AClickLandsTheCaretBetweenTheDigitsShownAndTabSelectsAllToTypeOver) {
    auto* amount = Widget<QLineEdit>("fpLine2");
    form_->fpLine2.SetText("150");
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
    EXPECT_EQ(form_->fpLine2.Text(), "1750");

    form_->txtName.SetText("Old Name");
    PressKey(amount, Qt::Key_Tab, "\t");
    auto* name = Widget<QLineEdit>("txtName");
    ASSERT_EQ(window_->focusWidget(), name);
    EXPECT_EQ(name->selectedText(), "Old Name");
    TypeKeys(name, "Müller");
    EXPECT_EQ(form_->txtName.Text(), "Müller");
    EXPECT_EQ(amount->text(), "$1,750.00");
}

// The point of a painted line edit (grab() it first) before character
// `character` of what it shows.
QPointF PointBefore(QLineEdit* edit, int character) {
    const int middle = edit->height() / 2;
    int x = 0;
    while (x < edit->width() && edit->cursorPositionAt(QPoint(x, middle)) < character) ++x;
    return QPointF(x, middle);
}

TEST_F(DesktopWindow, DoubleClickDragAndShiftClickSelectInTheFieldWhatTypingReplaces) {
    enum class Gesture {
        DoubleClick,
        TripleClick,
        LateThirdClick,
        QuadrupleClick,
        Drag,
        RightDrag,
        MiddleDrag,
        ShiftClick,
        ShiftClickInto
    };
    struct Case {
        const char* field;
        Gesture gesture;
        int from, to; // characters of what the field shows while edited
        const char* typed;
        const char* result;
        const char* name = "ACME TOOLS INC";
    };
    const Case cases[] = {
        {"fpLine2", Gesture::DoubleClick, 2, 2, "999", "999"},
        {"txtName", Gesture::DoubleClick, 7, 7, "WORKS", "ACME WORKS INC"},
        {"txtName", Gesture::DoubleClick, 4, 4, "ACE", "ACE TOOLS INC"}, // the right half of the word's last letter
        {"fpLine2", Gesture::TripleClick, 2, 2, "20000", "20000"},
        {"txtName", Gesture::TripleClick, 7, 7, "22 ELM ST", "22 ELM ST"},
        {"txtName", Gesture::LateThirdClick, 7, 7, "X", "ACME TOXOLS INC"}, // a pause: no triple-click
        {"txtName", Gesture::QuadrupleClick, 7, 7, "BETA SUPPLY", "BETA SUPPLY", "ACME TOOLS"},
        {"fpLine2", Gesture::Drag, 6, 0, "4000", "4000"},
        {"txtName", Gesture::Drag, 5, 10, "X", "ACME X INC"},
        {"txtName", Gesture::RightDrag, 5, 10, "X", "ACME XTOOLS INC"},
        {"txtName", Gesture::MiddleDrag, 5, 10, "X", "ACME XTOOLS INC"},
        {"fpLine2", Gesture::ShiftClick, 6, 0, "77", "77"},
        {"txtName", Gesture::ShiftClick, 14, 5, "LLC", "ACME LLC"},
        {"txtName", Gesture::ShiftClickInto, 5, 5, "X", "ACME XTOOLS INC"}, // the focus comes, the caret lands
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + std::to_string(static_cast<int>(c.gesture)));
        form_->fpLine2.SetText("1234.5");
        form_->txtName.SetText(c.name);
        forms::user::FocusByMouse(form_->cmdSave);
        auto& field = dynamic_cast<forms::TextField&>(*form_->ControlByName(c.field));
        auto* edit = Widget<QLineEdit>(c.field);
        ProcessEvents();
        if (c.gesture != Gesture::ShiftClickInto) {
            // The press brings the focus: an amount then shows its plain number.
            ClickWidgetAt(edit, QPointF(edit->width() - 2, edit->height() / 2.0));
            ASSERT_TRUE(field.HasFocus());
        }
        edit->grab();
        const QPointF from = PointBefore(edit, c.from), to = PointBefore(edit, c.to);
        switch (c.gesture) {
        case Gesture::DoubleClick: DoubleClickWidgetAt(edit, from); break;
        case Gesture::TripleClick: TripleClickWidgetAt(edit, from); break;
        case Gesture::LateThirdClick:
            DoubleClickWidgetAt(edit, from);
            ClickWidgetAt(edit, from);
            break;
        case Gesture::QuadrupleClick: QuadrupleClickWidgetAt(edit, from); break;
        case Gesture::Drag: DragAcross(edit, from, to); break;
        case Gesture::RightDrag: DragAcross(edit, from, to, Qt::RightButton); break;
        case Gesture::MiddleDrag: DragAcross(edit, from, to, Qt::MiddleButton); break;
        case Gesture::ShiftClick:
            ClickWidgetAt(edit, from);
            ClickWidgetAt(edit, to, Qt::ShiftModifier);
            break;
        case Gesture::ShiftClickInto: ClickWidgetAt(edit, from, Qt::ShiftModifier); break;
        }
        EXPECT_EQ(edit->selectedText().toStdString(), field.SelText()) << "the window shows the field's selection";
        TypeKeys(edit, c.typed);
        EXPECT_EQ(field.Text(), c.result);
    }
}

TEST_F(DesktopWindow, AGestureWhosePressAHandlerSentElsewhereSelectsNothingAndRunsTheHandlersOnce) {
    int arrived = 0;
    form_->fpLine2.GotFocus = [this, &arrived] {
        ++arrived;
        form_->mskPhone.SetFocus();
    };
    form_->fpLine2.SetText("1234.5");
    auto* amount = Widget<QLineEdit>("fpLine2");
    amount->grab();
    const auto selections = [this] {
        return std::vector<int>{form_->fpLine2.SelStart(), form_->fpLine2.SelLength(), form_->mskPhone.SelStart(),
                                form_->mskPhone.SelLength()};
    };
    ClickWidgetAt(amount, PointBefore(amount, 9));
    const std::vector<int> asThePressLeftThem = selections();
    DragAcross(amount, PointBefore(amount, 9), PointBefore(amount, 1));
    EXPECT_EQ(selections(), asThePressLeftThem);
    TripleClickWidgetAt(amount, PointBefore(amount, 1));
    EXPECT_EQ(selections(), asThePressLeftThem);
    EXPECT_EQ(arrived, 3) << "once a press: the click, the drag's and the triple-click's first";
    EXPECT_TRUE(form_->mskPhone.HasFocus());

    // Moves with the button held over a control that is no field are the widget's own.
    int tabsArrived = 0;
    form_->SSTab1.GotFocus = [this, &tabsArrived] {
        ++tabsArrived;
        form_->mskPhone.SetFocus();
    };
    auto* bar = Widget("SSTab1")->findChild<QTabBar*>();
    DragAcross(bar, QPointF(2, bar->height() / 2.0), QPointF(bar->width() - 2, bar->height() / 2.0));
    EXPECT_EQ(tabsArrived, 1);
}

TEST_F(DesktopWindow, ClicksOnButtonsCheckBoxesLabelsAndMenusReachTheirHandlers) {
    ClickWidget(Widget("cmdSave"));
    EXPECT_EQ(form_->saveClicks, 1);
    EXPECT_TRUE(form_->cmdSave.HasFocus());

    ClickWidget(Widget("Check1"));
    EXPECT_EQ(form_->Check1.Value(), forms::vbChecked);
    EXPECT_TRUE(Widget<QCheckBox>("Check1")->isChecked());
    ClickWidget(Widget("Check1"));
    EXPECT_EQ(form_->Check1.Value(), forms::vbUnchecked);
    EXPECT_FALSE(Widget<QCheckBox>("Check1")->isChecked());

    ClickWidget(Widget("lblIdType"));
    EXPECT_EQ(form_->events.back(), "lblIdType_Click");

    QAction* hello = MenuEntry(window_, "&File", "&Hello");
    ASSERT_NE(hello, nullptr);
    hello->trigger();
    EXPECT_EQ(form_->events.back(), "mnuHello_Click");

    form_->cmdSave.SetEnabled(false);
    ClickWidget(Widget("cmdSave"));
    EXPECT_EQ(form_->saveClicks, 1) << "a disabled button takes no click";
}

TEST_F(DesktopWindow, SpaceOnAFocusedButtonCheckBoxOrPrintControlIsTheirClick) {
    forms::user::FocusByMouse(form_->Check1);
    PressKey(Widget("Check1"), Qt::Key_Space, " ");
    EXPECT_EQ(form_->Check1.Value(), forms::vbChecked);
    forms::user::FocusByMouse(form_->cmdSave);
    PressKey(Widget("cmdSave"), Qt::Key_Space, " ");
    EXPECT_EQ(form_->saveClicks, 1);
    forms::user::FocusByMouse(form_->DMWin2);
    PressKey(Widget("DMWin2"), Qt::Key_Space, " ");
    EXPECT_EQ(printed_.size(), 1u) << "the print run never started";
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

TEST_F(DesktopWindow, DisabledButtonsAndCheckBoxesAreDrawnWithGreyedText) {
    struct Case {
        const char* name;
        QPalette::ColorRole text;
    };
    for (const Case& c : {Case{"cmdSave", QPalette::ButtonText}, Case{"Check1", QPalette::WindowText}}) {
        SCOPED_TRACE(c.name);
        QWidget* widget = Widget(c.name);
        const QColor enabledText = widget->palette().color(QPalette::Active, c.text);
        constexpr int kSmoothing = 40;
        ASSERT_GT(PixelsOf(widget->grab().toImage(), enabledText, kSmoothing), 0);
        form_->ControlByName(c.name)->SetEnabled(false);
        EXPECT_EQ(PixelsOf(widget->grab().toImage(), enabledText, kSmoothing), 0)
            << "the caption is drawn as when enabled";
    }
}

TEST_F(DesktopWindow, AFocusedCheckBoxIsFramedInTheHighlightColour) {
    window_->activateWindow();
    ProcessEvents();
    auto* box = Widget("Check1");
    const QColor highlight = box->palette().color(QPalette::Highlight);
    forms::user::FocusByMouse(form_->Check1);
    ASSERT_TRUE(box->hasFocus());
    // At least the frame's two long sides.
    EXPECT_GE(PixelsOf(box->grab().toImage(), highlight), 2 * box->width());
}

// The File menu opened from the keyboard, its popup in front (null: none).
QMenu* OpenPopup(QMainWindow* window) {
    QAction* active = window->menuBar()->activeAction();
    if (active == nullptr || active->menu() == nullptr || !active->menu()->isVisible()) return nullptr;
    return active->menu();
}

TEST_F(DesktopWindow, AltWithTheAccessKeyOrF10OpensTheMenuAndArrowsAndEnterChoose) {
    QWidget* field = Widget("mskIdType");
    PressKey(field, Qt::Key_F, "f", Qt::AltModifier);
    QMenu* file = OpenPopup(window_);
    ASSERT_NE(file, nullptr) << "Alt+F opened no menu";
    file->close();
    ProcessEvents();

    PressKey(field, Qt::Key_F10);
    file = OpenPopup(window_);
    ASSERT_NE(file, nullptr) << "F10 opened no menu";
    PressKey(file, Qt::Key_Down);
    PressKey(file, Qt::Key_Return, "\r");
    ProcessEvents();
    ASSERT_FALSE(form_->events.empty());
    EXPECT_EQ(form_->events.back(), "mnuHello_Click");
}

TEST_F(DesktopWindow, OnlyThePageInFrontShowsItsControls) {
    EXPECT_TRUE(Widget("txtPage0")->isVisible());
    EXPECT_FALSE(Widget("txtPage1")->isVisible());

    auto* bar = Widget("SSTab1")->findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->count(), 2);
    EXPECT_EQ(bar->tabText(1), "Page 2");
    bar->setCurrentIndex(1);

    EXPECT_EQ(form_->SSTab1.Tab(), 1);
    EXPECT_FALSE(Widget("txtPage0")->isVisible());
    EXPECT_TRUE(Widget("txtPage1")->isVisible());

    form_->SSTab1.SetTab(0);
    EXPECT_EQ(bar->currentIndex(), 0);
    EXPECT_TRUE(Widget("txtPage0")->isVisible());
}

TEST_F(DesktopWindow, ControlsStandAtTheirTwipsFifteenToAPixel) {
    EXPECT_EQ(Widget("mskPhone")->geometry(), QRect(88, 32, 113, 20));
    EXPECT_EQ(Widget("DMWin2")->geometry(), QRect(16, 280, 81, 33));
    QWidget* inFrame = Widget("txtInFrame");
    EXPECT_EQ(inFrame->parentWidget(), Widget<QGroupBox>("Frame1"));
    EXPECT_EQ(inFrame->geometry(), QRect(16, 24, 100, 20));
    EXPECT_EQ(Widget("txtPage1")->parentWidget(), Widget("SSTab1"));
    EXPECT_EQ(window_->windowTitle(), "Desktop Test");

    // Without the resizing placeholder controls keep their size.
    window_->resize(window_->width() * 2, window_->height() * 2);
    ProcessEvents();
    EXPECT_EQ(Widget("mskPhone")->geometry(), QRect(88, 32, 113, 20));
}

TEST_F(DesktopResizableWindow, TheResizingPlaceholderScalesControlsWithTheWindow) {
    QWidget* canvas = window_->centralWidget();
    const QSize design = window_->DesignClientSize();
    ASSERT_EQ(canvas->size(), design);
    window_->resize(window_->width() + design.width(), window_->height() + design.height());
    ProcessEvents();
    ASSERT_EQ(canvas->size(), design * 2);
    const QRect phone = Widget("mskPhone")->geometry();
    EXPECT_NEAR(phone.x(), 176, 1);
    EXPECT_NEAR(phone.y(), 64, 1);
    EXPECT_NEAR(phone.width(), 226, 1);
}

TEST_F(DesktopWindow, TheCloseBoxUnloadsTheFormAndItsWindowGoesUnlessTheFormRefuses) {
    form_->refuseUnload = true;
    window_->close();
    ProcessEvents();
    EXPECT_TRUE(form_->IsLoaded());
    ASSERT_FALSE(window_.isNull());
    EXPECT_TRUE(window_->isVisible());

    form_->refuseUnload = false;
    window_->close();
    ProcessEvents();
    EXPECT_FALSE(form_->IsLoaded());
    EXPECT_TRUE(window_.isNull());
}

TEST_F(DesktopWindow, HidingAndShowingTheFormHidesAndShowsItsWindow) {
    form_->Hide();
    EXPECT_FALSE(window_->isVisible());
    form_->Show();
    EXPECT_TRUE(window_->isVisible());
    ProcessEvents();
    EXPECT_FALSE(frontEnd_->Ended()) << "a form hidden and shown again within one action ends nothing";
}

TEST_F(DesktopWindow, TheProgramEndsWhenItsLastShownWindowIsHidden) {
    form_->Hide();
    ProcessEvents();
    EXPECT_TRUE(frontEnd_->Ended());
}

TEST_F(DesktopWindow, TheWindowIsPlacedFromTheFormsTwipsAndKeptOnTheScreen) {
    const QRect before = window_->geometry();
    form_->Move(-3000, 1500, form_->Width(), form_->Height());
    const QRect after = window_->geometry();
    EXPECT_EQ(after.size(), before.size());
    EXPECT_GE(after.left(), 0) << "a window placed left of the display is brought onto it";
    EXPECT_EQ(after.top(), 100 + 26);
}

TEST_F(DesktopWindow, ADesignLargerThanTheScreenIsShownWholeScaledDown) {
    const QRect workArea = QGuiApplication::primaryScreen()->availableGeometry();
    form_->Move(0, 0, 3 * 15 * workArea.width(), 2 * 15 * workArea.height());
    form_->mskPhone.Move(form_->Width() - 2000, form_->Height() - 1000, 1695, 300);
    ProcessEvents();
    QWidget* phone = Widget("mskPhone");
    EXPECT_TRUE(workArea.contains(window_->frameGeometry()));
    EXPECT_TRUE(window_->centralWidget()->rect().contains(phone->geometry())) << "the far corner's field is cut off";
    EXPECT_NEAR(phone->width(), 113 / 3.0, 2) << "controls shrink in proportion";
    EXPECT_LT(phone->font().pointSizeF(), 8.0) << "and so does their type";
}

TEST_F(DesktopWindow, AnErrorNoHandlerTrappedIsShownAndTheProgramGoesOn) {
    form_->cmdSave.Click = [] { basic::Raise(13); };
    BoxAnswerer answerer({QMessageBox::Ok});
    ClickWidget(Widget("cmdSave"));
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_TRUE(answerer.Seen()[0].text.startsWith("Run-time error '13':")) << answerer.Seen()[0].text.toStdString();
    EXPECT_TRUE(form_->IsLoaded());
}

TEST_F(DesktopWindow, TheHourglassShowsWhileThePointerIs11) {
    forms::App().SetMousePointer(forms::vbHourglass);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    forms::App().SetMousePointer(forms::vbDefault);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(DesktopWindow, DoEventsRunsPendingWindowEvents) {
    bool ran = false;
    QTimer::singleShot(0, [&ran] { ran = true; });
    forms::App().DoEvents();
    EXPECT_TRUE(ran);
}

// The program's own employer, Form 941 and start-up screens in their real
// windows, the program started as the user starts it.
class DesktopScreenWindow : public RunningProgram {
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

TEST_F(DesktopScreenWindow, TabAndShiftTabWalkTheTabStopsUnseenByTheHandlers) {
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

TEST_F(DesktopScreenWindow, WhatTheScreenChangesShowsAtOnce) {
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

TEST_F(DesktopScreenWindow, MaskedFieldsShowTheLiteralsAndTakeTypedCharacters) {
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

TEST_F(DesktopScreenWindow, AClickLandsTheCaretBetweenTheDigitsShownAndTabSelectsAllToTypeOver) {
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

TEST_F(DesktopScreenWindow,
       ClicksAndSpaceOnCheckBoxesButtonsAndThePrintControlReachTheirHandlersAndUntrappedErrorsAreShown) {
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

TEST_F(DesktopScreenWindow, DisabledButtonsAndCheckBoxesAreDrawnWithGreyedTextAndAFocusedCheckBoxIsFramed) {
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

TEST_F(DesktopScreenWindow, OnlyThePageInFrontShowsItsControls) {
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

TEST_F(DesktopScreenWindow, WindowsAndControlsStandAtTheirTwipsFifteenToAPixelAndScaleByTheResizingPlaceholder) {
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

TEST_F(DesktopScreenWindow, TheCloseBoxUnloadsTheScreenAndItsWindowGoesUnlessTheScreenRefuses) {
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

TEST_F(DesktopScreenWindow, HidingTheFormHidesItsWindowAndEndsTheProgramUnlessShownAgainWithinTheAction) {
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

TEST_F(DesktopScreenWindow, ADesignLargerThanTheScreenIsShownWholeScaledDown) {
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

TEST_F(DesktopScreenWindow, TheHourglassShowsWhileThePointerIs11AndDoEventsRunsPendingWindowEvents) {
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
