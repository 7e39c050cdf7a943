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
}

TEST(ListingShapes, APhoneIsGroupedFromItsTenDigitsWhateverElseItHolds) {
    EXPECT_EQ(ListingPhoneText(Text("2035551234")), "(203) 555-1234");
    EXPECT_EQ(ListingPhoneText(Text("(203) 555-1234")), "(203) 555-1234");
}

TEST(ListingShapes, AMissingTaxIdOrPhonePrintsBlank) {
    EXPECT_EQ(ListingTaxIdText(Text("1"), data::Value{}), " ");
    EXPECT_EQ(ListingTaxIdText(Text("2"), Text("")), " ");
    EXPECT_EQ(ListingPhoneText(data::Value{}), " ");
    EXPECT_EQ(ListingPhoneText(Text("   ")), " ");
}

} // namespace
