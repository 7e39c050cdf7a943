// What the recorder writes for each store: the lines the screens' print
// handlers are checked against.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/basic/ErrorNumberOf.h"
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

// The property names each store records are checked against the screens'
// whole printouts in the scenarios; here the order, the document's own copy
// and the round-trip digits of a Double.
TEST_F(PrintTraceTest, AOnePageDocumentRecordsEveryStoreInOrder) {
    engine.Store(Property::DocumentTitle, "Print Form 941 - Payment Voucher");
    engine.Store(Property::StartDoc, true);
    engine.Store(Property::NewPage, true);
    engine.Store(Property::TextTop, 1.9180000000000001);
    engine.Store(Property::TextTop, 8.5);
    engine.Store(Property::ItemText, "1234.50");
    engine.Store(Property::PrintText, true);
    engine.Store(Property::EndDoc, true);

    const Lines expected = {R"(DocumentTitle="Print Form 941 - Payment Voucher")",
                            "StartDoc=True",
                            "NewPage=True",
                            "TextTop=1.9180000000000001",
                            "TextTop=8.5",
                            R"(ItemText="1234.50")",
                            "PrintText=True",
                            "EndDoc=True"};
    EXPECT_EQ(engine.Trace(), expected);
    ASSERT_NE(engine.LastDocument(), nullptr);
    EXPECT_EQ(engine.LastDocument()->trace, expected);
    EXPECT_TRUE(engine.LastDocument()->Finished());
}

TEST_F(PrintTraceTest, ValuesAreRecordedInThePropertysOwnType) {
    engine.Store(Property::PageHeight, 11); // a whole number into a Double
    engine.Store(Property::FontSize, 12.5); // rounded half to even
    engine.Store(Property::FontSize, 13.5);
    engine.Store(Property::TextLeft, "0.5");        // a numeric text into a Double
    engine.Store(Property::ShowPicture, 1);         // non-zero is True
    engine.Store(Property::PageCaption, 0.1 + 0.2); // a number into a text property
    engine.Store(Property::ItemText, 17);           // ItemText keeps numbers as numbers
    engine.Store(Property::ItemText, 24.8);
    engine.Store(Property::ItemText, printing::Date{2023, 3, 7});
    engine.Store(Property::ItemText, "say \"hi\"");

    EXPECT_EQ(engine.Trace(), (Lines{"PageHeight=11", "FontSize=12", "FontSize=14", "TextLeft=0.5", "ShowPicture=True",
                                     R"(PageCaption="0.3")", "ItemText=17", "ItemText=24.8", "ItemText=#3/7/2023#",
                                     R"(ItemText="say ""hi""")"}));
}

TEST_F(PrintTraceTest, ARefusedStoreRaisesAndIsNotRecorded) {
    EXPECT_EQ(ErrorNumberOf([&] { engine.Store(Property::FontSize, 32768); }), 6);
    EXPECT_EQ(ErrorNumberOf([&] { engine.Store(Property::FontSize, -32768.6); }), 6);
    for (const char* noNumber : {"left", "NaN", "inf", "-Infinity"})
        EXPECT_EQ(ErrorNumberOf([&] { engine.Store(Property::TextLeft, noNumber); }), 13) << noNumber;
    EXPECT_EQ(ErrorNumberOf([&] { engine.Store(Property::ItemText, data::Value{}); }), 13);
    EXPECT_EQ(ErrorNumberOf([&] { engine.Store(Property::PageCaption, data::Value{}); }), 94);
    EXPECT_EQ(ErrorNumberOf([&] { engine.Store(99, 1); }), 438);
    EXPECT_EQ(ErrorNumberOf([&] { engine.Store("NoSuchProperty", 1); }), 438);
    EXPECT_TRUE(engine.Trace().empty());

    engine.Store(Property::FontSize, -32768);
    EXPECT_EQ(engine.Trace(), Lines{"FontSize=-32768"});
}

} // namespace
