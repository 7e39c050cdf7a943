#include "platform/data/DbaseFolder.h"

#include "platform/basic/RuntimeError.h"
#include "platform/data/Connection.h"
#include "platform/data/DbaseTable.h"
#include "platform/data/Errors.h"
#include "platform/data/JetSql.h"
#include "platform/files/CaseBlindNames.h"
#include "platform/files/Paths.h"

#include <filesystem>

namespace data {

namespace {

namespace fs = std::filesystem;

// The table file <name>.dbf in the folder, whatever the case of its name.
fs::path TableFile(const fs::path& folder, const std::string& table) {
    auto file = files::EntryNamed(folder, table + ".dbf");
    std::error_code ec;
    if (!file || !fs::is_regular_file(*file, ec)) RaiseEngineError(errTableNotFound, kSourceDatabase, table);
    return *file;
}

void LoadTable(Connection& connection, const fs::path& folder, const std::string& source) {
    const std::string name = jet::ParseRecordSource(source).table.name;
    if (!connection.FindTable("main", name).empty()) return;
    const DbaseTable table = ReadDbaseTable(TableFile(folder, name).string());

    std::string columns;
    std::string places;
    for (size_t f = 0; f < table.fieldNames.size(); ++f) {
        columns += (f ? ", " : "") + QuoteIdentifier(table.fieldNames[f]) + " TEXT";
        places += (f ? ", ?" : "?") + std::to_string(f + 1);
    }
    connection.Exec("PRAGMA query_only = 0", kSourceDatabase);
    try {
        connection.Exec("BEGIN", kSourceDatabase);
        connection.Exec("CREATE TABLE " + QuoteIdentifier(name) + " (" + columns + ")", kSourceDatabase);
        Statement insert(connection.Handle(), "INSERT INTO " + QuoteIdentifier(name) + " VALUES (" + places + ")",
                         kSourceDatabase, true);
        for (const auto& record : table.records) {
            for (size_t f = 0; f < record.size(); ++f) insert.Bind(static_cast<int>(f + 1), record[f]);
            insert.Step();
            insert.Reset();
        }
        connection.Exec("COMMIT", kSourceDatabase);
    } catch (...) {
        connection.Exec("ROLLBACK", kSourceDatabase);
        connection.Exec("PRAGMA query_only = 1", kSourceDatabase);
        throw;
    }
    connection.Exec("PRAGMA query_only = 1", kSourceDatabase);
}

} // namespace

bool IsDbaseConnect(const std::string& connect) {
    return connect.size() >= 5 && files::SameNameCaseBlind(std::string_view(connect).substr(0, 5), "dbase");
}

DatabasePtr OpenDbaseFolder(const std::string& folder) {
    fs::path native;
    try {
        native = files::Resolve(folder);
    } catch (const basic::RuntimeError&) {
        RaiseEngineError(errInvalidPath, kSourceWorkspace, folder);
    }
    std::error_code ec;
    if (!fs::is_directory(native, ec)) RaiseEngineError(errInvalidPath, kSourceWorkspace, folder);

    auto connection = Connection::Open(":memory:", false, true);
    connection->Exec("PRAGMA query_only = 1", kSourceWorkspace);
    connection->MarkReadOnly();
    auto database = std::make_shared<Database>(folder, native.string(), connection);
    database->SetTableSource(
        [connection = connection.get(), native](const std::string& source) { LoadTable(*connection, native, source); });
    return database;
}

} // namespace data
