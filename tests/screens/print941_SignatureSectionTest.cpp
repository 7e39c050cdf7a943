// Page 3 of the Form 941 printout: the designee only when the employer's
// designee is complete and the user wants it, the signer always, the paid
// preparer's record only on request.
#include <gtest/gtest.h>

#include "common/PaidPreparerExample.h"
#include "print_Folder.h"

namespace {

class Print941Part3 : public Print941Folder {
protected:
    std::map<int, StoredItem> Page3(const std::vector<std::string>& trace) { return ReturnItems(trace)[2]; }
    bool DesigneeAsked() const { return BoxShownTitled("Third Party Designee"); }
};

TEST_F(Print941Part3, ACompleteDesigneeIsAskedForAndPrintsShapedOnYes)
{
    AddEmployer(CompleteDesignee());
    auto& screen = OpenReturn("322");
    auto items = Page3(PrintWith(screen, {forms::vbYes, forms::vbNo, forms::vbYes}));

    ASSERT_TRUE(DesigneeAsked());
    EXPECT_EQ(Dialogs().Boxes()[2].prompt,
              "Do you want to print the Third Party Designee info on this Form 941? Click on Yes or No.");
    EXPECT_EQ(Dialogs().Boxes()[2].style, 36);
    EXPECT_EQ(items[53].Text(), Quoted("X"));
    EXPECT_EQ(items[54].Text(), Quoted("PAT DOE"));
    EXPECT_EQ(items[56].Text(), Quoted("1  2  3  4  5"));
    EXPECT_EQ(items[57].Text(), Quoted(" "));
    EXPECT_EQ(items[70].Text(), Quoted("860 555  1234"));
    EXPECT_DOUBLE_EQ(items[70].left, 6.5);
    EXPECT_DOUBLE_EQ(items[70].top, 5.58);
}

TEST_F(Print941Part3, AnsweringNoToTheDesigneeMarksTheNoBox)
{
    AddEmployer(CompleteDesignee());
    auto& screen = OpenReturn("322");
    auto items = Page3(PrintWith(screen, {forms::vbYes, forms::vbNo, forms::vbNo}));

    EXPECT_EQ(items[53].Text(), Quoted(" "));
    EXPECT_EQ(items[54].Text(), Quoted(" "));
    EXPECT_EQ(items[57].Text(), Quoted("X"));
}

TEST_F(Print941Part3, AnIncompleteDesigneeIsNeverAskedFor)
{
    AddEmployer({{"ContactName", std::string("PAT DOE")}, {"ContactPhone", std::string("8605551234")}});
    auto& screen = OpenReturn("322");
    auto items = Page3(PrintWith(screen, {forms::vbYes, forms::vbNo}));

    EXPECT_FALSE(DesigneeAsked());
    EXPECT_EQ(items[54].Text(), Quoted(" "));
    EXPECT_EQ(items[56].Text(), Quoted(" "));
    EXPECT_EQ(items[70].Text(), Quoted(" "));
    EXPECT_EQ(items[57].Text(), Quoted("X"));
}

TEST_F(Print941Part3, TheSignerPrintsWhateverTheAnswers)
{
    AddEmployer();
    auto& screen = OpenReturn("322");
    auto items = Page3(PrintWith(screen, {forms::vbYes, forms::vbNo}));

    EXPECT_EQ(items[55].Text(), Quoted("LEE ROE"));
    EXPECT_EQ(items[58].Text(), Quoted("OWNER"));
    EXPECT_EQ(items[60].Text(), Quoted("860 555  0000"));
}

TEST_F(Print941Part3, ThePreparerPartPrintsTheRecordsShapedFieldsOnlyOnRequest)
{
    AddEmployer();
    PaidPreparerRecord firm = ExamplePreparer();
    firm.FirmEIN = "987654321";
    WriteFile(kPaidPreparerFileName, firm.ToBytes());

    auto& screen = OpenReturn("322");
    auto withPart6 = Page3(PrintWith(screen, {forms::vbYes, forms::vbYes}));
    EXPECT_EQ(withPart6[59].Text(), Quoted("JANE Q PREPARER"));
    EXPECT_EQ(withPart6[61].Text(), Quoted("ACME TAX SERVICE"));
    EXPECT_EQ(withPart6[62].Text(), Quoted("12 MAIN ST"));
    EXPECT_EQ(withPart6[63].Text(), Quoted("98-7654321"));
    EXPECT_EQ(withPart6[64].Text(), Quoted("SPRINGFIELD"));
    EXPECT_EQ(withPart6[65].Text(), Quoted("IL"));
    EXPECT_EQ(withPart6[66].Text(), Quoted("62701-1234"));
    EXPECT_EQ(withPart6[67].Text(), Quoted("217  555  1234"));
    EXPECT_EQ(withPart6[68].Text(), Quoted("P01234567"));
    EXPECT_EQ(withPart6[69].Text(), Quoted("X"));

    auto without = Page3(PrintWith(screen, {forms::vbYes, forms::vbNo}));
    for (int n : {59, 61, 62, 63, 64, 65, 66, 67, 68, 69}) EXPECT_EQ(without[n].Text(), Quoted(" ")) << n;
}

TEST_F(Print941Part3, NoPreparerFileGivesBlankFieldsAndIsNotCreated)
{
    AddEmployer();
    auto& screen = OpenReturn("322");
    auto items = Page3(PrintWith(screen, {forms::vbYes, forms::vbYes}));

    EXPECT_EQ(items[61].Text(), Quoted(" "));
    EXPECT_EQ(items[69].Text(), Quoted(" "));
    EXPECT_FALSE(std::filesystem::exists(Folder() / kPaidPreparerFileName));
}

TEST_F(Print941Part3, LinesSeventeenToTwentyEightAndTheirBoxes)
{
    AddEmployer();
    auto& screen = OpenReturn("122");
    screen.Check8.SetValue(1);
    screen.Check1.SetValue(2);  // greyed prints nothing
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
