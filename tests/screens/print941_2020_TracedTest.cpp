// The traced print procedure kept on the 2020 Form 941 screen: its own page
// images and items, and a "21" period that ends its return before the voucher.
#include <gtest/gtest.h>

#include "print_Folder.h"
#include "returns/f941_2020/frmDet941Covid.h"

namespace {

class Print941Traced2020 : public Print941Folder {
protected:
    std::vector<printing::PrintDocument> Trace(frmDet941Covid& screen, int boxesToAnswer, std::vector<int> questions) {
        for (int answer : questions) Dialogs().AnswerMsgBox(answer);
        for (int i = 0; i < boxesToAnswer; ++i) Dialogs().AnswerMsgBox(forms::vbOK);
        screen.PrintFormTrace();
        return printing::PrintLog::FinishedDocuments();
    }
};

TEST_F(Print941Traced2020, APeriodEndingIn21EndsTheReturnBeforeTheVoucher) {
    AddEmployer();
    auto& screen = OpenReturn<frmDet941Covid>("121");
    screen.fpLine15.SetText("10");
    screen.fpLine16(1).SetText("10"); // the overpayment the refund box asks for
    screen.Check1.SetValue(1);
    screen.Check4.SetValue(1);
    const auto documents = Trace(screen, 36, {forms::vbYes, forms::vbNo});

    ASSERT_EQ(documents.size(), 2u);
    EXPECT_EQ(documents[0].title, "Print Form 941 - Schedule A");
    const auto pages = PagesOf(documents[0].trace);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].setup.at("PagePicture"), Quoted("tf1p121C.wmf"));
    EXPECT_EQ(pages[1].setup.at("PagePicture"), Quoted("tf1p221C.wmf"));
    EXPECT_EQ(pages[0].items.at(35).Text(), Quoted("X")); // 36: the refund box of line 15
    EXPECT_EQ(pages[1].items.at(12).Text(), Quoted("X")); // 52: the seasonal employer's box
    EXPECT_EQ(documents[1].title, "Print Form 941 - Payment Voucher");
    EXPECT_EQ(documents[1].pages.at(0).setup.picture, "tf1v21.wmf");
    EXPECT_EQ(printing::PrintLog::Documents().size(), 2u); // nothing aborted
}

TEST_F(Print941Traced2020, TheFirstQuarterOf2018MovesLine15sFirstBox) {
    AddEmployer();
    auto& screen = OpenReturn<frmDet941Covid>("118");
    const auto documents = Trace(screen, 36, {forms::vbYes, forms::vbNo});

    ASSERT_EQ(documents.size(), 1u);
    const auto pages = PagesOf(documents[0].trace);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_DOUBLE_EQ(pages[0].items.at(34).left, 6.05);
    EXPECT_EQ(pages[2].setup.at("PagePicture"), Quoted("tf1p321C.wmf"));
    EXPECT_TRUE(pages[2].items.empty());
}

} // namespace
