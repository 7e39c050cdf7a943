// Row locks between connections of one process and between processes
// sharing the folder: Edit of a row someone else holds is 3260, and a holder
// that dies leaves nothing behind.

#include "DataTestSupport.h"
#include "support/PermissionBits.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using data::Value;
using datatest::Text;

class RowLocksTest : public datatest::DatabaseFolder {
protected:
    void SetUp() override {
        DatabaseFolder::SetUp();
        auto db = OpenMain();
        AddEmployer(*db, 1, "ONE");
        AddEmployer(*db, 2, "TWO");
    }
};

TEST_F(RowLocksTest, EditOfARowAnotherConnectionHoldsIsRefusedUntilItsUpdate) {
    auto first = OpenMain()->OpenRecordset("Employers");
    auto second = OpenMain()->OpenRecordset("Employers");
    first->Edit();
    EXPECT_ENGINE_ERROR(second->Edit(), 3260);
    EXPECT_ENGINE_ERROR(second->Delete(), 3260);
    second->MoveNext();
    second->Edit(); // another row is free
    second->CancelUpdate();
    second->MoveFirst();

    first->Fields("City") = Value{std::string("HARTFORD")};
    first->Update();
    second->Edit();
    // Edit starts from the row as stored now.
    EXPECT_EQ("HARTFORD", Text(second->Fields("City").Value()));
    second->CancelUpdate();
}

TEST_F(RowLocksTest, CancelUpdateAndCloseReleaseTheLock) {
    auto first = OpenMain()->OpenRecordset("Employers");
    auto second = OpenMain()->OpenRecordset("Employers");
    first->Edit();
    first->CancelUpdate();
    second->Edit();
    second->Close();
    first->Edit();
    first->CancelUpdate();
}

TEST_F(RowLocksTest, TwoRecordsetsOfOneConnectionExcludeEachOther) {
    auto db = OpenMain();
    auto first = db->OpenRecordset("Employers");
    auto second = db->OpenRecordset("Employers");
    first->Edit();
    EXPECT_ENGINE_ERROR(second->Edit(), 3260);
}

// Between connections and between two recordsets of one connection alike;
// Update, CancelUpdate and Close each let the row go.
TEST_F(RowLocksTest, EditOfARowAnotherRecordsetHoldsIsRefusedUntilItIsLetGo) {
    auto db = OpenMain();
    auto first = db->OpenRecordset("Employers");
    auto sameConnection = db->OpenRecordset("Employers");
    auto second = OpenMain()->OpenRecordset("Employers");
    first->Edit();
    EXPECT_ENGINE_ERROR(sameConnection->Edit(), 3260);
    EXPECT_ENGINE_ERROR(second->Edit(), 3260);
    EXPECT_ENGINE_ERROR(second->Delete(), 3260);
    second->MoveNext();
    second->Edit(); // another row is free
    second->CancelUpdate();
    second->MoveFirst();

    first->Fields("City") = Value{std::string("HARTFORD")};
    first->Update();
    second->Edit();
    // Edit starts from the row as stored now.
    EXPECT_EQ("HARTFORD", Text(second->Fields("City").Value()));
    second->CancelUpdate();
    first->Edit();
    first->CancelUpdate();
    second->Edit();
    second->Close();
    first->Edit();
    first->CancelUpdate();
}

TEST_F(RowLocksTest, AWriteBlockedByAnotherWritersTransactionIsLocked) {
    auto writer = OpenMain();
    writer->BeginTrans();
    writer->Execute("UPDATE Employers SET City = 'X' WHERE EmployerNo = 2");
    auto rs = OpenMain()->OpenRecordset("Employers");
    rs->Edit();
    rs->Fields("City") = Value{std::string("Y")};
    EXPECT_ENGINE_ERROR(rs->Update(), 3260);
    writer->Rollback();
    rs->Update(); // the edit stayed pending and goes through now
    EXPECT_EQ("Y", Text(OpenMain()->OpenRecordset("Employers")->Fields("City").Value()));
}

// The other process: edits the first employer, reports through the pipe, and
// then either updates when told or waits to be killed.
void HoldRowInChild(const std::string& mainPath, int reportFd, int commandFd) {
    try {
        auto rs = data::OpenDatabase(mainPath)->OpenRecordset("Employers");
        rs->Edit();
        rs->Fields("City") = Value{std::string("FROM CHILD")};
        char ready = 'r';
        if (::write(reportFd, &ready, 1) != 1) ::_exit(3);
        char command = 0;
        if (::read(commandFd, &command, 1) == 1 && command == 'u') rs->Update();
        ::_exit(0);
    } catch (...) {
        ::_exit(2);
    }
}

struct Child {
    pid_t pid;
    int report;
    int command;
};

