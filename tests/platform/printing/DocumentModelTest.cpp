// The document the stores build: pages with their set-up, placed items, and
// what happens to a document that never gets EndDoc.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/basic/RuntimeError.h"
#include "platform/printing/PageSink.h"
#include "platform/printing/PrintEngine.h"
#include "platform/printing/PrintLog.h"

namespace {

using printing::DocumentStatus;
using printing::Property;

class DocumentModelTest : public ::testing::Test {
protected:
    void SetUp() override { printing::PrintLog::Reset(); }
    void TearDown() override {
        printing::SetDocumentFinishedHandler({});
        printing::SetPageSinkMaker({});
        printing::PrintLog::SetKeepingDocuments(true);
    }

    void ReturnPage(const std::string& caption, const std::string& picture) {
        e.Store(Property::PageCaption, caption);
        e.Store(Property::PageWidth, 8.5);
        e.Store(Property::PageHeight, 11.0);
        e.Store(Property::NewPage, true);
        e.Store(Property::PageTemplate, "TAX941.TFL");
        e.Store(Property::PagePicture, picture);
        e.Store(Property::FontName, "Courier New");
        e.Store(Property::FontSize, 12);
        e.Store(Property::FontCode, 7);
    }
    void Item(double left, double top, double width, int code, const printing::StoreValue& text) {
        e.Store(Property::TextWidth, width);
        e.Store(Property::TextHeight, code);
        e.Store(Property::TextLeft, left);
        e.Store(Property::TextTop, top);
        e.Store(Property::ItemText, text);
        e.Store(Property::PrintText, true);
    }

    printing::PrintEngine e{"DMWin2"};
};

TEST_F(DocumentModelTest, EachPageTakesTheSetUpStoredAroundItsNewPage) {
    e.Store(Property::DocumentTitle, "Print Form 941 - Schedule A");
    e.Store(Property::StartDoc, true);
    ReturnPage("Page 1", "TF1P122C.wmf");
    Item(0.5, 1.0, 2.0, 0, "ACME");
    ReturnPage("Page 2", "TF1P222C.wmf"); // its caption comes after page 1's last item
    Item(5.95, 8.5, 1.8, 2, "1234.50");
    e.Store(Property::EndDoc, true);

    const auto& d = *e.LastDocument();
    EXPECT_EQ(d.title, "Print Form 941 - Schedule A");
    EXPECT_EQ(d.controlName, "DMWin2");
    ASSERT_EQ(d.pages.size(), 2u);
    EXPECT_EQ(d.pages[0].setup.caption, "Page 1");
    EXPECT_EQ(d.pages[0].setup.picture, "TF1P122C.wmf");
    EXPECT_EQ(d.pages[0].setup.templateFile, "TAX941.TFL");
    EXPECT_EQ(d.pages[0].setup.fontName, "Courier New");
    EXPECT_EQ(d.pages[0].setup.fontSize, 12);
    EXPECT_EQ(d.pages[0].setup.fontCode, 7);
    EXPECT_DOUBLE_EQ(d.pages[0].setup.width, 8.5);
    EXPECT_EQ(d.pages[1].setup.caption, "Page 2");
    EXPECT_EQ(d.pages[1].setup.picture, "TF1P222C.wmf");
    ASSERT_EQ(d.pages[1].items.size(), 1u);
    const auto& amount = d.pages[1].items[0];
    EXPECT_DOUBLE_EQ(amount.left, 5.95);
    EXPECT_DOUBLE_EQ(amount.top, 8.5);
    EXPECT_DOUBLE_EQ(amount.width, 1.8);
    EXPECT_EQ(amount.code, 2);
    EXPECT_EQ(amount.text, "1234.50");
}

// The employer listing sets the geometry once before its first page and the
// item width and height code once per page.
TEST_F(DocumentModelTest, PropertiesKeepTheirValueUntilStoredAgain) {
    e.Store(Property::DocumentTitle, "Print Employers' Listing");
    e.Store(Property::StartDoc, true);
    e.Store(Property::PageCaption, "Page 0");
    e.Store(Property::PageWidth, 8.5);
    e.Store(Property::PageHeight, 11.0);
    e.Store(Property::PageCaption, "Page 1");
    e.Store(Property::NewPage, true);
    e.Store(Property::TextHeight, 0);
    e.Store(Property::TextWidth, 3.5);
    for (double top : {0.6, 0.8}) {
        e.Store(Property::TextLeft, 2.7);
        e.Store(Property::TextTop, top);
        e.Store(Property::ItemText, "E M P L O Y E R    L I S T I N G");
        e.Store(Property::PrintText, true);
    }
    e.Store(Property::PageCaption, "Page 2");
    e.Store(Property::NewPage, true);
    e.Store(Property::PrintText, true); // the last item again, on the new page
    e.Store(Property::EndDoc, true);

    const auto& d = *e.LastDocument();
    ASSERT_EQ(d.pages.size(), 2u);
    EXPECT_EQ(d.pages[0].setup.caption, "Page 1");
    EXPECT_DOUBLE_EQ(d.pages[1].setup.height, 11.0);
    ASSERT_EQ(d.pages[0].items.size(), 2u);
    EXPECT_DOUBLE_EQ(d.pages[0].items[1].top, 0.8);
    EXPECT_DOUBLE_EQ(d.pages[0].items[1].width, 3.5);
    ASSERT_EQ(d.pages[1].items.size(), 1u);
    EXPECT_EQ(d.pages[1].items[0].text, "E M P L O Y E R    L I S T I N G");
}

TEST_F(DocumentModelTest, ItemsPrintTheLastItemTextAndABlankPrintsNothing) {
    e.Store(Property::StartDoc, true);
    e.Store(Property::NewPage, true);
    Item(0.5, 1.6, 3.5, 0, " ");
    e.Store(Property::ItemText, "Employer No:");
    e.Store(Property::ItemText, std::int64_t{1042});
    e.Store(Property::PrintText, true);
    Item(0.5, 0.6, 3.5, 0, printing::Date{2022, 12, 31});
    Item(5.95, 2.0, 1.8, 2, 24.8);
    e.Store(Property::PrintText, false);
    e.Store(Property::EndDoc, true);

    const auto& items = e.LastDocument()->pages.at(0).items;
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].text, "1042");
    EXPECT_EQ(items[1].text, "12/31/2022");
    EXPECT_EQ(items[2].text, "24.8");
}

