// The employer screen in its real window, reached as the user reaches it:
// start-up window, File menu, main menu, "Enter/Edit/Print Data". A key
// typed into its tax id type field reaches the screen's KeyPress handler.

#include "DesktopTestSupport.h"

#include "desktop/DesktopFrontEnd.h"
#include "desktop/FormWindow.h"
#include "desktop/Program.h"
#include "platform/data/Engine.h"
#include "platform/forms/Forms.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace desktop_test;

class DesktopEmployerScreen : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        auto db = data::OpenDatabase((folder_.Path() / "TV941.MDB").string());
        db->Execute("INSERT INTO Employers (EmployerNo, EmployerName1, IdType, Pyr_Taxid, TypePayer, Country, "
                    "AddressLine2, City, State, EmployerZipCode) VALUES (1, 'ACME TOOLS', '1', '123456789', "
                    "'R', 'Y', '1 MAIN ST', 'SPRINGFIELD', 'IL', '62701')");
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

    desktop::FormWindow* OpenEmployerScreen() {
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
        return WindowOf("frmEmployersDE");
    }

    ProgramFolder folder_;
    std::unique_ptr<desktop::DesktopFrontEnd> frontEnd_;
};

TEST_F(DesktopEmployerScreen, TaxIdTypeRefusesThreeWithItsMessage) {
    desktop::FormWindow* employers = OpenEmployerScreen();
    ASSERT_NE(employers, nullptr);
    EXPECT_TRUE(employers->isVisible());
    auto* idType = qobject_cast<QLineEdit*>(employers->WidgetNamed("mskIdType"));
    ASSERT_NE(idType, nullptr);
    EXPECT_EQ(idType->text(), "1") << "the first employer's row is shown";

    ClickWidget(idType);
    BoxAnswerer answerer({QMessageBox::Ok});
    TypeKeys(idType, "3");

    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(answerer.Seen()[0].text, "Employer's Tax Id Type must be 1 = EIN or 2 = SSN");
    EXPECT_EQ(answerer.Seen()[0].title, "TaxId Type Error");
    auto* field = employers->Model().ControlByName("mskIdType");
    EXPECT_EQ(static_cast<forms::MaskedField*>(field)->Text(), "");
    EXPECT_EQ(idType->text(), "_") << "the refused key never lands in the field";
    EXPECT_TRUE(field->HasFocus());
}

TEST_F(DesktopEmployerScreen, TheDataControlsArrowsMoveThroughTheEmployers) {
    {
        auto db = data::OpenDatabase((folder_.Path() / "TV941.MDB").string());
        db->Execute("INSERT INTO Employers (EmployerNo, EmployerName1, IdType, Pyr_Taxid, TypePayer, Country) "
                    "VALUES (2, 'BAKER BROS', '2', '987654321', 'R', 'Y')");
    }
    desktop::FormWindow* employers = OpenEmployerScreen();
    ASSERT_NE(employers, nullptr);
    QWidget* arrows = employers->WidgetNamed("datEmployers");
    ASSERT_NE(arrows, nullptr);
    auto* name = qobject_cast<QLineEdit*>(employers->WidgetNamed("mskEmployerName1"));
    ASSERT_NE(name, nullptr);
    EXPECT_TRUE(name->text().startsWith("ACME TOOLS"));

    ClickWidget(arrows->findChild<QWidget*>("arrow2")); // next
    EXPECT_TRUE(name->text().startsWith("BAKER BROS")) << name->text().toStdString();
    ClickWidget(arrows->findChild<QWidget*>("arrow0")); // first
    EXPECT_TRUE(name->text().startsWith("ACME TOOLS")) << name->text().toStdString();
}

} // namespace
