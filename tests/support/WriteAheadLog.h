#pragma once
// A database file left in write-ahead mode by another program, as a backup
// or last year's files may come: the statement's rows stand only in the log
// beside it ("-wal"), none of them folded into the file itself.
#include <sqlite3.h>
#include <string>

// True when the statement ran and its rows were left in the log.
inline bool ChangeOnlyInWriteAheadLog(const std::string& file, const std::string& statement) {
    sqlite3* writer = nullptr;
    if (sqlite3_open(file.c_str(), &writer) != SQLITE_OK) return false;
    int keep = 1;
    sqlite3_db_config(writer, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    sqlite3_exec(writer, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr);
    sqlite3_file_control(writer, "main", SQLITE_FCNTL_PERSIST_WAL, &keep);
    const bool ran = sqlite3_exec(writer, statement.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    return sqlite3_close(writer) == SQLITE_OK && ran;
}
