#include "common/EmployerKey.h"
#include "common/EmployersWithKey.h"

#include "platform/data/Engine.h"
#include "platform/data/Schema.h"
#include "platform/files/ProgramFolderFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Shape {
    const char *idType, *taxId, *kind;
};
const EmployerKey kTyped = KeyOfEmployer("1", "061234567", "R");
// Stored shapes of the typed employer: its digits broken after any first part
// of them, led by a character below the digits or above them; a longer type,
// one after a blank, a kind in lower case.
const Shape kSameAsTyped[] = {{"1", "061234567", "R"},   {"1.0", "06-1234567", "r"},  {" 1", "06 1234567", " r"},
                              {"1", "061234567 ", "R"},  {"1", "06-12345678", "R"},   {"1", "0-61234567", "R"},
                              {"1", "(06)1234567", "R"}, {"1", "EIN 061234567", "R"}, {"1", "06123456-7", "r"}};
const Shape kOthers[] = {{"2", "061234567", "R"}, {"1", "061234568", "R"},  {"1", "061234567", "F"},
                         {"1", "06123456", "R"},  {"1", "0061234567", "R"}, {"1", "", "R"}};

} // namespace

TEST(EmployerKey, StoredShapesOfOneEmployerReadAsOneKeyAndOthersApart) {
    for (const Shape& same : kSameAsTyped)
        EXPECT_EQ(KeyOfEmployer(same.idType, same.taxId, same.kind), kTyped) << same.idType << same.taxId << same.kind;
    for (const Shape& other : kOthers)
        EXPECT_NE(KeyOfEmployer(other.idType, other.taxId, other.kind), kTyped) << other.idType << other.taxId;
}

TEST(EmployerKey, NullEmptyAndBlankTextAreOneBlankPart) {
    EXPECT_EQ(KeyOfEmployer("", "", ""), KeyOfEmployer("  ", "--", " "));
    EXPECT_TRUE(KeyOfEmployer(" ", "061234567", "R").HasBlankPart());
    EXPECT_TRUE(KeyOfEmployer("1", "-", "R").HasBlankPart());
    EXPECT_FALSE(KeyOfEmployer("1", "06-1234567", "r").HasBlankPart());
}

using EmployersWithKey = ProgramFolderFixture;

// The employers of a key are found in the file whatever shape each holds,
// and no other.
TEST_F(EmployersWithKey, EveryStoredShapeOfTheKeyIsFoundAndNoOther) {
    data::MakeEmptyDatabases(Program().string());
    auto database = data::OpenDatabase((Program() / data::kMainDatabaseFile).string());
    std::vector<data::Value> expected;
    std::int64_t number = 0;
    auto store = [&](const Shape& shape) {
        database->Execute("INSERT INTO Employers (EmployerNo, IdType, Pyr_Taxid, TypePayer) VALUES (" +
                          std::to_string(++number) + ", '" + shape.idType + "', '" + shape.taxId + "', '" + shape.kind +
                          "')");
    };
    for (const Shape& other : kOthers) store(other);
    for (const Shape& same : kSameAsTyped) {
        store(same);
        expected.push_back(data::Value{number});
    }
    EXPECT_EQ(NumbersOfEmployersWithKey(*database, kTyped), expected);
    EXPECT_TRUE(NumbersOfEmployersWithKey(*database, KeyOfEmployer("1", "061234567", "")).empty());
    // Read as blank, a blank tax id finds the tax ids without digits (here "").
    EXPECT_EQ(NumbersOfEmployersWithKey(*database, KeyOfEmployer("1", "-", "R"), BlankParts::AreBlank),
              std::vector<data::Value>(1, std::int64_t{6}));
    database->Close();
}
