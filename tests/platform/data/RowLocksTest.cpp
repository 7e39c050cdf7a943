// Row locks between connections of one process and between processes
// sharing the folder: Edit of a row someone else holds is 3260, and a holder
// that dies leaves nothing behind.

#include "DataTestSupport.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using datatest::Text;
using data::Value;

class RowLocksTest : public datatest::DatabaseFolder {
protected:
    void SetUp() override
    {
        DatabaseFolder::SetUp();
        auto db = OpenMain();
        AddEmployer(*db, 1, "ONE");
        AddEmployer(*db, 2, "TWO");
    }
};

TEST_F(RowLocksTest, EditOfARowAnotherConnectionHoldsIsRefusedUntilItsUpdate)
{
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

TEST_F(RowLocksTest, CancelUpdateAndCloseReleaseTheLock)
{
    auto first = OpenMain()->OpenRecordset("Employers");
    auto second = OpenMain()->OpenRecordset("Employers");
    first->Edit();
    first->CancelUpdate();
    second->Edit();
    second->Close();
    first->Edit();
    first->CancelUpdate();
}

TEST_F(RowLocksTest, TwoRecordsetsOfOneConnectionExcludeEachOther)
{
    auto db = OpenMain();
    auto first = db->OpenRecordset("Employers");
    auto second = db->OpenRecordset("Employers");
    first->Edit();
    EXPECT_ENGINE_ERROR(second->Edit(), 3260);
}

TEST_F(RowLocksTest, AWriteBlockedByAnotherWritersTransactionIsLocked)
{
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
void HoldRowInChild(const std::string& mainPath, int reportFd, int commandFd)
{
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

Child StartHolder(const std::string& mainPath)
{
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

TEST_F(RowLocksTest, AnotherProcessHoldingTheRowBlocksEditUntilItUpdates)
{
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

TEST_F(RowLocksTest, AKilledHolderDoesNotBlockForEver)
{
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

} // namespace
