// How the listing shapes an employer's tax id and designee phone.
#include <gtest/gtest.h>

#include "employers/EmployerListingItems.h"

namespace {

data::Value Text(const char* text) { return std::string(text); }

TEST(ListingShapes, TaxIdsAreGroupedByTheirKind) {
    EXPECT_EQ(ListingTaxIdText(Text("1"), Text("123456789")), "12-3456789");
    EXPECT_EQ(ListingTaxIdText(Text("2"), Text("123456789")), "123-45-6789");
    EXPECT_EQ(ListingTaxIdText(Text("3"), Text("123456789")), "123-45-6789");
    EXPECT_EQ(ListingTaxIdText(data::Value{}, Text("123456789")), "123-45-6789");
    EXPECT_EQ(ListingTaxIdText(Text("2"), Text("123-45-6789")), "123-45-6789");
    // A type stored in another shape is the type the employer screen reads.
    EXPECT_EQ(ListingTaxIdText(Text(" 1"), Text("123456789")), "12-3456789");
    EXPECT_EQ(ListingTaxIdText(Text("1.0"), Text("123456789")), "12-3456789");
}

TEST(ListingShapes, TheTaxIdIsNamedAnEinForType1AndAnSsnForAnyOther) {
    for (const char* one : {"1", " 1", "1.0"}) EXPECT_EQ(ListingTaxIdLabel(Text(one)), "EIN:") << one;
    for (const data::Value& other : {data::Value{}, Text("2"), Text("3")}) EXPECT_EQ(ListingTaxIdLabel(other), "SSN:");
}

TEST(ListingShapes, APhoneIsGroupedFromItsTenDigitsWhateverElseItHolds) {
    EXPECT_EQ(ListingPhoneText(Text("2035551234")), "(203) 555-1234");
    EXPECT_EQ(ListingPhoneText(Text("(203) 555-1234")), "(203) 555-1234");
    EXPECT_EQ(ListingPhoneText(Text("1-203-555-9876")), "(203) 555-9876"); // the country code first
}

TEST(ListingShapes, AMissingTaxIdOrPhonePrintsBlank) {
    EXPECT_EQ(ListingTaxIdText(Text("1"), data::Value{}), " ");
    EXPECT_EQ(ListingTaxIdText(Text("2"), Text("")), " ");
    EXPECT_EQ(ListingPhoneText(data::Value{}), " ");
    EXPECT_EQ(ListingPhoneText(Text("   ")), " ");
}

} // namespace
