#pragma once
// A database file another copy holds whole, as its restore does while it
// commits: for tests, a connection of its own with the file's exclusive
// lock until Release() or its end. The engine's connections wait their
// 400 ms for it and give up.
#include <sqlite3.h>
#include <string>

class HeldDatabase {
public:
    explicit HeldDatabase(const std::string& path) {
        if (sqlite3_open(path.c_str(), &db_) != SQLITE_OK ||
            sqlite3_exec(db_, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) != SQLITE_OK)
            Release();
    }
    ~HeldDatabase() { Release(); }
    HeldDatabase(const HeldDatabase&) = delete;
    HeldDatabase& operator=(const HeldDatabase&) = delete;

    bool Holding() const { return db_ != nullptr; }
    // Lets go of the file; nothing was changed.
    void Release() {
        if (db_ != nullptr) sqlite3_close(db_);
        db_ = nullptr;
    }

private:
    sqlite3* db_ = nullptr;
};
