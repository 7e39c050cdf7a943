#include "SqlText.h"

#include "platform/printing/ValueText.h"

#include <memory>
#include <sqlite3.h>
#include <stdexcept>

namespace scenario {
namespace {

struct CloseConnection {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using ConnectionPtr = std::unique_ptr<sqlite3, CloseConnection>;

struct FinalizeStatement {
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};
using StatementPtr = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

ConnectionPtr Open(const std::filesystem::path& file, bool create = false) {
    if (create) std::filesystem::create_directories(file.parent_path());
    else if (!std::filesystem::exists(file)) throw std::runtime_error("no database file " + file.string());
    sqlite3* raw = nullptr;
    int rc = sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0), nullptr);
    ConnectionPtr db(raw);
    if (rc != SQLITE_OK) throw std::runtime_error(raw ? sqlite3_errmsg(raw) : "cannot open " + file.string());
    sqlite3_busy_timeout(raw, 5000);
    return db;
}

std::string ColumnText(sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_NULL: return "NULL";
    case SQLITE_INTEGER: return std::to_string(sqlite3_column_int64(stmt, column));
    case SQLITE_FLOAT: return printing::ShortestNumber(sqlite3_column_double(stmt, column));
    default: {
        const void* bytes = sqlite3_column_blob(stmt, column);
        int size = sqlite3_column_bytes(stmt, column);
        return bytes ? std::string(static_cast<const char*>(bytes), static_cast<std::size_t>(size)) : std::string();
    }
    }
}

} // namespace

void ExecuteSql(const std::filesystem::path& file, const std::string& sql) {
    auto db = Open(file, true);
    char* error = nullptr;
    if (sqlite3_exec(db.get(), sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error ? error : sqlite3_errmsg(db.get());
        sqlite3_free(error);
        throw std::runtime_error(message);
    }
}

std::string QueryText(const std::filesystem::path& file, const std::string& sql) {
    auto db = Open(file);
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db.get(), sql.c_str(), -1, &raw, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db.get()));
    StatementPtr stmt(raw);
    if (!stmt) throw std::runtime_error("no statement in the text");

    std::string rows;
    bool first = true;
    for (;;) {
        int rc = sqlite3_step(stmt.get());
        if (rc == SQLITE_DONE) break;
        if (rc != SQLITE_ROW) throw std::runtime_error(sqlite3_errmsg(db.get()));
        if (!first) rows += ";";
        first = false;
        for (int c = 0; c < sqlite3_column_count(stmt.get()); ++c) {
            if (c > 0) rows += "|";
            rows += ColumnText(stmt.get(), c);
        }
    }
    return rows;
}

} // namespace scenario
