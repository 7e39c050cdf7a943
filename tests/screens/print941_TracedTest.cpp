// The older, traced print run kept on the Form 941 screen: progress boxes,
// two pages of items and an empty page 3, and a "21" period that ends its
// return before the voucher starts.
#include <gtest/gtest.h>

#include "print_Folder.h"

namespace {

class Print941Traced : public Print941Folder {
protected:
    void Run(frmDet941Covid0621& screen, int boxesToAnswer, std::vector<int> questions) {
        for (int answer : questions) Dialogs().AnswerMsgBox(answer);
        for (int i = 0; i < boxesToAnswer; ++i) Dialogs().AnswerMsgBox(forms::vbOK);
        screen.PrintFormTrace();
    }

    std::vector<std::string> ProgressBoxes() {
        std::vector<std::string> prompts;
        for (const auto& box : Dialogs().Boxes())
            if (box.style == forms::vbOKOnly) prompts.push_back(box.prompt);
        return prompts;
    }
};

TEST_F(Print941Traced, TheReturnShowsItsThirtySixProgressBoxesAndPrintsTwoPagesOfItems) {
    AddEmployer();
    auto& screen = OpenReturn("322");
    screen.fpLine15.SetText("10");
    Run(screen, 36, {forms::vbYes, forms::vbNo});

    const auto boxes = ProgressBoxes();
    ASSERT_EQ(boxes.size(), 36u);
    EXPECT_EQ(boxes[0], "Page 1 has been processed.");
    EXPECT_EQ(boxes[1], "About to Process and Print Page 2.");
    EXPECT_EQ(boxes[2], "about to assign the wmf file name to page 2");
    EXPECT_EQ(boxes[3], "About to print Page 2 for x = 40 to 70");
    EXPECT_EQ(boxes[4], "X = 40");
    EXPECT_EQ(boxes[34], "X = 70");
    EXPECT_EQ(boxes[35], "Page 2 printed.");

    const auto documents = printing::PrintLog::FinishedDocuments();
    ASSERT_EQ(documents.size(), 1u);
    const auto pages = PagesOf(documents[0].trace);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0].setup.at("PagePicture"), Quoted("TF1P122C.wmf"));
    EXPECT_EQ(pages[1].setup.at("PagePicture"), Quoted("tf1p222C.wmf"));
    EXPECT_EQ(pages[2].setup.at("PagePicture"), Quoted("tf1p322C.wmf"));
    EXPECT_EQ(pages[0].items.size(), 39u);
    EXPECT_EQ(pages[1].items.size(), 31u);
    EXPECT_TRUE(pages[2].items.empty());
    EXPECT_EQ(pages[0].items[32].Text(), Quoted("10.00")); // line 14 in place of 11b
    EXPECT_DOUBLE_EQ(pages[0].items[7].left, 5.87);
    EXPECT_EQ(forms::App().MousePointer(), 0);
}

TEST_F(Print941Traced, APeriodEndingIn21EndsTheReturnBeforeTheVoucher) {
    AddEmployer();
    auto& screen = OpenReturn("221");
    screen.fpLine15.SetText("10");
    Run(screen, 36, {forms::vbYes, forms::vbNo});

    const auto documents = printing::PrintLog::FinishedDocuments();
    ASSERT_EQ(documents.size(), 2u);
    EXPECT_EQ(documents[0].title, "Print Form 941 - Schedule A");
    EXPECT_EQ(documents[0].pages.size(), 2u);
    EXPECT_EQ(documents[1].title, "Print Form 941 - Payment Voucher");
    EXPECT_EQ(documents[1].pages.at(0).setup.picture, "tf1v23.wmf");
    EXPECT_TRUE(printing::PrintLog::Documents().size() == 2u); // nothing aborted
}

TEST_F(Print941Traced, TheVoucherAnswerPrintsTheVoucherWithoutProgressBoxes) {
    AddEmployer();
    auto& screen = OpenReturn("122");
    Run(screen, 0, {forms::vbNo});

    EXPECT_TRUE(ProgressBoxes().empty());
    const auto documents = printing::PrintLog::FinishedDocuments();
    ASSERT_EQ(documents.size(), 1u);
    EXPECT_EQ(documents[0].pages.at(0).setup.picture, "tf1v22.wmf");
}

} // namespace
