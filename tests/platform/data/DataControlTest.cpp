// The data control of a screen: bound fields show the current row after
// every move, an unloaded screen drops its pending edit and lock, and a
// field bound to a missing column is reported.

#include "DataTestSupport.h"

#include "platform/data/DataControl.h"
#include "platform/forms/Forms.h"

namespace {

using data::Value;
using datatest::Text;

class frmTestEmployers : public forms::Form {
public:
    frmTestEmployers() : forms::Form("frmTestEmployers") {
        mskEmployerName1.SetDataSource("datEmployers");
        mskEmployerName1.SetDataField("EmployerName1");
        txtEmployerNo.SetDataSource("DATEMPLOYERS");
        txtEmployerNo.SetDataField("EmployerNo");
        txtUnbound.SetDataField("City"); // no data source: not bound
    }

    data::DataControl datEmployers{*this, "datEmployers"};
    forms::TextBox mskEmployerName1{*this, "mskEmployerName1"};
    forms::TextBox txtEmployerNo{*this, "txtEmployerNo"};
    forms::TextBox txtUnbound{*this, "txtUnbound"};
};

class DataControlTest : public datatest::DatabaseFolder {
protected:
    void SetUp() override {
        DatabaseFolder::SetUp();
        forms::App().UseScriptedDialogs();
        auto db = OpenMain();
        AddEmployer(*db, 1, "ACME CORP");
        AddEmployer(*db, 2, "BAKER INC");
        AddEmployer(*db, 3, "CARTER LLC");
        screen = std::make_unique<frmTestEmployers>();
        screen->Load();
        screen->datEmployers.SetDatabaseName(MainPath());
        screen->datEmployers.SetRecordSource("Employers");
        screen->datEmployers.Refresh();
    }
    void TearDown() override {
        screen.reset();
        forms::App().Reset();
        DatabaseFolder::TearDown();
    }

    std::string StoredName(long employerNo) const {
        auto rs = OpenMain()->OpenRecordset("SELECT * FROM Employers WHERE EmployerNo = " + std::to_string(employerNo));
        return Text(rs->Fields("EmployerName1").Value());
    }

