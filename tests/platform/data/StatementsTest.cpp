// The engine's SQL as the system's backup and restore statements use it, on
// a real path with an apostrophe and blanks; the utilities' own runs of them
// are checked by the backup and import scenarios.

#include "DataTestSupport.h"

#include <filesystem>

namespace {

using data::Value;
using datatest::Text;

class StatementsTest : public datatest::DatabaseFolder {
protected:
    void SetUp() override {
        DatabaseFolder::SetUp();
        backupFolder_ = Folder() + "/O'Brien's backup 2022";
        std::filesystem::create_directories(backupFolder_);
        auto db = OpenMain();
        AddEmployer(*db, 1, "ACME CORP");
        AddEmployer(*db, 2, "BAKER INC");
        auto det = db->OpenRecordset("DET941");
        for (auto [employer, period, wages] : {std::tuple{1, "122", 1000.5}, {1, "222", 2000.25}, {2, "122", 30.0}}) {
            det->AddNew();
            det->Fields("EmployerNo") = Value{std::int64_t{employer}};
            det->Fields("Qtr_Yr") = Value{std::string(period)};
            det->Fields("L_2") = Value{wages};
            det->Update();
        }
        auto det944 = db->OpenRecordset("Det944");
        det944->AddNew();
        det944->Fields("EmployerNo") = Value{std::int64_t{2}};
        det944->Fields("L_13M") = Value{12.5};
        det944->Update();
        auto id = data::OpenDatabase(IdPath());
        auto counter = id->OpenRecordset("Employers_ID");
        counter->Edit();
        counter->Fields("NextCounter") = Value{std::int64_t{3}};
        counter->Update();
    }

    std::string BackupFile() const { return backupFolder_ + "/944Backup.mdb"; }

    // The backup of the system: a new database and four make-table queries.
    void Backup() {
        auto backup = data::CreateDatabase(BackupFile(), data::dbLangGeneral);
        backup->Execute("SELECT * INTO Employers IN '" + BackupFile() + "' From Employers IN '" + MainPath() + "'");
        backup->Execute("SELECT * INTO Det944 IN '" + BackupFile() + "' From Det944 IN '" + MainPath() + "'");
        backup->Execute("SELECT * INTO Det941 IN '" + BackupFile() + "' From Det941 IN '" + MainPath() + "'");
        backup->Execute("SELECT * INTO Employers_ID IN '" + BackupFile() + "' From Employers_ID IN '" + IdPath() + "'");
        backup->Close();
    }

    static long Count(const std::string& path, const std::string& table) {
        return data::OpenDatabase(path)->OpenRecordset(table)->RecordCount();
    }

