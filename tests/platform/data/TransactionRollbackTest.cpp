// A transaction rolled back returns each recordset that stored or deleted a
// row in it to where it stood before, so that the change can be made again;
// a commit changes nothing, and recordsets opened inside are left alone.

#include "DataTestSupport.h"

namespace {

using data::Value;
using datatest::Text;

class TransactionRollbackTest : public datatest::DatabaseFolder {
protected:
    void SetUp() override {
        DatabaseFolder::SetUp();
        db_ = OpenMain();
        AddEmployer(*db_, 1, "ONE");
        AddEmployer(*db_, 2, "TWO");
        employers_ = db_->OpenRecordset("Employers", data::dbOpenDynaset);
    }
    std::string Stored() const {
        std::string names;
        auto all = OpenMain()->OpenRecordset("SELECT EmployerName1 FROM Employers ORDER BY EmployerNo");
        for (; !all->Eof(); all->MoveNext()) names += Text(all->Fields("EmployerName1").Value()) + ";";
        return names;
    }
    void StartNewEmployer(long number, const std::string& name) {
        employers_->AddNew();
        employers_->Fields("EmployerNo") = Value{std::int64_t{number}};
        employers_->Fields("EmployerName1") = Value{name};
        employers_->Fields("IdType") = Value{std::string("1")};
        employers_->Fields("Pyr_Taxid") = Value{std::to_string(100000000 + number)};
        employers_->Fields("TypePayer") = Value{std::string("R")};
    }

    data::DatabasePtr db_;
    data::RecordsetPtr employers_;
};

TEST_F(TransactionRollbackTest, AnAdditionRolledBackIsPendingAgainWithItsValuesAndTheRowBeforeIt) {
    employers_->MoveLast();
    StartNewEmployer(3, "THREE");
    db_->BeginTrans();
    employers_->Update();
    db_->Rollback();

    EXPECT_EQ(employers_->EditMode(), data::dbEditAdd);
    EXPECT_EQ(Text(employers_->Fields("EmployerName1").Value()), "THREE");
    EXPECT_EQ(Stored(), "ONE;TWO;");
    employers_->Update(); // the retry
    EXPECT_EQ(Stored(), "ONE;TWO;THREE;");
    EXPECT_EQ(Text(employers_->Fields("EmployerName1").Value()), "TWO");
}

TEST_F(TransactionRollbackTest, ARowDeletedInARolledBackTransactionIsCurrentAgainAndItsBookmarkHolds) {
    const std::string mark = employers_->Bookmark();
    db_->BeginTrans();
    employers_->Delete();
    db_->Rollback();

    EXPECT_EQ(Text(employers_->Fields("EmployerName1").Value()), "ONE");
    employers_->MoveLast();
    employers_->SetBookmark(mark);
    employers_->Delete(); // the retry
    EXPECT_EQ(Stored(), "TWO;");
}

TEST_F(TransactionRollbackTest, AnEditStoredThenRolledBackIsPendingAgainAndStillHoldsItsRow) {
    auto other = OpenMain()->OpenRecordset("Employers");
    employers_->Edit();
    employers_->Fields("City") = Value{std::string("HARTFORD")};
    db_->BeginTrans();
    employers_->Update();
    EXPECT_ENGINE_ERROR(other->Edit(), 3260); // held until the transaction ends
    db_->Rollback();

    EXPECT_EQ(employers_->EditMode(), data::dbEditInProgress);
    EXPECT_EQ(Text(employers_->Fields("City").Value()), "HARTFORD");
    EXPECT_ENGINE_ERROR(other->Edit(), 3260);
    db_->BeginTrans();
    employers_->Update();
    db_->CommitTrans();
    other->Edit(); // a commit lets the row go
    EXPECT_EQ(Text(other->Fields("City").Value()), "HARTFORD");
    other->CancelUpdate();
}

TEST_F(TransactionRollbackTest, ACommitAndARecordsetOpenedInsideAreLeftAlone) {
    StartNewEmployer(3, "THREE");
    db_->BeginTrans();
    employers_->Update();
    db_->CommitTrans();
    db_->BeginTrans();
    auto inside = db_->OpenRecordset("Employers", data::dbOpenDynaset);
    inside->Delete();
    db_->Rollback();

    EXPECT_EQ(employers_->EditMode(), data::dbEditNone);
    EXPECT_EQ(Stored(), "ONE;TWO;THREE;");
    EXPECT_ENGINE_ERROR(inside->Fields("EmployerName1").Value(), 3167);
}

} // namespace
