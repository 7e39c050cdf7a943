// The shapes the return printouts give amounts, tax ids, phones, PINs and
// addresses in the boxes of the printed forms.
#include <gtest/gtest.h>

#include <string>

#include "common/TextShapes.h"
#include "returns/f944/Form944Shapes.h"

namespace {

TEST(FormatAmountOrBlank, ZeroPrintsNothingOthersTwoDecimalsWithoutLeadingZeroOrSeparators) {
    EXPECT_EQ(FormatAmountOrBlank(0), " ");
    EXPECT_EQ(FormatAmountOrBlank(0.004), " ");
    EXPECT_EQ(FormatAmountOrBlank(-0.001), " ");
    EXPECT_EQ(FormatAmountOrBlank(-3), "-3.00"); // the picture's other cases: FormatAmount
}

TEST(CountOrBlank, AZeroCountIsBlankOthersAreWholeDigits) {
    EXPECT_EQ(CountOrBlank(0), " ");
    EXPECT_EQ(CountOrBlank(12), "12");
    EXPECT_EQ(CountOrBlank(1500), "1500");
}

TEST(TextShapes, AZeroAmountOrCountPrintsNothing) {
    EXPECT_EQ(FormatAmountOrBlank(0.004), " ");
    EXPECT_EQ(FormatAmountOrBlank(-0.001), " ");
    EXPECT_EQ(CountOrBlank(0), " ");
    EXPECT_EQ(CountOrBlank(1500), "1500");
}

TEST(EinBoxes, NineDigitsFallIntoTheirBoxesAtTenCharactersToTheInch) {
    const std::string text = EinBoxesText("123456789");
    ASSERT_EQ(text.size(), 31u);
    // Each digit's distance from the first box, in inches.
    const double expected[9] = {0, 0.4, 0.9, 1.3, 1.6, 2.0, 2.3, 2.7, 3.0};
    for (int digit = 0; digit < 9; ++digit) {
        const auto at = text.find(static_cast<char>('1' + digit));
        EXPECT_NEAR(static_cast<double>(at) / 10.0, expected[digit], 1e-9) << "digit " << digit + 1;
    }
}

TEST(EinBoxes, AHyphenIsSkippedAndAShortTaxIdLeavesTheLaterBoxesEmpty) {
    EXPECT_EQ(EinBoxesText("12-3456789"), EinBoxesText("123456789"));

    // A short tax id leaves the later boxes empty.
    const std::string text = EinBoxesText("1234");
    EXPECT_EQ(text, "1   2    3   4" + std::string(2 + 3 + 2 + 3 + 2, ' '));
    EXPECT_EQ(text.size(), 31u - 5u);
}

TEST(TaxIdShapes, EinShapeIsTwoDigitsHyphenSevenWhateverTheStoredForm) {
    EXPECT_EQ(EinText("123456789"), "12-3456789");
    EXPECT_EQ(EinText("12-3456789"), "12-3456789");
    EXPECT_EQ(EinText(""), "-");
    EXPECT_EQ(FirmEinText("987654321"), "98-7654321");
    EXPECT_EQ(FirmEinText("98-7654321"), "98-7654321");
}

TEST(TextShapes, ATaxIdIsShapedFromItsDigitsAndAShortOneLeavesTheLaterBoxesEmpty) {
    EXPECT_EQ(EinBoxesText("12-3456789"), EinBoxesText("123456789"));
    EXPECT_EQ(EinBoxesText("1234"), "1   2    3   4" + std::string(2 + 3 + 2 + 3 + 2, ' '));
    EXPECT_EQ(EinText("12-3456789"), "12-3456789");
    EXPECT_EQ(EinText(""), "-");
    EXPECT_EQ(FirmEinText("98-7654321"), "98-7654321");
}

TEST(PhoneShapes, TenDigitsGroupThreeThreeFourWhateverTheMask) {
    EXPECT_EQ(ScreenPhoneText("8605551234"), "860 555  1234");
    EXPECT_EQ(FirmPhoneText("8605551234"), "860  555  1234");
    // A masked phone is shaped from its digits alone; an empty one keeps
    // only its separators.
    EXPECT_EQ(ScreenPhoneText("(860) 555-1234"), "860 555  1234");
    EXPECT_EQ(FirmPhoneText("(860)555-1234"), "860  555  1234");
    EXPECT_EQ(ScreenPhoneText(""), "   ");
    EXPECT_EQ(FirmPhoneText(""), "    ");
}

TEST(PinShape, FiveDigitsWithTwoBlanksBetween) {
    EXPECT_EQ(PinText("12345"), "1  2  3  4  5");
    EXPECT_EQ(PinText(""), "        ");
    EXPECT_EQ(PinText("1 2-3"), "1  2  3    ");
}

TEST(TextShapes, PhonesAndPinsAreShapedFromTheirDigitsWhateverTheMask) {
    EXPECT_EQ(ScreenPhoneText("(860) 555-1234"), "860 555  1234");
    EXPECT_EQ(FirmPhoneText("(860)555-1234"), "860  555  1234");
    EXPECT_EQ(ScreenPhoneText(""), "   ");
    EXPECT_EQ(FirmPhoneText(""), "    ");
    EXPECT_EQ(PinText(""), "        ");
    EXPECT_EQ(PinText("1 2-3"), "1  2  3    ");
}

TEST(ZipShapes, FiveDigitsStayNineOrAnExtensionGetAHyphen) {
    EXPECT_EQ(FirmZipText("62701"), "62701");
    EXPECT_EQ(FirmZipText("627011234"), "62701-1234");
    // The employer's ZIP takes its extension only when it is more than blanks.
    EXPECT_EQ(ZipText("06101", " "), "06101");
    EXPECT_EQ(ZipText("06101", ""), "06101");
    EXPECT_EQ(ZipText("06101", "1234"), "06101-1234");
    // The Form 944 shapes the preparer's ZIP only when it is nine digits.
    EXPECT_EQ(Form944FirmZipText("627011234"), "62701-1234");
    EXPECT_EQ(Form944FirmZipText("62701-123"), "62701-123");
    EXPECT_EQ(Form944FirmZipText("6270112"), "6270112");
}

TEST(CityLine, CityLosesTrailingBlanksStateAndZipStayAsHeld) {
    EXPECT_EQ(CityLineText("HARTFORD   ", "CT", "06101", " "), "HARTFORD CT 06101");
    EXPECT_EQ(CityLineText("HARTFORD", "CT", "06101", "4321"), "HARTFORD CT 06101-4321");
}

TEST(TextShapes, AZipTakesItsExtensionOnlyWhenThereIsOne) {
    EXPECT_EQ(ZipText("06101", " "), "06101");
    EXPECT_EQ(ZipText("06101", ""), "06101");
    EXPECT_EQ(Form944FirmZipText("62701-123"), "62701-123");
    EXPECT_EQ(Form944FirmZipText("6270112"), "6270112");
    EXPECT_EQ(CityLineText("HARTFORD   ", "CT", "06101", " "), "HARTFORD CT 06101");
}

TEST(CheckMark, OnlyATickedBoxPrintsX) {
    EXPECT_EQ(CheckMark(1), "X");
    EXPECT_EQ(CheckMark(0), " ");
    EXPECT_EQ(CheckMark(2), " ");
}

} // namespace
