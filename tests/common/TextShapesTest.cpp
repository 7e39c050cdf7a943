// The shapes the return printouts give amounts, tax ids, phones, PINs and
// addresses where the stored text is not the usual one (the usual ones are
// pinned in the print scenarios): hyphenated, masked, short or empty.
#include <gtest/gtest.h>

#include <string>

#include "common/TextShapes.h"
#include "returns/f944/Form944Shapes.h"

namespace {

TEST(TextShapes, AZeroAmountOrCountPrintsNothing) {
    EXPECT_EQ(FormatAmountOrBlank(0.004), " ");
    EXPECT_EQ(FormatAmountOrBlank(-0.001), " ");
    EXPECT_EQ(CountOrBlank(0), " ");
    EXPECT_EQ(CountOrBlank(1500), "1500");
}

TEST(TextShapes, ATaxIdIsShapedFromItsDigitsAndAShortOneLeavesTheLaterBoxesEmpty) {
    EXPECT_EQ(EinBoxesText("12-3456789"), EinBoxesText("123456789"));
    EXPECT_EQ(EinBoxesText("1234"), "1   2    3   4" + std::string(2 + 3 + 2 + 3 + 2, ' '));
    EXPECT_EQ(EinText("12-3456789"), "12-3456789");
    EXPECT_EQ(EinText(""), "-");
    EXPECT_EQ(FirmEinText("98-7654321"), "98-7654321");
}

TEST(TextShapes, PhonesAndPinsAreShapedFromTheirDigitsWhateverTheMask) {
    EXPECT_EQ(ScreenPhoneText("(860) 555-1234"), "860 555  1234");
    EXPECT_EQ(FirmPhoneText("(860)555-1234"), "860  555  1234");
    EXPECT_EQ(ScreenPhoneText(""), "   ");
    EXPECT_EQ(FirmPhoneText(""), "    ");
    EXPECT_EQ(PinText(""), "        ");
    EXPECT_EQ(PinText("1 2-3"), "1  2  3    ");
}

TEST(TextShapes, AZipTakesItsExtensionOnlyWhenThereIsOne) {
    EXPECT_EQ(ZipText("06101", " "), "06101");
    EXPECT_EQ(ZipText("06101", ""), "06101");
    EXPECT_EQ(Form944FirmZipText("62701-123"), "62701-123");
    EXPECT_EQ(Form944FirmZipText("6270112"), "6270112");
    EXPECT_EQ(CityLineText("HARTFORD   ", "CT", "06101", " "), "HARTFORD CT 06101");
}

} // namespace
