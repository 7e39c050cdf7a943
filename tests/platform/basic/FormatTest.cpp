#include <gtest/gtest.h>

#include "ForeignLocale.h"
#include "platform/basic/Format.h"
#include "platform/basic/RuntimeError.h"

using basic::DateTime;
using basic::Format;

TEST(FormatAmount, ShowsTwoDecimalsAndOnlyTheDigitsNeeded) {
    EXPECT_EQ(Format(0.5, "#########.00"), ".50");
    EXPECT_EQ(Format(1234567.8, "#########.00"), "1234567.80");
    EXPECT_EQ(Format(-3, "#########.00"), "-3.00");
    EXPECT_EQ(Format(12.5, "#########.00"), "12.50");
    EXPECT_EQ(Format(0, "#########.00"), ".00");
    EXPECT_EQ(Format(12345678901.25, "##########.00"), "12345678901.25");
}

TEST(FormatAmount, RoundsHalfAwayFromZeroOnTheWrittenDigits) {
    EXPECT_EQ(Format(0.125, "#########.00"), ".13");
    EXPECT_EQ(Format(2.675, "#########.00"), "2.68");
    EXPECT_EQ(Format(-0.125, "#########.00"), "-.13");
    EXPECT_EQ(Format(9.995, "#########.00"), "10.00");
    EXPECT_EQ(Format(7.970000000000001, "#########.00"), "7.97");
}

TEST(FormatAmount, ATinyNegativeThatRoundsToNothingHasNoSign) {
    EXPECT_EQ(Format(-0.001, "#########.00"), ".00");
    EXPECT_EQ(Format(-0.4, "#########"), "");
}

TEST(FormatWhole, HashesShowNothingForZero) {
    EXPECT_EQ(Format(12, "#########"), "12");
    EXPECT_EQ(Format(0, "#########"), "");
    EXPECT_EQ(Format(12.5, "#########"), "13");
    EXPECT_EQ(Format(123456789012.0, "###########"), "123456789012");
}

TEST(FormatAmount, WritesAPointWhateverTheLocale) {
    ForeignLocale foreign;
    EXPECT_EQ(Format(1234.5, "#########.00"), "1234.50");
}

TEST(FormatAmount, RefusesPicturesItDoesNotKnow) { EXPECT_THROW(Format(1, "$#,##0.00"), basic::RuntimeError); }

TEST(FormatDate, WritesEnglishMonthAbbreviationsWithTwoDigitDays) {
    EXPECT_EQ(Format(DateTime{2023, 3, 7}, "MMM DD YYYY"), "Mar 07 2023");
    EXPECT_EQ(Format(DateTime{2022, 12, 25}, "MMM DD YYYY"), "Dec 25 2022");
}

TEST(FormatDate, IgnoresTheLocalesMonthNames) {
    ForeignLocale foreign;
    EXPECT_EQ(Format(DateTime{2023, 3, 7}, "MMM DD YYYY"), "Mar 07 2023");
}

TEST(Format, WritesAPointAndEnglishMonthsWithTwoDigitDaysWhateverTheLocale) {
    ForeignLocale foreign;
    EXPECT_EQ(Format(1234.5, "#########.00"), "1234.50");
    EXPECT_EQ(Format(DateTime{2023, 3, 7}, "MMM DD YYYY"), "Mar 07 2023");
}
