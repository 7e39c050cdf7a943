// Printing the Form 944: the questions, the three pages with their images and
// every item in its place and order, the 944-V voucher, the conditions of
// line 13, the designee and the paid preparer, and the error exit.
#include <gtest/gtest.h>

#include "common/PaidPreparerExample.h"
#include "print_Folder.h"
#include "returns/f944/Form944Layout.h"

namespace {

class Print944 : public Print944Folder {
protected:
    frmDet944Covid& OpenForTheEmployer(const Columns& changes = {})
    {
        AddEmployer(changes);
        return OpenAnnualReturn();
    }
};

TEST_F(Print944, TheReturnAsksItsQuestionsAndBuildsThreePagesInOrder)
{
    auto& screen = OpenForTheEmployer();
    const auto trace = PrintWith(screen, {forms::vbYes, forms::vbNo});

    ASSERT_EQ(Dialogs().Boxes().size(), 2u);
    EXPECT_EQ(Dialogs().Boxes()[0].prompt,
              "Click on Yes to print Form 944 or on No to print the 944-V Payment Voucher.");
    EXPECT_EQ(Dialogs().Boxes()[0].title, "Print Form 944 or print 944-V Payment Voucher?");
    EXPECT_EQ(Dialogs().Boxes()[0].style, 36);
    EXPECT_EQ(Dialogs().Boxes()[1].prompt,
              "Click on Yes if you wish to print Part 6, Paid Preparer Information, Click No if you do NOT "
              "wish to print Paid Preparer Information");
    EXPECT_EQ(Dialogs().Boxes()[1].title, "Print Part 5: For Paid Preparers only?");

    ASSERT_GE(trace.size(), 8u);
    EXPECT_EQ(trace[0], "DocumentTitle=" + Quoted("Print Form 941 - Schedule A"));
    EXPECT_EQ(trace[1], "StartDoc=True");
    EXPECT_EQ(std::vector<std::string>(trace.end() - 6, trace.end()), kDocumentEnd);

    std::vector<std::string> captions;
    for (const std::string& line : trace) {
        if (line.rfind("PageCaption=", 0) == 0) captions.push_back(line);
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"PageCaption=" + Quoted("Page 1"), "PageCaption=" + Quoted("Page 2"),
                                                  "PageCaption=" + Quoted("Page 3")}));
    const auto pages = PagesOf(trace);
    ASSERT_EQ(pages.size(), 3u);
    const char* images[] = {"tf4p122.wmf", "tf4p222.wmf", "tf4p322.wmf"};
    const std::vector<std::vector<int>> orders = {Page1Order(), Page2Order944(), Page3Order944()};
    const FieldLayout& layout = Form944FieldLayout();
    for (int p = 0; p < 3; ++p) {
        SCOPED_TRACE("page " + std::to_string(p + 1));
        EXPECT_EQ(pages[p].setup.at("PageTemplate"), Quoted("TAX941.TFL"));
        EXPECT_EQ(pages[p].setup.at("PagePicture"), Quoted(images[p]));
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
    EXPECT_EQ(forms::App().MousePointer(), 0);
}

TEST_F(Print944, PageOneSpreadsTheEinAndPrintsTheLinesAsAmounts)
{
    auto& screen = OpenForTheEmployer({{"EmployerZipCodeExt", std::string("1234")}});
    screen.fpLine2.SetText("12345.67");
    screen.fpLine3.SetText("0.5");
    screen.fpLine9A.SetText("-12");
    screen.fpCurrency18.SetText("30");
    screen.Check2.SetValue(1);
    auto page1 = ReturnItems(PrintWith(screen, {forms::vbYes, forms::vbNo}))[0];

    EXPECT_EQ(page1[1].Text(), Quoted("0   6    1   2   3   4  5   6   7"));
    EXPECT_EQ(page1[2].Text(), Quoted("ACME TOOL WORKS"));
    EXPECT_EQ(page1[3].Text(), Quoted("ACME"));
    EXPECT_EQ(page1[4].Text(), Quoted("100 ELM ST"));
    EXPECT_EQ(page1[7].Text(), Quoted("06101-1234"));
    EXPECT_EQ(page1[8].Text(), Quoted(" "));
    EXPECT_EQ(page1[10].Text(), Quoted("12345.67"));
    EXPECT_EQ(page1[11].Text(), Quoted(".50"));
    EXPECT_EQ(page1[12].Text(), Quoted("X"));
    EXPECT_EQ(page1[22].Text(), Quoted("-12.00"));
    EXPECT_EQ(page1[38].Text(), Quoted("30.00"));
    EXPECT_EQ(page1[13].Text(), Quoted(" ")); // an empty line prints nothing
}

TEST_F(Print944, LineTenJPrintsAtItsPlaceOnPageTwo)
{
    auto& screen = OpenForTheEmployer();
    screen.fpLine15.SetText("900");
    screen.fpLine10.SetText("150.25");
    screen.fpLine16(1).SetText("0");
    screen.Check4.SetValue(1);
    auto page2 = ReturnItems(PrintWith(screen, {forms::vbYes, forms::vbNo}))[1];

    EXPECT_EQ(page2[100].Text(), Quoted("900.00"));
    EXPECT_DOUBLE_EQ(page2[100].top, 5.867);
    EXPECT_EQ(page2[101].Text(), Quoted("150.25"));
    EXPECT_EQ(page2[102].Text(), Quoted(" "));
    EXPECT_EQ(page2[103].Text(), Quoted(" "));
    EXPECT_EQ(page2[104].Text(), Quoted("X"));
    EXPECT_EQ(page2[41].Text(), Quoted("06-1234567"));
}

