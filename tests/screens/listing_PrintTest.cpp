// The employer listing as its print control records it: the order of the
// stores, six employers a page, the headings, the extra page and the total.
#include <algorithm>
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
    void SetUp() override
    {
        ScreenFolderTest::SetUp();
        MakeDatabases();
        basic::SetToday(2023, 1, 15);
    }

    // A complete employer; `changes` replaces or empties (Null) columns.
    void AddEmployer(long number, const std::string& name, const Columns& changes = {})
    {
        AddMainRow("Employers",
                   {
                       {"EmployerNo", data::Value{std::int64_t{number}}},
                       {"EmployerName1", std::string(name)},
                       {"EmployerName2", std::string("DBA ") + name},
                       {"IdType", std::string("1")},
                       {"Pyr_Taxid", std::string("12345") + std::to_string(1000 + number)},
                       {"TypePayer", std::string("R")},
                       {"Country", std::string("Y")},
                       {"AddressLine1", std::string("1 MAIN ST")},
                       {"AddressLine2", std::string("SUITE 2")},
                       {"City", std::string("SPRINGFIELD")},
                       {"State", std::string("IL")},
                       {"EmployerZipCode", std::string("62701")},
                       {"EmployerZipCodeExt", std::string("1234")},
                       {"StateId", std::string("ST-99")},
                       {"EstabNo", std::string("0007")},
                       {"ContactName", std::string("PAT")},
                       {"ContactPhone", std::string("2175551234")},
                   },
                   changes);
    }

    std::string Template() const { return "PageTemplate=\"" + Folder().string() + "\\W2_2UP98.TFL\""; }

    frmPrintLists& Listing()
    {
        forms::Screen<frmPrintLists>().Show();
        return forms::Screen<frmPrintLists>();
    }
    // Prints and returns the trace of the one finished document.
    Lines Print()
    {
        forms::user::Click(Listing().DMWin1);
        const auto documents = printing::PrintLog::FinishedDocuments();
        if (documents.size() != 1) {
            ADD_FAILURE() << documents.size() << " finished documents";
            return {};
        }
        return documents[0].trace;
    }
    Lines PageStart(int pageNo) const
    {
        return {"PageCaption=\"Page " + std::to_string(pageNo) + "\"", "NewPage=True", Template(),
                "PagePicture=\"\"", "ShowPicture=True", "PrintPicture=True", "FontName=\"Courier New\"",
                "FontSize=12", "FontCode=5", "FontBold=False", "FontItalic=False", "FontOption=0",
                "TextFlag=True", "TextHeight=0", "TextWidth=3.5",
                "TextLeft=0.5", "TextTop=0.6", "ItemText=#1/15/2023#", "PrintText=True",
                "TextLeft=2.7", "TextTop=0.6", "ItemText=\"E M P L O Y E R    L I S T I N G\"", "PrintText=True"};
    }
    static Lines FullHeadingEnd(int pageNo)
    {
        return {"TextLeft=7.4", "TextTop=0.6", "ItemText=\"Pg: " + std::to_string(pageNo) + "\"", "PrintText=True",
                "TextLeft=3.2", "TextTop=0.8", "ItemText=\"In  Alphabetical  Order\"", "PrintText=True"};
    }
    static Lines ShortHeadingEnd(int pageNo)
    {
        return {"TextLeft=7.5", "TextTop=0.6", "ItemText=\"Pg:" + std::to_string(pageNo) + "\"", "PrintText=True"};
    }
    static Lines Total(double top, int count)
    {
        return {"TextLeft=0.5", "TextTop=" + std::to_string(top),
                "ItemText=\"*** Total Number of Employers = " + std::to_string(count) + "\"", "PrintText=True",
                "FinishCode=33", "FinishSwitch=True", "FinishLevel=95", "EndDoc=True"};
    }
    // The names of the employers in the order they were printed (item 8).
    static Lines PrintedNames(const Lines& trace)
    {
        Lines names;
        for (std::size_t i = 0; i + 1 < trace.size(); ++i)
            if (trace[i] == "TextLeft=0.5" && trace[i + 2].rfind("ItemText=\"FIRM ", 0) == 0)
                names.push_back(trace[i + 2].substr(10, trace[i + 2].size() - 11));
        return names;
    }
    static long Count(const Lines& trace, const std::string& line)
    {
        return std::count(trace.begin(), trace.end(), line);
    }
};

