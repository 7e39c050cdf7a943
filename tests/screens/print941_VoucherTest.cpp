// The 941-V payment voucher: its own document of one page, every item 0.166
// inch below its layout row, one quarter box marked.
#include <gtest/gtest.h>

#include "print_Folder.h"

namespace {

using Lines = std::vector<std::string>;

class Print941Voucher : public Print941Folder {};

Lines Item(const char* width, const char* height, const char* left, const char* top, const std::string& text)
{
    return {std::string("TextWidth=") + width, std::string("TextHeight=") + height,
            std::string("TextLeft=") + left, std::string("TextTop=") + top, "ItemText=" + Quoted(text),
            "PrintText=True"};
}

TEST_F(Print941Voucher, AThirdQuarterVoucherMakesExactlyItsStores)
{
    AddEmployer({{"EmployerZipCodeExt", std::string("4321")}, {"City", std::string("HARTFORD  ")}});
    auto& screen = OpenReturn("322");
    screen.fpLine15.SetText("1234.5");
    const Lines trace = PrintWith(screen, {forms::vbNo});

    ASSERT_EQ(Dialogs().Boxes().size(), 1u);  // no preparer or designee question
    Lines expected = {
        "DocumentTitle=" + Quoted("Print Form 941 - Payment Voucher"), "StartDoc=True",
        "PageCaption=" + Quoted("Page 1"), "PageNote=" + Quoted(""), "PageWidth=8.5", "PageHeight=11",
        "PageLandscape=False", "PageResolution=300", "NewPage=True", "PageTemplate=" + Quoted("941-V.TFL"),
        "PagePicture=" + Quoted("TF1V22.wmf"), "ShowPicture=True", "PrintPicture=True",
        "FontName=" + Quoted("Courier New"), "FontSize=12", "FontCode=7", "FontBold=False",
        "FontItalic=False", "FontOption=0", "TextFlag=True"};
    const std::vector<Lines> items = {
        Item("1.5", "0", "1.1", "8.666", "06-1234567"),
        Item("1.8", "2", "5.95", "8.666", "1234.50"),
        Item("4.4", "0", "3.5", "8.996", "ACME TOOL WORKS"),
        Item("0.2", "0", "0.735", "9.146", " "),
        Item("0.2", "0", "1.91", "9.146", "X"),
        Item("4.4", "0", "3.5", "9.316", "100 ELM ST"),
        Item("0.2", "0", "0.735", "9.561", " "),
        Item("0.2", "0", "1.91", "9.561", " "),
        Item("4.4", "0", "3.5", "9.666", "HARTFORD CT 06101-4321"),
        Item("0.5", "0", "7.5", "10.066", " "),
    };
    for (const Lines& item : items) expected.insert(expected.end(), item.begin(), item.end());
    expected.insert(expected.end(), kDocumentEnd.begin(), kDocumentEnd.end());

    ASSERT_EQ(trace.size(), expected.size());
    for (std::size_t i = 0; i < trace.size(); ++i) {
        if (trace[i].rfind("TextTop=", 0) == 0 && expected[i].rfind("TextTop=", 0) == 0) {
            EXPECT_NEAR(std::stod(trace[i].substr(8)), std::stod(expected[i].substr(8)), 1e-9) << i;
        } else {
            EXPECT_EQ(trace[i], expected[i]) << "store " << i;
        }
    }
    ASSERT_EQ(printing::PrintLog::FinishedDocuments().size(), 1u);
    EXPECT_EQ(forms::App().MousePointer(), 0);
}

TEST_F(Print941Voucher, TheYearChoosesTheImageAndTheQuarterDigitTheBox)
{
    AddEmployer();
    struct Case {
        const char* period;
        const char* picture;
        int markedItem;  // index among the ten items
    };
    for (const Case& c : {Case{"122", "TF1V22.wmf", 3}, Case{"222", "TF1V22.wmf", 6},
                          Case{"422", "TF1V22.wmf", 7}, Case{"123", "TF1V23.wmf", 3}}) {
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

TEST_F(Print941Voucher, NoBalanceDueLeavesTheAmountBlankAndAZipAloneHasNoHyphen)
{
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
