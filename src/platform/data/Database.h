#pragma once
#include "platform/data/Recordset.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace data {

class Connection;

// Execute options. dbCopyAsStored is the program's own, in a bit the
// engine's options leave free (see Execute).
enum ExecuteOption : int { dbFailOnError = 128, dbCopyAsStored = 65536 };

// An open database file. Opened shared: other Database objects, here or in
// other processes, may use the same file at the same time.
class Database {
public:
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // The path as it was given.
    const std::string& Name() const { return name_; }
    // The file actually opened (after drive mapping and name lookup).
    const std::string& FilePath() const { return filePath_; }

    // A table name opens a table-type recordset (dbOpenDefault) or a dynaset;
    // an SQL text ("SELECT * FROM [T] WHERE ...") opens a dynaset. 3078 when
    // the table does not exist. Inside a transaction, "SELECT * FROM T IN
    // 'file'" opens a table of another file, read and written within the
    // same transaction; close it before the transaction ends (3001 outside one).
    RecordsetPtr OpenRecordset(const std::string& source, int type = dbOpenDefault, bool readOnly = false);

    // Runs one action statement in the engine's SQL: DELETE * FROM T IN 'file',
    // SELECT * INTO T IN 'file' FROM S IN 'file', INSERT INTO T IN 'file'
    // SELECT * FROM S IN 'file' WHERE ..., UPDATE, and the same without IN.
    // The statement completes or fails as a whole. Without dbFailOnError, rows
    // that a key refuses are left out silently (as the engine does); with it,
    // such a row fails the statement with 3022 and nothing is changed, as
    // does, in an INSERT ... SELECT, a Null where the target allows none
    // (3058), a value its column cannot take (3421) and a text longer than
    // its column's declared width (3163).
    // With dbFailOnError + dbCopyAsStored, an INSERT ... SELECT stores each
    // value as the source holds it, whatever its kind or width, so that rows
    // copied as stored (a backup) come back byte for byte; the columns of the
    // target's unique keys, which name the rows, still refuse as above, all
    // but a text wider than its column.
    void Execute(const std::string& sql, int options = 0);
    // Rows touched by the last Execute.
    long RecordsAffected() const { return recordsAffected_; }

    // One transaction over everything this Database executes or updates,
    // including the files named in IN clauses.
    void BeginTrans();
    // A transaction that only reads (Connection::BeginRead): the rows read
    // in it are one moment of the file, with no write lock taken. Ended by
    // CommitTrans or Rollback; nothing may be written in it.
    void BeginReadTrans();
    void CommitTrans();
    void Rollback();
    // True from BeginTrans to CommitTrans or Rollback, unless the engine has
    // rolled the transaction back by itself on a failure that leaves nothing
    // of it (a full disk, a disk or network error): then nothing done in it
    // can be committed any more.
    bool InTransaction() const;

    // The highest value a column of a table of this file holds, by one
    // query (an index on the column answers it at once); Null when the
    // table has no row. 3078 when there is no such table, 3061 no such column.
    Value HighestValue(const std::string& table, const std::string& column) const;

    // Table names as stored, in creation order.
    std::vector<std::string> TableNames() const;
    bool HasTable(const std::string& name) const;

    // Closes the recordsets opened on it and the file; later calls raise 3420.
    // Destroying a Database without Close leaves its recordsets open and
    // rolls back a transaction it did not commit.
    void Close();
    bool IsOpen() const;

    // Made by OpenDatabase and CreateDatabase (Engine.h).
    Database(std::string name, std::string filePath, std::shared_ptr<Connection> connection);
    // A driver that brings a table in only when a recordset first opens it
    // (the dBASE folder) is called with the record source first.
    void SetTableSource(std::function<void(const std::string& source)> tableSource) {
        tableSource_ = std::move(tableSource);
    }

private:
    void CheckOpen() const;

    std::string name_;
    std::string filePath_;
    std::shared_ptr<Connection> connection_;
    std::vector<std::weak_ptr<Recordset>> recordsets_;
    long recordsAffected_ = 0;
    std::function<void(const std::string&)> tableSource_;
};

using DatabasePtr = std::shared_ptr<Database>;

} // namespace data
