// Opening database files as the system names them, and the installation's
// empty databases made from the one schema.

#include "DataTestSupport.h"
#include "support/PermissionBits.h"

#include <chrono>
#include <csignal>
#include <sqlite3.h>
#include <sys/stat.h>
#include <thread>

#include <filesystem>
#include <fstream>

namespace {

using data::Value;

class OpenAndSchemaTest : public datatest::DatabaseFolder {};

TEST_F(OpenAndSchemaTest, AMissingFileIsAnErrorAndNoFileIsCreated) {
    std::string missing = Folder() + "/missing.mdb";
    EXPECT_ENGINE_ERROR(data::OpenDatabase(missing), 3024);
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_ENGINE_ERROR(data::OpenDatabase(Folder() + "/no such folder/TV941.MDB"), 3044);
}

TEST_F(OpenAndSchemaTest, AFileThatIsNotADatabaseIsRefused) {
    std::ofstream(Folder() + "/junk.mdb") << "this is not a database file, just some text";
    EXPECT_ENGINE_ERROR(data::OpenDatabase(Folder() + "/junk.mdb"), 3343);
}

TEST_F(OpenAndSchemaTest, NamesAreFoundWithoutRegardToCase) {
    auto db = data::OpenDatabase(Folder() + "\\tv941.mdb");
    EXPECT_TRUE(db->HasTable("det941"));
    EXPECT_EQ(Folder() + "/TV941.MDB", db->FilePath());
    EXPECT_ENGINE_ERROR(data::OpenDatabase(MainPath(), false, false, "Paradox 3.X;"), 3170);
}

TEST_F(OpenAndSchemaTest, NamesAreFoundWithoutRegardToCaseAndWhatIsNoDatabaseIsRefused) {
    auto db = data::OpenDatabase(Folder() + "\\tv941.mdb");
    EXPECT_TRUE(db->HasTable("det941"));
    EXPECT_EQ(Folder() + "/TV941.MDB", db->FilePath());
    EXPECT_ENGINE_ERROR(data::OpenDatabase(MainPath(), false, false, "Paradox 3.X;"), 3170);

    std::string missing = Folder() + "/missing.mdb";
    EXPECT_ENGINE_ERROR(data::OpenDatabase(missing), 3024);
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_ENGINE_ERROR(data::OpenDatabase(Folder() + "/no such folder/TV941.MDB"), 3044);
    std::ofstream(Folder() + "/junk.mdb") << "this is not a database file, just some text";
    EXPECT_ENGINE_ERROR(data::OpenDatabase(Folder() + "/junk.mdb"), 3343);
}

// Table names and columns are remembered between opens of a file, but a
// change of the schema by anyone is seen at the next open.
TEST_F(OpenAndSchemaTest, ATableAddedOrChangedByAnotherConnectionIsSeenAtTheNextOpen) {
    data::OpenDatabase(MainPath())->OpenRecordset("Employers");
    sqlite3* other = nullptr;
    ASSERT_EQ(SQLITE_OK, sqlite3_open(MainPath().c_str(), &other));
    EXPECT_EQ(SQLITE_OK, sqlite3_exec(other,
                                      "CREATE TABLE Later (Code TEXT(3)); "
                                      "ALTER TABLE Employers ADD COLUMN Added TEXT(5)",
                                      nullptr, nullptr, nullptr));
    sqlite3_close(other);
    auto db = data::OpenDatabase(MainPath());
    EXPECT_EQ(1, db->OpenRecordset("later")->FieldCount());
    EXPECT_EQ("Added", db->OpenRecordset("Employers")->Fields("added").Name());
}

// A connection let go is reused for the next open of its file only while
// the file is untouched: one rewritten in place opens as what it now holds.
TEST_F(OpenAndSchemaTest, AFileRewrittenInPlaceAfterItsDatabaseWasLetGoOpensAsItIsNow) {
    AddEmployer(*OpenMain(), 1, "ACME");
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    EXPECT_EQ("ACME", datatest::Text(OpenMain()->OpenRecordset("Employers")->Fields("EmployerName1").Value()));

    const std::string other = Folder() + "/other";
    data::MakeEmptyDatabases(other);
    AddEmployer(*data::OpenDatabase(other + "/TV941.MDB"), 1, "ZENITH");
    {
        std::ifstream from(other + "/TV941.MDB", std::ios::binary);
        std::ofstream into(MainPath(), std::ios::binary | std::ios::in | std::ios::out);
        into << from.rdbuf();
    }
    EXPECT_EQ("ZENITH", datatest::Text(OpenMain()->OpenRecordset("Employers")->Fields("EmployerName1").Value()));
}

TEST_F(OpenAndSchemaTest, TheMainDatabaseHoldsTheSystemsTables) {
    auto db = OpenMain();
    EXPECT_EQ((std::vector<std::string>{"Employers", "DET941", "Det944", "Employees", "W2Dollars"}), db->TableNames());
    EXPECT_EQ(27, db->OpenRecordset("Employees")->FieldCount());
    // Every column a screen binds is checked by opening that screen; the
    // types decide how amounts, flags and period codes are stored.
    auto det941 = db->OpenRecordset("DET941");
    EXPECT_EQ("REAL", det941->Fields("L_2").Type());
    EXPECT_EQ("INTEGER", det941->Fields("Seasonal").Type());
    EXPECT_EQ("TEXT(3)", det941->Fields("Qtr_Yr").Type());
}

TEST_F(OpenAndSchemaTest, Det944Has38ColumnsInItsFixedOrder) {
    auto rs = OpenMain()->OpenRecordset("Det944");
    ASSERT_EQ(38, rs->FieldCount());
    EXPECT_EQ("EmployerNo", rs->Fields(0).Name());
    EXPECT_EQ("L_6B", rs->Fields(11).Name());
    EXPECT_EQ("Apply_Nxt", rs->Fields(21).Name());
    EXPECT_EQ("L_13A", rs->Fields(23).Name());
    EXPECT_EQ("L_13M", rs->Fields(35).Name());
    EXPECT_EQ("L_6F", rs->Fields(37).Name());
}

TEST_F(OpenAndSchemaTest, MakeEmptyDatabasesLeavesExistingFilesAlone) {
    {
        auto db = OpenMain();
        AddEmployer(*db, 1, "KEEP ME");
    }
    std::filesystem::remove(IdPath());
    std::filesystem::rename(MainPath(), Folder() + "/tv941.mdb");
    EXPECT_EQ((std::vector<std::string>{"db1099_ID.mdb"}), data::MakeEmptyDatabases(Folder()));
    EXPECT_EQ(1, data::OpenDatabase(Folder() + "/tv941.mdb")->OpenRecordset("Employers")->RecordCount());
    EXPECT_TRUE(data::MakeEmptyDatabases(Folder()).empty());
}

// A start killed while the empty databases are made leaves no half-made
// database under the system's names: the next start makes them whole.
TEST_F(OpenAndSchemaTest, ACreationCutShortIsMadeWholeAtTheNextStart) {
    const std::string folder = Folder() + "/program";
    const auto started = std::chrono::steady_clock::now();
    data::MakeEmptyDatabases(folder);
    const auto takes = std::chrono::steady_clock::now() - started;
    for (int point = 0; point < 12; ++point) {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        pid_t child = ::fork();
        if (child == 0) {
            data::MakeEmptyDatabases(folder);
            ::_exit(0);
        }
        std::this_thread::sleep_for(takes * point / 10);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);

        data::MakeEmptyDatabases(folder);
        auto main = data::OpenDatabase(folder + "/TV941.MDB");
        EXPECT_TRUE(main->HasTable("W2Dollars")) << "killed at point " << point;
        auto counter = data::OpenDatabase(folder + "/db1099_ID.mdb")->OpenRecordset("Employers_ID");
        EXPECT_EQ(1, counter->RecordCount()) << "killed at point " << point;
    }
}

