#pragma once
// One employer on file, the employer screen standing on it with a period
// chosen, and the Form 941 screen loaded for that period, for the tests of
// the Form 941 printout. The stores a print made are read back as pages of
// items, each item with its placement and the ItemText stored last.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "employers/frmEmployersDE.h"
#include "platform/data/Engine.h"
#include "platform/data/Schema.h"
#include "platform/printing/PrintLog.h"
#include "preparer_ScreenFolder.h"
#include "returns/f941/frmDet941Covid0621.h"

struct StoredItem {
    double width = 0;
    int height = 0;
    double left = 0;
    double top = 0;  // the TextTop stored last
    std::vector<std::string> texts;  // every ItemText stored, as traced
    std::string Text() const { return texts.empty() ? "" : texts.back(); }
};

struct StoredPage {
    std::map<std::string, std::string> setup;  // Name -> traced value, stores after NewPage
    std::vector<StoredItem> items;
};

// The pages of a store trace: items come after the page's NewPage.
inline std::vector<StoredPage> PagesOf(const std::vector<std::string>& trace)
{
    std::vector<StoredPage> pages;
    StoredItem* item = nullptr;
    for (const std::string& line : trace) {
        const auto eq = line.find('=');
        const std::string name = line.substr(0, eq);
        const std::string value = line.substr(eq + 1);
        if (name == "NewPage") {
            pages.emplace_back();
            item = nullptr;
            continue;
        }
        if (pages.empty()) continue;
        if (name == "TextWidth") {
            pages.back().items.emplace_back();
            item = &pages.back().items.back();
            item->width = std::stod(value);
        } else if (item && name == "TextHeight") {
            item->height = std::stoi(value);
        } else if (item && name == "TextLeft") {
            item->left = std::stod(value);
        } else if (item && name == "TextTop") {
            item->top = std::stod(value);
        } else if (item && name == "ItemText") {
            item->texts.push_back(value);
        } else if (!item) {
            pages.back().setup[name] = value;
        }
    }
    return pages;
}

// A text as the trace writes it.
inline std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

class Print941Folder : public PreparerScreenFolder {
protected:
    using Columns = std::map<std::string, data::Value>;

    void SetUp() override
    {
        PreparerScreenFolder::SetUp();
        data::MakeEmptyDatabases(Folder().string());
    }

    // The employer every test prints for; `changes` replaces or empties columns.
    void AddEmployer(const Columns& changes = {})
    {
        Columns row{
            {"EmployerNo", data::Value{std::int64_t{12}}},
            {"EmployerName1", std::string("ACME TOOL WORKS")},
            {"EmployerName2", std::string("ACME")},
            {"IdType", std::string("1")},
            {"Pyr_Taxid", std::string("061234567")},
            {"TypePayer", std::string("R")},
            {"Country", std::string("Y")},
            {"AddressLine1", std::string("SUITE 5")},
            {"AddressLine2", std::string("100 ELM ST")},
            {"City", std::string("HARTFORD")},
            {"State", std::string("CT")},
            {"EmployerZipCode", std::string("06101")},
            {"NameOfSigner", std::string("LEE ROE")},
            {"TitleofSigner", std::string("OWNER")},
            {"SignersPhone", std::string("8605550000")},
        };
        for (const auto& [column, value] : changes) row[column] = value;
        auto db = data::OpenDatabase((Folder() / data::kMainDatabaseFile).string());
        auto employers = db->OpenRecordset("Employers", data::dbOpenDynaset);
        employers->AddNew();
        for (const auto& [column, value] : row) employers->Fields(column) = value;
        employers->Update();
    }

    // The employer screen on the employer, the period chosen, and the Form
    // 941 screen loaded for it with the row's period code.
    frmDet941Covid0621& OpenReturn(const std::string& period)
    {
        auto& employers = forms::Screen<frmEmployersDE>();
        employers.Show();
        employers.txtQtr_Yr.SetText(period);
        auto& screen = forms::Screen<frmDet941Covid0621>();
        screen.Show();
        screen.mskQtr_yr.SetText(period);
        return screen;
    }

    // Clicks Print with these answers queued; the trace of the document it
    // closed (finished or not).
    std::vector<std::string> PrintWith(frmDet941Covid0621& screen, std::vector<int> answers)
    {
        for (int answer : answers) Dialogs().AnswerMsgBox(answer);
        const auto before = printing::PrintLog::Documents().size();
        forms::user::Click(screen.DMWin2);
        const auto documents = printing::PrintLog::Documents();
        if (documents.size() == before) return {};
        return documents.back().trace;
    }

    // The items of the page with their FieldNo, by the order the page prints them.
    static std::map<int, StoredItem> ByFieldNo(const StoredPage& page, const std::vector<int>& order)
    {
        std::map<int, StoredItem> items;
        for (std::size_t i = 0; i < order.size() && i < page.items.size(); ++i) items[order[i]] = page.items[i];
        return items;
    }

    static std::vector<int> Range(int first, int last)
    {
        std::vector<int> numbers;
        for (int n = first; n <= last; ++n) numbers.push_back(n);
        return numbers;
    }
    static std::vector<int> Join(std::initializer_list<std::vector<int>> parts)
    {
        std::vector<int> all;
        for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
        return all;
    }

    static std::vector<int> Page1Order() { return Range(1, 39); }
    static std::vector<int> Page2Order() { return Join({Range(40, 49), Range(91, 103), Range(108, 112)}); }
    static std::vector<int> Page3Order()
    {
        return Join({Range(40, 41), Range(81, 90), Range(104, 107), Range(50, 70)});
    }
};
