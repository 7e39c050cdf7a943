#include "platform/data/Schema.h"

#include "platform/data/Connection.h"
#include "platform/data/Errors.h"
#include "platform/files/CaseBlindNames.h"

#include <filesystem>

namespace data {

namespace {

std::string CreateTableSql(const TableDef& table)
{
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

std::string CreateIndexSql(const TableDef& table, const std::vector<std::string>& key, size_t number)
{
    std::string columns;
    for (const auto& name : key) columns += (columns.empty() ? "" : ", ") + QuoteIdentifier(name);
    return "CREATE UNIQUE INDEX " + QuoteIdentifier(table.name + "_key" + std::to_string(number)) + " ON " +
           QuoteIdentifier(table.name) + " (" + columns + ")";
}

} // namespace

std::string DeclaredType(const ColumnDef& column)
{
    switch (column.kind) {
    case ColumnKind::Integer:
        return "INTEGER";
    case ColumnKind::Real:
        return "REAL";
    case ColumnKind::Text:
        return "TEXT(" + std::to_string(column.width) + ")";
    }
    return "TEXT";
}

const TableDef* FindTableDef(const std::string& name)
{
    for (const auto* list : {&MainDatabaseTables(), &IdDatabaseTables()}) {
        for (const auto& table : *list) {
            if (files::SameNameCaseBlind(table.name, name)) return &table;
        }
    }
    return nullptr;
}

void CreateSchemaDatabase(const std::string& nativePath, const std::vector<TableDef>& tables)
{
    std::error_code ec;
    if (std::filesystem::exists(nativePath, ec)) RaiseEngineError(errDatabaseExists, kSourceWorkspace, nativePath);
    auto connection = Connection::Open(nativePath, false, true);
    // Write-ahead logging lets readers and a writer of several copies of the
    // program work on one file at once; the mode stays with the file.
    connection->Exec("PRAGMA journal_mode = WAL", kSourceWorkspace);
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
    connection->Exec("COMMIT", kSourceWorkspace);
}

std::vector<std::string> MakeEmptyDatabases(const std::string& nativeFolder)
{
    namespace fs = std::filesystem;
    std::vector<std::string> created;
    fs::path folder(nativeFolder);
    fs::create_directories(folder);

    if (!files::EntryNamed(folder, kMainDatabaseFile)) {
        CreateSchemaDatabase((folder / kMainDatabaseFile).string(), MainDatabaseTables());
        created.push_back(kMainDatabaseFile);
    }
    if (!files::EntryNamed(folder, kIdDatabaseFile)) {
        fs::path path = folder / kIdDatabaseFile;
        CreateSchemaDatabase(path.string(), IdDatabaseTables());
        auto connection = Connection::Open(path.string(), false, false);
        // The counter table comes with its one row; the program never sets a start value.
        connection->Exec("INSERT INTO \"Employers_ID\" (\"NextCounter\") VALUES (1)", kSourceWorkspace);
        connection->Exec("INSERT INTO \"Employees_ID\" (\"NextCounter\") VALUES (1)", kSourceWorkspace);
        created.push_back(kIdDatabaseFile);
    }
    return created;
}

} // namespace data