TEST_F(DocumentModelTest, ADocumentWithoutEndDocIsAbortedAndLogged) {
    e.Store(Property::DocumentTitle, "first");
    e.Store(Property::StartDoc, true);
    e.Store(Property::NewPage, true);
    Item(0.5, 1.0, 2.0, 0, "lost");
    ASSERT_NE(e.OpenDocument(), nullptr);
    e.Store(Property::DocumentTitle, "second");
    e.Store(Property::StartDoc, true); // a new document discards the open one
    e.Store(Property::EndDoc, true);
    {
        printing::PrintEngine other("DMWin1");
        other.Store(Property::StartDoc, true);
    } // a control going away with its document still open

    auto log = printing::PrintLog::Documents();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].title, "first");
    EXPECT_EQ(log[0].status, DocumentStatus::Aborted);
    EXPECT_EQ(log[0].pages.at(0).items.at(0).text, "lost");
    EXPECT_EQ(log[1].title, "second");
    EXPECT_EQ(log[1].status, DocumentStatus::Finished);
    EXPECT_EQ(log[2].controlName, "DMWin1");
    EXPECT_EQ(log[2].status, DocumentStatus::Aborted);
    ASSERT_EQ(printing::PrintLog::FinishedDocuments().size(), 1u);
    EXPECT_EQ(printing::PrintLog::FinishedDocuments()[0].title, "second");
    EXPECT_EQ(e.OpenDocument(), nullptr);

    printing::PrintLog::Reset();
    EXPECT_TRUE(printing::PrintLog::Documents().empty());
}

TEST_F(DocumentModelTest, StoresOutsideADocumentBuildNothing) {
    e.Store(Property::NewPage, true);
    Item(0.5, 1.0, 2.0, 0, "nowhere");
    e.Store(Property::EndDoc, true);

    EXPECT_EQ(e.LastDocument(), nullptr);
    EXPECT_TRUE(printing::PrintLog::Documents().empty());
    EXPECT_EQ(e.Trace().size(), 8u);
}

// While nothing is kept for reading back, each page goes to the front end's
// sink once the next one starts (or the document ends), with its own set-up,
// and the document lets it go.
TEST_F(DocumentModelTest, WithASinkEachPageLeavesTheDocumentAsSoonAsItIsFinished) {
    struct Pages : printing::PageSink {
        void TakePage(const printing::PrintPage& page) override { captions.push_back(page.setup.caption); }
        std::vector<std::string> captions;
    };
    auto sink = std::make_shared<Pages>();
    std::optional<printing::PrintDocument> finished;
    printing::PrintLog::SetKeepingDocuments(false);
    printing::SetPageSinkMaker([&](const printing::PrintDocument&) { return sink; });
    printing::SetDocumentFinishedHandler([&](const printing::PrintDocument& d) { finished = d; });

    e.Store(Property::DocumentTitle, "Print Form 941 - Schedule A");
    e.Store(Property::StartDoc, true);
    ReturnPage("Page 1", "TF1P122C.wmf");
    Item(0.5, 1.0, 2.0, 0, "ACME");
    ReturnPage("Page 2", "TF1P222C.wmf");
    const auto afterPageTwoStarted = sink->captions;
    Item(5.95, 8.5, 1.8, 2, "1234.50");
    e.Store(Property::EndDoc, true);

    EXPECT_EQ(afterPageTwoStarted, std::vector<std::string>{"Page 1"});
    EXPECT_EQ(sink->captions, (std::vector<std::string>{"Page 1", "Page 2"}));
    ASSERT_TRUE(finished);
    EXPECT_EQ(finished->pageSink, sink);
    EXPECT_TRUE(finished->pages.empty());
}

} // namespace