// In a folder this user may not write, the data can still be read; every
// change says it is read-only.
TEST_F(OpenAndSchemaTest, ADatabaseInAReadOnlyFolderOpensForReading) {
    AddEmployer(*OpenMain(), 1, "ACME");
    ASSERT_EQ(0, ::chmod(Folder().c_str(), 0555));
    const int result = permissionbits::RunBoundByPermissions([this] {
        auto db = data::OpenDatabase(MainPath());
        auto rs = db->OpenRecordset("Employers");
        if (rs->RecordCount() != 1 || datatest::Text(rs->Fields("EmployerName1").Value()) != "ACME") return 1;
        try {
            rs->AddNew();
            return 2;
        } catch (const basic::RuntimeError& error) {
            if (error.Number() != 3027) return 3;
        }
        try {
            db->Execute("DELETE * FROM Employers");
            return 4;
        } catch (const basic::RuntimeError& error) {
            return error.Number() == 3027 ? 0 : 5;
        }
    });
    ::chmod(Folder().c_str(), 0700);
    EXPECT_EQ(0, result);
}

// A database this user may not read is no missing file: the permission is.
TEST_F(OpenAndSchemaTest, ADatabaseThisUserMayNotReadIsAMissingPermission) {
    ASSERT_EQ(0, ::chmod(Folder().c_str(), 0755));
    ASSERT_EQ(0, ::chmod(MainPath().c_str(), 0));
    const int raised = permissionbits::RunBoundByPermissions([this] {
        try {
            data::OpenDatabase(MainPath());
            return 0;
        } catch (const basic::RuntimeError& error) {
            return error.Number() - 3000; // an exit code holds no more than 255
        }
    });
    EXPECT_EQ(51, raised);
}

