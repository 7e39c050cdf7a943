#include "BenchDatabase.h"

#include "platform/data/Schema.h"

#include <sqlite3.h>

#include <cstdio>
#include <stdexcept>

namespace bench {
namespace {

void Check(sqlite3* db, int rc) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) throw std::runtime_error(sqlite3_errmsg(db));
}

struct Prepared {
    Prepared(sqlite3* db, const char* sql) : db(db) { Check(db, sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr)); }
    ~Prepared() { sqlite3_finalize(stmt); }
    void Text(int i, const std::string& text) { sqlite3_bind_text(stmt, i, text.c_str(), -1, SQLITE_TRANSIENT); }
    void Number(int i, double value) { sqlite3_bind_double(stmt, i, value); }
    void Whole(int i, long value) { sqlite3_bind_int64(stmt, i, value); }
    void Run() {
        Check(db, sqlite3_step(stmt));
        sqlite3_reset(stmt);
    }
    sqlite3* db;
    sqlite3_stmt* stmt = nullptr;
};

std::string Digits(long value, int width) {
    char text[32];
    std::snprintf(text, sizeof text, "%0*ld", width, value);
    return text;
}

} // namespace

std::string EmployerName(long i) {
    constexpr unsigned long long kSpread = 1000003ULL; // coprime with 26: a bijection below 26^7
    constexpr unsigned long long kCodes = 26ULL * 26 * 26 * 26 * 26 * 26 * 26;
    unsigned long long code = (static_cast<unsigned long long>(i) * kSpread) % kCodes;
    std::string name(7, 'A');
    for (int k = 6; k >= 0; --k, code /= 26) name[static_cast<size_t>(k)] = static_cast<char>('A' + code % 26);
    return name + " TOOLS INC";
}

void MakeBenchFolder(const std::filesystem::path& folder, long employers) {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    data::MakeEmptyDatabases(folder.string());

    sqlite3* db = nullptr;
    Check(db, sqlite3_open((folder / data::kMainDatabaseFile).c_str(), &db));
    Check(db, sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr));
    {
        Prepared employer(db,
                          "INSERT INTO Employers (EmployerNo, EmployerName1, EmployerName2, IdType, Pyr_Taxid, "
                          "TypePayer, Country, AddressLine1, AddressLine2, City, State, EmployerZipCode, "
                          "EmployerZipCodeExt, ContactName, ContactPhone, NameOfSigner, TitleofSigner, SignersPhone) "
                          "VALUES (?1, ?2, 'DBA ' || ?2, '1', ?3, 'R', 'Y', 'SUITE 100', ?4, 'HARTFORD', 'CT', "
                          "'06101', '1234', 'PAT DOE', '8605551234', 'LEE ROE', 'OWNER', '8605550000')");
        Prepared ret(db, "INSERT INTO DET941 (EmployerNo, Qtr_Yr, No_Employee, L_2, L_3, Line12, L_15, L_10, Monthly) "
                         "VALUES (?1, ?2, 12, 12345.67, 1500, 3000, 2000, 1000, 1)");
        for (long i = 1; i <= employers; ++i) {
            employer.Whole(1, i);
            employer.Text(2, EmployerName(i));
            employer.Text(3, Digits(i, 9));
            employer.Text(4, std::to_string(i) + " MAIN ST");
            employer.Run();
            for (const char* period : kReturnPeriods) {
                ret.Whole(1, i);
                ret.Text(2, period);
                ret.Run();
            }
        }
    }
    Check(db, sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr));
    sqlite3_close(db);

    // The counter stands above the employers, as after the Saves that added them.
    Check(db, sqlite3_open((folder / data::kIdDatabaseFile).c_str(), &db));
    Check(db, sqlite3_exec(db, ("UPDATE Employers_ID SET NextCounter = " + std::to_string(employers + 1)).c_str(),
                           nullptr, nullptr, nullptr));
    sqlite3_close(db);
}

} // namespace bench
