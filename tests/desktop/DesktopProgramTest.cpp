// The program as a user starts it: the start-up window, its File menu, the
// main menu window, the end of the program, and the employer and Form 941
// screens typed into through their real windows.

#include "DesktopTestSupport.h"

#include "platform/data/Database.h"
#include "platform/data/Engine.h"
#include "platform/forms/Forms.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

using namespace desktop_test;

const QString kStartupCaption = QStringLiteral("Tavrilo 941 / 944") + QString(43, QChar(' ')) +
                                QStringLiteral("Tax Year 2022") + QString(43, QChar(' ')) +
                                QStringLiteral("Rel. 22.04");

using DesktopProgram = RunningProgram;

TEST(DesktopStart, TheProgramStartsWithoutWarningsWhenTheSessionNamesNoRuntimeFolder) {
    EnsureApplication();
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TV_BINARY_DIR "/src/tavrilo941"), {});
    ASSERT_TRUE(program.waitForStarted());
    EXPECT_FALSE(program.waitForFinished(1500)) << "the program did not stay up";
    program.kill();
    program.waitForFinished();
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_FALSE(errors.contains(QStringLiteral("XDG_RUNTIME_DIR"))) << errors.toStdString();
}

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

TEST_F(DesktopProgram, FileWorkWithFormsShowsTheMainMenuAndFileExitLeavesNoWindow) {
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

    // The start-up screen is hidden now; its Exit is reached through the model.
    ASSERT_EQ(forms::App().Count(), 2);
    forms::user::Click(*forms::Screen("frmStartup").ControlByName("mnuExit"));
    ProcessEvents();
    EXPECT_EQ(forms::App().Count(), 0);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        EXPECT_EQ(qobject_cast<desktop::FormWindow*>(w), nullptr) << "a form's window outlived its form";
    }
}

TEST_F(DesktopProgram, TheUtilityWindowsCloseBoxesGoBackAsTheirExitDoesAndTheProgramGoesOn) {
    QAction* workWithForms = MenuEntry(WindowOf("frmStartup"), "File", "Work with Forms 941 / 944");
    ASSERT_NE(workWithForms, nullptr);
    workWithForms->trigger();
    QWidget* mainMenu = WindowOf("frm941MainScreen");
    ASSERT_NE(mainMenu, nullptr);
    ClickWidget(WindowOf("frm941MainScreen")->WidgetNamed("cmdUtility"));
    desktop::FormWindow* utilityMenu = WindowOf("frm941UtilityMenu");
    ASSERT_NE(utilityMenu, nullptr);
    {
        BoxAnswerer answerer({QMessageBox::Ok});
        ClickWidget(utilityMenu->WidgetNamed("Command1"));
    }
    QWidget* backup = WindowOf("frmBackup");
    ASSERT_NE(backup, nullptr);

    backup->close();
    ProcessEvents();
    EXPECT_EQ(WindowOf("frmBackup"), nullptr);
    EXPECT_TRUE(utilityMenu->isVisible());
    utilityMenu->close();
    ProcessEvents();
    EXPECT_EQ(WindowOf("frm941UtilityMenu"), nullptr);
    EXPECT_TRUE(mainMenu->isVisible());
    EXPECT_FALSE(frontEnd_->Ended());
}

TEST_F(DesktopProgram, AltAloneOpensTheStartupFileMenuForTheKeyboard) {
    auto* startup = qobject_cast<QMainWindow*>(WindowOf("frmStartup"));
    ASSERT_NE(startup, nullptr);
    PressKey(startup, Qt::Key_Alt, QString(), Qt::AltModifier);
    QAction* file = startup->menuBar()->activeAction();
    ASSERT_TRUE(file != nullptr && file->menu() != nullptr && file->menu()->isVisible()) << "no menu opened";
    PressKey(file->menu(), Qt::Key_Down);
    PressKey(file->menu(), Qt::Key_Return, "\r");
    ProcessEvents();
    QWidget* mainMenu = WindowOf("frm941MainScreen");
    ASSERT_NE(mainMenu, nullptr) << "Work with Forms 941 / 944 was not chosen";
    EXPECT_TRUE(mainMenu->isVisible());
}

