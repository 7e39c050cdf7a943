#pragma once
// A fresh program folder with the installation's empty databases, also the
// current folder, for one test of the employer screen; the forms runtime
// starts empty and every box must be scripted.
#include <gtest/gtest.h>

#include <filesystem>
#include <sqlite3.h>
#include <stdexcept>
#include <string>
#include <unistd.h>

#include "employers/frmEmployersDE.h"
#include "platform/basic/Rnd.h"
#include "platform/data/Schema.h"
#include "platform/files/ProgramFolder.h"
#include "platform/forms/Forms.h"
#include "shell/RegisterScreens.h"

class EmployerScreenFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::temp_directory_path() /
                  ("tv-employers-" + std::to_string(::getpid()) + "-" + test->test_suite_name() + "-" +
                   test->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        previousCurrent_ = std::filesystem::current_path();
        files::SetProgramFolder(folder_);
        std::filesystem::current_path(folder_);
        data::MakeEmptyDatabases(folder_.string());
        forms::App().Reset();
        RegisterScreens();
        dialogs_ = &forms::App().UseScriptedDialogs();
        basic::RestartRnd();
    }

    void TearDown() override
    {
        forms::App().Reset();
        std::filesystem::current_path(previousCurrent_);
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    const std::filesystem::path& Folder() const { return folder_; }
    std::string MainPath() const { return (folder_ / data::kMainDatabaseFile).string(); }
    std::string IdPath() const { return (folder_ / data::kIdDatabaseFile).string(); }
    forms::ScriptedDialogs& Dialogs() { return *dialogs_; }

    // Runs SQL straight on a database file, past the code under test.
    static void Sql(const std::string& path, const std::string& statement)
    {
        sqlite3* db = nullptr;
        sqlite3_open(path.c_str(), &db);
        sqlite3_busy_timeout(db, 5000);
        char* error = nullptr;
        const int rc = sqlite3_exec(db, statement.c_str(), nullptr, nullptr, &error);
        const std::string message = error ? error : "";
        sqlite3_free(error);
        sqlite3_close(db);
        if (rc != SQLITE_OK) throw std::runtime_error(statement + ": " + message);
    }

    // The query's rows joined by ";", columns by "|", Null as NULL.
    static std::string Query(const std::string& path, const std::string& statement)
    {
        sqlite3* db = nullptr;
        sqlite3_open(path.c_str(), &db);
        sqlite3_busy_timeout(db, 5000);
        sqlite3_stmt* query = nullptr;
        if (sqlite3_prepare_v2(db, statement.c_str(), -1, &query, nullptr) != SQLITE_OK) {
            const std::string message = sqlite3_errmsg(db);
            sqlite3_close(db);
            throw std::runtime_error(statement + ": " + message);
        }
        std::string rows;
        while (sqlite3_step(query) == SQLITE_ROW) {
            if (!rows.empty()) rows += ";";
            for (int c = 0; c < sqlite3_column_count(query); ++c) {
                if (c > 0) rows += "|";
                const auto* text = sqlite3_column_text(query, c);
                rows += text ? reinterpret_cast<const char*>(text) : "NULL";
            }
        }
        sqlite3_finalize(query);
        sqlite3_close(db);
        return rows;
    }

    // An employer as the installation would hold it.
    void AddEmployer(int number, const std::string& name, const std::string& idType = "1",
                     const std::string& taxId = "", const std::string& kind = "R")
    {
        const std::string id = taxId.empty() ? std::to_string(100000000 + number) : taxId;
        Sql(MainPath(), "INSERT INTO Employers (EmployerNo, EmployerName1, IdType, Pyr_Taxid, TypePayer, "
                        "Country, AddressLine2, City, State, EmployerZipCode) VALUES (" +
                            std::to_string(number) + ", '" + name + "', '" + idType + "', '" + id +
                            "', '" + kind + "', 'Y', '1 MAIN ST', 'HARTFORD', 'CT', '06101')");
    }

    void SetCounter(long next) { Sql(IdPath(), "UPDATE Employers_ID SET NextCounter = " + std::to_string(next)); }
    std::string Counter() const { return Query(IdPath(), "SELECT NextCounter FROM Employers_ID"); }

    // Loads and shows the employer screen as the main menu does.
    frmEmployersDE& OpenScreen()
    {
        auto& screen = forms::Screen<frmEmployersDE>();
        screen.Show();
        return screen;
    }

    // The prompts of the boxes shown so far, joined by " | ".
    std::string Prompts() const
    {
        std::string all;
        for (const auto& box : dialogs_->Boxes()) all += (all.empty() ? "" : " | ") + box.prompt;
        return all;
    }

    // Types the fields Save checks, a US address with a state and zip code.
    static void TypeSavableEmployer(frmEmployersDE& screen, const std::string& name, const std::string& taxId,
                                    const std::string& kind = "R")
    {
        forms::user::TypeText(screen.mskEmployerName1, name);
        forms::user::TypeText(screen.mskIdType, "1");
        forms::user::TypeText(screen.mskPyr_Taxid, taxId);
        forms::user::TypeText(screen.mskTypePayer, kind);
        forms::user::TypeText(screen.mskCountry, "Y");
        forms::user::TypeText(screen.mskAddress, "12 ELM ST");
        forms::user::TypeText(screen.mskCity, "NEW HAVEN");
        forms::user::TypeText(screen.mskState, "CT");
        forms::user::TypeText(screen.mskEmployerZip, "06510");
    }

private:
    std::filesystem::path folder_;
    std::filesystem::path previousCurrent_;
    forms::ScriptedDialogs* dialogs_ = nullptr;
};
