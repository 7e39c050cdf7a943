// Page 3 of the Form 941 printout: the paid preparer's part without a
// preparer file, and lines 17 to 28 with their boxes.
#include <gtest/gtest.h>

#include "common/PaidPreparerExample.h"
#include "print_Folder.h"

namespace {

class Print941Part3 : public Print941Folder {
protected:
    std::map<int, StoredItem> Page3(const std::vector<std::string>& trace) { return ReturnItems(trace)[2]; }
};

TEST_F(Print941Part3, NoPreparerFileGivesBlankFieldsAndIsNotCreated) {
    AddEmployer();
    auto& screen = OpenReturn("322");
    auto items = Page3(PrintWith(screen, {forms::vbYes, forms::vbYes}));

    EXPECT_EQ(items[61].Text(), Quoted(" "));
    EXPECT_EQ(items[69].Text(), Quoted(" "));
    EXPECT_FALSE(std::filesystem::exists(Folder() / kPaidPreparerFileName));
}

TEST_F(Print941Part3, LinesSeventeenToTwentyEightAndTheirBoxes) {
    AddEmployer();
    auto& screen = OpenReturn("122");
    screen.Check8.SetValue(1);
    screen.Check1.SetValue(2); // greyed prints nothing
    screen.fpLine19.SetText("19.5");
    screen.fpLine28.SetText("2800");
    auto items = Page3(PrintWith(screen, {forms::vbYes, forms::vbNo}));

    EXPECT_EQ(items[41].Text(), Quoted("06-1234567"));
    EXPECT_EQ(items[81].Text(), Quoted("X"));
    EXPECT_EQ(items[83].Text(), Quoted(" "));
    EXPECT_EQ(items[84].Text(), Quoted("19.50"));
    EXPECT_EQ(items[106].Text(), Quoted("2800.00"));
    EXPECT_DOUBLE_EQ(items[106].top, 4.74);
    for (int n : {50, 51, 52, 82}) EXPECT_EQ(items[n].Text(), Quoted(" ")) << n;
}

} // namespace
