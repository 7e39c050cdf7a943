#include "platform/data/Connection.h"

#include "platform/data/Errors.h"
#include "platform/data/IdleConnections.h"
#include "platform/data/PrivateCopy.h"
#include "platform/data/SqlFunctions.h"
#include "platform/data/WriteFailures.h"
#include "platform/files/NoRoom.h"
#include "platform/files/Paths.h"
#include "platform/files/PermissionError.h"

#include <cctype>
#include <cerrno>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <mutex>
#include <type_traits>

namespace data {

namespace {

// Short waits: a writer holds the file only for the few statements of one
// update, and a user waiting on a locked row is told at once (3260).
constexpr int kBusyTimeoutMs = 400;
constexpr int kIdleCacheBytes = 256 * 1024;

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

// A file the engine could not open or make (a database, a journal) is told
// by why its making failed, when it did: no room is a full disk, a refusal
// the permission error it is, and any other failure but a missing path (a
// failing disk, a lost share) a disk error, never a file not found.
int NumberForFileNotOpened(sqlite3* db) {
    const int made = writefailures::FirstSystemError();
    const int cause = made != 0 ? made : db ? sqlite3_system_errno(db) : 0;
    if (files::NoRoomToWrite(cause)) return errDiskFull;
    if (files::PermissionDenied(std::error_code(cause, std::generic_category()))) return errNoPermission;
    if (made != 0 && made != ENOENT && made != ENOTDIR && made != ENAMETOOLONG) return errDiskOrNetwork;
    return errFileNotFound;
}

int EngineNumberFor(sqlite3* db, int rc, bool writing, std::string& detail) {
    detail = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    switch (rc) {
    case SQLITE_CONSTRAINT_UNIQUE:
    case SQLITE_CONSTRAINT_PRIMARYKEY: return errDuplicateKey;
    case SQLITE_CONSTRAINT_NOTNULL: return errNullInKey;
    case SQLITE_MISMATCH: return errConversion;
    case SQLITE_TOOBIG: return errFieldTooSmall;
    default: break;
    }
    switch (rc & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return writing ? errRecordLocked : errTableLocked;
    case SQLITE_READONLY: return errReadOnly;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT: return errUnrecognizedFormat;
    case SQLITE_CANTOPEN: return NumberForFileNotOpened(db);
    case SQLITE_FULL: return errDiskFull;
    case SQLITE_IOERR:
        // A write refused for want of room (the disk, the user's quota, the
        // largest file the system lets this process write) is a full disk:
        // the write of this operation, never an older failure that SQLite
        // still keeps for the connection or its file.
        return files::NoRoomToWrite(writefailures::FirstSystemError()) ? errDiskFull : errDiskOrNetwork;
    case SQLITE_CONSTRAINT: return errDuplicateKey;
    default: break;
    }
    // A schema object the file brought that may not run here: one that reads
    // the engine's internals, or writes what only the engine writes.
    if (Contains(detail, "unsafe use of") || Contains(detail, "may not be modified")) return errUnrecognizedFormat;
    if (Contains(detail, "no such table")) return errTableNotFound;
    if (Contains(detail, "no such column") || Contains(detail, "has no column")) return errUnknownName;
    if (Contains(detail, "already exists")) return errTableExists;
    if (Contains(detail, "syntax error") || Contains(detail, "incomplete input") ||
        Contains(detail, "unrecognized token"))
        return errSyntax;
    return errInvalidArgument;
}

// The file as a URI SQLite opens read-only: every character but the
// unreserved ones and the separators percent-encoded.
std::string ReadOnlyUri(const std::string& nativePath) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri = "file:";
    for (unsigned char c : nativePath) {
        if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
            uri += static_cast<char>(c);
        } else {
            uri += '%';
            uri += kHex[c >> 4];
            uri += kHex[c & 15];
        }
    }
    return uri + "?mode=ro";
}

} // namespace

void RaiseSqlite(sqlite3* db, int rc, const std::string& source, bool writing) {
    std::string detail;
    int number = EngineNumberFor(db, rc, writing, detail);
    // Users see the engine's own description, never SQLite's words.
    RaiseEngineError(number, source);
}

