#pragma once
// Moments in a copy's work on a database, for tests, each when a statement
// starts on a connection opened since to the given file, before the statement
// takes any lock of it: another copy may act right there.
//
// While a WhenStatementsStart lives, `act` runs at each statement whose text
// begins with the given text (a transaction about to begin: "BEGIN").
//
// Once a WhenStatementsFollow is started, `act` runs at the statements that
// start after the first ones whose text holds the given text (a check, read
// in one statement or several), once each, up to the first of them that
// neither begins nor ends a transaction, and no more once `act` gives true:
// every moment from the end of the check to the copy's next statement of its
// own, across the end of the check's transaction and the begin of the next.
// Statements that `act` itself runs are not watched. Like the other, it
// watches only connections opened while it lives: make it before the copy
// opens the file.
#include <functional>
#include <sqlite3.h>
#include <string>
#include <string_view>
#include <utility>

namespace statementstarts {

// Calls `started` with the text of every statement that starts on a
// connection opened to `file` while it lives, except those started inside
// the call.
class Trace {
public:
    Trace(std::string file, std::function<void(std::string_view)> started) {
        Watched() = {std::move(file), std::move(started), false};
        sqlite3_auto_extension(reinterpret_cast<void (*)()>(&WatchConnection));
    }
    ~Trace() {
        sqlite3_cancel_auto_extension(reinterpret_cast<void (*)()>(&WatchConnection));
        Watched() = {};
    }
    Trace(const Trace&) = delete;
    Trace& operator=(const Trace&) = delete;

private:
    struct Watch {
        std::string file;
        std::function<void(std::string_view)> started;
        bool inside;
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
        Watch& watch = Watched();
        if (watch.started && !watch.inside && file && text && watch.file == file) {
            watch.inside = true;
            watch.started(text);
            watch.inside = false;
        }
        return 0;
    }
};

} // namespace statementstarts

class WhenStatementsStart {
public:
    WhenStatementsStart(std::string file, std::string textStart, std::function<void()> act)
        : trace_(std::move(file), [textStart = std::move(textStart), act = std::move(act)](std::string_view text) {
              if (act && text.starts_with(textStart)) act();
          }) {}

private:
    statementstarts::Trace trace_;
};

class WhenStatementsFollow {
public:
    WhenStatementsFollow(std::string file, std::string textHeld, std::function<bool()> act)
        : trace_(std::move(file), [this, textHeld = std::move(textHeld), act = std::move(act)](std::string_view text) {
              if (stage_ == Stage::Idle || stage_ == Stage::Over) return;
              if (text.find(textHeld) != std::string_view::npos) {
                  stage_ = Stage::Following;
                  return;
              }
              if (stage_ == Stage::Before) return;
              const bool ownStatement = !text.starts_with("BEGIN") && !text.starts_with("COMMIT");
              if (act() || ownStatement) stage_ = Stage::Over;
          }) {}

    void Start() { stage_ = Stage::Before; }

    // Whether the statement held has started and the moments after it are over.
    bool Over() const { return stage_ == Stage::Over; }

private:
    enum class Stage { Idle, Before, Following, Over };
    Stage stage_ = Stage::Idle;
    statementstarts::Trace trace_;
};
