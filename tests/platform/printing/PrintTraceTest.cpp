// What the recorder writes for each store: the lines the screens' print
// handlers are checked against.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/basic/RuntimeError.h"
#include "platform/printing/PrintEngine.h"
#include "platform/printing/PrintLog.h"

namespace {

using printing::Property;
using Lines = std::vector<std::string>;

class PrintTraceTest : public ::testing::Test {
protected:
    void SetUp() override { printing::PrintLog::Reset(); }
    printing::PrintEngine engine{"DMWin2"};
};

// A small return handler: one page, one amount stored with a moving TextTop
// and two ItemTexts, then the finish.
void StoreOnePageDocument(printing::PrintEngine& e) {
    e.Store(Property::DocumentTitle, "Print Form 941 - Payment Voucher");
    e.Store(Property::StartDoc, true);
    e.Store(Property::PageCaption, "Page 1");
    e.Store(Property::PageNote, "");
    e.Store(Property::PageWidth, 8.5);
    e.Store(Property::PageHeight, 11.0);
    e.Store(Property::PageLandscape, false);
    e.Store(Property::PageResolution, 300);
    e.Store(Property::NewPage, true);
    e.Store(Property::PageTemplate, "941-V.TFL");
    e.Store(Property::PagePicture, "TF1V22.wmf");
    e.Store(Property::ShowPicture, true);
    e.Store(Property::PrintPicture, true);
    e.Store(Property::FontName, "Courier New");
    e.Store(Property::FontSize, 12);
    e.Store(Property::FontCode, 7);
    e.Store(Property::FontBold, false);
    e.Store(Property::FontItalic, false);
    e.Store(Property::FontOption, 0);
    e.Store(Property::TextFlag, true);
    e.Store(Property::TextWidth, 1.8);
    e.Store(Property::TextHeight, 2);
    e.Store(Property::TextLeft, 5.95);
    e.Store(Property::TextTop, 1.9180000000000001);
    e.Store(Property::TextTop, 8.5);
    e.Store(Property::ItemText, " ");
    e.Store(Property::ItemText, "1234.50");
    e.Store(Property::PrintText, true);
    e.Store(Property::FinishCode, 33);
    e.Store(Property::FinishSwitch, true);
    e.Store(Property::FinishLevel, 95);
    e.Store(Property::FinishMeasureA, 0.0);
    e.Store(Property::FinishMeasureB, 0.0);
    e.Store(Property::EndDoc, true);
}

const Lines kOnePageTrace = {
    R"(DocumentTitle="Print Form 941 - Payment Voucher")",
    "StartDoc=True",
    R"(PageCaption="Page 1")",
    R"(PageNote="")",
    "PageWidth=8.5",
    "PageHeight=11",
    "PageLandscape=False",
    "PageResolution=300",
    "NewPage=True",
    R"(PageTemplate="941-V.TFL")",
    R"(PagePicture="TF1V22.wmf")",
    "ShowPicture=True",
    "PrintPicture=True",
    R"(FontName="Courier New")",
    "FontSize=12",
    "FontCode=7",
    "FontBold=False",
    "FontItalic=False",
    "FontOption=0",
    "TextFlag=True",
    "TextWidth=1.8",
    "TextHeight=2",
    "TextLeft=5.95",
    "TextTop=1.9180000000000001",
    "TextTop=8.5",
    R"(ItemText=" ")",
    R"(ItemText="1234.50")",
    "PrintText=True",
    "FinishCode=33",
    "FinishSwitch=True",
    "FinishLevel=95",
    "FinishMeasureA=0",
    "FinishMeasureB=0",
    "EndDoc=True",
};

TEST_F(PrintTraceTest, AOnePageDocumentRecordsEveryStoreInOrder) {
    StoreOnePageDocument(engine);

    EXPECT_EQ(engine.Trace(), kOnePageTrace);
    ASSERT_NE(engine.LastDocument(), nullptr);
    EXPECT_EQ(engine.LastDocument()->trace, kOnePageTrace);
    EXPECT_TRUE(engine.LastDocument()->Finished());
}

TEST_F(PrintTraceTest, StoresByNumberAndByNameRecordTheSameLines) {
    engine.Store(10, "Listing");
    engine.Store(3, true);
    engine.Store(7, 8.5);
    engine.Store(75, 0);
    engine.Store(71, "Employer No:");
    engine.Store("textwidth", 3.5);
    engine.Store("PrintText", -1);

    EXPECT_EQ(engine.Trace(), (Lines{R"(DocumentTitle="Listing")", "StartDoc=True", "PageWidth=8.5",
                                     "TextHeight=0", R"(ItemText="Employer No:")", "TextWidth=3.5",
                                     "PrintText=True"}));
}

TEST_F(PrintTraceTest, ValuesAreRecordedInThePropertysOwnType) {
    engine.Store(Property::PageHeight, 11);       // a whole number into a Double
    engine.Store(Property::FontSize, 12.5);       // rounded half to even
    engine.Store(Property::FontSize, 13.5);
    engine.Store(Property::TextLeft, "0.5");      // a numeric text into a Double
    engine.Store(Property::ShowPicture, 1);       // non-zero is True
    engine.Store(Property::PageCaption, 0.1 + 0.2);  // a number into a text property
    engine.Store(Property::ItemText, 17);         // ItemText keeps numbers as numbers
    engine.Store(Property::ItemText, 24.8);
    engine.Store(Property::ItemText, printing::Date{2023, 3, 7});
    engine.Store(Property::ItemText, "say \"hi\"");

    EXPECT_EQ(engine.Trace(), (Lines{"PageHeight=11", "FontSize=12", "FontSize=14", "TextLeft=0.5",
                                     "ShowPicture=True", R"(PageCaption="0.3")", "ItemText=17",
                                     "ItemText=24.8", "ItemText=#3/7/2023#", R"(ItemText="say ""hi""")"}));
}

TEST_F(PrintTraceTest, ARefusedStoreRaisesAndIsNotRecorded) {
    auto errorOf = [&](auto store) {
        try {
            store();
        } catch (const basic::RuntimeError& e) {
            return e.Number();
        }
        return 0;
    };
    EXPECT_EQ(errorOf([&] { engine.Store(Property::FontSize, 32768); }), 6);
    EXPECT_EQ(errorOf([&] { engine.Store(Property::FontSize, -32768.6); }), 6);
    EXPECT_EQ(errorOf([&] { engine.Store(Property::TextLeft, "left"); }), 13);
    EXPECT_EQ(errorOf([&] { engine.Store(Property::ItemText, data::Value{}); }), 13);
    EXPECT_EQ(errorOf([&] { engine.Store(Property::PageCaption, data::Value{}); }), 94);
    EXPECT_EQ(errorOf([&] { engine.Store(99, 1); }), 438);
    EXPECT_EQ(errorOf([&] { engine.Store("NoSuchProperty", 1); }), 438);
    EXPECT_TRUE(engine.Trace().empty());

    engine.Store(Property::FontSize, -32768);
    EXPECT_EQ(engine.Trace(), Lines{"FontSize=-32768"});
}

TEST_F(PrintTraceTest, ColumnValuesGoToItemTextAsTheyAre) {
    engine.Store(Property::ItemText, data::Value{std::int64_t{1042}});
    engine.Store(Property::ItemText, data::Value{std::string("ACME")});

    EXPECT_EQ(engine.Trace(), (Lines{"ItemText=1042", R"(ItemText="ACME")"}));
}

} // namespace
