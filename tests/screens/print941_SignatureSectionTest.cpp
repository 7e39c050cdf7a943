// Page 3 of the Form 941 printout: lines 17 to 28 with their boxes. The
// paid preparer's part is read by the shared print run (ReturnPrintRunTest)
// and printed in the scenarios.
#include <gtest/gtest.h>

#include "common/ReturnItemNames.h"
#include "print_Folder.h"

namespace {

using Print941Part3 = Print941Folder;

TEST_F(Print941Part3, LinesSeventeenToTwentyEightAndTheirBoxes) {
    // Phones stored with the country code before the area code.
    AddEmployer({{"ContactName", std::string("PAT DOE")},
                 {"ContactPhone", std::string("1-203-555-9876")},
                 {"DesigneePIN", std::string("12345")},
                 {"SignersPhone", std::string("1 (860) 555-0000")}});
    auto& screen = OpenReturn("122");
    screen.Check8.SetValue(1);
    screen.Check1.SetValue(2); // greyed prints nothing
    screen.fpLine19.SetText("19.5");
    screen.fpLine28.SetText("2800");
    auto items = ReturnItems(PrintWith(screen, {forms::vbYes, forms::vbNo, forms::vbYes}))[2];

    EXPECT_EQ(items[41].Text(), Quoted("06-1234567"));
    EXPECT_EQ(items[81].Text(), Quoted("X"));
    EXPECT_EQ(items[83].Text(), Quoted(" "));
    EXPECT_EQ(items[84].Text(), Quoted("19.50"));
    EXPECT_EQ(items[106].Text(), Quoted("2800.00"));
    EXPECT_DOUBLE_EQ(items[106].top, 4.74);
    for (int n : {50, 51, 52, 82}) EXPECT_EQ(items[n].Text(), Quoted(" ")) << n;
    EXPECT_EQ(items[returnItem::DesigneePhone].Text(), Quoted("203 555  9876"));
    EXPECT_EQ(items[returnItem::SignerPhone].Text(), Quoted("860 555  0000"));
}

} // namespace