    std::unique_ptr<frmTestEmployers> screen;
};

TEST_F(DataControlTest, BoundFieldsShowTheCurrentRowAfterEveryMove) {
    auto& dat = screen->datEmployers;
    EXPECT_EQ("ACME CORP", screen->mskEmployerName1.Text());
    EXPECT_EQ("1", screen->txtEmployerNo.Text());
    EXPECT_EQ("", screen->txtUnbound.Text());
    dat.UserMove(data::DataControl::Arrow::Next);
    EXPECT_EQ("BAKER INC", screen->mskEmployerName1.Text());
    dat.UserMove(data::DataControl::Arrow::Last);
    dat.UserMove(data::DataControl::Arrow::Next); // stays on the last row
    EXPECT_EQ("CARTER LLC", screen->mskEmployerName1.Text());
    EXPECT_FALSE(dat.Recordset()->Eof());
    dat.Recordset()->MoveFirst(); // moves by code show too
    EXPECT_EQ("ACME CORP", screen->mskEmployerName1.Text());
    dat.UserMove(data::DataControl::Arrow::Previous);
    EXPECT_EQ("ACME CORP", screen->mskEmployerName1.Text());
    dat.Recordset()->FindFirst("left(EmployerName1, 3) = 'car'");
    EXPECT_EQ("3", screen->txtEmployerNo.Text());
}

TEST_F(DataControlTest, EditChangeUpdateWritesTheBoundFields) {
    auto rows = screen->datEmployers.Recordset();
    rows->MoveNext();
    rows->Edit();
    screen->mskEmployerName1.SetText("BAKER AND SONS");
    rows->Update();
    EXPECT_EQ("BAKER AND SONS", StoredName(2));
    EXPECT_EQ("BAKER AND SONS", screen->mskEmployerName1.Text());
    EXPECT_EQ("ACME CORP", StoredName(1));
}

// An Update whose transaction rolled back leaves the edit pending and shown
// again as the user left it: the retry stores the change, or nothing of it
// when the user put the field back meanwhile.
struct RetryAfterRollback {
    const char* typedBeforeRetry; // nullptr: nothing
    const char* stored;
};

void PrintTo(const RetryAfterRollback& retry, std::ostream* os) {
    *os << "typed before the retry: " << (retry.typedBeforeRetry ? retry.typedBeforeRetry : "nothing");
}

class DataControlRetry : public DataControlTest, public ::testing::WithParamInterface<RetryAfterRollback> {};

TEST_P(DataControlRetry, TheRetryOfAnEditRolledBackStoresWhatTheFieldHoldsThen) {
    auto rows = screen->datEmployers.Recordset();
    rows->Edit();
    screen->mskEmployerName1.SetText("ACME AND SONS");
    auto database = screen->datEmployers.Database();
    database->BeginTrans();
    rows->Update();
    database->Rollback();
    if (GetParam().typedBeforeRetry) screen->mskEmployerName1.SetText(GetParam().typedBeforeRetry);
    rows->Update();
    EXPECT_EQ(StoredName(1), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(, DataControlRetry,
                         ::testing::Values(RetryAfterRollback{nullptr, "ACME AND SONS"},
                                           RetryAfterRollback{"ACME CORP", "ACME CORP"}));

TEST_F(DataControlTest, MovingAwayFromAPendingEditLeavesTheRowAsItWas) {
    auto& dat = screen->datEmployers;
    dat.Recordset()->Edit();
    screen->mskEmployerName1.SetText("CHANGED BUT NOT SAVED");
    dat.UserMove(data::DataControl::Arrow::Next);
    EXPECT_EQ(data::dbEditNone, dat.Recordset()->EditMode());
    dat.UserMove(data::DataControl::Arrow::First);
    EXPECT_EQ("ACME CORP", screen->mskEmployerName1.Text());
    EXPECT_EQ("ACME CORP", StoredName(1));
}

TEST_F(DataControlTest, AddNewClearsTheFieldsAndUpdateStoresThem) {
    auto rows = screen->datEmployers.Recordset();
    rows->AddNew();
    EXPECT_EQ("", screen->mskEmployerName1.Text());
    screen->mskEmployerName1.SetText("DELTA CO");
    screen->txtEmployerNo.SetText("4");
    rows->Fields("Pyr_Taxid") = Value{std::string("444444444")};
    rows->Update();
    EXPECT_EQ("ACME CORP", screen->mskEmployerName1.Text()); // back on the row current before AddNew
    rows->MoveLast();
    EXPECT_EQ("DELTA CO", screen->mskEmployerName1.Text());
    EXPECT_EQ("DELTA CO", StoredName(4));
}

TEST_F(DataControlTest, CancelUpdateShowsTheStoredRowAgain) {
    auto rows = screen->datEmployers.Recordset();
    rows->AddNew();
    screen->mskEmployerName1.SetText("NEVER STORED");
    rows->CancelUpdate();
    EXPECT_EQ("ACME CORP", screen->mskEmployerName1.Text());
    EXPECT_EQ(3, rows->RecordCount());
}

TEST_F(DataControlTest, ADisabledControlsArrowsDoNothing) {
    screen->datEmployers.SetEnabled(false);
    screen->datEmployers.UserMove(data::DataControl::Arrow::Last);
    EXPECT_EQ("ACME CORP", screen->mskEmployerName1.Text());
}

TEST_F(DataControlTest, UnloadingTheScreenDropsAPendingEditAndItsLock) {
    screen->datEmployers.Recordset()->Edit();
    screen->mskEmployerName1.SetText("NOT SAVED");
    screen->Unload();
    screen.reset();
    auto other = OpenMain()->OpenRecordset("Employers");
    other->Edit(); // the lock went with the screen
    EXPECT_EQ("ACME CORP", Text(other->Fields("EmployerName1").Value()));
}

TEST_F(DataControlTest, AQueryRecordSourceWithNoRowShowsEmptyFields) {
    auto& dat = screen->datEmployers;
    dat.SetRecordSource("SELECT * FROM [Employers] WHERE [EmployerNo] = 99");
    dat.Refresh();
    EXPECT_EQ(0, dat.Recordset()->RecordCount());
    EXPECT_EQ("", screen->mskEmployerName1.Text());
}

TEST_F(DataControlTest, AFieldBoundToAColumnThatIsNotThereIsReported) {
    screen->txtUnbound.SetDataSource("datEmployers");
    screen->txtUnbound.SetDataField("NoSuchColumn");
    EXPECT_ENGINE_ERROR(screen->datEmployers.Refresh(), 3265);
}

} // namespace
