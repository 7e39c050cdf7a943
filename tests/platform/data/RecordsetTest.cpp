// Moving and deleting rows through recordsets, and what a recordset refuses;
// adding, editing and cancelling are checked through the data control
// (DataControlTest) and the screens.

#include "DataTestSupport.h"

namespace {

using data::Value;
using datatest::Text;

class RecordsetTest : public datatest::DatabaseFolder {};

TEST_F(RecordsetTest, EmptyTableStandsAtBothEndsAndRefusesMoves) {
    auto db = OpenMain();
    auto rs = db->OpenRecordset("Employers", data::dbOpenTable);
    EXPECT_TRUE(rs->Eof());
    EXPECT_TRUE(rs->Bof());
    EXPECT_EQ(0, rs->RecordCount());
    EXPECT_ENGINE_ERROR(rs->MoveFirst(), 3021);
    EXPECT_ENGINE_ERROR(rs->MoveLast(), 3021);
    EXPECT_ENGINE_ERROR(rs->MoveNext(), 3021);
    EXPECT_ENGINE_ERROR(rs->Fields("EmployerName1").Value(), 3021);
    EXPECT_ENGINE_ERROR(rs->Edit(), 3021);
    EXPECT_ENGINE_ERROR(rs->Delete(), 3021);
}

TEST_F(RecordsetTest, RowsComeInTheOrderTheyWereAddedAndTheWalkEndsAtEof) {
    auto db = OpenMain();
    AddEmployer(*db, 30, "ZETA");
    AddEmployer(*db, 10, "ALPHA");
    AddEmployer(*db, 20, "MIDDLE");
    auto rs = db->OpenRecordset("employers"); // table names in any case
    EXPECT_EQ(3, rs->RecordCount());
    std::vector<std::string> names;
    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) names.push_back(Text(rs->Fields("EMPLOYERNAME1").Value()));
    EXPECT_EQ((std::vector<std::string>{"ZETA", "ALPHA", "MIDDLE"}), names);
    EXPECT_ENGINE_ERROR(rs->MoveNext(), 3021);
    rs->MovePrevious();
    EXPECT_EQ("MIDDLE", Text(rs->Fields("EmployerName1").Value()));
    rs->MoveFirst();
    rs->MovePrevious();
    EXPECT_TRUE(rs->Bof());
    EXPECT_FALSE(rs->Eof());
}

TEST_F(RecordsetTest, DeleteLeavesNoCurrentRowUntilTheNextMove) {
    auto db = OpenMain();
    AddEmployer(*db, 1, "ONE");
    AddEmployer(*db, 2, "TWO");
    AddEmployer(*db, 3, "THREE");
    auto rs = db->OpenRecordset("Employers");
    rs->MoveNext();
    rs->Delete();
    EXPECT_ENGINE_ERROR(rs->Fields("EmployerName1").Value(), 3167);
    rs->MoveNext();
    EXPECT_EQ("THREE", Text(rs->Fields("EmployerName1").Value()));
    rs->Delete();
    rs->MoveNext();
    EXPECT_TRUE(rs->Eof());
    rs->MoveLast();
    EXPECT_EQ("ONE", Text(rs->Fields("EmployerName1").Value()));
    EXPECT_EQ(1, rs->RecordCount());
}

TEST_F(RecordsetTest, DeletingTheOnlyRowThenMovingLastIsNoCurrentRecord) {
    auto db = OpenMain();
    AddEmployer(*db, 1, "ONLY");
    auto rs = db->OpenRecordset("Employers");
    rs->Delete();
    rs->MoveNext();
    EXPECT_TRUE(rs->Eof());
    EXPECT_ENGINE_ERROR(rs->MoveLast(), 3021);
}

TEST_F(RecordsetTest, FieldsAreFoundWithoutRegardToCaseAndHoldNull) {
    auto db = OpenMain();
    AddEmployer(*db, 1, "ONE");
    auto rs = db->OpenRecordset("Employers");
    EXPECT_EQ("IdType", rs->Fields("IDType").Name());
    EXPECT_TRUE(data::IsNull(rs->Fields("ContactName").Value()));
    EXPECT_ENGINE_ERROR(rs->Fields("NoSuchColumn"), 3265);
}

