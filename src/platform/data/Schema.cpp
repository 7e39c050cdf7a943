#include "platform/data/Schema.h"

#include "platform/data/Connection.h"
#include "platform/data/Errors.h"
#include "platform/files/CaseBlindNames.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>

namespace data {

namespace {

std::string CreateTableSql(const TableDef& table) {
    std::string sql = "CREATE TABLE " + QuoteIdentifier(table.name) + " (";
    for (size_t i = 0; i < table.columns.size(); ++i) {
        const ColumnDef& column = table.columns[i];
        sql += (i ? ", " : "") + QuoteIdentifier(column.name) + " " + DeclaredType(column);
        // The engine compares text without regard to case, keys included.
        if (column.kind == ColumnKind::Text) sql += " COLLATE NOCASE";
        for (const auto& name : table.notNull) {
            if (files::SameNameCaseBlind(name, column.name)) sql += " NOT NULL";
        }
    }
    return sql + ")";
}

std::string CreateIndexSql(const TableDef& table, const std::vector<std::string>& key, size_t number) {
    std::string columns;
    for (const auto& name : key) columns += (columns.empty() ? "" : ", ") + QuoteIdentifier(name);
    return "CREATE UNIQUE INDEX " + QuoteIdentifier(table.name + "_key" + std::to_string(number)) + " ON " +
           QuoteIdentifier(table.name) + " (" + columns + ")";
}

} // namespace

std::string DeclaredType(const ColumnDef& column) {
    switch (column.kind) {
    case ColumnKind::Integer: return "INTEGER";
    case ColumnKind::Real: return "REAL";
    case ColumnKind::Text: return "TEXT(" + std::to_string(column.width) + ")";
    }
    return "TEXT";
}

const TableDef* FindTableDef(const std::string& name) {
    for (const auto* list : {&MainDatabaseTables(), &IdDatabaseTables()}) {
        for (const auto& table : *list) {
            if (files::SameNameCaseBlind(table.name, name)) return &table;
        }
    }
    return nullptr;
}

void CreateSchemaDatabase(const std::string& nativePath, const std::vector<TableDef>& tables,
                          const std::vector<std::string>& firstRows) {
    std::error_code ec;
    if (std::filesystem::exists(nativePath, ec)) RaiseEngineError(errDatabaseExists, kSourceWorkspace, nativePath);
    auto connection = Connection::Open(nativePath, false, true);
    connection->Exec("BEGIN IMMEDIATE", kSourceWorkspace);
    for (const auto& table : tables) {
        connection->Exec(CreateTableSql(table), kSourceWorkspace);
        for (size_t i = 0; i < table.uniqueKeys.size(); ++i) {
            connection->Exec(CreateIndexSql(table, table.uniqueKeys[i], i + 1), kSourceWorkspace);
        }
        for (const auto& column : table.searchedColumns) {
            connection->Exec("CREATE INDEX " + QuoteIdentifier(table.name + "_by" + column) + " ON " +
                                 QuoteIdentifier(table.name) + " (" + QuoteIdentifier(column) + ")",
                             kSourceWorkspace);
        }
    }
    for (const auto& row : firstRows) connection->Exec(row, kSourceWorkspace);
    connection->Exec("COMMIT", kSourceWorkspace);
}

namespace {

// Makes one empty database under a name of its own and renames it into
// place once complete, so that a start cut short leaves either no file or a
// whole one; the half-made file of an earlier try is thrown away first.
void MakeWholeDatabase(const std::filesystem::path& target, const std::vector<TableDef>& tables,
                       const std::vector<std::string>& firstRows) {
    namespace fs = std::filesystem;
    fs::path making = target;
    making += ".making";
    fs::path journal = making;
    journal += "-journal";
    fs::remove(making);
    fs::remove(journal);
    CreateSchemaDatabase(making.string(), tables, firstRows);
    fs::rename(making, target);
    // The new name is on the disk before the caller goes on.
    int folder = ::open(target.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

} // namespace

std::vector<std::string> MakeEmptyDatabases(const std::string& nativeFolder) {
    namespace fs = std::filesystem;
    std::vector<std::string> created;
    fs::path folder(nativeFolder);
    fs::create_directories(folder);

    if (!files::EntryNamed(folder, kMainDatabaseFile)) {
        MakeWholeDatabase(folder / kMainDatabaseFile, MainDatabaseTables(), {});
        created.push_back(kMainDatabaseFile);
    }
    if (!files::EntryNamed(folder, kIdDatabaseFile)) {
        // The counter tables come with their one row; the program never sets a start value.
        MakeWholeDatabase(folder / kIdDatabaseFile, IdDatabaseTables(),
                          {"INSERT INTO \"Employers_ID\" (\"NextCounter\") VALUES (1)",
                           "INSERT INTO \"Employees_ID\" (\"NextCounter\") VALUES (1)"});
        created.push_back(kIdDatabaseFile);
    }
    return created;
}

} // namespace data