Child StartHolder(const std::string& mainPath) {
    int report[2], command[2];
    if (::pipe(report) != 0 || ::pipe(command) != 0) throw std::runtime_error("pipe");
    pid_t pid = ::fork();
    if (pid == 0) {
        ::close(report[0]);
        ::close(command[1]);
        HoldRowInChild(mainPath, report[1], command[0]);
    }
    ::close(report[1]);
    ::close(command[0]);
    char ready = 0;
    if (::read(report[0], &ready, 1) != 1 || ready != 'r') throw std::runtime_error("child did not edit");
    return {pid, report[0], command[1]};
}

TEST_F(RowLocksTest, AnotherProcessHoldingTheRowBlocksEditUntilItUpdates) {
    Child child = StartHolder(MainPath());
    auto rs = OpenMain()->OpenRecordset("Employers");
    EXPECT_ENGINE_ERROR(rs->Edit(), 3260);
    char update = 'u';
    ASSERT_EQ(1, ::write(child.command, &update, 1));
    int status = 0;
    ::waitpid(child.pid, &status, 0);
    EXPECT_EQ(0, WEXITSTATUS(status));
    rs->Edit();
    EXPECT_EQ("FROM CHILD", Text(rs->Fields("City").Value()));
    ::close(child.report);
    ::close(child.command);
}

TEST_F(RowLocksTest, AKilledHolderDoesNotBlockForEver) {
    Child child = StartHolder(MainPath());
    auto rs = OpenMain()->OpenRecordset("Employers");
    EXPECT_ENGINE_ERROR(rs->Edit(), 3260);
    ::kill(child.pid, SIGKILL);
    ::waitpid(child.pid, nullptr, 0);
    rs->Edit();
    EXPECT_EQ("", Text(rs->Fields("City").Value())); // the dead holder's change was never stored
    ::close(child.report);
    ::close(child.command);
}

TEST_F(RowLocksTest, ADeleteQueryRefusesRowsAnotherProcessHoldsAndChangesNothing) {
    Child child = StartHolder(MainPath());
    auto db = OpenMain();
    EXPECT_ENGINE_ERROR(db->Execute("DELETE * FROM Employers WHERE EmployerNo = 1", data::dbFailOnError), 3260);
    EXPECT_ENGINE_ERROR(db->Execute("DELETE * FROM Employers", data::dbFailOnError), 3260);
    EXPECT_EQ(2, db->OpenRecordset("Employers")->RecordCount());
    db->Execute("DELETE * FROM Employers WHERE EmployerNo = 2", data::dbFailOnError);
    EXPECT_EQ(1, db->OpenRecordset("Employers")->RecordCount());
    ::kill(child.pid, SIGKILL);
    ::waitpid(child.pid, nullptr, 0);
    ::close(child.report);
    ::close(child.command);
}

// A delete query refuses rows another process holds and changes nothing; a
// holder that is killed leaves neither its lock nor its change behind.
TEST_F(RowLocksTest, AKilledHolderBlocksNothingAfterItAndStoredNothing) {
    Child child = StartHolder(MainPath());
    auto db = OpenMain();
    EXPECT_ENGINE_ERROR(db->Execute("DELETE * FROM Employers", data::dbFailOnError), 3260);
    EXPECT_EQ(2, db->OpenRecordset("Employers")->RecordCount());
    db->Execute("DELETE * FROM Employers WHERE EmployerNo = 2", data::dbFailOnError);
    auto rs = db->OpenRecordset("Employers");
    EXPECT_ENGINE_ERROR(rs->Edit(), 3260);
    ::kill(child.pid, SIGKILL);
    ::waitpid(child.pid, nullptr, 0);
    rs->Edit();
    EXPECT_EQ("", Text(rs->Fields("City").Value()));
    ::close(child.report);
    ::close(child.command);
}

