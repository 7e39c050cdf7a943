#include "FormsTestSupport.h"

namespace {

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
