// The rules the return screens share: the monthly tolerance and the
// header's tax id, where the return scenarios do not reach (a total within
// the tolerance; a tax id of no type, short or empty).
#include <gtest/gtest.h>

#include "common/MonthlyTotalCheck.h"
#include "common/TaxIdShape.h"

namespace {

TEST(F941MonthlyTolerance, CentsApartDisagreeWithinNineThousandthsAgree) {
    EXPECT_FALSE(MonthlyTotalCheck::ExceedsBeyondTolerance(600, 600.004));
    EXPECT_FALSE(MonthlyTotalCheck::ExceedsBeyondTolerance(599.99, 600));
    EXPECT_TRUE(MonthlyTotalCheck::ExceedsBeyondTolerance(600.01, 600));
}

TEST(F941HeaderTaxId, EmployerNumberOrSocialSecurityGrouping) {
    EXPECT_EQ(HeaderTaxId("", "123456789"), "123-45-6789");
    EXPECT_EQ(HeaderTaxId("2", "1234"), "123-4-1234");
    EXPECT_EQ(HeaderTaxId("1", ""), "-");
}

} // namespace