// Another copy deleted the row this recordset stands on (or, bypassing the
// locks, the row it edits) and added one, which SQLite puts in the deleted
// row's place: nothing reaches the new row, and nothing is reported as done
// that was not.
TEST_F(RowLocksTest, ChangingARowAnotherCopyDeletedIsRecordDeletedWhateverTookItsPlace) {
    auto other = OpenMain();
    auto rs = OpenMain()->OpenRecordset("Employers");
    rs->MoveLast();
    other->Execute("DELETE * FROM Employers WHERE EmployerNo = 2");
    AddEmployer(*other, 3, "THREE");
    auto editingThree = other->OpenRecordset("Employers");
    editingThree->MoveLast();
    editingThree->Edit();
    EXPECT_ENGINE_ERROR(rs->Edit(), 3167);
    editingThree->CancelUpdate();

    rs->MoveLast();
    other->Execute("DELETE * FROM Employers WHERE EmployerNo = 3");
    AddEmployer(*other, 4, "FOUR");
    EXPECT_ENGINE_ERROR(rs->Delete(), 3167);

    rs->MoveLast();
    rs->Edit();
    rs->Fields("City") = Value{std::string("LOST")};
    sqlite3* raw = nullptr;
    ASSERT_EQ(SQLITE_OK, sqlite3_open(MainPath().c_str(), &raw));
    sqlite3_exec(raw, "DELETE FROM Employers WHERE EmployerNo = 4; INSERT INTO Employers (EmployerNo) VALUES (5)",
                 nullptr, nullptr, nullptr);
    EXPECT_ENGINE_ERROR(rs->Update(), 3167);
    sqlite3_stmt* fifth = nullptr;
    sqlite3_prepare_v2(raw, "SELECT rowid, City IS NULL FROM Employers WHERE EmployerNo = 5", -1, &fifth, nullptr);
    ASSERT_EQ(SQLITE_ROW, sqlite3_step(fifth));
    EXPECT_EQ(2, sqlite3_column_int(fifth, 0)) << "the new row took the edited row's place";
    EXPECT_EQ(1, sqlite3_column_int(fifth, 1));
    sqlite3_finalize(fifth);
    sqlite3_close(raw);
}

// Whoever makes the lock file makes it for every user who may write the
// database; a copy that cannot lock rows changes nothing.
TEST_F(RowLocksTest, TheLockFileServesEveryWriterAndACopyThatCannotLockCannotEdit) {
    ASSERT_EQ(0, ::chmod(Folder().c_str(), 0777));
    ASSERT_EQ(0, ::chmod(MainPath().c_str(), 0666));
    mode_t previous = ::umask(022);
    auto rs = OpenMain()->OpenRecordset("Employers");
    rs->Edit();
    rs->CancelUpdate();
    ::umask(previous);
    struct stat lockFile {};
    ASSERT_EQ(0, ::stat((MainPath() + ".locks").c_str(), &lockFile));
    EXPECT_EQ(0666u, lockFile.st_mode & 0777);

    const auto editElsewhere = [this] {
        try {
            auto other = data::OpenDatabase(MainPath())->OpenRecordset("Employers");
            other->Edit();
            return 1;
        } catch (const basic::RuntimeError& error) {
            return error.Number() == 3027 ? 0 : 2;
        }
    };
    EXPECT_EQ(1, permissionbits::RunBoundByPermissions(editElsewhere)); // another writer may edit
    ASSERT_EQ(0, ::chmod((MainPath() + ".locks").c_str(), 0444));
    EXPECT_EQ(0, permissionbits::RunBoundByPermissions(editElsewhere)); // it cannot lock: read-only
}

// Something that is no file stands where the lock file belongs when the
// program starts (a folder, a link to nothing, a pipe): the data is not
// read-only, but no row can be locked in it, so every change says the file
// cannot be locked, as when the lock file is replaced while the program
// runs. Checked bound by permission bits, so the shapes' permissions count too.
TEST_F(RowLocksTest, NoFileInTheLockFilesPlaceRefusesEveryChangeAsALockFileLost) {
    ASSERT_EQ(0, ::chmod(Folder().c_str(), 0777));
    ASSERT_EQ(0, ::chmod(MainPath().c_str(), 0666));
    const std::string lockFile = MainPath() + ".locks";
    const auto changesBoundByPermissions = [this] {
        auto db = OpenMain();
        auto rows = db->OpenRecordset("Employers");
        const auto refusal = [](const std::function<void()>& change) {
            try {
                change();
                return 0;
            } catch (const basic::RuntimeError& error) {
                return error.Number();
            }
        };
        if (!rows->Updatable()) return 1;
        if (refusal([&] { rows->Edit(); }) != 3050) return 2;
        if (refusal([&] { rows->AddNew(); }) != 3050) return 3;
        if (refusal([&] { db->Execute("DELETE * FROM Employers", data::dbFailOnError); }) != 3050) return 4;
        return 0;
    };
    const std::function<void()> shapes[] = {
        [&] { std::filesystem::create_directory(lockFile); },
        [&] { std::filesystem::create_symlink(Folder() + "/nowhere", lockFile); },
        [&] { ::mkfifo(lockFile.c_str(), 0644); },
    };
    for (const auto& makeShape : shapes) {
        std::filesystem::remove_all(lockFile);
        makeShape();
        EXPECT_EQ(0, permissionbits::RunBoundByPermissions(changesBoundByPermissions));
    }
    EXPECT_EQ(2, OpenMain()->OpenRecordset("Employers")->RecordCount());
}

} // namespace
