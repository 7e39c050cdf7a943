#pragma once
// Employers put straight into the main database of the test's folder, and a
// check of the listing's store trace.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "platform/data/Engine.h"
#include "platform/data/Schema.h"
#include "preparer_ScreenFolder.h"

class ListingFolder : public PreparerScreenFolder {
protected:
    using Columns = std::map<std::string, data::Value>;

    void SetUp() override
    {
        PreparerScreenFolder::SetUp();
        data::MakeEmptyDatabases(Folder().string());
        basic::SetToday(2023, 1, 15);
    }

    // A complete employer; `changes` replaces or empties (Null) columns.
    void AddEmployer(long number, const std::string& name, const Columns& changes = {})
    {
        Columns row{
            {"EmployerNo", data::Value{std::int64_t{number}}},
            {"EmployerName1", std::string(name)},
            {"EmployerName2", std::string("DBA ") + name},
            {"IdType", std::string("1")},
            {"Pyr_Taxid", std::string("12345") + std::to_string(1000 + number)},
            {"TypePayer", std::string("R")},
            {"Country", std::string("Y")},
            {"AddressLine1", std::string("1 MAIN ST")},
            {"AddressLine2", std::string("SUITE 2")},
            {"City", std::string("SPRINGFIELD")},
            {"State", std::string("IL")},
            {"EmployerZipCode", std::string("62701")},
            {"EmployerZipCodeExt", std::string("1234")},
            {"StateId", std::string("ST-99")},
            {"EstabNo", std::string("0007")},
            {"ContactName", std::string("PAT")},
            {"ContactPhone", std::string("2175551234")},
        };
        for (const auto& [column, value] : changes) row[column] = value;

        auto db = data::OpenDatabase((Folder() / "TV941.MDB").string());
        auto rs = db->OpenRecordset("Employers", data::dbOpenTable);
        rs->AddNew();
        for (const auto& [column, value] : row) rs->Fields(column) = value;
        rs->Update();
        rs->Close();
        db->Close();
    }

    std::string Template() const { return "PageTemplate=\"" + Folder().string() + "\\W2_2UP98.TFL\""; }
};

// Whether two "Name=Value" lines say the same, numbers compared within 1e-9
// (1.6 + 1.4 * 5 need not be the double 8.6).
inline bool SameStore(const std::string& found, const std::string& wanted)
{
    if (found == wanted) return true;
    const auto f = found.find('='), w = wanted.find('=');
    if (f == std::string::npos || w == std::string::npos || found.substr(0, f) != wanted.substr(0, w))
        return false;
    char* endF = nullptr;
    char* endW = nullptr;
    const std::string fv = found.substr(f + 1), wv = wanted.substr(w + 1);
    const double a = std::strtod(fv.c_str(), &endF), b = std::strtod(wv.c_str(), &endW);
    return !fv.empty() && !wv.empty() && *endF == '\0' && *endW == '\0' && std::fabs(a - b) < 1e-9;
}

// The position where `run` starts as one unbroken run of `trace`, or -1.
inline long FindRun(const std::vector<std::string>& trace, const std::vector<std::string>& run, std::size_t from = 0)
{
    for (std::size_t start = from; start + run.size() <= trace.size(); ++start) {
        std::size_t k = 0;
        while (k < run.size() && SameStore(trace[start + k], run[k])) ++k;
        if (k == run.size()) return static_cast<long>(start);
    }
    return -1;
}
