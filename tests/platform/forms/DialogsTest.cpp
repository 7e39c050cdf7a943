#include "FormsTestSupport.h"

namespace {

using forms::DialogRecord;

TEST_F(FormsTest, ScriptedDialogsAnswerInOrderAndRecordEveryBox) {
    dialogs->AnswerMsgBox(forms::vbNo);
    dialogs->AnswerInputBox("ACME");
    dialogs->CancelInputBox();
    dialogs->AnswerMsgBox(forms::vbOK);

    EXPECT_EQ(forms::MsgBox("Have you Backed Up your 941 data recently?", 260, "BackUp Reminder"), forms::vbNo);
    EXPECT_EQ(forms::InputBox("Enter the name", "Find", "A"), std::optional<std::string>("ACME"));
    EXPECT_EQ(forms::InputBox("Drive?", "", "A:\\"), std::nullopt);
    EXPECT_EQ(forms::MsgBox("Message # 5"), forms::vbOK);

    const auto& boxes = dialogs->Boxes();
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].prompt, "Have you Backed Up your 941 data recently?");
    EXPECT_EQ(boxes[0].style, 260);
    EXPECT_EQ(boxes[0].title, "BackUp Reminder");
    EXPECT_EQ(boxes[1].kind, DialogRecord::Kind::Input);
    EXPECT_EQ(boxes[1].defaultText, "A");
    EXPECT_EQ(boxes[2].title, "Tavrilo 941 / 944"); // no title of its own
    EXPECT_EQ(boxes[3].title, "Tavrilo 941 / 944");
    EXPECT_EQ(dialogs->PendingAnswers(), 0u);
}

TEST_F(FormsTest, ABoxWithNoAnswerQueuedFailsTheTest) {
    EXPECT_THROW(forms::MsgBox("Save this Record?", forms::vbOKCancel, "Save Record"), forms::UnexpectedDialog);
    ASSERT_EQ(dialogs->Failures().size(), 1u);
    EXPECT_EQ(dialogs->Boxes().back().prompt, "Save this Record?");
    EXPECT_THROW(forms::InputBox("Name?"), forms::UnexpectedDialog);
}

TEST_F(FormsTest, AnAnswerThatTheBoxDoesNotOfferFailsTheTest) {
    dialogs->AnswerMsgBox(forms::vbYes);
    EXPECT_THROW(forms::MsgBox("Save this Record?", forms::vbOKCancel, "Save Record"), forms::UnexpectedDialog);
    dialogs->AnswerMsgBox(forms::vbOK);
    EXPECT_THROW(forms::InputBox("Name?"), forms::UnexpectedDialog);
}

// The scripted dialogs every screen test answers through must fail a test on
// a box nobody expected, or on an answer the box does not offer.
TEST_F(FormsTest, ABoxWithNoAnswerQueuedOrAnAnswerItDoesNotOfferFailsTheTest) {
    EXPECT_THROW(forms::MsgBox("Save this Record?", forms::vbOKCancel, "Save Record"), forms::UnexpectedDialog);
    ASSERT_EQ(dialogs->Failures().size(), 1u);
    EXPECT_EQ(dialogs->Boxes().back().prompt, "Save this Record?");
    EXPECT_THROW(forms::InputBox("Name?"), forms::UnexpectedDialog);

    dialogs->AnswerMsgBox(forms::vbYes);
    EXPECT_THROW(forms::MsgBox("Save this Record?", forms::vbOKCancel, "Save Record"), forms::UnexpectedDialog);
    dialogs->AnswerMsgBox(forms::vbOK);
    EXPECT_THROW(forms::InputBox("Name?"), forms::UnexpectedDialog);
}

} // namespace
