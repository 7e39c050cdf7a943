// The employer listing printed over an empty table (the employer screen
// offers no Print List then) and stopped by a refused store.
#include <string>
#include <vector>

#include "PrintTraceMatch.h"
#include "ScreenTestSupport.h"
#include "employers/frmPrintLists.h"

namespace {

using Lines = std::vector<std::string>;
using scenario::FindRun;

class ListingPrint : public ScreenFolderTest {
protected:
    void SetUp() override {
        ScreenFolderTest::SetUp();
        MakeDatabases();
        basic::SetToday(2023, 1, 15);
    }

    void AddEmployer(long number, const std::string& name) {
        Sql(MainPath(), "INSERT INTO Employers (EmployerNo, EmployerName1) VALUES (" + std::to_string(number) + ", '" +
                            name + "')");
    }

    std::string Template() const { return "PageTemplate=\"" + Folder().string() + "\\W2_2UP98.TFL\""; }

    frmPrintLists& Listing() {
        forms::Screen<frmPrintLists>().Show();
        return forms::Screen<frmPrintLists>();
    }
    // Prints and returns the trace of the one finished document.
    Lines Print() {
        forms::user::Click(Listing().DMWin1);
        const auto documents = printing::PrintLog::FinishedDocuments();
        if (documents.size() != 1) {
            ADD_FAILURE() << documents.size() << " finished documents";
            return {};
        }
        return documents[0].trace;
    }
    Lines PageStart(int pageNo) const {
        // clang-format off
        return {"PageCaption=\"Page " + std::to_string(pageNo) + "\"", "NewPage=True", Template(),
                "PagePicture=\"\"", "ShowPicture=True", "PrintPicture=True", "FontName=\"Courier New\"",
                "FontSize=12", "FontCode=5", "FontBold=False", "FontItalic=False", "FontOption=0",
                "TextFlag=True", "TextHeight=0", "TextWidth=3.5",
                "TextLeft=0.5", "TextTop=0.6", "ItemText=#1/15/2023#", "PrintText=True",
                "TextLeft=2.7", "TextTop=0.6", "ItemText=\"E M P L O Y E R    L I S T I N G\"", "PrintText=True"};
        // clang-format on
    }
    static Lines ShortHeadingEnd(int pageNo) {
        return {"TextLeft=7.5", "TextTop=0.6", "ItemText=\"Pg:" + std::to_string(pageNo) + "\"", "PrintText=True"};
    }
    static Lines Total(double top, int count) {
        // clang-format off
        return {"TextLeft=0.5", "TextTop=" + std::to_string(top),
                "ItemText=\"*** Total Number of Employers = " + std::to_string(count) + "\"", "PrintText=True",
                "FinishCode=33", "FinishSwitch=True", "FinishLevel=95", "EndDoc=True"};
        // clang-format on
    }
};

TEST_F(ListingPrint, WithNoEmployerItPrintsTheHeadingAndATotalOfNought) {
    const Lines trace = Print();

    EXPECT_EQ(FindRun(trace, Join<std::string>({PageStart(1), ShortHeadingEnd(1), Total(1.6, 0)})), 8);
    EXPECT_TRUE(Dialogs().Boxes().empty());
    EXPECT_EQ(forms::App().MousePointer(), forms::vbDefault);
}

TEST_F(ListingPrint, ItsFileIsNamedAfterTheProgramsDate) {
    Print();
    const auto documents = printing::PrintLog::FinishedDocuments();
    ASSERT_EQ(documents.size(), 1u);
    EXPECT_EQ(documents[0].fileName, "Employer listing 2023-01-15");
}

TEST_F(ListingPrint, ARefusedStoreEndsTheListingWithAMessageAndNoEndDoc) {
    AddEmployer(42, "FIRM A");
    auto& listing = Listing();
    // Page 1's heading has four items; the third item of the band is refused.
    listing.DMWin1.Engine().FailStore({"PrintText", 4 + 3, 5, ""});
    Dialogs().AnswerMsgBox(forms::vbOK);

    forms::user::Click(listing.DMWin1);

    ASSERT_EQ(Dialogs().Boxes().size(), 1u);
    const auto& box = Dialogs().Boxes()[0];
    EXPECT_EQ(box.prompt.rfind("For Employer No 42 Error # 5 Invalid procedure call or argument at ", 0), 0u)
        << box.prompt;
    EXPECT_EQ(box.prompt.substr(box.prompt.size() - 9), " Case = 3");
    EXPECT_EQ(box.style, forms::vbOKOnly);
    EXPECT_EQ(box.title, "Tavrilo 941 / 944");
    EXPECT_TRUE(printing::PrintLog::FinishedDocuments().empty());
    EXPECT_EQ(printing::PrintLog::Documents().size(), 1u);
    EXPECT_EQ(forms::App().MousePointer(), forms::vbDefault);
}

} // namespace
