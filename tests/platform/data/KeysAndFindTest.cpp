// The unique key that refuses a duplicate employer (the scenarios check the
// keys through the screens), and finding an employer by the first letters
// of the name, as Find does.

#include "DataTestSupport.h"

namespace {

using data::Value;
using datatest::Text;

class KeysAndFindTest : public datatest::DatabaseFolder {};

TEST_F(KeysAndFindTest, ADuplicateEmployerIsRefusedAtUpdateAndTheTableIsUnchanged) {
    auto db = OpenMain();
    AddEmployer(*db, 1, "SMITH TOOLS", "1", "061234567", "R");
    auto rs = db->OpenRecordset("Employers");
    rs->AddNew();
    rs->Fields("EmployerNo") = Value{std::int64_t{2}};
    rs->Fields("EmployerName1") = Value{std::string("OTHER NAME")};
    rs->Fields("IdType") = Value{std::string("1")};
    rs->Fields("Pyr_Taxid") = Value{std::string("061234567")};
    rs->Fields("TypePayer") = Value{std::string("r")}; // the key ignores case, as the engine does
    EXPECT_ENGINE_ERROR(rs->Update(), 3022);
    EXPECT_EQ(data::dbEditAdd, rs->EditMode()); // still pending: the screen cancels it
    rs->CancelUpdate();
    EXPECT_EQ(1, rs->RecordCount());
    rs->MoveFirst();
    EXPECT_EQ("SMITH TOOLS", Text(rs->Fields("EmployerName1").Value()));
}

TEST_F(KeysAndFindTest, AnEditThatCreatesADuplicateIsRefused) {
    auto db = OpenMain();
    AddEmployer(*db, 1, "ONE", "1", "111111111");
    AddEmployer(*db, 2, "TWO", "1", "222222222");
    auto rs = db->OpenRecordset("Employers");
    rs->MoveLast();
    rs->Edit();
    rs->Fields("Pyr_Taxid") = Value{std::string("111111111")};
    EXPECT_ENGINE_ERROR(rs->Update(), 3022);
    rs->CancelUpdate();
    EXPECT_EQ("222222222", Text(rs->Fields("Pyr_Taxid").Value()));
}

TEST_F(KeysAndFindTest, ADuplicateEmployerAddedOrEditedIsRefusedAtUpdateAndTheTableIsUnchanged) {
    auto db = OpenMain();
    AddEmployer(*db, 1, "SMITH TOOLS", "1", "061234567", "R");
    auto rs = db->OpenRecordset("Employers");
    rs->AddNew();
    rs->Fields("EmployerNo") = Value{std::int64_t{2}};
    rs->Fields("EmployerName1") = Value{std::string("OTHER NAME")};
    rs->Fields("IdType") = Value{std::string("1")};
    rs->Fields("Pyr_Taxid") = Value{std::string("061234567")};
    rs->Fields("TypePayer") = Value{std::string("r")}; // the key ignores case, as the engine does
    EXPECT_ENGINE_ERROR(rs->Update(), 3022);
    EXPECT_EQ(data::dbEditAdd, rs->EditMode()); // still pending: the screen cancels it
    rs->CancelUpdate();
    EXPECT_EQ(1, rs->RecordCount());
    rs->MoveFirst();
    EXPECT_EQ("SMITH TOOLS", Text(rs->Fields("EmployerName1").Value()));

    AddEmployer(*db, 3, "OTHER TOOLS", "1", "222222222");
    rs->MoveLast();
    rs->Edit();
    rs->Fields("Pyr_Taxid") = Value{std::string("061234567")};
    EXPECT_ENGINE_ERROR(rs->Update(), 3022);
    rs->CancelUpdate();
    EXPECT_EQ("222222222", Text(rs->Fields("Pyr_Taxid").Value()));
}

TEST_F(KeysAndFindTest, FindFirstWithLeftMatchesTheNameWithoutRegardToCase) {
    auto db = OpenMain();
    AddEmployer(*db, 1, "ACME CORP");
    AddEmployer(*db, 2, "SMITH TOOLS");
    AddEmployer(*db, 3, "SMITHSON LLC");
    auto rs = db->OpenRecordset("Employers");
    rs->FindFirst("left(EmployerName1, 5) = 'smith'");
    EXPECT_FALSE(rs->NoMatch());
    EXPECT_EQ("SMITH TOOLS", Text(rs->Fields("EmployerName1").Value()));
}

// The index on the name narrows the search; it must find every name that
// begins with the letters, whatever their case, and nothing else.
TEST_F(KeysAndFindTest, TheNameIndexFindsEveryNameBeginningWithTheLetters) {
    auto db = OpenMain();
    const char* names[] = {"AZ", "ay zero", "Azure", "A", "az{", "B", "a[z", "AZZ TOP"};
    for (long i = 0; i < 8; ++i) AddEmployer(*db, i + 1, names[i]);
    const std::string criterion = "left(EmployerName1, 2) = 'aZ'";

    auto byName = db->OpenRecordset("SELECT * FROM Employers ORDER BY EmployerName1");
    std::vector<std::string> found;
    for (byName->FindFirst(criterion); !byName->NoMatch(); byName->FindNext(criterion))
        found.push_back(Text(byName->Fields("EmployerName1").Value()));
    EXPECT_EQ((std::vector<std::string>{"AZ", "Azure", "AZZ TOP", "az{"}), found);
}

TEST_F(KeysAndFindTest, AccentedNamesAreKeptAsTypedAndFoundWithoutRegardToCase) {
    auto db = OpenMain();
    AddEmployer(*db, 1, "CAFE NORTE");
    AddEmployer(*db, 2, "CAFÉ ÑANDÚ");
    AddEmployer(*db, 3, "ÉCOLE DU NORD");
    auto rs = db->OpenRecordset("Employers");
    rs->FindFirst("left(EmployerName1, 6) = 'café ñ'");
    EXPECT_EQ("CAFÉ ÑANDÚ", Text(rs->Fields("EmployerName1").Value()));
    rs->FindFirst("left(EmployerName1, 2) = 'éc'");
    EXPECT_EQ("ÉCOLE DU NORD", Text(rs->Fields("EmployerName1").Value()));
}

TEST_F(KeysAndFindTest, NoMatchKeepsTheRowAndABookmarkReturnsToItAndToNoOther) {
    auto db = OpenMain();
    AddEmployer(*db, 1, "ACME CORP");
    AddEmployer(*db, 2, "BAKER INC");
    auto rs = db->OpenRecordset("Employers");
    rs->MoveLast();
    std::string mark = rs->Bookmark();
    rs->FindFirst("left(EmployerName1, 6) = 'zzzzzz'");
    EXPECT_TRUE(rs->NoMatch());
    rs->MoveFirst();
    rs->SetBookmark(mark);
    EXPECT_EQ("BAKER INC", Text(rs->Fields("EmployerName1").Value()));
    rs->Delete();
    AddEmployer(*db, 3, "CARTER LLC"); // in the deleted row's place in the file
    EXPECT_ENGINE_ERROR(rs->SetBookmark(mark), 3159);
}

TEST_F(KeysAndFindTest, ABookmarkReturnsToItsRowAndToNoOther) {
    auto db = OpenMain();
    AddEmployer(*db, 1, "ACME CORP");
    AddEmployer(*db, 2, "BAKER INC");
    auto rs = db->OpenRecordset("Employers");
    rs->MoveLast();
    std::string mark = rs->Bookmark();
    rs->MoveFirst();
    rs->SetBookmark(mark);
    EXPECT_EQ("BAKER INC", Text(rs->Fields("EmployerName1").Value()));
    rs->Delete();
    AddEmployer(*db, 3, "CARTER LLC"); // in the deleted row's place in the file
    EXPECT_ENGINE_ERROR(rs->SetBookmark(mark), 3159);
}

TEST_F(KeysAndFindTest, ACriterionWithAnApostropheInsideQuotesIsText) {
    auto db = OpenMain();
    AddEmployer(*db, 1, "O'BRIEN FARMS");
    AddEmployer(*db, 2, "OTHER");
    auto rs = db->OpenRecordset("Employers");
    rs->FindFirst("left(EmployerName1, 3) = 'o''b'");
    ASSERT_FALSE(rs->NoMatch());
    EXPECT_EQ("O'BRIEN FARMS", Text(rs->Fields("EmployerName1").Value()));
    EXPECT_ENGINE_ERROR(rs->FindFirst("left(EmployerName1, 3) = 'o'b'"), 3075);
}

TEST_F(KeysAndFindTest, TheHandOverQueryOpensTheOneRowOfTheEmployerAndPeriod) {
    auto db = OpenMain();
    auto det = db->OpenRecordset("DET941");
    for (auto [employer, period] : {std::pair{250, "322"}, {250, "122"}, {251, "322"}}) {
        det->AddNew();
        det->Fields("EmployerNo") = Value{std::int64_t{employer}};
        det->Fields("Qtr_Yr") = Value{std::string(period)};
        det->Update();
    }
    auto rs = db->OpenRecordset("SELECT * FROM [DET941] WHERE [EmployerNo] = 250 AND [Qtr_Yr] = '322'");
    EXPECT_EQ(1, rs->RecordCount());
    EXPECT_EQ(Value{std::int64_t{250}}, rs->Fields("EmployerNo").Value());
    EXPECT_EQ("322", Text(rs->Fields("Qtr_Yr").Value()));
    auto none = db->OpenRecordset("select * from det941 where EmployerNo = 250 and Qtr_Yr = '622'");
    EXPECT_EQ(0, none->RecordCount());
    EXPECT_TRUE(none->Eof());
    // A row added through the query's recordset is found by MoveLast.
    none->AddNew();
    none->Fields("EmployerNo") = Value{std::int64_t{250}};
    none->Fields("Qtr_Yr") = Value{std::string("622")};
    none->Update();
    none->MoveLast();
    EXPECT_EQ("622", Text(none->Fields("Qtr_Yr").Value()));
}

} // namespace
