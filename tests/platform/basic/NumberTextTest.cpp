#include <gtest/gtest.h>

#include "ForeignLocale.h"
#include "platform/basic/NumberToText.h"

using basic::NumberText;
using basic::Str;

TEST(NumberText, WritesAtMostFifteenSignificantDigits) {
    EXPECT_EQ(NumberText(7.970000000000001), "7.97");
    EXPECT_EQ(NumberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(NumberText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(NumberText(2.0 / 3.0), "0.666666666666667");
    EXPECT_EQ(NumberText(123456789012345.0), "123456789012345");
}

TEST(NumberText, DropsTrailingZerosAndNeedsNoLeadingBlank) {
    EXPECT_EQ(NumberText(124), "124");
    EXPECT_EQ(NumberText(-50), "-50");
    EXPECT_EQ(NumberText(62.50), "62.5");
    EXPECT_EQ(NumberText(-0.03), "-0.03");
    EXPECT_EQ(NumberText(0.5), "0.5");
    EXPECT_EQ(NumberText(1000000), "1000000");
}

TEST(NumberText, ZeroIsPlainZeroWhateverItsSign) {
    EXPECT_EQ(NumberText(0.0), "0");
    EXPECT_EQ(NumberText(-0.0), "0");
}

TEST(NumberText, UsesAnExponentOnlyForVeryLargeOrSmallMagnitudes) {
    EXPECT_EQ(NumberText(1e15), "1E+15");
    EXPECT_EQ(NumberText(-1234567890123456.0), "-1.23456789012346E+15");
    EXPECT_EQ(NumberText(0.0001), "0.0001");
    EXPECT_EQ(NumberText(0.00001), "1E-05");
    EXPECT_EQ(NumberText(1.5e-7), "1.5E-07");
}

TEST(NumberText, WritesAPointWhateverTheLocale) {
    ForeignLocale foreign;
    EXPECT_EQ(NumberText(1234.5), "1234.5");
    EXPECT_EQ(Str(62.5), " 62.5");
}

TEST(Str, PutsABlankInTheSignPositionOfNonNegativeNumbers) {
    EXPECT_EQ(Str(3021), " 3021");
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(-7), "-7");
    EXPECT_EQ(Str(12.25), " 12.25");
}

TEST(Str, WritesNoZeroBeforeThePoint) {
    EXPECT_EQ(Str(0.5), " .5");
    EXPECT_EQ(Str(-0.5), "-.5");
}

TEST(Str, PutsABlankInTheSignPositionAndNoZeroBeforeThePoint) {
    EXPECT_EQ(Str(3021), " 3021");
    EXPECT_EQ(Str(-7), "-7");
    EXPECT_EQ(Str(0.5), " .5");
    EXPECT_EQ(Str(-0.5), "-.5");
}
