// The unique key that refuses a duplicate employer, and finding an employer
// by the first letters of the name as Find does; the scenarios walk both
// through the screens, a Find that matches nothing included.

#include "DataTestSupport.h"

namespace {

using data::Value;
using datatest::Text;

class KeysAndFindTest : public datatest::DatabaseFolder {};

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

} // namespace
