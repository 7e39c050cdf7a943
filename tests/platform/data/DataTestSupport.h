#pragma once
// A fresh folder with the installation's empty databases for each test, and
// helpers to expect the engine's error numbers.

#include "platform/basic/RuntimeError.h"
#include "platform/data/Engine.h"
#include "platform/data/Schema.h"
#include "support/RunFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace datatest {

class DatabaseFolder : public ::testing::Test {
protected:
    void SetUp() override {
        run_ = std::make_unique<RunFolder>("tv941-data");
        folder_ = run_->Path().string();
        data::MakeEmptyDatabases(folder_);
    }
    void TearDown() override { run_.reset(); }

    std::string Folder() const { return folder_; }
    std::string MainPath() const { return folder_ + "/TV941.MDB"; }
    std::string IdPath() const { return folder_ + "/db1099_ID.mdb"; }
    data::DatabasePtr OpenMain() const { return data::OpenDatabase(MainPath()); }

    // Adds an employer through a recordset and returns nothing; the key
    // columns are those of the unique key.
    static void AddEmployer(data::Database& db, long number, const std::string& name, const std::string& idType = "1",
                            const std::string& taxId = "", const std::string& typePayer = "R") {
        auto rs = db.OpenRecordset("Employers");
        rs->AddNew();
        rs->Fields("EmployerNo") = data::Value{std::int64_t{number}};
        rs->Fields("EmployerName1") = data::Value{name};
        rs->Fields("IdType") = data::Value{idType};
        rs->Fields("Pyr_Taxid") = data::Value{taxId.empty() ? std::to_string(100000000 + number) : taxId};
        rs->Fields("TypePayer") = data::Value{typePayer};
        rs->Update();
    }

private:
    std::unique_ptr<RunFolder> run_;
    std::string folder_;
};

inline std::string Text(const data::Value& value) { return data::ToText(value); }

} // namespace datatest

// Runs the statement and expects a basic::RuntimeError with that number.
#define EXPECT_ENGINE_ERROR(statement, number)                                                                         \
    do {                                                                                                               \
        try {                                                                                                          \
            statement;                                                                                                 \
            ADD_FAILURE() << "expected error " << (number) << " from " #statement;                                     \
        } catch (const basic::RuntimeError& error) {                                                                   \
            EXPECT_EQ((number), error.Number()) << error.Description();                                                \
        }                                                                                                              \
    } while (0)