// A file an earlier release left in write-ahead mode is turned back to the
// rollback journal, which copies on other machines and read-only folders need.
TEST_F(OpenAndSchemaTest, AFileInWriteAheadModeIsTurnedBackToTheRollbackJournal) {
    sqlite3* raw = nullptr;
    ASSERT_EQ(SQLITE_OK, sqlite3_open(MainPath().c_str(), &raw));
    sqlite3_exec(raw, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr);
    sqlite3_close(raw);
    OpenMain()->Close();
    ASSERT_EQ(SQLITE_OK, sqlite3_open(MainPath().c_str(), &raw));
    sqlite3_stmt* mode = nullptr;
    sqlite3_prepare_v2(raw, "PRAGMA journal_mode", -1, &mode, nullptr);
    ASSERT_EQ(SQLITE_ROW, sqlite3_step(mode));
    EXPECT_STREQ("delete", reinterpret_cast<const char*>(sqlite3_column_text(mode, 0)));
    sqlite3_finalize(mode);
    sqlite3_close(raw);
}

TEST_F(OpenAndSchemaTest, AnEmployerWithoutANumberIsRefused) {
    auto rs = OpenMain()->OpenRecordset("Employers");
    rs->AddNew();
    rs->Fields("EmployerName1") = Value{std::string("NO NUMBER")};
    EXPECT_ENGINE_ERROR(rs->Update(), 3058);
}

// A file from elsewhere (last year's database, a copy from another machine)
// may carry triggers of its own: one that would read the engine's internals,
// or write a full-text index's own tables, which only the engine may write,
// is refused as a damaged file, and nothing is stored.
TEST_F(OpenAndSchemaTest, ATriggerThatReachesBeyondItsOwnTablesIsADamagedFile) {
    for (const char* action : {"INSERT INTO Seen SELECT name FROM pragma_function_list;", "DELETE FROM Notes_data;"}) {
        SCOPED_TRACE(action);
        sqlite3* raw = nullptr;
        ASSERT_EQ(SQLITE_OK, sqlite3_open(MainPath().c_str(), &raw));
        const std::string schema = "DROP TRIGGER IF EXISTS Watch; DROP TABLE IF EXISTS Notes;"
                                   "CREATE TABLE IF NOT EXISTS Seen (name TEXT);"
                                   "CREATE VIRTUAL TABLE Notes USING fts5(body); INSERT INTO Notes VALUES ('kept');"
                                   "CREATE TRIGGER Watch AFTER INSERT ON Employers BEGIN " +
                                   std::string(action) + " END;";
        ASSERT_EQ(SQLITE_OK, sqlite3_exec(raw, schema.c_str(), nullptr, nullptr, nullptr));
        sqlite3_close(raw);
        auto db = OpenMain();

        auto employers = db->OpenRecordset("Employers");
        employers->AddNew();
        employers->Fields("EmployerNo") = Value{std::int64_t{7}};
        EXPECT_ENGINE_ERROR(employers->Update(), 3343);
        employers->CancelUpdate();
        EXPECT_TRUE(db->OpenRecordset("Employers")->Eof()) << "nothing stored";
    }
}

} // namespace