TEST_F(RecordsetTest, ValuesTakeTheColumnsTypes) {
    auto db = OpenMain();
    auto rs = db->OpenRecordset("DET941");
    rs->AddNew();
    rs->Fields("EmployerNo") = Value{std::string("17")};
    rs->Fields("Qtr_Yr") = Value{std::string("122")};
    rs->Fields("L_2") = Value{std::string("62.5")};
    rs->Fields("L_3") = Value{std::string("")};
    rs->Fields("Not_Subj") = Value{std::int64_t{1}};
    rs->Fields("No_Employee") = Value{2.5}; // whole-number columns round half to even
    for (const char* noNumber : {"abc", "NaN", "inf", "-Infinity"})
        EXPECT_ENGINE_ERROR(rs->Fields("L_5") = Value{std::string(noNumber)}, 3421);
    rs->Update();
    rs->MoveFirst();
    EXPECT_EQ(Value{std::int64_t{17}}, rs->Fields("EmployerNo").Value());
    EXPECT_EQ(Value{62.5}, rs->Fields("L_2").Value());
    EXPECT_TRUE(data::IsNull(rs->Fields("L_3").Value()));
    EXPECT_EQ(Value{std::int64_t{2}}, rs->Fields("No_Employee").Value());
    EXPECT_EQ("24.8", data::ToText(Value{24.8}));
    EXPECT_EQ("500", data::ToText(Value{500.0}));
}

TEST_F(RecordsetTest, FieldsAreFoundWithoutRegardToCaseAndValuesTakeTheColumnsTypes) {
    auto db = OpenMain();
    auto rs = db->OpenRecordset("DET941");
    rs->AddNew();
    rs->Fields("EmployerNo") = Value{std::string("17")};
    rs->Fields("Qtr_Yr") = Value{std::string("122")};
    rs->Fields("L_2") = Value{std::string("62.5")};
    rs->Fields("L_3") = Value{std::string("")};
    rs->Fields("Not_Subj") = Value{std::int64_t{1}};
    rs->Fields("No_Employee") = Value{2.5}; // whole-number columns round half to even
    EXPECT_ENGINE_ERROR(rs->Fields("L_5") = Value{std::string("abc")}, 3421);
    EXPECT_ENGINE_ERROR(rs->Fields("NoSuchColumn"), 3265);
    rs->Update();
    rs->MoveFirst();
    EXPECT_EQ(Value{std::int64_t{17}}, rs->Fields("employerNO").Value());
    EXPECT_EQ("EmployerNo", rs->Fields("employerNO").Name());
    EXPECT_EQ(Value{62.5}, rs->Fields("L_2").Value());
    EXPECT_TRUE(data::IsNull(rs->Fields("L_3").Value()));
    EXPECT_EQ(Value{std::int64_t{2}}, rs->Fields("No_Employee").Value());
    EXPECT_EQ("24.8", data::ToText(Value{24.8}));
    EXPECT_EQ("500", data::ToText(Value{500.0}));
}

TEST_F(RecordsetTest, WritingOutsideAddNewOrEditIsRefused) {
    auto db = OpenMain();
    AddEmployer(*db, 1, "ONE");
    auto rs = db->OpenRecordset("Employers");
    EXPECT_ENGINE_ERROR(rs->Fields("City") = Value{std::string("X")}, 3020);
    EXPECT_ENGINE_ERROR(rs->Update(), 3020);
    auto readOnly = db->OpenRecordset("Employers", data::dbOpenSnapshot);
    EXPECT_ENGINE_ERROR(readOnly->Edit(), 3027);
}

TEST_F(RecordsetTest, AClosedDatabaseClosesItsRecordsets) {
    auto db = OpenMain();
    auto rs = db->OpenRecordset("Employers");
    db->Close();
    EXPECT_ENGINE_ERROR(rs->RecordCount(), 3420);
    EXPECT_ENGINE_ERROR(db->OpenRecordset("Employers"), 3420);
}

TEST_F(RecordsetTest, WritingOutsideAddNewOrEditOrAfterCloseIsRefused) {
    auto db = OpenMain();
    AddEmployer(*db, 1, "ONE");
    auto rs = db->OpenRecordset("Employers");
    EXPECT_ENGINE_ERROR(rs->Fields("City") = Value{std::string("X")}, 3020);
    EXPECT_ENGINE_ERROR(rs->Update(), 3020);
    auto readOnly = db->OpenRecordset("Employers", data::dbOpenSnapshot);
    EXPECT_ENGINE_ERROR(readOnly->Edit(), 3027);
    db->Close(); // closes its recordsets
    EXPECT_ENGINE_ERROR(rs->RecordCount(), 3420);
    EXPECT_ENGINE_ERROR(db->OpenRecordset("Employers"), 3420);
}

} // namespace
