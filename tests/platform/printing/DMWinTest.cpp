// The print control on a screen: a click runs the screen's print handler
// inside a print request.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/basic/ErrorNumberOf.h"
#include "platform/forms/Form.h"
#include "platform/forms/UserInput.h"
#include "platform/printing/DMWin.h"
#include "platform/printing/PrintLog.h"

namespace {

using printing::DocumentStatus;
using printing::Property;

class frmPrintTest : public forms::Form {
public:
    frmPrintTest() : forms::Form("frmPrintTest") {
        DMWin1.SetCaption("Employers");
        DMWin1.PrintRequest = [this] { DMWin1_PrintRequest(); };
    }

    printing::DMWin DMWin1{*this, "DMWin1"};
    bool failHalfWay = false;
    bool handlerReturned = false;

private:
    void DMWin1_PrintRequest() {
        handlerReturned = false;
        DMWin1.Store(Property::DocumentTitle, "Print Employers' Listing");
        DMWin1.Store(Property::StartDoc, true);
        DMWin1.Store(Property::NewPage, true);
        DMWin1.Store(Property::ItemText, "Employer No:");
        DMWin1.Store(Property::PrintText, true);
        if (failHalfWay) basic::Raise(3021, "DAO.Recordset");
        DMWin1.Store(Property::EndDoc, true);
        handlerReturned = true;
    }
};

class DMWinTest : public ::testing::Test {
protected:
    void SetUp() override {
        printing::PrintLog::Reset();
        printing::SetDocumentFinishedHandler([this](const printing::PrintDocument& d) {
            delivered.push_back(d.title);
            handlerHadReturned = form.handlerReturned;
        });
        form.Show();
    }
    void TearDown() override {
        printing::PrintLog::SetKeepingDocuments(true);
        printing::SetDocumentFinishedHandler(nullptr);
        form.Unload();
    }

    frmPrintTest form;
    std::vector<std::string> delivered;
    bool handlerHadReturned = false;
};

TEST_F(DMWinTest, AClickPrintsAndTheFrontEndGetsTheDocumentAfterTheHandler) {
    EXPECT_EQ(form.DMWin1.Caption(), "Employers");
    forms::user::Click(form.DMWin1);

    EXPECT_EQ(delivered, std::vector<std::string>{"Print Employers' Listing"});
    EXPECT_TRUE(handlerHadReturned);
    auto log = printing::PrintLog::Documents();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].controlName, "DMWin1");
    EXPECT_EQ(log[0].status, DocumentStatus::Finished);
    EXPECT_EQ(log[0].pages.at(0).items.at(0).text, "Employer No:");
}

TEST_F(DMWinTest, AHandlerThatLetsAnErrorOutLeavesItsDocumentAborted) {
    form.failHalfWay = true;
    EXPECT_EQ(ErrorNumberOf([&] { form.DMWin1.RaisePrintRequest(); }), 3021); // the error reaches the caller
    EXPECT_TRUE(delivered.empty());
    EXPECT_EQ(form.DMWin1.Engine().OpenDocument(), nullptr);

    form.failHalfWay = false;
    form.DMWin1.RaisePrintRequest();
    auto log = printing::PrintLog::Documents();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].status, DocumentStatus::Aborted);
    EXPECT_EQ(log[1].status, DocumentStatus::Finished);
    EXPECT_EQ(delivered.size(), 1u);
}

// The program keeps nothing for reading back: what it printed is let go once
// the front end has it, however many times the user prints.
TEST_F(DMWinTest, WithoutKeepingDocumentsThePrintoutReachesTheFrontEndAndNothingStays) {
    printing::PrintLog::SetKeepingDocuments(false);
    std::vector<std::string> itemsDelivered;
    printing::SetDocumentFinishedHandler(
        [&](const printing::PrintDocument& d) { itemsDelivered.push_back(d.pages.at(0).items.at(0).text); });
    forms::user::Click(form.DMWin1);
    forms::user::Click(form.DMWin1);

    EXPECT_EQ(itemsDelivered, (std::vector<std::string>{"Employer No:", "Employer No:"}));
    EXPECT_TRUE(printing::PrintLog::Documents().empty());
    EXPECT_TRUE(form.DMWin1.Engine().Documents().empty());
    EXPECT_TRUE(form.DMWin1.Engine().Trace().empty());
}

TEST_F(DMWinTest, EachRequestRecordsOnlyItsOwnStores) {
    form.DMWin1.RaisePrintRequest();
    form.DMWin1.RaisePrintRequest();

    auto log = printing::PrintLog::Documents();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1].trace.front(), R"(DocumentTitle="Print Employers' Listing")");
    EXPECT_EQ(log[1].trace.back(), "EndDoc=True");
    EXPECT_EQ(log[1].trace.size(), 6u);
}

} // namespace
