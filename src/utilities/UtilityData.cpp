#include "utilities/UtilityData.h"

#include "platform/basic/RuntimeError.h"
#include "platform/data/Engine.h"
#include "platform/data/Schema.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

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

namespace {

// The counter's last value that can still be handed out: the draw stores
// the number after it, which must stay a long integer.
constexpr std::int64_t kHighestCounter = 2147483646;

constexpr const char* kNumberedTables[] = {"Employers", "DET941", "Det944"};

[[noreturn]] void RefuseCounter() {
    data::RaiseEngineError(data::errUnrecognizedFormat, "DAO.Database", "Employers_ID");
}

// The counter's value as a whole number; one below 1, which is raised in any
// case, as 0.
std::int64_t CounterNumber(const data::Value& value) {
    if (const auto* whole = std::get_if<std::int64_t>(&value)) {
        if (*whole > kHighestCounter) RefuseCounter();
        return std::max<std::int64_t>(*whole, 0);
    }
    const auto* real = std::get_if<double>(&value);
    if (!real || !std::isfinite(*real) || std::trunc(*real) != *real || *real > kHighestCounter) RefuseCounter();
    return static_cast<std::int64_t>(std::max(*real, 0.0));
}

// The highest employer number any row holds, 0 when there is none. The
// copy has let in only whole numbers as keys. A table the file does not
// have holds none (the import leaves Det944 as it finds it, if at all).
std::int64_t HighestNumberInUse(data::Database& current) {
    std::int64_t highest = 0;
    for (const char* table : kNumberedTables) {
        if (!current.HasTable(table)) continue;
        const data::Value value = current.HighestValue(table, "EmployerNo");
        if (const auto* whole = std::get_if<std::int64_t>(&value)) highest = std::max(highest, *whole);
        else if (const auto* real = std::get_if<double>(&value))
            highest = std::max(highest, static_cast<std::int64_t>(std::min<double>(std::ceil(*real), kHighestCounter)));
    }
    return highest;
}

} // namespace

void KeepCounterAboveNumbersInUse(data::Database& current, const std::string& idDatabase) {
    auto counter = current.OpenRecordset("SELECT * FROM Employers_ID IN '" + idDatabase + "'", data::dbOpenDynaset);
    if (counter->Eof()) RefuseCounter();
    const std::int64_t next = CounterNumber(counter->Fields("NextCounter").Value());
    const std::int64_t highest = HighestNumberInUse(current);
    if (highest >= kHighestCounter) RefuseCounter();
    const std::int64_t lowestFree = highest + 1;
    if (next < lowestFree) {
        counter->Edit();
        counter->Fields("NextCounter") = data::Value{lowestFree};
        counter->Update();
    }
    counter->Close();
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
