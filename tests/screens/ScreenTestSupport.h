#pragma once
// What the screen tests share: a fresh program folder for each test, SQL and
// rows put straight into its databases, and the small steps a user takes on
// a screen (type an amount and press Enter, look where the focus is).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <map>
#include <memory>
#include <sqlite3.h>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/basic/Clock.h"
#include "platform/basic/Rnd.h"
#include "platform/data/Engine.h"
#include "platform/data/Schema.h"
#include "platform/files/ProgramFolder.h"
#include "platform/forms/Bound.h"
#include "platform/forms/Forms.h"
#include "platform/printing/PrintLog.h"
#include "support/RunFolder.h"

// A fresh program folder, also the current folder, for one test; the forms
// runtime, the print log and the random sequence start anew, and every box
// must be scripted.
class ScreenFolderTest : public ::testing::Test {
protected:
    using Columns = std::map<std::string, data::Value>;

    void SetUp() override {
        run_ = std::make_unique<RunFolder>("tv-screens");
        folder_ = run_->Path();
        previousCurrent_ = std::filesystem::current_path();
        files::SetProgramFolder(folder_);
        std::filesystem::current_path(folder_);
        forms::App().Reset();
        dialogs_ = &forms::App().UseScriptedDialogs();
        printing::PrintLog::Reset();
        basic::RestartRnd();
    }

    void TearDown() override {
        forms::App().Reset();
        basic::UseSystemClock();
        std::filesystem::current_path(previousCurrent_);
        run_.reset();
    }

    const std::filesystem::path& Folder() const { return folder_; }
    std::string MainPath() const { return (folder_ / data::kMainDatabaseFile).string(); }
    std::string IdPath() const { return (folder_ / data::kIdDatabaseFile).string(); }
    void MakeDatabases() const { data::MakeEmptyDatabases(folder_.string()); }

    forms::ScriptedDialogs& Dialogs() { return *dialogs_; }
    const forms::ScriptedDialogs& Dialogs() const { return *dialogs_; }
    // Boxes nobody scripted take their default button, as in the scenario runner.
    void AnswerUnscriptedBoxesWithTheirDefault() {
        dialogs_ = &forms::App().UseScriptedDialogs(forms::ScriptedDialogs::WhenUnscripted::DefaultButton);
    }

    // The prompts of the boxes shown so far, joined by " | ".
    std::string Prompts() const {
        std::string all;
        for (const auto& box : dialogs_->Boxes()) all += (all.empty() ? "" : " | ") + box.prompt;
        return all;
    }

    // Whether a box with this title was shown.
    bool BoxShownTitled(const std::string& title) const {
        for (const auto& box : dialogs_->Boxes())
            if (box.title == title) return true;
        return false;
    }

    // The names of the loaded forms, in load order.
    static std::vector<std::string> LoadedNames() {
        std::vector<std::string> names;
        for (int i = 0; i < forms::App().Count(); ++i) names.push_back(forms::App().Item(i).Name());
        return names;
    }

    // Whether a screen of that name is among the loaded forms (a screen that
    // unloaded is gone once the user action is over: never touch it then).
    static bool FormLoaded(const std::string& name) {
        for (const std::string& loaded : LoadedNames())
            if (loaded == name) return true;
        return false;
    }

    void WriteFile(const std::string& name, const std::string& content) const {
        std::ofstream(folder_ / name, std::ios::binary) << content;
    }

    // Runs SQL straight on a database file, past the code under test.
    static void Sql(const std::string& path, const std::string& statement) {
        sqlite3* db = nullptr;
        sqlite3_open(path.c_str(), &db);
        sqlite3_busy_timeout(db, 5000);
        char* error = nullptr;
        const int rc = sqlite3_exec(db, statement.c_str(), nullptr, nullptr, &error);
        const std::string message = error ? error : "";
        sqlite3_free(error);
        sqlite3_close(db);
        if (rc != SQLITE_OK) throw std::runtime_error(statement + ": " + message);
    }

    // The query's rows joined by ";", columns by "|", Null as NULL.
    static std::string Query(const std::string& path, const std::string& statement) {
        sqlite3* db = nullptr;
        sqlite3_open(path.c_str(), &db);
        sqlite3_busy_timeout(db, 5000);
        sqlite3_stmt* query = nullptr;
        if (sqlite3_prepare_v2(db, statement.c_str(), -1, &query, nullptr) != SQLITE_OK) {
            const std::string message = sqlite3_errmsg(db);
            sqlite3_close(db);
            throw std::runtime_error(statement + ": " + message);
        }
        std::string rows;
        while (sqlite3_step(query) == SQLITE_ROW) {
            if (!rows.empty()) rows += ";";
            for (int c = 0; c < sqlite3_column_count(query); ++c) {
                if (c > 0) rows += "|";
                const auto* text = sqlite3_column_text(query, c);
                rows += text ? reinterpret_cast<const char*>(text) : "NULL";
            }
        }
        sqlite3_finalize(query);
        sqlite3_close(db);
        return rows;
    }

    // A row added to a table of the main database through the engine:
    // `row` with `changes` replacing or emptying (Null) its columns.
    void AddMainRow(const std::string& table, Columns row, const Columns& changes = {}) const {
        for (const auto& [column, value] : changes) row[column] = value;
        auto db = data::OpenDatabase(MainPath());
        auto rs = db->OpenRecordset(table, data::dbOpenTable);
        rs->AddNew();
        for (const auto& [column, value] : row) rs->Fields(column) = value;
        rs->Update();
        rs->Close();
        db->Close();
    }

private:
    std::unique_ptr<RunFolder> run_;
    std::filesystem::path folder_;
    std::filesystem::path previousCurrent_;
    forms::ScriptedDialogs* dialogs_ = nullptr;
};

// The name of the control that has the focus on the form, "" when none.
inline std::string FocusName(forms::Form& form) {
    forms::Control* focus = form.ActiveControl();
    return focus == nullptr ? "" : focus->Name();
}

// The controls' states, "1" enabled and "0" disabled, in the order given.
inline std::string Enabled(std::initializer_list<const forms::Control*> controls) {
    std::string states;
    for (const forms::Control* c : controls) states += c->Enabled() ? "1" : "0";
    return states;
}

// What the user sees of a screen: every bound field's value and every
// control's enabled state.
inline std::string ScreenAsShown(forms::Form& form) {
    std::string shown;
    for (forms::Control* control : form.Controls()) {
        shown += control->Name() + (control->Enabled() ? "+" : "-");
        if (auto* bound = dynamic_cast<forms::Bound*>(control); bound && !bound->DataField().empty())
            shown += "=" + data::ToText(bound->BoundValue());
        shown += " ";
    }
    return shown;
}

// Types an amount into a field and presses Enter there.
inline void Enter(forms::Control& field, const std::string& text) {
    forms::user::TypeText(field, text);
    forms::user::PressKey(field, forms::vbKeyReturn);
}

// Types an amount and leaves the field by a click into another.
inline void TypeAndLeave(forms::Control& field, const std::string& text, forms::Control& clickedInto) {
    forms::user::TypeText(field, text);
    forms::user::FocusByMouse(clickedInto);
}

// The parts one after the other.
template <typename T>
std::vector<T> Join(std::initializer_list<std::vector<T>> parts) {
    std::vector<T> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}
