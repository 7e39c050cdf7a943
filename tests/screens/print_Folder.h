#pragma once
// One employer on file, the employer screen standing on it with a period
// chosen, and the Form 941 or Form 944 screen loaded for that period, for the
// tests of the return printouts. The stores a print made are read back as
// pages of items, each item with its placement and the ItemText stored last.
#include "ScreenTestSupport.h"

#include "employers/frmEmployersDE.h"
#include "returns/f941/frmDet941Covid0621.h"
#include "returns/f944/frmDet944Covid.h"

struct StoredItem {
    double width = 0;
    int height = 0;
    double left = 0;
    double top = 0;                 // the TextTop stored last
    std::vector<std::string> texts; // every ItemText stored, as traced
    std::string Text() const { return texts.empty() ? "" : texts.back(); }
};

struct StoredPage {
    std::map<std::string, std::string> setup; // Name -> traced value, stores after NewPage
    std::vector<StoredItem> items;
};

// The pages of a store trace: items come after the page's NewPage.
inline std::vector<StoredPage> PagesOf(const std::vector<std::string>& trace) {
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

class Print941Folder : public ScreenFolderTest {
protected:
    void SetUp() override {
        ScreenFolderTest::SetUp();
        MakeDatabases();
    }

    // The employer every test prints for; `changes` replaces or empties columns.
    void AddEmployer(const Columns& changes = {}) {
        AddMainRow("Employers",
                   {
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
                   },
                   changes);
    }

    // The employer screen on the employer, the period chosen, and the return
    // screen loaded for it with the row's period code.
    template <typename ReturnScreen = frmDet941Covid0621>
    ReturnScreen& OpenReturn(const std::string& period) {
        auto& employers = forms::Screen<frmEmployersDE>();
        employers.Show();
        employers.txtQtr_Yr.SetText(period);
        auto& screen = forms::Screen<ReturnScreen>();
        screen.Show();
        screen.mskQtr_yr.SetText(period);
        return screen;
    }

    // Clicks Print with these answers queued; the trace of the document it
    // closed (finished or not), empty when none was started.
    template <typename ReturnScreen>
    std::vector<std::string> PrintWith(ReturnScreen& screen, std::vector<int> answers) {
        for (int answer : answers) Dialogs().AnswerMsgBox(answer);
        const auto before = printing::PrintLog::Documents().size();
        forms::user::Click(screen.DMWin2);
        const auto documents = printing::PrintLog::Documents();
        if (documents.size() == before) return {};
        return documents.back().trace;
    }

    // Unloads the return screen and forgets the boxes, for the next case of a loop.
    template <typename ReturnScreen = frmDet941Covid0621>
    void CloseForTheNextCase() {
        Dialogs().Clear();
        forms::Screen<ReturnScreen>().Unload();
        forms::App().CollectUnloaded();
    }

    // The items of the page with their FieldNo, by the order the page prints them.
    static std::map<int, StoredItem> ByFieldNo(const StoredPage& page, const std::vector<int>& order) {
        std::map<int, StoredItem> items;
        for (std::size_t i = 0; i < order.size() && i < page.items.size(); ++i) items[order[i]] = page.items[i];
        return items;
    }

    // The items of the three pages of a return print, by FieldNo.
    std::vector<std::map<int, StoredItem>> ReturnItems(const std::vector<std::string>& trace) {
        const auto pages = PagesOf(trace);
        const auto orders = PageOrders();
        if (pages.size() != 3) {
            ADD_FAILURE() << "pages: " << pages.size();
            return {{}, {}, {}};
        }
        return {ByFieldNo(pages[0], orders[0]), ByFieldNo(pages[1], orders[1]), ByFieldNo(pages[2], orders[2])};
    }

    static std::vector<int> Range(int first, int last) {
        std::vector<int> numbers;
        for (int n = first; n <= last; ++n) numbers.push_back(n);
        return numbers;
    }

    static std::vector<int> Page1Order() { return Range(1, 39); }
    static std::vector<int> Page2Order() { return Join({Range(40, 49), Range(91, 103), Range(108, 112)}); }
    static std::vector<int> Page3Order() {
        return Join({Range(40, 41), Range(81, 90), Range(104, 107), Range(50, 70)});
    }
    // The FieldNo order of each page of the return this folder prints.
    virtual std::vector<std::vector<int>> PageOrders() const { return {Page1Order(), Page2Order(), Page3Order()}; }
};

// The same for the Form 944 screen, loaded for "622" unless told otherwise.
class Print944Folder : public Print941Folder {
protected:
    frmDet944Covid& OpenAnnualReturn(const std::string& period = "622") { return OpenReturn<frmDet944Covid>(period); }

    static std::vector<int> Page2Order944() { return Join({Range(40, 49), Range(91, 115)}); }
    static std::vector<int> Page3Order944() {
        return Join({Range(40, 41), Range(81, 90), Range(116, 120), Range(50, 70)});
    }
    std::vector<std::vector<int>> PageOrders() const override {
        return {Page1Order(), Page2Order944(), Page3Order944()};
    }
};
