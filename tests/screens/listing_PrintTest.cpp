// The employer listing's file name and a listing stopped by a refused store;
// what it prints is pinned in the listing scenarios.
#include "ScreenTestSupport.h"
#include "employers/frmPrintLists.h"

namespace {

class ListingPrint : public ScreenFolderTest {
protected:
    void SetUp() override {
        ScreenFolderTest::SetUp();
        MakeDatabases();
        basic::SetToday(2023, 1, 15);
        Sql(MainPath(), "INSERT INTO Employers (EmployerNo, EmployerName1) VALUES (42, 'FIRM A')");
        forms::Screen<frmPrintLists>().Show();
    }
    frmPrintLists& Listing() { return forms::Screen<frmPrintLists>(); }
};

TEST_F(ListingPrint, ItsFileIsNamedAfterTheProgramsDate) {
    forms::user::Click(Listing().DMWin1);
    const auto documents = printing::PrintLog::FinishedDocuments();
    ASSERT_EQ(documents.size(), 1u);
    EXPECT_EQ(documents[0].fileName, "Employer listing 2023-01-15");
}

TEST_F(ListingPrint, ARefusedStoreEndsTheListingWithAMessageAndNoEndDoc) {
    // Page 1's heading has four items; the third item of the band is refused.
    Listing().DMWin1.Engine().FailStore({"PrintText", 4 + 3, 5, ""});
    Dialogs().AnswerMsgBox(forms::vbOK);

    forms::user::Click(Listing().DMWin1);

    ASSERT_EQ(Dialogs().Boxes().size(), 1u);
    const auto& box = Dialogs().Boxes()[0];
    EXPECT_EQ(box.prompt.rfind("For Employer No 42 Error # 5 Invalid procedure call or argument at ", 0), 0u)
        << box.prompt;
    EXPECT_EQ(box.prompt.substr(box.prompt.size() - 9), " Case = 3");
    EXPECT_EQ(box.style, forms::vbOKOnly);
    EXPECT_TRUE(printing::PrintLog::FinishedDocuments().empty());
    EXPECT_EQ(printing::PrintLog::Documents().size(), 1u);
    EXPECT_EQ(forms::App().MousePointer(), forms::vbDefault);
}

} // namespace
