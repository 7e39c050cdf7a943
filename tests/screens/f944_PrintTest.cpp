// Printing the Form 944: the amounts and boxes the scenarios leave out, the
// conditions of line 13, the 2021 images and the error exit.
#include <gtest/gtest.h>

#include "print_Folder.h"

namespace {

class Print944 : public Print944Folder {
protected:
    frmDet944Covid& OpenForTheEmployer(const Columns& changes = {}) {
        AddEmployer(changes);
        return OpenAnnualReturn();
    }
};

TEST_F(Print944, NoOverpaymentLeavesItsBoxesBlankEvenTheCheckedOne) {
    auto& screen = OpenForTheEmployer();
    screen.fpLine15.SetText("900");
    screen.fpLine10.SetText("150.25");
    screen.fpLine16(1).SetText("0");
    screen.Check4.SetValue(1);
    auto page2 = ReturnItems(PrintWith(screen, {forms::vbYes, forms::vbNo}))[1];

    EXPECT_EQ(page2[102].Text(), Quoted(" "));
    EXPECT_EQ(page2[103].Text(), Quoted(" "));
    EXPECT_EQ(page2[104].Text(), Quoted(" "));
}

TEST_F(Print944, LineThirteenPrintsByLineNineAndTheMonthlyBox) {
    struct Case {
        const char* line9;
        int monthly;
        const char* smallBox;
        const char* monthlyBox;
        const char* month1;
        const char* month12;
        const char* total;
    };
    const Case cases[] = {
        {"2499.99", 1, "X", " ", " ", " ", " "},
        {"2500", 1, " ", "X", "100.00", " ", "2500.00"},
        {"2500", 0, " ", " ", " ", " ", " "},
    };
    AddEmployer();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.line9) + " monthly " + std::to_string(c.monthly));
        auto& screen = OpenAnnualReturn();
        screen.fpLine12.SetText(c.line9);
        screen.Check6.SetValue(c.monthly);
        screen.Check5.SetValue(1);
        screen.fpLine17A.SetText("100");
        screen.fpCurrency10.SetText("0");
        screen.fpLine17D.SetText("2500");
        auto page2 = ReturnItems(PrintWith(screen, {forms::vbYes, forms::vbNo}))[1];
        EXPECT_EQ(page2[43].Text(), Quoted(c.smallBox));
        EXPECT_EQ(page2[44].Text(), Quoted(c.monthlyBox));
        EXPECT_EQ(page2[45].Text(), Quoted(c.month1));
        EXPECT_EQ(page2[113].Text(), Quoted(c.month12));
        EXPECT_EQ(page2[48].Text(), Quoted(c.total));
        EXPECT_EQ(page2[49].Text(), Quoted("X"));
        CloseForTheNextCase<frmDet944Covid>();
    }
}

TEST_F(Print944, ACountOfIndividualsOfNoughtPrintsBlank) {
    AddEmployer();
    auto& screen = OpenAnnualReturn();
    screen.fpLongInteger2.SetText("0");
    auto page2 = ReturnItems(PrintWith(screen, {forms::vbYes, forms::vbNo}))[1];
    EXPECT_EQ(page2[115].Text(), Quoted(" "));
}

TEST_F(Print944, APeriodEndingTwentyOneTakesThe2021Images) {
    AddEmployer();
    auto& screen = OpenAnnualReturn("621");
    const auto pages = PagesOf(PrintWith(screen, {forms::vbYes, forms::vbNo}));
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0].setup.at("PagePicture"), Quoted("tf4p121.wmf"));
    EXPECT_EQ(pages[2].setup.at("PagePicture"), Quoted("tf4p321.wmf"));
    // The voucher prints on its 2021 image too.
    const auto voucher = PagesOf(PrintWith(screen, {forms::vbNo}));
    ASSERT_EQ(voucher.size(), 1u);
    EXPECT_EQ(voucher[0].setup.at("PagePicture"), Quoted("tf4v21.wmf"));
}

TEST_F(Print944, PrintingChangesNeitherTheFieldsNorTheRow) {
    auto& screen = OpenForTheEmployer();
    screen.fpLine2.SetText("500");
    PrintWith(screen, {forms::vbYes, forms::vbNo});
    EXPECT_EQ(screen.fpLine2.Text(), "500");
    EXPECT_EQ(screen.fpLine6A.Text(), "");
}

} // namespace
