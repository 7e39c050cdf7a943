// Message and input boxes as the screens ask for them.

#include "DesktopTestSupport.h"

#include "desktop/QtDialogs.h"
#include "platform/forms/Application.h"
#include "platform/forms/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

namespace {

using namespace desktop_test;

class DesktopDialogs : public ::testing::Test {
protected:
    void SetUp() override { EnsureApplication(); }
    void TearDown() override { forms::App().Reset(); }
};

QList<QMessageBox::StandardButton> ButtonsInOrder(const QMessageBox& box) {
    QList<QMessageBox::StandardButton> order;
    for (QAbstractButton* b : box.buttons()) order << box.standardButton(b);
    return order;
}

TEST_F(DesktopDialogs, TheStyleGivesTheButtonsIconAndDefault) {
    struct Case {
        int style;
        QList<QMessageBox::StandardButton> buttons;
        QMessageBox::StandardButton defaultButton;
        QMessageBox::Icon icon;
    };
    const Case cases[] = {
        {forms::vbOKOnly, {QMessageBox::Ok}, QMessageBox::Ok, QMessageBox::NoIcon},
        {forms::vbOKCancel, {QMessageBox::Ok, QMessageBox::Cancel}, QMessageBox::Ok, QMessageBox::NoIcon},
        {forms::vbYesNo, {QMessageBox::Yes, QMessageBox::No}, QMessageBox::Yes, QMessageBox::NoIcon},
        {36, {QMessageBox::Yes, QMessageBox::No}, QMessageBox::Yes, QMessageBox::Question},
        {48, {QMessageBox::Ok}, QMessageBox::Ok, QMessageBox::Warning},
        {64, {QMessageBox::Ok}, QMessageBox::Ok, QMessageBox::Information},
        {260, {QMessageBox::Yes, QMessageBox::No}, QMessageBox::No, QMessageBox::NoIcon},
        {276, {QMessageBox::Yes, QMessageBox::No}, QMessageBox::No, QMessageBox::Critical},
        {324, {QMessageBox::Yes, QMessageBox::No}, QMessageBox::No, QMessageBox::Information},
    };
    for (const Case& c : cases) {
        auto box = desktop::MakeMessageBox("Question?", c.style, "Title");
        SCOPED_TRACE("style " + std::to_string(c.style));
        EXPECT_EQ(ButtonsInOrder(*box).size(), c.buttons.size());
        for (auto button : c.buttons) EXPECT_NE(box->button(button), nullptr);
        EXPECT_EQ(box->standardButton(box->defaultButton()), c.defaultButton);
        EXPECT_EQ(box->icon(), c.icon);
        EXPECT_EQ(box->windowTitle(), "Title");
        EXPECT_EQ(box->text(), "Question?");
    }
}

TEST_F(DesktopDialogs, EscapeAndTheCloseBoxAnswerCancelOrTheOnlyOkAndNothingElse) {
    auto okCancel = desktop::MakeMessageBox("", forms::vbOKCancel, "");
    okCancel->show();
    PressKey(okCancel.get(), Qt::Key_Escape);
    EXPECT_EQ(okCancel->clickedButton(), okCancel->button(QMessageBox::Cancel));
    auto okOnly = desktop::MakeMessageBox("", forms::vbOKOnly, "");
    okOnly->show();
    PressKey(okOnly.get(), Qt::Key_Escape);
    EXPECT_EQ(okOnly->clickedButton(), okOnly->button(QMessageBox::Ok));
    for (int style : {forms::vbYesNo, 36, 260}) {
        auto yesNo = desktop::MakeMessageBox("", style, "");
        yesNo->show();
        PressKey(yesNo.get(), Qt::Key_Escape);
        EXPECT_EQ(yesNo->clickedButton(), nullptr) << "style " << style << ": Escape answered a Yes/No box";
        EXPECT_FALSE(yesNo->close()) << "style " << style << ": the close box answered a Yes/No box";
        EXPECT_TRUE(yesNo->isVisible());
    }
}

TEST_F(DesktopDialogs, ThePressedButtonIsTheAnswer) {
    auto box = desktop::MakeMessageBox("Save?", forms::vbYesNoCancel, "");
    box->button(QMessageBox::No)->click();
    EXPECT_EQ(desktop::AnswerOf(*box, forms::vbYesNoCancel), forms::vbNo);

    auto unanswered = desktop::MakeMessageBox("Save?", forms::vbOKCancel, "");
    EXPECT_EQ(desktop::AnswerOf(*unanswered, forms::vbOKCancel), forms::vbCancel);
}

TEST_F(DesktopDialogs, AScreensBoxComesUpModalWithTheApplicationTitleWhenGivenNone) {
    forms::App().SetDialogs(std::make_shared<desktop::QtDialogs>());
    BoxAnswerer answerer({QMessageBox::No});
    const int answer = forms::MsgBox("Have you Backed Up your 941 data recently?", 260);
    EXPECT_EQ(answer, forms::vbNo);
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(answerer.Seen()[0].title, "Tavrilo 941 / 944");
    EXPECT_EQ(answerer.Seen()[0].defaultButton, "&No");
}

TEST_F(DesktopDialogs, AnInputBoxOffersItsDefaultAndReturnsTheTypedText) {
    desktop::QtDialogs dialogs;
    QString offered;
    QTimer::singleShot(20, [&offered] {
        auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (input == nullptr) return;
        offered = input->textValue();
        input->setTextValue("D:\\BACKUP");
        input->accept();
    });
    const auto typed = dialogs.InputBox("Enter the drive", "BackUp", "A:\\");
    EXPECT_EQ(offered, "A:\\");
    ASSERT_TRUE(typed.has_value());
    EXPECT_EQ(*typed, "D:\\BACKUP");
}

TEST_F(DesktopDialogs, AnInputBoxWithALongPromptStaysOnTheScreen) {
    desktop::QtDialogs dialogs;
    int width = 0;
    int screenWidth = 0;
    QTimer::singleShot(20, [&] {
        auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (input == nullptr) return;
        width = input->frameGeometry().width();
        screenWidth = input->screen()->availableGeometry().width();
        input->accept();
    });
    const std::string sentence = "Enter the letter of the drive to use for Backup purposes. ";
    std::string prompt;
    for (int i = 0; i < 8; ++i) prompt += sentence;
    dialogs.InputBox(prompt, "BackUp", "A:\\");
    ASSERT_GT(width, 0);
    EXPECT_LE(width, screenWidth);
}

TEST_F(DesktopDialogs, ACancelledInputBoxReturnsNothing) {
    desktop::QtDialogs dialogs;
    QTimer::singleShot(20, [] {
        if (auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) input->reject();
    });
    EXPECT_FALSE(dialogs.InputBox("Find", "Find", "").has_value());
}

// Each answer is given from a timer, with what the box showed noted.
std::optional<std::string> InputBoxAnswered(const std::string& prompt, const std::string& offer,
                                            std::function<void(QInputDialog*)> answer) {
    QTimer::singleShot(20, [answer] {
        if (auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) answer(input);
    });
    return desktop::QtDialogs().InputBox(prompt, "BackUp", offer);
}

TEST_F(DesktopDialogs, AnInputBoxOffersItsDefaultReturnsTheTypedTextOrNothingAndStaysOnTheScreen) {
    QString offered;
    const auto typed = InputBoxAnswered("Enter the drive", "A:\\", [&offered](QInputDialog* input) {
        offered = input->textValue();
        input->setTextValue("D:\\BACKUP");
        input->accept();
    });
    EXPECT_EQ(offered, "A:\\");
    EXPECT_EQ(typed, "D:\\BACKUP");

    std::string prompt;
    for (int i = 0; i < 8; ++i) prompt += "Enter the letter of the drive to use for Backup purposes. ";
    int width = 0, screenWidth = 0;
    const auto cancelled = InputBoxAnswered(prompt, "A:\\", [&](QInputDialog* input) {
        width = input->frameGeometry().width();
        screenWidth = input->screen()->availableGeometry().width();
        input->reject();
    });
    EXPECT_FALSE(cancelled.has_value());
    ASSERT_GT(width, 0);
    EXPECT_LE(width, screenWidth) << "a long prompt widened the box off the screen";
}

} // namespace