TEST_F(Print944, LineThirteenPrintsByLineNineAndTheMonthlyBox)
{
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

TEST_F(Print944, TheCountOfIndividualsPrintsOnlyAboveZeroAsTheFieldsValue)
{
    AddEmployer();
    for (const auto& [count, expected] : {std::pair{"0", "\" \""}, std::pair{"12", "12"}}) {
        auto& screen = OpenAnnualReturn();
        screen.fpLongInteger2.SetText(count);
        auto page2 = ReturnItems(PrintWith(screen, {forms::vbYes, forms::vbNo}))[1];
        EXPECT_EQ(page2[115].Text(), expected);
        CloseForTheNextCase<frmDet944Covid>();
    }
}

TEST_F(Print944, DesigneeIsAskedOnlyWhenCompleteAndPrintsShaped)
{
    auto& screen = OpenForTheEmployer(CompleteDesignee());
    auto page3 = ReturnItems(PrintWith(screen, {forms::vbYes, forms::vbNo, forms::vbYes}))[2];
    ASSERT_EQ(Dialogs().Boxes().size(), 3u);
    EXPECT_EQ(Dialogs().Boxes()[2].prompt,
              "Do you want to print the Third Party Designee info on this Form 941? Click on Yes or No.");
    EXPECT_EQ(Dialogs().Boxes()[2].title, "Third Party Designee");
    EXPECT_EQ(page3[53].Text(), Quoted("X"));
    EXPECT_EQ(page3[54].Text(), Quoted("PAT DOE"));
    EXPECT_EQ(page3[56].Text(), Quoted("1  2  3  4  5"));
    EXPECT_EQ(page3[57].Text(), Quoted(" "));
    EXPECT_EQ(page3[70].Text(), Quoted("860 555  1234"));
    EXPECT_EQ(page3[55].Text(), Quoted("LEE ROE"));
    EXPECT_EQ(page3[58].Text(), Quoted("OWNER"));
    EXPECT_EQ(page3[60].Text(), Quoted("860 555  0000"));
}

TEST_F(Print944, ThePreparerPrintsOnlyOnRequestWithItsZipShapedOnlyForNineDigits)
{
    PaidPreparerRecord firm = ExamplePreparer();
    firm.FirmEIN = "987654321";
    auto& screen = OpenForTheEmployer();

    struct Case {
        const char* zip;
        const char* printed;
    };
    for (const Case& c : {Case{"627011234", "62701-1234"}, Case{"62701", "62701"}, Case{"62701-123", "62701-123"},
                          Case{"6270112", "6270112"}}) {
        SCOPED_TRACE(c.zip);
        firm.FirmZip = c.zip;
        WriteFile(kPaidPreparerFileName, firm.ToBytes());
        auto page3 = ReturnItems(PrintWith(screen, {forms::vbYes, forms::vbYes}))[2];
        EXPECT_EQ(page3[66].Text(), Quoted(c.printed));
        EXPECT_EQ(page3[59].Text(), Quoted("JANE Q PREPARER"));
        EXPECT_EQ(page3[63].Text(), Quoted("98-7654321"));
        EXPECT_EQ(page3[67].Text(), Quoted("217  555  1234"));
        EXPECT_EQ(page3[69].Text(), Quoted("X"));
    }

    auto page3 = ReturnItems(PrintWith(screen, {forms::vbYes, forms::vbNo}))[2];
    for (int n : {59, 61, 62, 63, 64, 65, 66, 67, 68, 69}) EXPECT_EQ(page3[n].Text(), Quoted(" ")) << n;
}

TEST_F(Print944, NoPreparerFileGivesBlanksAndIsNeverCreated)
{
    auto& screen = OpenForTheEmployer();
    auto page3 = ReturnItems(PrintWith(screen, {forms::vbYes, forms::vbYes}))[2];
    EXPECT_EQ(page3[61].Text(), Quoted(" "));
    EXPECT_FALSE(std::filesystem::exists(Folder() / kPaidPreparerFileName));
}

TEST_F(Print944, APeriodEndingTwentyOneTakesThe2021Images)
{
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

TEST_F(Print944, ALineNineThatIsNoNumberStopsThePrintAtItemFortyThree)
{
    auto& screen = OpenForTheEmployer();
    screen.fpLine12.SetText("abc");
    PrintWith(screen, {forms::vbYes, forms::vbNo, forms::vbOK});

    ASSERT_EQ(Dialogs().Boxes().size(), 3u);
    EXPECT_EQ(Dialogs().LastBox().prompt.rfind("Error = 13 Error source ", 0), 0u) << Dialogs().LastBox().prompt;
    EXPECT_NE(Dialogs().LastBox().prompt.find(" for Case = 43"), std::string::npos);
    EXPECT_TRUE(printing::PrintLog::FinishedDocuments().empty());
    EXPECT_EQ(forms::App().MousePointer(), 0);
}

TEST_F(Print944, PrintingChangesNeitherTheFieldsNorTheRow)
{
    auto& screen = OpenForTheEmployer();
    screen.fpLine2.SetText("500");
    PrintWith(screen, {forms::vbYes, forms::vbNo});
    EXPECT_EQ(screen.fpLine2.Text(), "500");
    EXPECT_EQ(screen.fpLine6A.Text(), "");
}

} // namespace
