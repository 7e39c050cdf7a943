// Printing the Form 941 return: every item at its layout row, the amounts and
// boxes the scenarios leave out, each period's images, and the error exits.
#include <gtest/gtest.h>

#include "print_Folder.h"
#include "returns/f941/Form941Layout.h"

namespace {

class Print941Return : public Print941Folder {
protected:
    frmDet941Covid0621& OpenReturnOfTheEmployer(const std::string& period) {
        if (!added_) AddEmployer();
        added_ = true;
        return OpenReturn(period);
    }

private:
    bool added_ = false;
};

TEST_F(Print941Return, EveryItemOfTheThreePagesSitsAtItsLayoutRowInOrder) {
    auto& screen = OpenReturnOfTheEmployer("322");
    screen.fpLine2.SetText("12345.67");
    screen.fpLine15.SetText("0.5");
    const auto trace = PrintWith(screen, {forms::vbYes, forms::vbNo});

    const auto pages = PagesOf(trace);
    ASSERT_EQ(pages.size(), 3u);
    const std::vector<std::vector<int>> orders = {Page1Order(), Page2Order(), Page3Order()};
    for (int p = 0; p < 3; ++p) {
        SCOPED_TRACE("page " + std::to_string(p + 1));
        ASSERT_EQ(pages[p].items.size(), orders[p].size());
        for (std::size_t i = 0; i < orders[p].size(); ++i) {
            const LayoutRow& row = Form941FieldLayout().Row(orders[p][i]);
            const StoredItem& item = pages[p].items[i];
            EXPECT_DOUBLE_EQ(item.left, row.X) << "FieldNo " << orders[p][i];
            EXPECT_DOUBLE_EQ(item.width, row.Width) << "FieldNo " << orders[p][i];
            EXPECT_EQ(item.height, row.Height) << "FieldNo " << orders[p][i];
            EXPECT_FALSE(item.texts.empty()) << "FieldNo " << orders[p][i];
        }
    }
}

TEST_F(Print941Return, PageOneCarriesTheEmployerTheBoxesAndTheAmounts) {
    auto& screen = OpenReturnOfTheEmployer("322");
    screen.fpLine9B.SetText("-0.03");
    screen.fpLine11c.SetText("250");
    screen.Check2.SetValue(1);
    auto items = ReturnItems(PrintWith(screen, {forms::vbYes, forms::vbNo}))[0];

    EXPECT_EQ(items[2].Text(), Quoted("ACME TOOL WORKS"));
    EXPECT_EQ(items[3].Text(), Quoted("ACME"));
    EXPECT_EQ(items[4].Text(), Quoted("100 ELM ST"));
    EXPECT_EQ(items[5].Text(), Quoted("HARTFORD"));
    EXPECT_EQ(items[6].Text(), Quoted("CT"));
    EXPECT_EQ(items[7].Text(), Quoted("06101"));
    EXPECT_EQ(items[12].Text(), Quoted("X"));
    EXPECT_EQ(items[11].Text(), Quoted(" "));
    EXPECT_EQ(items[21].Text(), Quoted("-.03"));
    EXPECT_EQ(items[34].Text(), Quoted("250.00"));
    // The two places after line 11c never repeat its text.
    EXPECT_EQ(items[35].texts, std::vector<std::string>{Quoted(" ")});
    EXPECT_EQ(items[36].texts, std::vector<std::string>{Quoted(" ")});
}

TEST_F(Print941Return, EachPeriodGetsItsPageImagesAndQuarterBox) {
    struct Case {
        const char* period;
        const char* page1;
        const char* page2;
        const char* page3;
        double quarterTop;
    };
    const Case cases[] = {
        {"122", "TF1P122C.wmf", "TF1P222C.wmf", "TF1P322C.wmf", 1.433},
        {"222", "TF1P1226.wmf", "TF1P2226.wmf", "TF1P3226.wmf", 1.673},
        {"422", "TF1P1226.wmf", "TF1P2226.wmf", "TF1P3226.wmf", 2.158},
        {"123", "TF1P123C.wmf", "TF1P223C.wmf", "TF1P323C.wmf", 1.433},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.period);
        auto& screen = OpenReturnOfTheEmployer(c.period);
        const auto pages = PagesOf(PrintWith(screen, {forms::vbYes, forms::vbNo}));
        ASSERT_EQ(pages.size(), 3u);
        EXPECT_EQ(pages[0].setup.at("PagePicture"), Quoted(c.page1));
        EXPECT_EQ(pages[1].setup.at("PagePicture"), Quoted(c.page2));
        EXPECT_EQ(pages[2].setup.at("PagePicture"), Quoted(c.page3));
        EXPECT_NEAR(pages[0].items[7].top, c.quarterTop, 1e-9);
        CloseForTheNextCase();
    }
}

