#include <gtest/gtest.h>

#include <cmath>

#include "ForeignLocale.h"
#include "platform/basic/ErrorNumberOf.h"
#include "platform/basic/TextToNumber.h"

using basic::CDbl;
using basic::TextAsNumber;
using basic::Val;

TEST(Val, ReadsTheLeadingNumberAndIgnoresTheRest) {
    EXPECT_EQ(Val(" 12abc"), 12);
    EXPECT_EQ(Val("-3.5 dollars"), -3.5);
    EXPECT_EQ(Val("1,000"), 1);
    EXPECT_EQ(Val(".5"), 0.5);
    EXPECT_EQ(Val("2e3x"), 2000);
    EXPECT_EQ(Val("2ex"), 2);
}

TEST(Val, GivesZeroWhenThereIsNoNumber) {
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(Val("abc"), 0);
    EXPECT_EQ(Val("-"), 0);
    EXPECT_EQ(Val("."), 0);
}

TEST(Val, SkipsBlanksInsideTheNumberAndReadsHex) {
    EXPECT_EQ(Val(" 1 2 3"), 123);
    EXPECT_EQ(Val("&HFF"), 255);
    EXPECT_EQ(Val("&O17"), 15);
}

TEST(Val, RaisesOverflowForNumbersBeyondTheDoubleRange) {
    EXPECT_EQ(ErrorNumberOf([] { Val("1e999"); }), 6);
    EXPECT_EQ(ErrorNumberOf([] { Val("12e9223372036854775807"); }), 6);
    EXPECT_EQ(Val("1e-999"), 0);
}

TEST(Val, SkipsBlanksInsideTheNumberReadsHexAndOverflowsBeyondTheDoubleRange) {
    EXPECT_EQ(Val(" 1 2 3"), 123);
    EXPECT_EQ(Val("&HFF"), 255);
    EXPECT_EQ(Val("&O17"), 15);
    EXPECT_EQ(ErrorNumberOf([] { Val("1e999"); }), 6);
    EXPECT_EQ(ErrorNumberOf([] { Val("12e9223372036854775807"); }), 6);
    EXPECT_EQ(Val("1e-999"), 0);
}

TEST(CDbl, ConvertsWholeNumberTexts) {
    EXPECT_EQ(CDbl("62.5"), 62.5);
    EXPECT_EQ(CDbl("  -0.03 "), -0.03);
    EXPECT_EQ(CDbl("1,234.5"), 1234.5);
    EXPECT_EQ(CDbl("1.5E3"), 1500);
    EXPECT_EQ(CDbl("+7"), 7);
    // Correctly rounded, so a typed amount equals the literal.
    EXPECT_EQ(CDbl("7.97"), 7.97);
}

TEST(CDbl, RaisesTypeMismatchOnAnythingButANumber) {
    EXPECT_EQ(ErrorNumberOf([] { CDbl(""); }), 13);
    EXPECT_EQ(ErrorNumberOf([] { CDbl("   "); }), 13);
    EXPECT_EQ(ErrorNumberOf([] { CDbl("12abc"); }), 13);
    EXPECT_EQ(ErrorNumberOf([] { CDbl("abc"); }), 13);
    EXPECT_EQ(ErrorNumberOf([] { CDbl("1.2.3"); }), 13);
    EXPECT_EQ(ErrorNumberOf([] { CDbl("-"); }), 13);
    EXPECT_EQ(ErrorNumberOf([] { CDbl("1e"); }), 13);
    EXPECT_EQ(ErrorNumberOf([] { CDbl(",5"); }), 13);
}

TEST(TextAsNumber, ReadsABlankAmountAsZero) {
    EXPECT_EQ(TextAsNumber(""), 0);
    EXPECT_EQ(TextAsNumber("   "), 0);
    EXPECT_EQ(TextAsNumber("-"), 0);
    EXPECT_EQ(TextAsNumber("."), 0);
    EXPECT_EQ(TextAsNumber("-."), 0);
}

TEST(TextAsNumber, ReadsAmountsStrictly) {
    EXPECT_EQ(TextAsNumber("24.8"), 24.8);
    EXPECT_EQ(TextAsNumber("-0.03"), -0.03);
    EXPECT_EQ(TextAsNumber("500"), 500);
    EXPECT_EQ(ErrorNumberOf([] { TextAsNumber("12x"); }), 13);
}

TEST(TextAsNumber, ReadsABlankAmountAsZeroAndOthersStrictly) {
    EXPECT_EQ(TextAsNumber(""), 0);
    EXPECT_EQ(TextAsNumber("   "), 0);
    EXPECT_EQ(TextAsNumber("-."), 0);
    EXPECT_EQ(TextAsNumber("24.8"), 24.8);
    EXPECT_EQ(ErrorNumberOf([] { TextAsNumber("12x"); }), 13);
}

// The words the standard library reads as numbers are text like any other.
TEST(PlainNumber, ReadsAWordAsNoNumberWhateverItsCaseAndSign) {
    for (const char* word : {"abc", "NaN", "inf", "-Infinity", "+INF", "nan(1)"})
        EXPECT_EQ(basic::PlainNumber(word), 0) << word;
    EXPECT_EQ(basic::PlainNumber("-1e999"), -HUGE_VAL);
}

TEST(TextAsNumber, ReadsThePointWhateverTheLocale) {
    ForeignLocale foreign;
    EXPECT_EQ(TextAsNumber("62.5"), 62.5);
    EXPECT_EQ(Val("62.5"), 62.5);
    EXPECT_EQ(CDbl("1,234.5"), 1234.5);
}