// Items 1 to 22 of employer 1 as AddEmployer makes it, in band `slot`.
Lines FirstEmployerBand(int slot)
{
    const double d = 1.4 * slot;
    auto at = [&](double x, double y, const std::string& text) {
        return Lines{"TextLeft=" + std::to_string(x), "TextTop=" + std::to_string(y + d), "ItemText=" + text,
                     "PrintText=True"};
    };
    Lines band;
    for (const Lines& item : {
             at(0.5, 1.6, "\"Employer No:\""), at(1.8, 1.6, "1"), at(2.2, 1.6, "\"EIN:\""),
             at(2.7, 1.6, "\"12-3451001\""), at(3.9, 1.6, "\"Kind of Employer:\""), at(5.7, 1.6, "\"R\""),
             at(5.9, 1.8, "\" \""), at(0.5, 1.8, "\"FIRM A\""), at(4.7, 1.8, "\"State Id:\""),
             at(5.7, 1.8, "\"ST-99\""), at(0.5, 2.0, "\"DBA FIRM A\""), at(4.7, 2.0, "\"Estab No:\""),
             at(5.7, 2.0, "\"0007\""), at(0.5, 2.2, "\"1 MAIN ST\""), at(4.7, 2.2, "\"US Addrs:\""),
             at(5.7, 2.2, "\"Y\""), at(0.5, 2.4, "\"SUITE 2\""), at(4.7, 2.4, "\"Designee:\""),
             at(5.7, 2.4, "\"PAT\""), at(0.5, 2.6, "\"SPRINGFIELD IL 62701-1234\""),
             at(4.2, 2.6, "\"Designee Tel#:\""), at(5.7, 2.6, "\"(217) 555-1234\"")})
        band.insert(band.end(), item.begin(), item.end());
    return band;
}

TEST_F(ListingPrint, SevenEmployersFillPageOneAndStartPageTwoWithTheTotalInBandOne)
{
    // Added out of order; the listing prints them by name.
    const std::vector<std::pair<long, std::string>> employers = {
        {3, "FIRM C"}, {1, "FIRM A"}, {7, "FIRM G"}, {5, "FIRM E"}, {2, "FIRM B"}, {6, "FIRM F"}, {4, "FIRM D"}};
    for (const auto& [number, name] : employers) AddEmployer(number, name);

    const Lines trace = Print();

    const Lines opening = Join<std::string>({{"DocumentTitle=\"Print Employers' Listing\"", "StartDoc=True",
                                   "PageCaption=\"Page 0\"", "PageNote=\"\"", "PageWidth=8.5", "PageHeight=11",
                                   "PageLandscape=False", "PageResolution=300"},
                                  PageStart(1), FullHeadingEnd(1), FirstEmployerBand(0)});
    EXPECT_EQ(FindRun(trace, opening), 0);
    const Lines pageTwo = Join<std::string>({PageStart(2), FullHeadingEnd(2)});
    const long pageTwoAt = FindRun(trace, pageTwo);
    EXPECT_EQ(pageTwoAt, static_cast<long>(opening.size() - FirstEmployerBand(0).size() + 6 * 22 * 4));
    const long totalAt = FindRun(trace, Total(3.0, 7));
    EXPECT_EQ(totalAt, pageTwoAt + static_cast<long>(pageTwo.size()) + 22 * 4);
    EXPECT_EQ(totalAt + 8, static_cast<long>(trace.size()));

    EXPECT_EQ(PrintedNames(trace),
              (Lines{"FIRM A", "FIRM B", "FIRM C", "FIRM D", "FIRM E", "FIRM F", "FIRM G"}));
    // The six bands of page 1 and band 0 of page 2 start at these heights.
    for (const char* top : {"TextTop=1.6", "TextTop=3", "TextTop=4.4", "TextTop=5.8", "TextTop=7.2", "TextTop=8.6"})
        EXPECT_NE(FindRun(trace, {"TextLeft=0.5", top, "ItemText=\"Employer No:\""}), -1) << top;
    EXPECT_EQ(Count(trace, "ItemText=\"Employer No:\""), 7);
    EXPECT_EQ(forms::App().MousePointer(), forms::vbDefault);
}

TEST_F(ListingPrint, WithNoEmployerItPrintsTheHeadingAndATotalOfNought)
{
    const Lines trace = Print();

    EXPECT_EQ(FindRun(trace, Join<std::string>({PageStart(1), ShortHeadingEnd(1), Total(1.6, 0)})), 8);
    EXPECT_TRUE(Dialogs().Boxes().empty());
    EXPECT_EQ(forms::App().MousePointer(), forms::vbDefault);
}

TEST_F(ListingPrint, ARefusedStoreEndsTheListingWithAMessageAndNoEndDoc)
{
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

TEST_F(ListingPrint, EveryPrintoutListsTheEmployersOnFileAtThatMoment)
{
    AddEmployer(1, "FIRM B");
    auto& listing = Listing();
    forms::user::Click(listing.DMWin1);
    AddEmployer(2, "FIRM A");
    forms::user::Click(listing.DMWin1);

    const auto documents = printing::PrintLog::FinishedDocuments();
    ASSERT_EQ(documents.size(), 2u);
    EXPECT_EQ(PrintedNames(documents[0].trace), Lines{"FIRM B"});
    EXPECT_EQ(PrintedNames(documents[1].trace), (Lines{"FIRM A", "FIRM B"}));
}

} // namespace