TEST_F(Print941Return, PageTwoPrintsLine16ByLine12AndTheMonthlyBox) {
    struct Case {
        const char* line12;
        int monthly;
        const char* firstBox;
        const char* monthlyBox;
        const char* month1;
    };
    const Case cases[] = {
        {"2500", 1, " ", "X", "1000.00"},
        {"2499.99", 1, "X", " ", " "},
        {"3000", 0, " ", " ", " "},
        {"", 1, "X", " ", " "}, // an empty line 12 counts as 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("line 12 = '") + c.line12 + "'");
        auto& screen = OpenReturnOfTheEmployer("322");
        screen.fpLine12.SetText(c.line12);
        screen.Check6.SetValue(c.monthly);
        screen.Check5.SetValue(1);
        screen.fpLine17A.SetText("1000");
        auto items = ReturnItems(PrintWith(screen, {forms::vbYes, forms::vbNo}))[1];
        EXPECT_EQ(items[43].Text(), Quoted(c.firstBox));
        EXPECT_EQ(items[44].Text(), Quoted(c.monthlyBox));
        EXPECT_EQ(items[45].Text(), Quoted(c.month1));
        EXPECT_EQ(items[49].Text(), Quoted("X"));
        CloseForTheNextCase();
    }
}

TEST_F(Print941Return, PageTwoHeaderBalanceAndCountOfIndividuals) {
    auto& screen = OpenReturnOfTheEmployer("122");
    screen.fpLine15.SetText("1234.5");
    screen.fpLine16(1).SetText("0");
    screen.fpLine14.SetText("99");
    screen.Check3.SetValue(1);
    screen.MaskEdBox2.SetText("12");
    auto items = ReturnItems(PrintWith(screen, {forms::vbYes, forms::vbNo}))[1];

    EXPECT_EQ(items[100].Text(), Quoted("1234.50"));
    EXPECT_DOUBLE_EQ(items[100].top, 6.58);
    EXPECT_EQ(items[101].Text(), Quoted(" "));
    EXPECT_EQ(items[102].Text(), Quoted(" ")); // ticked, but no overpayment
    EXPECT_EQ(items[99].Text(), Quoted(" "));  // 13i never prints
    EXPECT_EQ(items[109].Text(), "12");        // a number, not an amount
}

TEST_F(Print941Return, AnEmptyEmployerColumnPrintsBlankAndNeverStopsThePrint) {
    AddEmployer({{"City", data::Null{}}, {"EmployerName2", data::Null{}}, {"NameOfSigner", data::Null{}}});
    auto& screen = OpenReturn("322");
    auto pages = ReturnItems(PrintWith(screen, {forms::vbYes, forms::vbNo}));

    EXPECT_EQ(Dialogs().Boxes().size(), 2u); // the two questions, no error
    EXPECT_EQ(pages[0][3].Text(), Quoted(" "));
    EXPECT_EQ(pages[0][5].Text(), Quoted(" "));
    EXPECT_EQ(pages[2][55].Text(), Quoted(" "));
    EXPECT_EQ(printing::PrintLog::FinishedDocuments().size(), 1u);
}

