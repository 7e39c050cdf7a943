#include <gtest/gtest.h>

#include "platform/basic/Windows1252.h"

using namespace basic;

TEST(Windows1252, RoundTripsLatinTextThroughOneBytePerCharacter) {
    std::string bytes = Windows1252FromUtf8("Müller & Söhne €5");
    // clang-format off
    EXPECT_EQ(bytes, "M\xFCller & S\xF6hne \x80" "5");
    // clang-format on
    EXPECT_EQ(Utf8FromWindows1252(bytes), "Müller & Söhne €5");
}

TEST(Windows1252, ReplacesCharactersTheCodePageLacks) {
    // clang-format off
    EXPECT_EQ(Windows1252FromUtf8("a\xE2\x86\x92" "b"), "a?b");  // an arrow
    EXPECT_EQ(Windows1252FromUtf8("\xFF"), "?");                 // not UTF-8 at all
    EXPECT_EQ(Windows1252FromUtf8("x\xC3"), "x?");               // cut short
    // clang-format on
}

TEST(Windows1252Field, FillsUpWithBlanksOrCutsToTheWidth) {
    EXPECT_EQ(Windows1252Field("TX", 5), "TX   ");
    EXPECT_EQ(Windows1252Field("ACME", 2), "AC");
    EXPECT_EQ(Windows1252Field("Café", 5), "Caf\xE9 ");
    EXPECT_EQ(Windows1252Field("", 3), "   ");
}
