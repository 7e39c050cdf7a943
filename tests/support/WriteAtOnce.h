#pragma once
// Another copy's write that does not wait for the file: it is stored whole
// at once, or not at all while another connection's transaction holds the
// file. A test that holds a copy inside its transaction cannot let that copy
// go on while the other copy waits, so a waiting write would never end.
#include <sqlite3.h>
#include <string>

// Whether `statements` were stored.
inline bool WriteAtOnce(const std::string& file, const std::string& statements) {
    sqlite3* db = nullptr;
    bool stored = sqlite3_open(file.c_str(), &db) == SQLITE_OK &&
                  sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
    if (stored) {
        stored = sqlite3_exec(db, statements.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK &&
                 sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
        if (!stored) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    sqlite3_close(db);
    return stored;
}
