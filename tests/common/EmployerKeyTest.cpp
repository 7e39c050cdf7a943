#include "common/EmployerKey.h"

#include <gtest/gtest.h>

TEST(EmployerKey, StoredShapesOfOneEmployerReadAsOneKeyAndOthersApart) {
    struct Shape {
        const char *idType, *taxId, *kind;
    };
    const EmployerKey typed = KeyOfEmployer("1", "061234567", "R");
    for (const Shape& same : {Shape{"1.0", "06-1234567", "r"}, Shape{" 1", "06 1234567", " r"},
                              Shape{"1", "061234567 ", "R"}, Shape{"1", "06-12345678", "R"}}) {
        EXPECT_EQ(KeyOfEmployer(same.idType, same.taxId, same.kind), typed) << same.idType << same.taxId << same.kind;
    }
    for (const Shape& other : {Shape{"2", "061234567", "R"}, Shape{"1", "061234568", "R"}, Shape{"1", "061234567", "F"},
                               Shape{"1", "06123456", "R"}}) {
        EXPECT_NE(KeyOfEmployer(other.idType, other.taxId, other.kind), typed) << other.idType << other.taxId;
    }
}

TEST(EmployerKey, NullEmptyAndBlankTextAreOneBlankPart) {
    EXPECT_EQ(KeyOfEmployer("", "", ""), KeyOfEmployer("  ", "--", " "));
    EXPECT_TRUE(KeyOfEmployer(" ", "061234567", "R").HasBlankPart());
    EXPECT_TRUE(KeyOfEmployer("1", "-", "R").HasBlankPart());
    EXPECT_FALSE(KeyOfEmployer("1", "06-1234567", "r").HasBlankPart());
}
