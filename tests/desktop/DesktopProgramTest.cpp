// The program as a user starts it: the start-up window, its File menu, the
// main menu window, and the end of the program when no screen is left.

#include "DesktopTestSupport.h"

#include "desktop/DesktopFrontEnd.h"
#include "desktop/FormWindow.h"
#include "desktop/Program.h"
#include "platform/forms/Forms.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace desktop_test;

const QString kStartupCaption = QStringLiteral("Tavrilo 941 / 944") + QString(43, QChar(' ')) +
                                QStringLiteral("Tax Year 2022") + QString(43, QChar(' ')) + QStringLiteral("Rel. 22.04");

class DesktopProgram : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        frontEnd_ = std::make_unique<desktop::DesktopFrontEnd>([](const printing::PrintDocument&) {});
        desktop::UseProgramFolder(folder_.Path());
        ASSERT_TRUE(desktop::StartProgram());
    }
    void TearDown() override {
        forms::App().UseScriptedDialogs(forms::ScriptedDialogs::WhenUnscripted::DefaultButton);
        forms::App().Reset();
        frontEnd_.reset();
        ProcessEvents();
    }

    QWidget* WindowOf(const char* screenName) const {
        auto& app = forms::App();
        for (int i = 0; i < app.Count(); ++i) {
            if (app.Item(i).Name() == screenName) return frontEnd_->WindowOf(app.Item(i));
        }
        return nullptr;
    }

    static QAction* MenuEntry(QWidget* window, const QString& menu, const QString& entry) {
        auto* mainWindow = qobject_cast<QMainWindow*>(window);
        for (QAction* top : mainWindow->menuBar()->actions()) {
            if (top->text() != menu || top->menu() == nullptr) continue;
            for (QAction* item : top->menu()->actions()) {
                if (item->text() == entry) return item;
            }
        }
        return nullptr;
    }

    ProgramFolder folder_;
    std::unique_ptr<desktop::DesktopFrontEnd> frontEnd_;
};

TEST_F(DesktopProgram, StartsWithTheStartupWindowWhollyOnTheScreen) {
    QWidget* startup = VisibleWindowTitled(kStartupCaption);
    ASSERT_NE(startup, nullptr) << "no visible window captioned as the start-up screen";
    EXPECT_EQ(startup, WindowOf("frmStartup"));
    // The screen asks for the display's size a tenth in from its corner; the
    // window is kept on the display instead of hanging off it.
    const QRect display = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(display.contains(startup->geometry())) << "window hangs off the display";
    EXPECT_GT(startup->width(), display.width() / 2);
}

TEST_F(DesktopProgram, FileWorkWithFormsShowsTheMainMenuWithItsThreeButtons) {
    QWidget* startup = WindowOf("frmStartup");
    ASSERT_NE(startup, nullptr);
    QAction* workWithForms = MenuEntry(startup, "File", "Work with Forms 941 / 944");
    ASSERT_NE(workWithForms, nullptr);

    workWithForms->trigger();
    ProcessEvents();

    QWidget* mainMenu = WindowOf("frm941MainScreen");
    ASSERT_NE(mainMenu, nullptr);
    EXPECT_TRUE(mainMenu->isVisible());
    EXPECT_FALSE(startup->isVisible()) << "the start-up window stays hidden behind the main menu";
    QStringList captions;
    for (auto* button : mainMenu->findChildren<QPushButton*>()) {
        if (button->isVisible()) captions << button->text();
    }
    captions.sort();
    EXPECT_EQ(captions, (QStringList{"E&xit", "Enter/Edit/Print Data", "Utility Programs"}));
}

TEST_F(DesktopProgram, FileExitUnloadsEveryScreenAndLeavesNoWindow) {
    QWidget* startup = WindowOf("frmStartup");
    ASSERT_NE(startup, nullptr);
    MenuEntry(startup, "File", "Work with Forms 941 / 944")->trigger();
    ASSERT_EQ(forms::App().Count(), 2);
    // The start-up screen is hidden now; its Exit is reached through the model.
    forms::user::Click(*forms::Screen("frmStartup").ControlByName("mnuExit"));
    ProcessEvents();

    EXPECT_EQ(forms::App().Count(), 0);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        EXPECT_EQ(qobject_cast<desktop::FormWindow*>(w), nullptr) << "a form's window outlived its form";
    }
}

TEST_F(DesktopProgram, TheCloseBoxUnloadsTheScreen) {
    QWidget* startup = WindowOf("frmStartup");
    ASSERT_NE(startup, nullptr);
    startup->close();
    ProcessEvents();
    EXPECT_EQ(forms::App().Count(), 0);
}

} // namespace
