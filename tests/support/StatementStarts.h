#pragma once
// A moment in a copy's work on a database, for tests: while a
// WhenStatementsStart lives, `act` runs each time a statement whose text
// begins with the given text starts on a connection opened since to the given
// file, before the statement takes any lock of it: another copy may act right
// there (a transaction about to begin: "BEGIN").
#include <functional>
#include <sqlite3.h>
#include <string>
#include <string_view>
#include <utility>

class WhenStatementsStart {
public:
    WhenStatementsStart(std::string file, std::string textStart, std::function<void()> act) {
        Watched() = {std::move(file), std::move(textStart), std::move(act)};
        sqlite3_auto_extension(reinterpret_cast<void (*)()>(&WatchConnection));
    }
    ~WhenStatementsStart() {
        sqlite3_cancel_auto_extension(reinterpret_cast<void (*)()>(&WatchConnection));
        Watched() = {};
    }
    WhenStatementsStart(const WhenStatementsStart&) = delete;
    WhenStatementsStart& operator=(const WhenStatementsStart&) = delete;

private:
    struct Watch {
        std::string file;
        std::string textStart;
        std::function<void()> act;
    };
    static Watch& Watched() {
        static Watch watch;
        return watch;
    }
    static int WatchConnection(sqlite3* db, const char**, const sqlite3_api_routines*) {
        sqlite3_trace_v2(db, SQLITE_TRACE_STMT, &Started, nullptr);
        return SQLITE_OK;
    }
    static int Started(unsigned, void*, void* statement, void*) {
        auto* started = static_cast<sqlite3_stmt*>(statement);
        const char* file = sqlite3_db_filename(sqlite3_db_handle(started), "main");
        const char* text = sqlite3_sql(started);
        const Watch& watch = Watched();
        if (watch.act && file && text && watch.file == file && std::string_view(text).starts_with(watch.textStart))
            watch.act();
        return 0;
    }
};