    std::string backupFolder_;
};

TEST_F(StatementsTest, BackupCopiesTheFourTablesWithTheirColumnsInOrderAndNoKeys) {
    Backup();
    auto backup = data::OpenDatabase(BackupFile());
    EXPECT_EQ((std::vector<std::string>{"Employers", "Det944", "Det941", "Employers_ID"}), backup->TableNames());
    EXPECT_EQ(2, backup->OpenRecordset("Employers")->RecordCount());
    EXPECT_EQ(3, backup->OpenRecordset("Det941")->RecordCount());
    EXPECT_EQ(1, backup->OpenRecordset("Det944")->RecordCount());

    auto source = OpenMain()->OpenRecordset("DET941");
    auto copy = backup->OpenRecordset("Det941");
    ASSERT_EQ(source->FieldCount(), copy->FieldCount());
    for (int i = 0; i < source->FieldCount(); ++i) {
        EXPECT_EQ(source->Fields(i).Name(), copy->Fields(i).Name());
        EXPECT_EQ(source->Fields(i).Type(), copy->Fields(i).Type());
    }
    copy->MoveLast();
    EXPECT_EQ(Value{30.0}, copy->Fields("L_2").Value());
    // No keys came along: a duplicate row is accepted in the copy.
    backup->Execute("INSERT INTO Det941 SELECT * FROM Det941", data::dbFailOnError);
    EXPECT_EQ(6, backup->OpenRecordset("Det941")->RecordCount());
}

TEST_F(StatementsTest, ABackupsTablesKeepTheirColumnsInOrderButNoKeys) {
    Backup();
    auto backup = data::OpenDatabase(BackupFile());
    auto source = OpenMain()->OpenRecordset("DET941");
    auto copy = backup->OpenRecordset("Det941");
    ASSERT_EQ(source->FieldCount(), copy->FieldCount());
    for (int i = 0; i < source->FieldCount(); ++i) {
        EXPECT_EQ(source->Fields(i).Name(), copy->Fields(i).Name());
        EXPECT_EQ(source->Fields(i).Type(), copy->Fields(i).Type());
    }
    // No keys came along: a duplicate row is accepted in the copy.
    backup->Execute("INSERT INTO Det941 SELECT * FROM Det941", data::dbFailOnError);
    EXPECT_EQ(6, backup->OpenRecordset("Det941")->RecordCount());
}

TEST_F(StatementsTest, ABackupOverAnExistingTableFailsAndChangesNothing) {
    Backup();
    auto backup = data::OpenDatabase(BackupFile());
    EXPECT_ENGINE_ERROR(
        backup->Execute("SELECT * INTO Employers IN '" + BackupFile() + "' From Employers IN '" + MainPath() + "'"),
        3010);
    EXPECT_EQ(2, backup->OpenRecordset("Employers")->RecordCount());
    EXPECT_ENGINE_ERROR(data::CreateDatabase(BackupFile(), data::dbLangGeneral), 3204);
}

TEST_F(StatementsTest, WithoutFailOnErrorRefusedRowsAreLeftOutWithIt) {
    Backup();
    auto backup = data::OpenDatabase(BackupFile());
    {
        auto db = OpenMain();
        db->Execute("DELETE * FROM Employers WHERE EmployerNo = 2");
    }
    // Employer 1 is still there: its row is refused, employer 2 comes back.
    std::string restore =
        "INSERT INTO Employers IN '" + MainPath() + "' SELECT * From Employers IN '" + BackupFile() + "'";
    EXPECT_ENGINE_ERROR(backup->Execute(restore, data::dbFailOnError), 3022);
    EXPECT_EQ(1, Count(MainPath(), "Employers")); // the failed statement changed nothing
    backup->Execute(restore);
    EXPECT_EQ(1, backup->RecordsAffected());
    EXPECT_EQ(2, Count(MainPath(), "Employers"));
}

TEST_F(StatementsTest, WithFailOnErrorACopiedValueIsStoredAsItsColumnTakesIt) {
    Backup();
    auto backup = data::OpenDatabase(BackupFile());
    backup->Execute("UPDATE Det941 SET No_Employee = 2.5 WHERE Qtr_Yr = '222'");
    auto db = OpenMain();
    db->Execute("DELETE * FROM Det941");
    const std::string restore =
        "INSERT INTO Det941 IN '" + MainPath() + "' SELECT * From Det941 IN '" + BackupFile() + "'";

    db->Execute(restore, data::dbFailOnError);

    EXPECT_EQ(3, db->RecordsAffected());
    auto rows = db->OpenRecordset("SELECT * FROM Det941 WHERE Qtr_Yr = '222'");
    EXPECT_EQ(Value{std::int64_t{2}}, rows->Fields("No_Employee").Value()); // rounded half to even
    EXPECT_EQ(Value{2000.25}, rows->Fields("L_2").Value());
    rows->Close();

    db->Execute("DELETE * FROM Det941");
    backup->Execute("UPDATE Det941 SET Qtr_Yr = '1222' WHERE Qtr_Yr = '122' AND EmployerNo = 2");
    EXPECT_ENGINE_ERROR(db->Execute(restore, data::dbFailOnError), data::errFieldTooSmall);
    EXPECT_EQ(0, Count(MainPath(), "Det941"));
}

TEST_F(StatementsTest, StatementsNamingMissingFilesOrTablesFail) {
    auto db = OpenMain();
    EXPECT_ENGINE_ERROR(db->Execute("DELETE * FROM Employers IN '" + Folder() + "/nothing.mdb'"), 3024);
    EXPECT_ENGINE_ERROR(db->Execute("DELETE * FROM Employers IN '" + Folder() + "/no folder/x.mdb'"), 3044);
    EXPECT_ENGINE_ERROR(db->Execute("DELETE * FROM NoSuchTable"), 3078);
    EXPECT_ENGINE_ERROR(db->Execute("SELECT * FROM Employers"), 3065);
    EXPECT_ENGINE_ERROR(db->Execute("DROP TABLE Employers"), 3075);
    EXPECT_FALSE(std::filesystem::exists(Folder() + "/nothing.mdb"));
    EXPECT_EQ(2, Count(MainPath(), "Employers"));
}

TEST_F(StatementsTest, KeywordsInAnyCaseAndBracketedNames) {
    auto db = OpenMain();
    db->Execute("delete * from [DET941] in '" + MainPath() + "' where [EmployerNo] = 1 and [Qtr_Yr] = '222'");
    EXPECT_EQ(1, db->RecordsAffected());
    db->Execute("Update Employers Set City = 'NEW HAVEN' Where EmployerName1 = 'acme corp'");
    auto rs = db->OpenRecordset("SELECT * FROM Employers WHERE City = 'New Haven'");
    EXPECT_EQ(1, rs->RecordCount());
    EXPECT_EQ(2, Count(MainPath(), "DET941"));
}

TEST_F(StatementsTest, AQuoteInATextCannotEscapeIt) {
    auto db = OpenMain();
    db->Execute("DELETE * FROM Employers WHERE EmployerName1 = 'x'' OR ''1''=''1'");
    EXPECT_EQ(0, db->RecordsAffected());
    EXPECT_EQ(2, Count(MainPath(), "Employers"));
}

// A second statement, a parenthesis that would close the clause around a
// criterion, or a zero byte is refused before anything runs.
TEST_F(StatementsTest, TextThatWouldEndItsStatementOrClauseIsASyntaxError) {
    auto db = OpenMain();
    for (const std::string& sql : {std::string("DELETE * FROM Employers WHERE EmployerNo = 1; DELETE * FROM Employers"),
                                   std::string("DELETE * FROM Employers WHERE (EmployerNo = 1"),
                                   std::string("DELETE * FROM Employers WHERE EmployerNo = 1)"),
                                   std::string("DELETE * FROM Employers WHERE EmployerNo = 1\0 OR 1 = 1", 54)})
        EXPECT_ENGINE_ERROR(db->Execute(sql), 3075);
    auto rs = db->OpenRecordset("Employers");
    EXPECT_ENGINE_ERROR(rs->FindFirst("EmployerNo = 99) OR (1 = 1"), 3075);
    rs->FindFirst("Mid(EmployerName1, 2, 9223372036854775807) = 'CME CORP'");
    EXPECT_FALSE(rs->NoMatch());
    EXPECT_EQ(2, Count(MainPath(), "Employers"));
    db->Execute("DELETE * FROM Employers WHERE (EmployerNo = 1);");
    EXPECT_EQ(1, db->RecordsAffected());
}

TEST_F(StatementsTest, ATransactionCoversBothFilesAndRollsBack) {
    auto db = OpenMain();
    db->BeginTrans();
    db->Execute("DELETE * FROM Employers IN '" + MainPath() + "'");
    db->Execute("DELETE * FROM Employers_ID IN '" + IdPath() + "'");
    db->Rollback();
    EXPECT_EQ(2, Count(MainPath(), "Employers"));
    EXPECT_EQ(1, Count(IdPath(), "Employers_ID"));
    db->BeginTrans();
    db->Execute("DELETE * FROM Employers_ID IN '" + IdPath() + "'");
    db->CommitTrans();
    EXPECT_EQ(0, Count(IdPath(), "Employers_ID"));
}

} // namespace
