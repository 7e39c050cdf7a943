// The 941-V payment voucher: the image by the year and the box by the quarter,
// and what a voucher without a balance due or ZIP extension prints.
#include <gtest/gtest.h>

#include "print_Folder.h"

namespace {

class Print941Voucher : public Print941Folder {};

TEST_F(Print941Voucher, TheYearChoosesTheImageAndTheQuarterDigitTheBox) {
    AddEmployer();
    struct Case {
        const char* period;
        const char* picture;
        int markedItem; // index among the ten items
    };
    for (const Case& c : {Case{"122", "TF1V22.wmf", 3}, Case{"222", "TF1V22.wmf", 6}, Case{"422", "TF1V22.wmf", 7},
                          Case{"123", "TF1V23.wmf", 3}}) {
        SCOPED_TRACE(c.period);
        auto& screen = OpenReturn(c.period);
        const auto pages = PagesOf(PrintWith(screen, {forms::vbNo}));
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_EQ(pages[0].setup.at("PagePicture"), Quoted(c.picture));
        for (int box : {3, 4, 6, 7})
            EXPECT_EQ(pages[0].items[box].Text(), Quoted(box == c.markedItem ? "X" : " ")) << box;
        CloseForTheNextCase();
    }
}

TEST_F(Print941Voucher, NoBalanceDueLeavesTheAmountBlankAndAZipAloneHasNoHyphen) {
    AddEmployer();
    auto& screen = OpenReturn("322");
    screen.fpLine15.SetText("0");
    screen.fpLine16(1).SetText("55");
    const auto pages = PagesOf(PrintWith(screen, {forms::vbNo}));
    ASSERT_EQ(pages.size(), 1u);

    EXPECT_EQ(pages[0].items[1].Text(), Quoted(" "));
    EXPECT_EQ(pages[0].items[8].Text(), Quoted("HARTFORD CT 06101"));
}

} // namespace