std::string QuoteIdentifier(const std::string& name) {
    std::string quoted = "\"";
    for (char c : name) {
        quoted += c;
        if (c == '"') quoted += '"';
    }
    return quoted + "\"";
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat sa = {}, sb = {};
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

SystemCall EngineSystemCall(const char* name) {
    sqlite3_vfs* vfs = sqlite3_vfs_find(nullptr);
    return vfs && vfs->iVersion >= 3 && vfs->xGetSystemCall ? vfs->xGetSystemCall(vfs, name) : nullptr;
}

std::error_code EngineAccessRefusal(const std::string& nativePath, int mode) {
    using AccessCall = int (*)(const char*, int);
    const auto engines = reinterpret_cast<AccessCall>(EngineSystemCall("access"));
    const AccessCall access = engines ? engines : ::access;
    errno = 0;
    if (access(nativePath.c_str(), mode) == 0) return {};
    return std::error_code(errno, std::generic_category());
}

// --- Statement ---

Statement::Statement(sqlite3* db, const std::string& sql, const std::string& source, bool writing)
    : db_(db), source_(source), writing_(writing) {
    const char* tail = nullptr;
    writefailures::Forget();
    int rc = sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt_, &tail);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        RaiseSqlite(db, sqlite3_extended_errcode(db), source, writing);
    }
    // One statement only: SQLite would leave a second one unrun in silence.
    const std::string_view rest(tail, static_cast<size_t>(sql.c_str() + sql.size() - tail));
    if (rest.find_first_not_of(" \t\r\n;") != std::string_view::npos) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        RaiseEngineError(errSyntax, source);
    }
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

void Statement::Bind(int index, const Value& value) {
    if (const auto* i = std::get_if<std::int64_t>(&value)) sqlite3_bind_int64(stmt_, index, *i);
    else if (const auto* d = std::get_if<double>(&value)) sqlite3_bind_double(stmt_, index, *d);
    else if (const auto* s = std::get_if<std::string>(&value))
        sqlite3_bind_text(stmt_, index, s->data(), static_cast<int>(s->size()), SQLITE_TRANSIENT);
    else sqlite3_bind_null(stmt_, index);
}

bool Statement::Step() {
    writefailures::Forget();
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    rc = sqlite3_extended_errcode(db_);
    sqlite3_reset(stmt_);
    RaiseSqlite(db_, rc, source_, writing_);
}

Value Statement::Column(int index) const {
    switch (sqlite3_column_type(stmt_, index)) {
    case SQLITE_INTEGER: return static_cast<std::int64_t>(sqlite3_column_int64(stmt_, index));
    case SQLITE_FLOAT: return sqlite3_column_double(stmt_, index);
    case SQLITE_TEXT:
    case SQLITE_BLOB: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, index));
        return std::string(text ? text : "", static_cast<size_t>(sqlite3_column_bytes(stmt_, index)));
    }
    default: return Null{};
    }
}

int Statement::ColumnCount() const { return sqlite3_column_count(stmt_); }

void Statement::Reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

// --- Connection ---

