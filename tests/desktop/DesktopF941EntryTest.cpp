// The Form 941 screen in its real window, typed into as a keyboard types:
// every key goes to the widget that has Qt's focus, wherever the screen's
// Enter handlers sent it.

#include "DesktopTestSupport.h"

#include "desktop/DesktopFrontEnd.h"
#include "desktop/FormWindow.h"
#include "desktop/Program.h"
#include "platform/data/Engine.h"
#include "platform/forms/Forms.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace desktop_test;

class DesktopF941Entry : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        auto db = data::OpenDatabase((folder_.Path() / "TV941.MDB").string());
        db->Execute("INSERT INTO Employers (EmployerNo, EmployerName1, IdType, Pyr_Taxid, TypePayer, Country, City, "
                    "State, EmployerZipCode) VALUES (17, 'ACME TOOLS', '1', '061234567', 'R', 'Y', 'NEW HAVEN', "
                    "'CT', '06510')");
        db.reset();
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

    desktop::FormWindow* WindowOf(const char* screenName) const {
        auto& app = forms::App();
        for (int i = 0; i < app.Count(); ++i) {
            if (app.Item(i).Name() == screenName) return frontEnd_->WindowOf(app.Item(i));
        }
        return nullptr;
    }

    // Start-up File menu, "Enter/Edit/Print Data", "01/2022", OK on the
    // message that the quarter has no row yet, then Add.
    desktop::FormWindow* AddFirstQuarter() {
        desktop::FormWindow* startup = WindowOf("frmStartup");
        if (startup == nullptr) return nullptr;
        for (QAction* top : startup->menuBar()->actions()) {
            if (top->menu() == nullptr) continue;
            for (QAction* item : top->menu()->actions()) {
                if (item->text() == "Work with Forms 941 / 944") item->trigger();
            }
        }
        desktop::FormWindow* mainMenu = WindowOf("frm941MainScreen");
        if (mainMenu == nullptr) return nullptr;
        ClickWidget(mainMenu->WidgetNamed("Command1"));
        desktop::FormWindow* employers = WindowOf("frmEmployersDE");
        if (employers == nullptr) return nullptr;
        {
            BoxAnswerer answerer({QMessageBox::Ok});
            ClickWidget(employers->WidgetNamed("cmdQtr1"));
        }
        desktop::FormWindow* f941 = WindowOf("frmDet941Covid0621");
        if (f941 == nullptr) return nullptr;
        ClickWidget(f941->WidgetNamed("cmdAddNew"));
        ProcessEvents();
        return f941;
    }

    // Keys as the keyboard sends them: to whichever widget has the focus.
    static void Type(const QString& text) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr) << "no widget has the keyboard focus";
        TypeKeys(focused, text);
    }
    static void Enter() {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr) << "no widget has the keyboard focus";
        PressKey(focused, Qt::Key_Return, "\r");
    }

    ProgramFolder folder_;
    std::unique_ptr<desktop::DesktopFrontEnd> frontEnd_;
};

TEST_F(DesktopF941Entry, EnterInLineOneShowsTheFocusOnTheLineFourCheckBox) {
    desktop::FormWindow* f941 = AddFirstQuarter();
    ASSERT_NE(f941, nullptr);
    auto* employees = qobject_cast<QLineEdit*>(f941->WidgetNamed("mskNo_Employee"));
    auto* line4 = qobject_cast<QCheckBox*>(f941->WidgetNamed("Check2"));
    auto* line2 = qobject_cast<QLineEdit*>(f941->WidgetNamed("fpLine2"));
    ASSERT_NE(employees, nullptr);
    ASSERT_NE(line4, nullptr);
    ASSERT_NE(line2, nullptr);
    // The window in front, as a window manager leaves it after the message.
    f941->activateWindow();
    ProcessEvents();
    ASSERT_EQ(QApplication::focusWidget(), employees);
    const QImage line4Unfocused = line4->grab().toImage();

    Type("5");
    Enter();

    // Enter in line 1 goes on to the line 4 check box, as the screen says;
    // the keys typed next go there, so the user must be able to see it.
    EXPECT_EQ(QApplication::focusWidget(), line4);
    EXPECT_TRUE(line4->grab().toImage() != line4Unfocused) << "the check box that took the focus looks as if it had not";

    // Digits do nothing in the check box; its Enter goes on to line 2,
    // where the same keys land.
    Type("1000");
    Enter();
    EXPECT_EQ(line2->text(), "");
    EXPECT_FALSE(line4->isChecked());
    ASSERT_EQ(QApplication::focusWidget(), line2);
    Type("1000");
    Enter();
    EXPECT_EQ(line2->text(), "$1,000.00");
    EXPECT_EQ(QApplication::focusWidget(), f941->WidgetNamed("fpLine3"));
}

} // namespace
