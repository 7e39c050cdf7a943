// The data control of a screen: bound fields show the current row after
// every move, an unloaded screen drops its pending edit and lock, and a
// field bound to a missing column is reported.

#include "DataTestSupport.h"

#include "platform/data/DataControl.h"
#include "platform/forms/Forms.h"

namespace {

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

TEST_F(DataControlTest, AFieldBoundToAColumnThatIsNotThereIsReported) {
    screen->txtUnbound.SetDataSource("datEmployers");
    screen->txtUnbound.SetDataField("NoSuchColumn");
    EXPECT_ENGINE_ERROR(screen->datEmployers.Refresh(), 3265);
}

} // namespace
