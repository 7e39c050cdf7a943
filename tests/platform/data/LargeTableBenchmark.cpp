// A benchmark, not a check: run it with
//   test_data --gtest_also_run_disabled_tests --gtest_filter='*HundredThousand*'
// It shows that opening a 100,000-row Employers table and moving to its last
// row reads no more than a few rows.

#include "DataTestSupport.h"

#include <chrono>
#include <iostream>

namespace {

class LargeTableBenchmark : public datatest::DatabaseFolder {};

TEST_F(LargeTableBenchmark, DISABLED_OpenAndMoveLastOnAHundredThousandEmployers) {
    constexpr long kRows = 100000;
    {
        auto db = OpenMain();
        db->BeginTrans();
        for (long i = 1; i <= kRows; ++i) {
            db->Execute("INSERT INTO Employers (EmployerNo, EmployerName1, IdType, Pyr_Taxid, TypePayer) VALUES (" +
                        std::to_string(i) + ", 'EMPLOYER " + std::to_string(i) + "', '1', '" +
                        std::to_string(100000000 + i) + "', 'R')");
        }
        db->CommitTrans();
    }
    using Clock = std::chrono::steady_clock;
    auto start = Clock::now();
    auto db = OpenMain();
    auto rs = db->OpenRecordset("Employers");
    auto opened = Clock::now();
    rs->MoveLast();
    auto moved = Clock::now();
    EXPECT_EQ("EMPLOYER 100000", datatest::Text(rs->Fields("EmployerName1").Value()));
    rs->FindFirst("left(EmployerName1, 14) = 'employer 99999'");
    auto found = Clock::now();
    auto ms = [](auto a, auto b) { return std::chrono::duration<double, std::milli>(b - a).count(); };
    std::cout << "open " << ms(start, opened) << " ms, MoveLast " << ms(opened, moved) << " ms, FindFirst "
              << ms(moved, found) << " ms\n";
    EXPECT_EQ("EMPLOYER 99999", datatest::Text(rs->Fields("EmployerName1").Value()));
}

} // namespace