TEST_F(DesktopProgram, AltAloneOrF10OpensTheStartupFileMenuForTheKeyboard) {
    auto* startup = qobject_cast<QMainWindow*>(WindowOf("frmStartup"));
    ASSERT_NE(startup, nullptr);
    auto openMenu = [startup] {
        QAction* file = startup->menuBar()->activeAction();
        return file != nullptr && file->menu() != nullptr && file->menu()->isVisible() ? file->menu() : nullptr;
    };
    PressKey(startup, Qt::Key_Alt, QString(), Qt::AltModifier);
    ASSERT_NE(openMenu(), nullptr) << "Alt opened no menu";
    openMenu()->close();
    ProcessEvents();
    PressKey(startup, Qt::Key_F10);
    QMenu* file = openMenu();
    ASSERT_NE(file, nullptr) << "F10 opened no menu";
    PressKey(file, Qt::Key_Down);
    PressKey(file, Qt::Key_Return, "\r");
    ProcessEvents();
    QWidget* mainMenu = WindowOf("frm941MainScreen");
    ASSERT_NE(mainMenu, nullptr) << "Work with Forms 941 / 944 was not chosen";
    EXPECT_TRUE(mainMenu->isVisible());
}

TEST_F(DesktopProgram, TaxIdTypeRefusesThreeWithItsMessage) {
    Sql(kFirstEmployer);
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

TEST_F(DesktopProgram, TheDataControlsArrowsMoveThroughTheEmployers) {
    Sql(kFirstEmployer);
    Sql("INSERT INTO Employers (EmployerNo, EmployerName1, IdType, Pyr_Taxid, TypePayer, Country) "
        "VALUES (2, 'BAKER BROS', '2', '987654321', 'R', 'Y')");
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

TEST_F(DesktopProgram, TheReturnWindowsCloseBoxAsksBeforeItDropsWhatWasTyped) {
    Sql(kFirstEmployer);
    desktop::FormWindow* f941 = OpenFirstQuarter();
    ASSERT_NE(f941, nullptr);
    ClickWidget(f941->WidgetNamed("cmdAddNew"));
    QWidget* line2 = f941->WidgetNamed("fpLine2");
    ClickWidget(line2);
    TypeKeys(line2, "1000");
    {
        BoxAnswerer answerer({QMessageBox::Cancel});
        f941->close();
        ProcessEvents();
        ASSERT_EQ(answerer.Seen().size(), 1u);
        EXPECT_EQ(answerer.Seen()[0].title, "Close");
        EXPECT_EQ(answerer.Seen()[0].text, "Save the changes to this record before closing?");
    }
    ASSERT_EQ(WindowOf("frmDet941Covid0621"), f941);
    EXPECT_TRUE(f941->isVisible()) << "Cancel closed the window";
    {
        BoxAnswerer answerer({QMessageBox::Yes});
        f941->close();
        ProcessEvents();
    }
    EXPECT_EQ(WindowOf("frmDet941Covid0621"), nullptr);
    EXPECT_TRUE(WindowOf("frmEmployersDE")->isVisible());
    auto stored = data::OpenDatabase((folder_.Path() / "TV941.MDB").string())
                      ->OpenRecordset("SELECT L_2 FROM DET941 WHERE L_2 = 1000");
    EXPECT_FALSE(stored->Eof()) << "Yes did not store the return";
}

TEST_F(DesktopProgram, KeysTypedIntoStoredFieldsWhileBrowsingChangeNeitherTheFieldNorTheRow) {
    Sql(kFirstEmployer);
    Sql("INSERT INTO DET941 (EmployerNo, Qtr_Yr, L_2) VALUES (1, '122', 2500)");
    desktop::FormWindow* employers = OpenEmployerScreen();
    ASSERT_NE(employers, nullptr);
    auto* city = qobject_cast<QLineEdit*>(employers->WidgetNamed("mskCity"));
    ASSERT_NE(city, nullptr);
    EXPECT_EQ(city->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Button))
        << "a read-only field looks read-only";
    const QString shown = city->text();
    ClickWidget(city);
    TypeKeys(city, "BOSTON");
    PressKey(city, Qt::Key_Backspace);
    EXPECT_EQ(city->text(), shown);

    ClickWidget(employers->WidgetNamed("cmdQtr1"));
    desktop::FormWindow* f941 = WindowOf("frmDet941Covid0621");
    ASSERT_NE(f941, nullptr);
    auto* line2 = qobject_cast<QLineEdit*>(f941->WidgetNamed("fpLine2"));
    ASSERT_NE(line2, nullptr);
    ClickWidget(line2);
    TypeKeys(line2, "5000");
    PressKey(line2, Qt::Key_Return, "\r");
    EXPECT_EQ(line2->text(), "$2,500.00");
    f941->close(); // nothing pending: no question
    ProcessEvents();
    EXPECT_EQ(WindowOf("frmDet941Covid0621"), nullptr);
    auto stored = data::OpenDatabase((folder_.Path() / "TV941.MDB").string())
                      ->OpenRecordset("SELECT L_2 FROM DET941 WHERE L_2 = 2500");
    EXPECT_FALSE(stored->Eof()) << "the stored row changed";

    ClickWidget(employers->WidgetNamed("cmdEditRecord"));
    ClickWidget(city);
    TypeKeys(city, "X");
    EXPECT_NE(city->text(), shown) << "Edit opens the field";
}

TEST_F(DesktopProgram, TheMainMenusCloseBoxLeavesAsExitDoes) {
    QAction* workWithForms = MenuEntry(WindowOf("frmStartup"), "File", "Work with Forms 941 / 944");
    ASSERT_NE(workWithForms, nullptr);
    workWithForms->trigger();
    QWidget* mainMenu = WindowOf("frm941MainScreen");
    ASSERT_NE(mainMenu, nullptr);
    BoxAnswerer answerer({QMessageBox::Yes});
    mainMenu->close();
    ProcessEvents();
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(answerer.Seen()[0].text, "Have you Backed Up your 941 data recently?");
    EXPECT_EQ(WindowOf("frm941MainScreen"), nullptr);
    EXPECT_TRUE(WindowOf("frmStartup")->isVisible());
    EXPECT_FALSE(frontEnd_->Ended());
}

// Its caption the scenarios check.
TEST_F(DesktopProgram, StartsOnTheStartupWindowAndTheMainMenusCloseBoxLeavesAsExitDoes) {
    QWidget* startup = WindowOf("frmStartup");
    ASSERT_NE(startup, nullptr);
    ASSERT_TRUE(startup->isVisible());
    // The screen asks for the display's size a tenth in from its corner; the
    // window is kept on the display instead of hanging off it.
    const QRect display = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(display.contains(startup->geometry())) << "window hangs off the display";
    EXPECT_GT(startup->width(), display.width() / 2);
    QAction* workWithForms = MenuEntry(startup, "File", "Work with Forms 941 / 944");
    ASSERT_NE(workWithForms, nullptr);
    workWithForms->trigger();
    ProcessEvents();
    QWidget* mainMenu = WindowOf("frm941MainScreen");
    ASSERT_NE(mainMenu, nullptr);
    EXPECT_TRUE(mainMenu->isVisible());
    EXPECT_FALSE(startup->isVisible()) << "the start-up window stays hidden behind the main menu";

    BoxAnswerer answerer({QMessageBox::Yes});
    mainMenu->close();
    ProcessEvents();
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(answerer.Seen()[0].text, "Have you Backed Up your 941 data recently?");
    EXPECT_EQ(answerer.Seen()[0].defaultButton, "&No");
    EXPECT_EQ(WindowOf("frm941MainScreen"), nullptr);
    EXPECT_TRUE(startup->isVisible());
    EXPECT_FALSE(frontEnd_->Ended());

    // File Exit leaves no window.
    forms::user::Click(*forms::Screen("frmStartup").ControlByName("mnuExit"));
    ProcessEvents();
    EXPECT_EQ(forms::App().Count(), 0);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        EXPECT_EQ(qobject_cast<desktop::FormWindow*>(w), nullptr) << "a form's window outlived its form";
    }
}

