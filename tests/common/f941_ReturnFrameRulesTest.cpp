// The rules the return screens share: the balance rule, the monthly
// tolerance, the header's tax id and retired lines.
#include <gtest/gtest.h>

#include "common/BalanceRule.h"
#include "common/MonthlyTotalCheck.h"
#include "common/ReservedLineLabel.h"
#include "common/TaxIdShape.h"
#include "platform/basic/RuntimeError.h"
#include "platform/forms/Forms.h"

namespace {

// The compared cases are checked through the Form 941 screen (F941Totals).
TEST(F941BalanceRule, WithoutATotalNothingIsCompared) {
    BalanceOutcome none = ApplyBalanceRule(std::nullopt, 10);
    EXPECT_FALSE(none.compared);
    EXPECT_FALSE(none.overpaidFlag.has_value());
    EXPECT_EQ(none.balanceDue + none.overpayment, 0);
}

TEST(F941MonthlyTolerance, CentsApartDisagreeWithinNineThousandthsAgree) {
    EXPECT_TRUE(MonthlyTotalCheck::ExceedsBeyondTolerance(600, 599.99));
    EXPECT_FALSE(MonthlyTotalCheck::ExceedsBeyondTolerance(600, 600.004));
    EXPECT_FALSE(MonthlyTotalCheck::ExceedsBeyondTolerance(599.99, 600));
    EXPECT_TRUE(MonthlyTotalCheck::ExceedsBeyondTolerance(600.01, 600));
}

TEST(F941HeaderTaxId, EmployerNumberOrSocialSecurityGrouping) {
    EXPECT_EQ(HeaderTaxId("1", "061234567"), "06-1234567");
    EXPECT_EQ(HeaderTaxId("2", "123456789"), "123-45-6789");
    EXPECT_EQ(HeaderTaxId("", "123456789"), "123-45-6789");
    EXPECT_EQ(HeaderTaxId("2", "1234"), "123-4-1234");
    EXPECT_EQ(HeaderTaxId("1", ""), "-");
    EXPECT_EQ(HeaderTaxId("2", "123-45-6789"), "123-45-6789"); // stored with its hyphens
    EXPECT_EQ(HeaderTaxId("3", "123456789"), "123-45-6789");
    // A type stored in another shape is the type the employer screen reads.
    EXPECT_EQ(HeaderTaxId(" 1", "061234567"), "06-1234567");
    EXPECT_EQ(HeaderTaxId("1.0", "061234567"), "06-1234567");
}

class TestScreen : public forms::Form {
public:
    TestScreen() : Form("TestScreen") {}
    forms::Label caption{*this, "caption"};
    forms::CurrencyField first{*this, "first"};
    forms::CurrencyField retired{*this, "retired"};
    forms::CurrencyField last{*this, "last"};
};

class F941FrameControls : public ::testing::Test {
protected:
    void SetUp() override { forms::App().Reset(); }
    void TearDown() override { forms::App().Reset(); }
    TestScreen screen;
};

TEST_F(F941FrameControls, RetiringALineRecaptionsAndClosesItsField) {
    const ReservedLine line{"13b Reserved for future use ", 3, "(13b)"};
    EXPECT_EQ(ReservedLineCaption(line), "13b Reserved for future use ...(13b)");

    screen.retired.SetText("12");
    RetireLine(screen.caption, screen.retired, line, RetiredField::Disabled);
    EXPECT_EQ(screen.caption.Caption(), "13b Reserved for future use ...(13b)");
    EXPECT_FALSE(screen.retired.Enabled());
    EXPECT_EQ(screen.retired.Text(), "12");

    RetireLine(screen.caption, screen.first, line, RetiredField::ZeroedEnabled);
    EXPECT_EQ(screen.first.Text(), "0");
    EXPECT_TRUE(screen.first.Enabled());

    RetireLine(screen.caption, screen.last, line, RetiredField::ZeroedDisabled);
    EXPECT_EQ(screen.last.Text(), "0");
    EXPECT_FALSE(screen.last.Enabled());
}

} // namespace
