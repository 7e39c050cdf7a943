#pragma once
// Internal: one SQLite connection behind a Database, with the files named in
// IN clauses attached to it, and the mapping of SQLite's failures to the
// engine's error numbers.

#include "platform/data/Value.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <system_error>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace data {

inline constexpr const char* kSourceWorkspace = "DAO.Workspace";
inline constexpr const char* kSourceDatabase = "DAO.Database";
inline constexpr const char* kSourceRecordset = "DAO.Recordset";
inline constexpr const char* kSourceField = "DAO.Field";

struct ColumnInfo {
    std::string name;
    std::string type;
};

// Raises the engine error that fits an SQLite result code.
[[noreturn]] void RaiseSqlite(sqlite3* db, int rc, const std::string& source, bool writing);

class Statement {
public:
    Statement(sqlite3* db, const std::string& sql, const std::string& source, bool writing = false);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void Bind(int index, const Value& value); // 1-based
    bool Step();                              // true while a row is there
    Value Column(int index) const;            // 0-based
    int ColumnCount() const;
    // Ends the run (releasing what it holds of the file) and forgets the
    // bindings, so that the statement can run again.
    void Reset();

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    std::string source_;
    bool writing_;
};

class PrivateCopy;

class Connection {
public:
    // Opens an existing file (never creates one) or, with create, a new one.
    static std::shared_ptr<Connection> Open(const std::string& nativePath, bool readOnly, bool create);
    // Opens an existing file only to be read and copied from: where it
    // cannot be read in place, a private copy of it (PrivateCopy.h).
    static std::shared_ptr<Connection> OpenToCopyFrom(const std::string& nativePath);
    // Makes a new file of this process alone in a private temporary folder
    // (PrivateCopy.h), which goes with the file when the connection is let go.
    static std::shared_ptr<Connection> CreatePrivate(const std::string& fileName);
    // Runs `work`; on a private file, a failure to write it (the system's
    // error noted, WriteFailures.h) is raised as its temporary folder's (no
    // room 3026, a failing disk 3043, naming that folder under kSourceEngine).
    void NamingPrivateWriteFailures(const std::function<void()>& work);
    ~Connection();

    sqlite3* Handle() const { return db_; }
    const std::string& FilePath() const { return path_; }
    bool ReadOnly() const { return readOnly_; }
    // Recordsets over this connection refuse changes from now on.
    void MarkReadOnly() { readOnly_ = true; }

    void Exec(const std::string& sql, const std::string& source, bool writing = true);

    // The schema name under which a file named in an IN clause is reached:
    // "main" for this connection's own file, else the file is attached. A
    // file only copied from (a backup, last year's data) is attached
    // read-only, so that reading it never changes it (a write-ahead log it
    // brings is neither folded in nor removed).
    enum class Use { Change, CopyFrom };
    std::string SchemaFor(const std::string& systemPath, Use use = Use::Change);
    // The native path of the file behind a schema name SchemaFor gave.
    std::string FileOf(const std::string& schema) const;
    // Detaches the files of IN clauses (not inside a transaction).
    void DetachAll();

    void Begin();
    // A transaction that only reads: it takes no write lock, so it begins on
    // a file this user may only read and while another connection writes.
    // Its first read takes SQLite's shared lock and holds it to the end, so
    // what it reads is one moment of the file; another connection may begin
    // writing meanwhile but commits only once it has ended (its busy wait).
    void BeginRead();
    void Commit();
    void Rollback();
    bool InTransaction() const { return inTransaction_; }
    // Whether the transaction Begin started is still open: SQLite rolls it
    // back by itself after a full disk or an I/O error, before Rollback.
    bool TransactionOpen() const;
    // Which transaction Begin started last (counting from 1), 0 outside one.
    std::uint64_t TransactionNumber() const { return inTransaction_ ? transactionNumber_ : 0; }
    // Someone who changed rows inside the transaction and must hear how it
    // ends: committed, or undone (by Rollback, whether or not SQLite had
    // already undone it by itself). Told once, then forgotten; enlisting
    // again in the same transaction replaces the earlier word.
    void Enlist(const void* who, std::function<void(bool committed)> onEnd);
    void Withdraw(const void* who);

    // The stored name of a table in a schema, found without regard to case,
    // or "" when there is none.
    std::string FindTable(const std::string& schema, const std::string& name) const;
    std::vector<ColumnInfo> Columns(const std::string& schema, const std::string& table) const;

private:
    // A table's stored name (Value std::string) or columns, read through
    // `read`, or as read before from the same, unchanged file (see
    // Connection.cpp).
    template <class Value, class Read>
    Value FromKnownSchema(const std::string& schema, const std::string& key, Read read) const;

    Connection() = default;
    // Owned by its users; the last one lets it go to the idle connections
    // (IdleConnections.h) when it may be reused, else it is closed.
    static std::shared_ptr<Connection> Shared(std::unique_ptr<Connection> connection);
    bool Reusable();
    void CheckFile();
    void UseRollbackJournal();
    sqlite3* db_ = nullptr;
    std::string path_;
    bool readOnly_ = false;
    bool inTransaction_ = false;
    std::uint64_t transactionNumber_ = 0;
    std::vector<std::pair<const void*, std::function<void(bool committed)>>> enlisted_;
    void TellEnlisted(bool committed);
    bool keepable_ = false;
    std::map<std::string, std::string> attached_; // native path -> schema name
    std::set<std::string> attachedReadOnly_;      // schema names
    // The private copies read in place of the file opened or of attached
    // files (by schema name), taken away after the connection lets them go.
    std::unique_ptr<PrivateCopy> ownCopy_;
    bool private_ = false; // ownCopy_ is a file made here, not a copy read
    std::map<std::string, std::unique_ptr<PrivateCopy>> attachedCopies_;
    int nextAlias_ = 1;
};

// Quotes an identifier for SQLite ("name", inner quotes doubled).
std::string QuoteIdentifier(const std::string& name);
// True when two native paths name the same existing file.
bool SameFile(const std::string& a, const std::string& b);
// The engine's own system call of that name ("open", "access"), which a test
// may stand in for; nullptr when the engine offers none.
using SystemCall = void (*)();
SystemCall EngineSystemCall(const char* name);

// Why the engine may not reach a file or folder as `mode` (access(2)'s R_OK,
// W_OK, X_OK) asks: EACCES without the permission, EROFS on read-only media;
// empty when it may. Asked through the engine's own system call, so that the
// answer is what the engine's own opens will meet there.
std::error_code EngineAccessRefusal(const std::string& nativePath, int mode);

} // namespace data