// Keys as the keyboard sends them: to whichever widget has Qt's focus,
// wherever the screen's Enter handlers sent it.
void TypeIntoFocus(const QString& text) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr) << "no widget has the keyboard focus";
    TypeKeys(focused, text);
    PressKey(focused, Qt::Key_Return, "\r");
}

TEST_F(DesktopProgram, EnterInForm941LineOneShowsTheFocusOnTheLineFourCheckBox) {
    Sql(kFirstEmployer);
    desktop::FormWindow* f941 = OpenFirstQuarter();
    ASSERT_NE(f941, nullptr);
    ClickWidget(f941->WidgetNamed("cmdAddNew"));
    ProcessEvents();
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

    TypeIntoFocus("5");

    // Enter in line 1 goes on to the line 4 check box, as the screen says;
    // the keys typed next go there, so the user must be able to see it.
    EXPECT_EQ(QApplication::focusWidget(), line4);
    EXPECT_TRUE(line4->grab().toImage() != line4Unfocused)
        << "the check box that took the focus looks as if it had not";

    // Digits do nothing in the check box; its Enter goes on to line 2,
    // where the same keys land.
    TypeIntoFocus("1000");
    EXPECT_EQ(line2->text(), "");
    EXPECT_FALSE(line4->isChecked());
    ASSERT_EQ(QApplication::focusWidget(), line2);
    TypeIntoFocus("1000");
    EXPECT_EQ(line2->text(), "$1,000.00");
    EXPECT_EQ(QApplication::focusWidget(), f941->WidgetNamed("fpLine3"));
}