std::shared_ptr<Connection> Connection::Open(const std::string& nativePath, bool readOnly, bool create) {
    if (!create && !readOnly) {
        // Its file is untouched since it was let go (IdleConnections.h): it
        // is still a database in rollback-journal mode, and the connection's
        // own settings are as they were made below.
        if (auto kept = idle::Take(nativePath)) return Shared(std::move(kept));
    }
    std::unique_ptr<Connection> connection(new Connection());
    connection->path_ = nativePath;
    connection->readOnly_ = readOnly;
    // URIs let a file only copied from be attached read-only (SchemaFor); the
    // connection's own path is always absolute, never a "file:" URI.
    int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_URI;
    if (create) flags |= SQLITE_OPEN_CREATE;
    writefailures::Forget();
    int rc = sqlite3_open_v2(nativePath.c_str(), &connection->db_, flags, writefailures::LayerName());
    if (rc != SQLITE_OK) {
        RaiseSqlite(connection->db_, rc, kSourceWorkspace, false);
    }
    // Files come from elsewhere too (a backup, last year's databases): the
    // triggers and views they bring may not reach the engine's internals, and
    // no statement may write the schema directly or turn the journal off.
    sqlite3_db_config(connection->db_, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(connection->db_, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_extended_result_codes(connection->db_, 1);
    sqlite3_busy_timeout(connection->db_, kBusyTimeoutMs);
    RegisterEngineFunctions(connection->db_);
    // Only an existing file's read-write connections are kept for reuse:
    // a read-only one may be on a file in write-ahead mode, whose shared
    // memory it would hold while idle.
    connection->keepable_ = !create && !readOnly;
    connection->CheckFile();
    if (!readOnly) connection->UseRollbackJournal();
    return Shared(std::move(connection));
}

std::shared_ptr<Connection> Connection::OpenToCopyFrom(const std::string& nativePath) {
    auto copy = PrivateCopy::WhereUnreadable(nativePath, kSourceWorkspace);
    if (!copy) return Open(nativePath, true, false);
    auto connection = Open(copy->Path(), true, false);
    connection->path_ = nativePath;
    connection->ownCopy_ = std::move(copy);
    return connection;
}

std::shared_ptr<Connection> Connection::CreatePrivate(const std::string& fileName) {
    auto folder = PrivateCopy::ForNewFile(fileName);
    std::shared_ptr<Connection> connection;
    try {
        connection = Open(folder->Path(), false, true);
    } catch (const basic::RuntimeError&) {
        if (const int cause = writefailures::FirstSystemError()) folder->RaiseWriteFailure(cause);
        throw;
    }
    connection->ownCopy_ = std::move(folder);
    connection->private_ = true;
    // Nothing else reads it, and nothing of it outlives the process: what
    // a sync would keep safe is never needed, and syncs cost the most.
    connection->Exec("PRAGMA synchronous = OFF", kSourceWorkspace, false);
    return connection;
}

void Connection::NamingPrivateWriteFailures(const std::function<void()>& work) {
    try {
        work();
    } catch (const basic::RuntimeError&) {
        const int cause = writefailures::FirstSystemError();
        if (private_ && cause != 0) ownCopy_->RaiseWriteFailure(cause);
        throw;
    }
}

std::shared_ptr<Connection> Connection::Shared(std::unique_ptr<Connection> connection) {
    return std::shared_ptr<Connection>(connection.release(), [](Connection* released) {
        std::unique_ptr<Connection> owned(released);
        if (owned->Reusable()) idle::Keep(std::move(owned));
    });
}

bool Connection::Reusable() {
    if (!keepable_ || readOnly_ || inTransaction_ || sqlite3_get_autocommit(db_) == 0) return false;
    DetachAll();
    if (!attached_.empty() || sqlite3_next_stmt(db_, nullptr) != nullptr) return false;
    // The few pages a screen's opening reads again are kept; a walk over a
    // whole table (counts, listings) is not kept while idle.
    int cached = 0, highest = 0;
    sqlite3_db_status(db_, SQLITE_DBSTATUS_CACHE_USED, &cached, &highest, 0);
    if (cached > kIdleCacheBytes) sqlite3_db_release_memory(db_);
    return true;
}

void Connection::CheckFile() {
    // Reading the schema tells a file that is not a database at once.
    Statement probe(db_, "SELECT count(*) FROM sqlite_master", kSourceWorkspace);
    probe.Step();
}

void Connection::UseRollbackJournal() {
    // A rollback journal needs no memory shared between the processes, so
    // copies on several machines sharing the folder may use the file, and a
    // folder that cannot be written still lets it be read. A file left in
    // write-ahead mode by an earlier release is turned back when no other
    // copy has it open (else it stays as it is until then).
    bool writeAhead = false;
    {
        Statement mode(db_, "PRAGMA journal_mode", kSourceWorkspace);
        writeAhead = mode.Step() && ToText(mode.Column(0)) == "wal";
    }
    if (writeAhead) {
        std::string now;
        auto result = [](void* out, int count, char** values, char**) {
            if (count > 0 && values[0]) *static_cast<std::string*>(out) = values[0];
            return 0;
        };
        int rc = sqlite3_exec(db_, "PRAGMA journal_mode = DELETE", result, &now, nullptr);
        writeAhead = rc != SQLITE_OK || now != "delete";
    }
    // A connection left in write-ahead mode holds the file's shared memory.
    if (writeAhead) keepable_ = false;
    // Every commit is on the disk before it is reported done.
    Exec("PRAGMA synchronous = FULL", kSourceWorkspace, false);
}

Connection::~Connection() {
    if (db_) sqlite3_close_v2(db_);
}

void Connection::Exec(const std::string& sql, const std::string& source, bool writing) {
    Statement statement(db_, sql, source, writing);
    while (statement.Step()) {}
}

std::string Connection::SchemaFor(const std::string& systemPath, Use use) {
    namespace fs = std::filesystem;
    fs::path native = files::Resolve(systemPath);
    std::error_code ec;
    if (!fs::is_directory(native.parent_path(), ec))
        RaiseEngineError(files::PermissionDenied(ec) ? errNoPermission : errInvalidPath, kSourceDatabase, systemPath);
    if (!fs::is_regular_file(native, ec))
        RaiseEngineError(files::PermissionDenied(ec) ? errNoPermission : errFileNotFound, kSourceDatabase, systemPath);
    std::string nativePath = native.string();
    if (SameFile(nativePath, path_)) return "main";
    for (auto entry = attached_.begin(); entry != attached_.end(); ++entry) {
        if (!SameFile(entry->first, nativePath)) continue;
        const std::string attachedSchema = entry->second;
        // Read-only for a copy, now to be changed: attached anew, which only
        // a connection outside any transaction may do.
        if (use == Use::Change && attachedReadOnly_.contains(attachedSchema) && sqlite3_get_autocommit(db_)) {
            sqlite3_exec(db_, ("DETACH DATABASE " + attachedSchema).c_str(), nullptr, nullptr, nullptr);
            attachedReadOnly_.erase(attachedSchema);
            attachedCopies_.erase(attachedSchema);
            attached_.erase(entry);
            break;
        }
        return attachedSchema;
    }
    std::string schema = "infile" + std::to_string(nextAlias_++);
    auto copy = use == Use::CopyFrom ? PrivateCopy::WhereUnreadable(nativePath, kSourceDatabase) : nullptr;
    // The path is bound, never pasted into the statement.
    Statement attach(db_, "ATTACH DATABASE ?1 AS " + schema, kSourceDatabase);
    attach.Bind(1, use == Use::CopyFrom ? ReadOnlyUri(copy ? copy->Path() : nativePath) : nativePath);
    attach.Step();
    attached_[nativePath] = schema;
    if (use == Use::CopyFrom) attachedReadOnly_.insert(schema);
    if (copy) attachedCopies_[schema] = std::move(copy);
    try {
        Statement probe(db_, "SELECT count(*) FROM " + schema + ".sqlite_master", kSourceDatabase);
        probe.Step();
    } catch (...) {
        DetachAll();
        throw;
    }
    return schema;
}

std::string Connection::FileOf(const std::string& schema) const {
    for (const auto& [attachedPath, attachedSchema] : attached_) {
        if (attachedSchema == schema) return attachedPath;
    }
    return path_;
}

void Connection::DetachAll() {
    if (inTransaction_) return;
    for (const auto& [path, schema] : attached_) {
        sqlite3_exec(db_, ("DETACH DATABASE " + schema).c_str(), nullptr, nullptr, nullptr);
    }
    attached_.clear();
    attachedReadOnly_.clear();
    attachedCopies_.clear();
}

void Connection::Begin() {
    Exec("BEGIN IMMEDIATE", kSourceWorkspace, true);
    inTransaction_ = true;
    ++transactionNumber_;
}

void Connection::BeginRead() {
    Exec("BEGIN DEFERRED", kSourceWorkspace, false);
    inTransaction_ = true;
    ++transactionNumber_;
}

void Connection::Commit() {
    Exec("COMMIT", kSourceWorkspace, true);
    inTransaction_ = false;
    DetachAll();
    TellEnlisted(true);
}

bool Connection::TransactionOpen() const { return inTransaction_ && sqlite3_get_autocommit(db_) == 0; }

void Connection::Rollback() {
    if (sqlite3_get_autocommit(db_) == 0) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    inTransaction_ = false;
    DetachAll();
    TellEnlisted(false);
}

void Connection::Enlist(const void* who, std::function<void(bool committed)> onEnd) {
    Withdraw(who);
    enlisted_.emplace_back(who, std::move(onEnd));
}

void Connection::Withdraw(const void* who) {
    std::erase_if(enlisted_, [who](const auto& entry) { return entry.first == who; });
}

void Connection::TellEnlisted(bool committed) {
    // Each may withdraw or enlist others as it is told; none is told twice.
    auto told = std::move(enlisted_);
    enlisted_.clear();
    for (auto& [who, onEnd] : told) onEnd(committed);
}

namespace {

// Screens open the same few tables again and again, each time on a new
// connection, and a table's stored name and columns cost more to look up than
// its rows do to read. What the schema of a file said is therefore kept for
// the whole process, for as long as the file is the same file, unchanged
// since (device, inode, size, modification time) and at the same schema
// version.
struct FileState {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t modified = 0;
    std::int64_t schemaVersion = -1;
    bool operator==(const FileState&) const = default;
};

struct KnownSchema {
    FileState state;
    std::map<std::string, std::string> storedNames;         // name as asked -> as stored ("" for none)
    std::map<std::string, std::vector<ColumnInfo>> columns; // stored name -> columns
};

std::mutex knownSchemasMutex;
std::map<std::string, KnownSchema> knownSchemas; // by file path

} // namespace

template <class Value, class Read>
Value Connection::FromKnownSchema(const std::string& schema, const std::string& key, Read read) const {
    struct stat file {};
    if (schema != "main" || ::stat(path_.c_str(), &file) != 0) return read();
    Statement version(db_, "PRAGMA main.schema_version", kSourceDatabase);
    version.Step();
    FileState state{file.st_dev, file.st_ino, file.st_size,
                    static_cast<std::int64_t>(file.st_mtim.tv_sec) * 1000000000 + file.st_mtim.tv_nsec,
                    std::get<std::int64_t>(version.Column(0))};
    {
        std::lock_guard lock(knownSchemasMutex);
        auto& known = knownSchemas[path_];
        if (!(known.state == state)) known = KnownSchema{state, {}, {}};
        if constexpr (std::is_same_v<Value, std::string>) {
            auto it = known.storedNames.find(key);
            if (it != known.storedNames.end()) return it->second;
        } else {
            auto it = known.columns.find(key);
            if (it != known.columns.end()) return it->second;
        }
    }
    Value value = read();
    std::lock_guard lock(knownSchemasMutex);
    auto& known = knownSchemas[path_];
    if (known.state == state) {
        if constexpr (std::is_same_v<Value, std::string>) known.storedNames[key] = value;
        else known.columns[key] = value;
    }
    return value;
}

std::string Connection::FindTable(const std::string& schema, const std::string& name) const {
    return FromKnownSchema<std::string>(schema, name, [&] {
        Statement find(db_,
                       "SELECT name FROM " + schema +
                           ".sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE ORDER BY rowid LIMIT 1",
                       kSourceDatabase);
        find.Bind(1, name);
        if (!find.Step()) return std::string();
        return ToText(find.Column(0));
    });
}

std::vector<ColumnInfo> Connection::Columns(const std::string& schema, const std::string& table) const {
    return FromKnownSchema<std::vector<ColumnInfo>>(schema, table, [&] {
        std::vector<ColumnInfo> columns;
        Statement info(db_, "SELECT name, type FROM pragma_table_info(?1, ?2) ORDER BY cid", kSourceDatabase);
        info.Bind(1, table);
        info.Bind(2, schema);
        while (info.Step()) columns.push_back({ToText(info.Column(0)), ToText(info.Column(1))});
        return columns;
    });
}

} // namespace data
