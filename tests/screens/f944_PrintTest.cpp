// Printing the Form 944: every item at its layout row, the amounts and boxes
// the scenarios leave out, the conditions of line 13, the 2021 images and
// the error exit.
#include <gtest/gtest.h>

#include "print_Folder.h"
#include "returns/f944/Form944Layout.h"

namespace {

class Print944 : public Print944Folder {
protected:
    frmDet944Covid& OpenForTheEmployer(const Columns& changes = {}) {
        AddEmployer(changes);
        return OpenAnnualReturn();
    }
};

TEST_F(Print944, EveryItemOfTheThreePagesSitsAtItsLayoutRowInOrder) {
    auto& screen = OpenForTheEmployer();
    const auto trace = PrintWith(screen, {forms::vbYes, forms::vbNo});

    const auto pages = PagesOf(trace);
    ASSERT_EQ(pages.size(), 3u);
    const std::vector<std::vector<int>> orders = {Page1Order(), Page2Order944(), Page3Order944()};
    const FieldLayout& layout = Form944FieldLayout();
    for (int p = 0; p < 3; ++p) {
        SCOPED_TRACE("page " + std::to_string(p + 1));
        ASSERT_EQ(pages[p].items.size(), orders[p].size());
        for (std::size_t i = 0; i < orders[p].size(); ++i) {
            const LayoutRow& row = layout.Row(orders[p][i]);
            const StoredItem& item = pages[p].items[i];
            EXPECT_DOUBLE_EQ(item.left, row.X) << "FieldNo " << orders[p][i];
            EXPECT_DOUBLE_EQ(item.top, row.Y) << "FieldNo " << orders[p][i];
            EXPECT_DOUBLE_EQ(item.width, row.Width) << "FieldNo " << orders[p][i];
            EXPECT_EQ(item.height, row.Height) << "FieldNo " << orders[p][i];
            EXPECT_EQ(item.texts.size(), 1u) << "FieldNo " << orders[p][i];
        }
    }
}

TEST_F(Print944, PageOneShapesTheAddressAndPrintsTheLinesAsAmounts) {
    auto& screen = OpenForTheEmployer({{"EmployerZipCodeExt", std::string("1234")}});
    screen.fpLine3.SetText("0.5");
    screen.fpLine9A.SetText("-12");
    screen.fpCurrency18.SetText("30");
    screen.Check2.SetValue(1);
    auto page1 = ReturnItems(PrintWith(screen, {forms::vbYes, forms::vbNo}))[0];

    EXPECT_EQ(page1[3].Text(), Quoted("ACME"));
    EXPECT_EQ(page1[4].Text(), Quoted("100 ELM ST"));
    EXPECT_EQ(page1[7].Text(), Quoted("06101-1234"));
    EXPECT_EQ(page1[8].Text(), Quoted(" "));
    EXPECT_EQ(page1[11].Text(), Quoted(".50"));
    EXPECT_EQ(page1[12].Text(), Quoted("X"));
    EXPECT_EQ(page1[22].Text(), Quoted("-12.00"));
    EXPECT_EQ(page1[38].Text(), Quoted("30.00"));
    EXPECT_EQ(page1[13].Text(), Quoted(" ")); // an empty line prints nothing
}

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

TEST_F(Print944, ALineNineThatIsNoNumberStopsThePrintAtItemFortyThree) {
    auto& screen = OpenForTheEmployer();
    screen.fpLine12.SetText("abc");
    PrintWith(screen, {forms::vbYes, forms::vbNo, forms::vbOK});

    ASSERT_EQ(Dialogs().Boxes().size(), 3u);
    EXPECT_EQ(Dialogs().LastBox().prompt.rfind("Error = 13 Error source ", 0), 0u) << Dialogs().LastBox().prompt;
    EXPECT_NE(Dialogs().LastBox().prompt.find(" for Case = 43"), std::string::npos);
    EXPECT_TRUE(printing::PrintLog::FinishedDocuments().empty());
    EXPECT_EQ(forms::App().MousePointer(), 0);
}

TEST_F(Print944, PrintingChangesNeitherTheFieldsNorTheRow) {
    auto& screen = OpenForTheEmployer();
    screen.fpLine2.SetText("500");
    PrintWith(screen, {forms::vbYes, forms::vbNo});
    EXPECT_EQ(screen.fpLine2.Text(), "500");
    EXPECT_EQ(screen.fpLine6A.Text(), "");
}

} // namespace
