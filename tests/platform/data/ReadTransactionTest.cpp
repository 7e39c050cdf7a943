// A read transaction takes no write lock: it begins on a file this user may
// only read, and another connection may begin writing while it lasts; with
// the rollback journal that writer's commit waits until the read has ended.

#include "DataTestSupport.h"
#include "platform/data/Transaction.h"
#include "support/PermissionBits.h"

#include <sqlite3.h>
#include <sys/stat.h>

namespace {

class ReadTransactionTest : public datatest::DatabaseFolder {};

TEST_F(ReadTransactionTest, BeginsOnAFileThisUserMayOnlyRead) {
    AddEmployer(*OpenMain(), 1, "ACME");
    ASSERT_EQ(0, ::chmod(MainPath().c_str(), 0444));
    ASSERT_EQ(0, ::chmod(Folder().c_str(), 0555));
    const int result = permissionbits::RunBoundByPermissions([this] {
        try {
            auto db = data::OpenDatabase(MainPath());
            return data::InOneReadTransaction(*db, [&] {
                auto rows = db->OpenRecordset("SELECT EmployerName1 FROM Employers", data::dbOpenSnapshot);
                return datatest::Text(rows->Fields("EmployerName1").Value()) == "ACME" ? 0 : 1;
            });
        } catch (const basic::RuntimeError&) {
            return 2;
        }
    });
    ::chmod(Folder().c_str(), 0700);
    EXPECT_EQ(0, result);
}

TEST_F(ReadTransactionTest, AnotherConnectionBeginsItsWriteMeanwhileAndCommitsOnceTheReadHasEnded) {
    AddEmployer(*OpenMain(), 1, "ACME");
    sqlite3* other = nullptr;
    ASSERT_EQ(SQLITE_OK, sqlite3_open(MainPath().c_str(), &other));
    auto db = OpenMain();
    data::InOneReadTransaction(*db, [&] {
        auto rows = db->OpenRecordset("SELECT EmployerName1 FROM Employers", data::dbOpenSnapshot);
        EXPECT_EQ(SQLITE_OK, sqlite3_exec(other, "BEGIN IMMEDIATE; UPDATE Employers SET EmployerName1 = 'BETA'",
                                          nullptr, nullptr, nullptr));
        EXPECT_EQ(SQLITE_BUSY, sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr));
        auto again = db->OpenRecordset("SELECT EmployerName1 FROM Employers", data::dbOpenSnapshot);
        EXPECT_EQ(datatest::Text(again->Fields("EmployerName1").Value()), "ACME"); // one moment of the file
    });
    EXPECT_EQ(SQLITE_OK, sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr));
    sqlite3_close(other);
}

} // namespace
