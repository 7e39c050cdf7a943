// A store made to fail drives a print handler's error exit; only finished
// documents ever reach the front end's hook.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/basic/RuntimeError.h"
#include "platform/printing/PrintEngine.h"
#include "platform/printing/PrintLog.h"

namespace {

using printing::DocumentStatus;
using printing::Property;

// A print handler in the screens' manner: one error handler for the whole
// run, which reports and stores nothing more.
struct SmallPrintHandler {
    printing::PrintEngine& control;
    int failedWith = 0;
    bool ranToTheEnd = false;

    void Run() {
        try {
            control.Store(Property::DocumentTitle, "Print Form 941 - Schedule A");
            control.Store(Property::StartDoc, true);
            control.Store(Property::PageCaption, "Page 1");
            control.Store(Property::NewPage, true);
            for (const char* text : {"ACME", "1234.50", "99.00"}) {
                control.Store(Property::TextLeft, 1.0);
                control.Store(Property::ItemText, text);
                control.Store(Property::PrintText, true);
            }
            control.Store(Property::EndDoc, true);
            ranToTheEnd = true;
        } catch (const basic::RuntimeError& e) {
            failedWith = e.Number();
        }
    }
};

class FailingStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        printing::PrintLog::Reset();
        printing::SetDocumentFinishedHandler(
            [this](const printing::PrintDocument& d) { delivered.push_back(d.title); });
    }
    void TearDown() override {
        printing::SetDocumentFinishedHandler(nullptr);
        printing::PrintLog::Reset();
    }
    void RunInRequest(SmallPrintHandler& handler) {
        handler.control.BeginRequest();
        handler.Run();
        handler.control.EndRequest();
    }

    printing::PrintEngine control{"DMWin2"};
    std::vector<std::string> delivered;
};

TEST_F(FailingStoreTest, AHandlerFailingHalfWayLeavesAnAbortedDocumentThatIsNeverDelivered) {
    control.FailStore({"ItemText", 2, 380, ""});
    SmallPrintHandler handler{control};
    RunInRequest(handler);

    EXPECT_EQ(handler.failedWith, 380);
    EXPECT_FALSE(handler.ranToTheEnd);
    EXPECT_TRUE(delivered.empty());
    auto log = printing::PrintLog::Documents();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].status, DocumentStatus::Aborted);
    ASSERT_EQ(log[0].pages.size(), 1u);
    EXPECT_EQ(log[0].pages[0].items.size(), 1u);
    EXPECT_EQ(log[0].trace.back(), "TextLeft=1") << "the refused ItemText is not recorded";
    EXPECT_EQ(log[0].trace.size(), 8u);
}

TEST_F(FailingStoreTest, TheRaisedErrorNamesTheControlAndFailsOnlyOnce) {
    control.FailStore({"", 3, 5, "Store refused"});
    control.Store(Property::TextLeft, 1.0);
    control.Store(Property::TextTop, 1.0);
    try {
        control.Store(Property::TextWidth, 1.0);
        FAIL() << "the third store should fail";
    } catch (const basic::RuntimeError& e) {
        EXPECT_EQ(e.Number(), 5);
        EXPECT_EQ(e.Source(), "DMWin2");
        EXPECT_EQ(e.Description(), "Store refused");
    }
    EXPECT_NO_THROW(control.Store(Property::TextWidth, 1.0));
    EXPECT_EQ(control.Trace().size(), 3u);
}

TEST_F(FailingStoreTest, OutsideARequestTheHookIsCalledAtEndDoc) {
    SmallPrintHandler handler{control};
    handler.Run();

    EXPECT_EQ(delivered.size(), 1u);
    control.AbortOpenDocument();
    EXPECT_EQ(delivered.size(), 1u);
}

TEST_F(FailingStoreTest, AnInjectedFaultFailsWhicheverControlReachesItFirst) {
    printing::PrintLog::InjectStoreFault({"PrintText", 3, 9, ""});
    printing::PrintEngine listing("DMWin1");
    SmallPrintHandler first{listing};
    first.Run();
    SmallPrintHandler second{control};
    second.Run();

    EXPECT_EQ(first.failedWith, 9);
    EXPECT_EQ(second.failedWith, 0);
    EXPECT_EQ(delivered.size(), 1u);
}

TEST_F(FailingStoreTest, ResetClearsInjectedFaults) {
    printing::PrintLog::InjectStoreFault({"StartDoc", 1, 9, ""});
    printing::PrintLog::Reset();
    SmallPrintHandler handler{control};
    handler.Run();

    EXPECT_TRUE(handler.ranToTheEnd);
}

} // namespace
