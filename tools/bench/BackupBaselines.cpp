#include "Baselines.h"

#include "platform/data/Schema.h"

#include <sqlite3.h>

#include <stdexcept>
#include <string>

namespace bench {
namespace {

// The tables a backup holds: its name for each, and the schema it comes from.
constexpr const char* kBackedUp[][3] = {
    {"Employers", "source", "Employers"},
    {"Det944", "source", "Det944"},
    {"Det941", "source", "DET941"},
    {"Employers_ID", "counter", "Employers_ID"},
};

void Exec(sqlite3* db, const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error ? error : "";
        sqlite3_free(error);
        throw std::runtime_error(sql + ": " + message);
    }
}

sqlite3* OpenFile(const std::filesystem::path& file, int flags) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, flags, nullptr) != SQLITE_OK)
        throw std::runtime_error("cannot open " + file.string());
    return db;
}

void Attach(sqlite3* db, const std::filesystem::path& file, const char* schema) {
    Exec(db, "ATTACH DATABASE '" + file.string() + "' AS " + schema);
}

} // namespace

void CopyIntoBackup(const std::filesystem::path& folder, const std::filesystem::path& backupFile) {
    std::filesystem::remove(backupFile);
    sqlite3* db = OpenFile(backupFile, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    Exec(db, "PRAGMA journal_mode = DELETE");
    Attach(db, folder / data::kMainDatabaseFile, "source");
    Attach(db, folder / data::kIdDatabaseFile, "counter");
    for (const auto& table : kBackedUp)
        Exec(db, std::string("CREATE TABLE main.") + table[0] + " AS SELECT * FROM " + table[1] + "." + table[2]);
    sqlite3_close(db);
}

void RestoreFromBackup(const std::filesystem::path& folder, const std::filesystem::path& backupFile) {
    sqlite3* db = OpenFile(folder / data::kMainDatabaseFile, SQLITE_OPEN_READWRITE);
    Attach(db, folder / data::kIdDatabaseFile, "counter");
    Attach(db, backupFile, "backup");
    Exec(db, "BEGIN IMMEDIATE");
    for (const auto& table : kBackedUp) {
        const std::string target = std::string(table[1] == std::string("counter") ? "counter." : "main.") + table[2];
        Exec(db, "DELETE FROM " + target);
        Exec(db, "INSERT INTO " + target + " SELECT * FROM backup." + table[0]);
    }
    Exec(db, "COMMIT");
    sqlite3_close(db);
}

} // namespace bench
