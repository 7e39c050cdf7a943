// A printout's walk over the employers by name shares one read of the file:
// it must find what separate reads would, and never keep another copy from
// saving.

#include "DataTestSupport.h"
#include "platform/data/Recordset.h"

#include <chrono>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using data::Value;
using datatest::Text;

class HeldReadTest : public datatest::DatabaseFolder {
protected:
    // Employers 1..count, named so that the name order is the reverse of
    // the number order.
    void AddEmployers(data::Database& db, long count) {
        for (long number = 1; number <= count; ++number) {
            AddEmployer(db, number, "EMPLOYER " + std::to_string(100000 - number));
        }
    }
    static long NumberOf(data::Recordset& rows) { return std::stol(Text(rows.Fields("EmployerNo").Value())); }
};

// Past the rows read together, changes made before the walk and changes
// made through the walk's own database during it are all found.
TEST_F(HeldReadTest, TheWalkFindsWhatSeparateReadsWould) {
    auto db = OpenMain();
    AddEmployers(*db, 150);
    auto rows = db->OpenRecordset("SELECT * FROM Employers ORDER BY EmployerName1");
    auto other = OpenMain();
    other->Execute("DELETE FROM Employers WHERE EmployerNo = 140");
    other->Execute("UPDATE Employers SET EmployerName2 = 'BEFORE' WHERE EmployerNo = 100");

    std::vector<long> numbers;
    {
        const data::HeldRead oneRead(*rows);
        for (rows->MoveFirst(); !rows->Eof(); rows->MoveNext()) {
            numbers.push_back(NumberOf(*rows));
            if (NumberOf(*rows) == 120) db->Execute("UPDATE Employers SET EmployerName2 = 'DURING' WHERE EmployerNo = 90");
            if (NumberOf(*rows) == 100) {
                EXPECT_EQ("BEFORE", Text(rows->Fields("EmployerName2").Value()));
            }
            if (NumberOf(*rows) == 90) {
                EXPECT_EQ("DURING", Text(rows->Fields("EmployerName2").Value()));
            }
        }
    }
    ASSERT_EQ(149u, numbers.size());
    EXPECT_EQ(150, numbers.front());
    EXPECT_EQ(141, numbers[9]); // 140 skipped
    EXPECT_EQ(1, numbers.back());

    // Once the walk is over, nothing of its read is left to hold a save up.
    other->Execute("UPDATE Employers SET EmployerName2 = 'AFTER' WHERE EmployerNo = 1", data::dbFailOnError);
}

// A slow walk (pages rendered as it goes) lasts longer than another copy
// waits to save; the held read is let go often enough for the save to pass.
TEST_F(HeldReadTest, AnotherCopySavesWhileASlowWalkGoesOn) {
    auto db = OpenMain();
    AddEmployers(*db, 40);
    auto rows = db->OpenRecordset("SELECT * FROM Employers ORDER BY EmployerName1");
    // Forked while this process holds nothing of the file: the engine's
    // bookkeeping of its locks is copied into the child.
    const pid_t otherCopy = ::fork();
    if (otherCopy == 0) {
        int code = 1;
        try {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            data::OpenDatabase(MainPath())->Execute("UPDATE Employers SET EmployerName2 = 'SAVED' WHERE EmployerNo = 1",
                                                    data::dbFailOnError);
            code = 0;
        } catch (...) {
        }
        ::_exit(code);
    }
    const data::HeldRead oneRead(*rows);
    for (rows->MoveFirst(); !rows->Eof(); rows->MoveNext()) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    int status = -1;
    ASSERT_EQ(otherCopy, ::waitpid(otherCopy, &status, 0));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the other copy could not save";
    rows->MoveLast();
    EXPECT_EQ("SAVED", Text(rows->Fields("EmployerName2").Value()));
}

} // namespace
