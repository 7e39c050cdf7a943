#include "utilities/UtilityData.h"

#include "platform/basic/RuntimeError.h"
#include "platform/basic/Strings.h"
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

void RefuseReturnRowsWithoutKey(data::Database& current, const std::string& table) {
    // The key of DET941 is the employer and the period; of Det944, the employer.
    const bool byPeriod = basic::SameNameCaseBlind(table, "DET941");
    auto rows = current.OpenRecordset("SELECT * FROM " + table + " WHERE EmployerNo IS NULL" +
                                          (byPeriod ? " OR Qtr_Yr IS NULL" : ""),
                                      data::dbOpenDynaset, true);
    const bool found = !rows->Eof();
    rows->Close();
    if (found) data::RaiseEngineError(data::errNullInKey, "DAO.Database", table);
}

void RefuseCounterWithoutNumber(data::Database& current, const std::string& idDatabase) {
    auto counter =
        current.OpenRecordset("SELECT * FROM Employers_ID IN '" + idDatabase + "'", data::dbOpenDynaset, true);
    const data::Value next = counter->Eof() ? data::Value{} : counter->Fields("NextCounter").Value();
    counter->Close();
    if (!std::holds_alternative<std::int64_t>(next) && !std::holds_alternative<double>(next))
        data::RaiseEngineError(data::errUnrecognizedFormat, "DAO.Database", "Employers_ID");
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
