#include "utilities/UtilityData.h"

#include "platform/basic/RuntimeError.h"
#include "platform/data/Engine.h"
#include "platform/data/Schema.h"

std::string DeleteAllRowsSql(const std::string& table, const std::string& in) {
    return "DELETE * FROM " + table + " IN '" + in + "'";
}

std::string CopyAllRowsSql(const std::string& table, const std::string& to, const std::string& from) {
    return "INSERT INTO " + table + " IN '" + to + "' SELECT * From " + table + " IN '" + from + "'";
}

std::shared_ptr<data::Database> OpenToCopyFrom(const std::string& path) {
    return data::OpenDatabase(path, false, true);
}

void RefuseReturnRowsWithoutKey(data::Database& current, const std::string& table) {
    // The table's key as the table definitions name it (DET941: the employer
    // and the period; Det944: the employer).
    const data::TableDef* definition = data::FindTableDef(table);
    if (!definition || definition->uniqueKeys.empty())
        data::RaiseEngineError(data::errTableNotFound, "DAO.Database", table);
    std::string keyMissing;
    for (const std::string& column : definition->uniqueKeys.front())
        keyMissing += (keyMissing.empty() ? "" : " OR ") + column + " IS NULL";
    auto rows = current.OpenRecordset("SELECT * FROM " + table + " WHERE " + keyMissing, data::dbOpenDynaset, true);
    const bool found = !rows->Eof();
    rows->Close();
    if (found) data::RaiseEngineError(data::errNullInKey, "DAO.Database", table);
}

long long WalkRowCount(data::Database& database, const std::string& table) {
    auto rows = database.OpenRecordset(table, data::dbOpenTable);
    long long count = 0;
    PassOverNoCurrentRecord([&] { rows->MoveFirst(); });
    while (!rows->Eof()) {
        ++count;
        rows->MoveNext();
    }
    if (count > 0) rows->MoveFirst();
    rows->Close();
    return count;
}

int HandledNumberOf(const basic::RuntimeError& error) {
    return error.Source() == data::kSourceEngine ? 0 : error.Number();
}

std::string ErrorReport(const basic::RuntimeError& error, const std::string& afterNumber,
                        const std::string& afterSource) {
    return std::to_string(error.Number()) + afterNumber + error.Source() + afterSource + error.Description();
}
