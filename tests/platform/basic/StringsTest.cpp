#include <gtest/gtest.h>

#include "platform/basic/Strings.h"

using namespace basic;

TEST(TextPieces, NeverFailPastTheEndOfAText) {
    EXPECT_EQ(Left("Tavrilo", 3), "Tav");
    EXPECT_EQ(Left("ab", 10), "ab");
    EXPECT_EQ(Right("123456789", 7), "3456789");
    EXPECT_EQ(Right("ab", 10), "ab");
    EXPECT_EQ(Mid("123456789", 3), "3456789");
    EXPECT_EQ(Mid("123456789", 3, 2), "34");
    EXPECT_EQ(Mid("12345", 7, 2), "");
    EXPECT_EQ(Mid("12345", 4, 99), "45");
    EXPECT_EQ(Left("", 2), "");
}

TEST(TextPieces, TakeNegativeCountsAndEarlyStartsAsNothing) {
    EXPECT_EQ(Left("abc", -1), "");
    EXPECT_EQ(Right("abc", -1), "");
    EXPECT_EQ(Mid("abc", 0, 2), "ab");
    EXPECT_EQ(Mid("abc", 2, -1), "");
}

TEST(TextPieces, CountCharactersNotBytes) {
    EXPECT_EQ(Len("Müller"), 6);
    EXPECT_EQ(Left("Müller", 2), "Mü");
    EXPECT_EQ(Mid("Café au lait", 4, 1), "é");
    EXPECT_EQ(Right("naïve", 3), "ïve");
}

TEST(Trimming, RemovesBlanksOnly) {
    EXPECT_EQ(Trim("  Acme Co  "), "Acme Co");
    EXPECT_EQ(LTrim("  x "), "x ");
    EXPECT_EQ(RTrim("  x "), "  x");
    EXPECT_EQ(Trim("\tx\t"), "\tx\t");
    EXPECT_EQ(Trim("    "), "");
    EXPECT_EQ(LTrim("   .00"), ".00");
}

TEST(Casing, ChangesAsciiAndLatinLetters) {
    EXPECT_EQ(UCase("acme co. #5"), "ACME CO. #5");
    EXPECT_EQ(UCase("müller"), "MÜLLER");
    EXPECT_EQ(LCase("MÜLLER"), "müller");
}
