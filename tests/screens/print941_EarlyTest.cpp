// Printing the earlier Form 941 returns: every item of both pages at its row
// of the screen's layout for the period, and the error exit before the first
// item.
#include <gtest/gtest.h>

#include "print_Folder.h"
#include "returns/f941_early/EarlyForm941Layout.h"
#include "returns/f941_early/frmDet941.h"
#include "returns/f941_early/frmDet9412.h"

namespace {

class PrintEarly941 : public Print941Folder {
protected:
    void SetUp() override {
        Print941Folder::SetUp();
        AddEmployer();
    }

    // Prints the return of a screen loaded for `period` and checks each item
    // of its two pages against the screen's layout for that period.
    template <typename Screen>
    void ExpectEveryItemAtItsRow(const std::string& period) {
        SCOPED_TRACE(period);
        auto& screen = OpenReturn<Screen>(period);
        const FieldLayout layout = EarlyForm941FieldLayout(screen.Design().print, period);
        const auto pages = PagesOf(PrintWith(screen, {forms::vbYes, forms::vbNo}));
        ASSERT_EQ(pages.size(), 2u);
        const std::pair<int, int> ranges[] = {{1, 39}, {40, 70}};
        for (int p = 0; p < 2; ++p) {
            ASSERT_EQ(pages[p].items.size(), static_cast<std::size_t>(ranges[p].second - ranges[p].first + 1));
            for (int n = ranges[p].first; n <= ranges[p].second; ++n) {
                const StoredItem& item = pages[p].items[n - ranges[p].first];
                const LayoutRow& row = layout.Row(n);
                EXPECT_DOUBLE_EQ(item.left, row.X) << "FieldNo " << n;
                EXPECT_DOUBLE_EQ(item.width, row.Width) << "FieldNo " << n;
                EXPECT_EQ(item.height, row.Height) << "FieldNo " << n;
                if (n != 8) { // 8 moves by quarter
                    EXPECT_DOUBLE_EQ(item.top, row.Y) << "FieldNo " << n;
                }
            }
        }
        CloseForTheNextCase<Screen>();
    }
};

TEST_F(PrintEarly941, EveryItemOfBothPagesSitsAtItsRowForTheScreenAndPeriod) {
    ExpectEveryItemAtItsRow<frmDet941>("118");
    ExpectEveryItemAtItsRow<frmDet941>("221");
    ExpectEveryItemAtItsRow<frmDet9412>("114");
    ExpectEveryItemAtItsRow<frmDet9412>("116");
}

TEST_F(PrintEarly941, AStoreThatFailsBeforeTheFirstItemReportsThePreparersCase) {
    auto& screen = OpenReturn<frmDet941>("221");
    screen.DMWin2.Engine().FailStore({"PageCaption", 1, 5, ""});
    PrintWith(screen, {forms::vbYes, forms::vbNo, forms::vbOK});

    ASSERT_EQ(Dialogs().Boxes().size(), 3u);
    EXPECT_TRUE(Dialogs().Boxes()[2].prompt.ends_with(" for Case = 114")) << Dialogs().Boxes()[2].prompt;
    EXPECT_TRUE(printing::PrintLog::FinishedDocuments().empty());
    EXPECT_EQ(forms::App().MousePointer(), 0);
}

} // namespace
