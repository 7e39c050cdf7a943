#include "utilities/UtilityData.h"

#include "platform/basic/RuntimeError.h"
#include "platform/data/Engine.h"

std::string DeleteAllRowsSql(const std::string& table, const std::string& in) {
    return "DELETE * FROM " + table + " IN '" + in + "'";
}

std::string CopyAllRowsSql(const std::string& table, const std::string& to, const std::string& from) {
    return "INSERT INTO " + table + " IN '" + to + "' SELECT * From " + table + " IN '" + from + "'";
}

std::shared_ptr<data::Database> OpenToCopyFrom(const std::string& path) {
    return data::OpenDatabase(path, false, true);
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

std::string ErrorReport(const basic::RuntimeError& error, const std::string& afterNumber,
                        const std::string& afterSource) {
    return std::to_string(error.Number()) + afterNumber + error.Source() + afterSource + error.Description();
}
