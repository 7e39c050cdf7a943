// A store made to fail names its control and fails once; a document printed
// outside a request reaches the front end's hook at EndDoc. A handler's error
// exit is checked through the print run (ReturnPrintRunTest) and DMWinTest.
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

    printing::PrintEngine control{"DMWin2"};
    std::vector<std::string> delivered;
};

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

} // namespace