TEST_F(DesktopProgram, Form941LinesTypedWithTheMouseAreSavedWithTheirComputedTotals) {
    Sql(kFirstEmployer);
    desktop::FormWindow* f941 = OpenFirstQuarter();
    ASSERT_NE(f941, nullptr);
    ClickWidget(f941->WidgetNamed("cmdAddNew"));
    QWidget* line2 = f941->WidgetNamed("fpLine2");
    QWidget* line3 = f941->WidgetNamed("fpLine3");
    QWidget* wages5a = f941->WidgetNamed("fpLine6A");
    ClickWidget(line2);
    TypeKeys(line2, "10000");
    // Leaving line 2 fills 5a as the click lands in it: the digits typed
    // replace what it was filled with.
    ClickWidget(wages5a);
    TypeKeys(wages5a, "9000");
    ClickWidget(line3);
    forms::Control* focused = forms::App().LoadedForm("frmDet941Covid0621")->ActiveControl();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->Name(), "fpLine3") << "the click did not leave the focus where it landed";
    TypeKeys(line3, "1500");
    {
        BoxAnswerer answerer({QMessageBox::Ok});
        ClickWidget(f941->WidgetNamed("cmdSaveRecord"));
        ProcessEvents();
    }
    auto stored = data::OpenDatabase((folder_.Path() / "TV941.MDB").string())
                      ->OpenRecordset("SELECT L_6A, L_8, L_5, L_11 FROM DET941 WHERE L_2 = 10000");
    ASSERT_FALSE(stored->Eof()) << "Save did not store the return";
    EXPECT_EQ(data::ToText(stored->Fields("L_6A").Value()), "9000");
    // 5e: 9000 x 12.4% + 10000 x 2.9%; lines 6 and 10: line 3 + 5e.
    EXPECT_EQ(data::ToText(stored->Fields("L_8").Value()), "1406");
    EXPECT_EQ(data::ToText(stored->Fields("L_5").Value()), "2906");
    EXPECT_EQ(data::ToText(stored->Fields("L_11").Value()), "2906");
}

} // namespace
