#include "Baselines.h"

#include "ItemFile.h"
#include "platform/data/Schema.h"

#include <sqlite3.h>

#include <QFont>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

#include <stdexcept>
#include <string>
#include <vector>

namespace bench {
namespace {

constexpr int kDotsPerInch = 1200;

sqlite3* shared = nullptr;

sqlite3* Open(const std::filesystem::path& folder) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2((folder / data::kMainDatabaseFile).c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        throw std::runtime_error("cannot open the bench database");
    return db;
}

// Steps the statement to its end, reading every column of every row as text;
// calls `row` with the texts of each row.
template <class Row>
void ReadAll(sqlite3* db, const char* sql, Row row, long number = 0, const std::string& text = {}) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) throw std::runtime_error(sqlite3_errmsg(db));
    if (sqlite3_bind_parameter_count(stmt) >= 1) {
        if (text.empty()) sqlite3_bind_int64(stmt, 1, number);
        else sqlite3_bind_text(stmt, 1, text.c_str(), -1, SQLITE_TRANSIENT);
    }
    if (sqlite3_bind_parameter_count(stmt) >= 2) {
        if (text.empty()) sqlite3_bind_null(stmt, 2);
        else sqlite3_bind_int64(stmt, 2, static_cast<sqlite3_int64>(text.size()));
    }
    std::vector<std::string> values;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        values.clear();
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
            const auto* value = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
            values.emplace_back(value ? value : "");
        }
        row(values);
    }
    sqlite3_finalize(stmt);
}

void Ignore(const std::vector<std::string>&) {}

QFont PrintoutFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    font.setPointSizeF(12);
    return font;
}

} // namespace

void OpenSharedConnection(const std::filesystem::path& folder) { shared = Open(folder); }

void CloseSharedConnection() {
    sqlite3_close(shared);
    shared = nullptr;
}

void CountTheCheckedTables(const std::filesystem::path& folder) {
    sqlite3* db = Open(folder);
    for (const char* sql : {"SELECT count(*) FROM Employers", "SELECT count(*) FROM Employees",
                            "SELECT count(*) FROM W2Dollars", "SELECT count(*) FROM DET941"})
        ReadAll(db, sql, Ignore);
    sqlite3_close(db);
}

void ReadLastEmployer(const std::filesystem::path&) {
    ReadAll(shared, "SELECT * FROM Employers ORDER BY rowid DESC LIMIT 1", Ignore);
}

void FindEmployerByName(const std::filesystem::path&, const std::string& prefix) {
    ReadAll(shared,
            "SELECT * FROM Employers NOT INDEXED WHERE substr(EmployerName1, 1, ?2) = ?1 ORDER BY rowid LIMIT 1",
            Ignore, 0, prefix);
}

void ReadReturnRow(const std::filesystem::path& folder, long employerNo, const std::string& period) {
    sqlite3* db = Open(folder);
    ReadAll(db, ("SELECT * FROM DET941 WHERE EmployerNo = ?1 AND Qtr_Yr = '" + period + "'").c_str(), Ignore,
            employerNo);
    sqlite3_close(db);
}

void ReadEmployersByName(const std::filesystem::path& folder) {
    sqlite3* db = Open(folder);
    ReadAll(db, "SELECT * FROM Employers ORDER BY EmployerName1", Ignore);
    sqlite3_close(db);
}

void AddEmployer(const std::filesystem::path& folder, const std::string& taxId) {
    sqlite3* id = nullptr;
    if (sqlite3_open_v2((folder / data::kIdDatabaseFile).c_str(), &id, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        throw std::runtime_error("cannot open the bench counter");
    long number = 0;
    sqlite3_exec(id, "PRAGMA synchronous = FULL; BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    ReadAll(id, "SELECT NextCounter FROM Employers_ID",
            [&](const std::vector<std::string>& row) { number = std::stol(row[0]); });
    sqlite3_exec(id, "UPDATE Employers_ID SET NextCounter = NextCounter + 1; COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(id);

    sqlite3_exec(shared, "PRAGMA synchronous = FULL; BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(shared,
                       "INSERT INTO Employers (EmployerNo, EmployerName1, IdType, Pyr_Taxid, TypePayer, Country, "
                       "AddressLine2, City, State, EmployerZipCode) VALUES (?1, 'BENCH BASELINE', '1', ?2, 'R', 'Y', "
                       "'12 ELM ST', 'NEW HAVEN', 'CT', '06510')",
                       -1, &insert, nullptr);
    sqlite3_bind_int64(insert, 1, number);
    sqlite3_bind_text(insert, 2, taxId.c_str(), -1, SQLITE_TRANSIENT);
    const int stepped = sqlite3_step(insert);
    sqlite3_finalize(insert);
    sqlite3_exec(shared, "COMMIT", nullptr, nullptr, nullptr);
    if (stepped != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(shared));
}

void WriteItemsPdf(const std::string& itemsPath, const std::string& pdfPath) {
    constexpr int kAmountCode = 2;
    QPdfWriter writer(QString::fromStdString(pdfPath));
    writer.setResolution(kDotsPerInch);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setPageSize(QPageSize(QPageSize::Letter));
    QPainter painter(&writer);
    painter.setFont(PrintoutFont());
    QFontMetricsF metrics(painter.font(), painter.device());
    bool first = true;
    ReadItems(
        itemsPath,
        [&] {
            if (!first) writer.newPage();
            first = false;
        },
        [&](const printing::PrintItem& item) {
            QString text = QString::fromStdString(item.text);
            double left = item.left * kDotsPerInch;
            if (item.code == kAmountCode) left += item.width * kDotsPerInch - metrics.horizontalAdvance(text);
            painter.drawText(QPointF(left, item.top * kDotsPerInch + metrics.ascent()), text);
        });
    painter.end();
}

} // namespace bench