TEST_F(Print941Return, ALineTwelveThatIsNoNumberStopsAtItsFirstUse) {
    auto& screen = OpenReturnOfTheEmployer("322");
    screen.fpLine12.SetText("abc");
    PrintWith(screen, {forms::vbYes, forms::vbNo, forms::vbOK});

    ASSERT_EQ(Dialogs().Boxes().size(), 3u);
    EXPECT_TRUE(Dialogs().Boxes()[2].prompt.ends_with(" for Case = 43")) << Dialogs().Boxes()[2].prompt;
    EXPECT_TRUE(printing::PrintLog::FinishedDocuments().empty());
}

TEST_F(Print941Return, APreparerFileThatIsNoFileStopsThePrintAtThePreparersCase) {
    std::filesystem::create_directory(Folder() / "PdPreparer.DAT");
    auto& screen = OpenReturnOfTheEmployer("322");
    PrintWith(screen, {forms::vbOK});

    ASSERT_EQ(Dialogs().Boxes().size(), 1u);
    EXPECT_TRUE(Dialogs().Boxes()[0].prompt.ends_with(" for Case = 114")) << Dialogs().Boxes()[0].prompt;
    EXPECT_TRUE(printing::PrintLog::FinishedDocuments().empty());
}

TEST_F(Print941Return, Page3LinesSeventeenToTwentyEightAndTheirBoxes) {
    auto& screen = OpenReturnOfTheEmployer("122");
    screen.Check8.SetValue(1);
    screen.Check1.SetValue(2); // greyed prints nothing
    screen.fpLine19.SetText("19.5");
    screen.fpLine28.SetText("2800");
    auto items = ReturnItems(PrintWith(screen, {forms::vbYes, forms::vbNo}))[2];

    EXPECT_EQ(items[41].Text(), Quoted("06-1234567"));
    EXPECT_EQ(items[81].Text(), Quoted("X"));
    EXPECT_EQ(items[83].Text(), Quoted(" "));
    EXPECT_EQ(items[84].Text(), Quoted("19.50"));
    EXPECT_EQ(items[106].Text(), Quoted("2800.00"));
    for (int n : {50, 51, 52, 82}) EXPECT_EQ(items[n].Text(), Quoted(" ")) << n;
}

TEST_F(Print941Return, VoucherTheYearChoosesTheImageAndTheQuarterDigitTheBox) {
    struct Case {
        const char* period;
        const char* picture;
        int markedItem; // index among the ten items
    };
    for (const Case& c : {Case{"122", "TF1V22.wmf", 3}, Case{"222", "TF1V22.wmf", 6}, Case{"422", "TF1V22.wmf", 7},
                          Case{"123", "TF1V23.wmf", 3}}) {
        SCOPED_TRACE(c.period);
        auto& screen = OpenReturnOfTheEmployer(c.period);
        const auto pages = PagesOf(PrintWith(screen, {forms::vbNo}));
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_EQ(pages[0].setup.at("PagePicture"), Quoted(c.picture));
        for (int box : {3, 4, 6, 7})
            EXPECT_EQ(pages[0].items[box].Text(), Quoted(box == c.markedItem ? "X" : " ")) << box;
        CloseForTheNextCase();
    }
}

TEST_F(Print941Return, VoucherNoBalanceDueLeavesTheAmountBlankAndAZipAloneHasNoHyphen) {
    auto& screen = OpenReturnOfTheEmployer("322");
    screen.fpLine15.SetText("0");
    screen.fpLine16(1).SetText("55");
    const auto pages = PagesOf(PrintWith(screen, {forms::vbNo}));
    ASSERT_EQ(pages.size(), 1u);

    EXPECT_EQ(pages[0].items[1].Text(), Quoted(" "));
    EXPECT_EQ(pages[0].items[8].Text(), Quoted("HARTFORD CT 06101"));
}

} // namespace
