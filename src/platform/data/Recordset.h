#pragma once
#include "platform/data/Value.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace data {

class Connection;
class RowSource;
class RowLockFile;
struct Row;

// Recordset types and edit modes, with the engine's numbers.
enum RecordsetType : int { dbOpenDefault = 0, dbOpenTable = 1, dbOpenDynaset = 2, dbOpenSnapshot = 4 };
enum EditModeValue : int { dbEditNone = 0, dbEditInProgress = 1, dbEditAdd = 2 };

// What a recordset tells the one observer it may have (the data control), so
// that bound controls stay in step with the current row.
enum class RecordsetEvent {
    CurrentChanged, // a move, AddNew, CancelUpdate, Update, Delete or a rollback changed what is shown
    EditStarted,    // Edit read the current row again: what the edit starts from
    BeforeUpdate,   // Update is about to write: the observer puts its values into the fields
};

// Operations a test can make fail once with an injected error (3426 by default).
enum class RecordsetAction { AddNew, Edit, Update, Delete, Move };

// One column of the current row. Reading a recordset with no current row
// raises 3021; a deleted current row raises 3167.
class Field {
public:
    const std::string& Name() const { return name_; }
    // The declared type: "INTEGER", "REAL" or "TEXT" (with a width, e.g. "TEXT(30)").
    const std::string& Type() const { return type_; }
    data::Value Value() const;
    // Writes into the pending AddNew or Edit (3020 when none is pending). The
    // value is converted to the column's type: "" and Null are Null; a text
    // that is not a number in a number column raises 3421.
    void SetValue(const data::Value& value);
    Field& operator=(const data::Value& value) {
        SetValue(value);
        return *this;
    }
    // Takes back what was written into the pending change: an Edit's Update
    // leaves the column as Edit read it, byte for byte, an AddNew's leaves it
    // out (3020 when nothing is pending).
    void Revert();

private:
    friend class Recordset;
    Field(class Recordset* owner, int index, std::string name, std::string type)
        : owner_(owner), index_(index), name_(std::move(name)), type_(std::move(type)) {}
    class Recordset* owner_;
    int index_;
    std::string name_;
    std::string type_;
};

// A table-type or dynaset recordset over one table of one database (the
// database's own file). Rows come in the order they were added. Moving
// reads one row at a time, so a recordset of any size opens and moves fast.
// Other connections' changes are seen at the next move.
// Edit, Update and Delete act on the current row only while it still holds
// the key it was read with (the table's first key, Schema.h): a row another
// copy deleted counts as deleted (3167) even when a row added since took its
// place in the file; one another copy only changed is the same row.
class Recordset {
public:
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    RecordsetType Type() const { return type_; }
    const std::string& Name() const { return source_; }
    const std::string& TableName() const;
    bool Updatable() const { return !readOnly_; }

    bool Eof() const { return eof_; }
    bool Bof() const { return bof_; }
    // The number of rows now in the recordset (exact, counted by the database).
    long RecordCount() const;
    // Whether RecordCount() is 0, found without counting the rows.
    bool IsEmpty() const;

    // Moves; each cancels a pending AddNew or Edit first. MoveFirst and
    // MoveLast on an empty recordset, MoveNext at EOF and MovePrevious at BOF
    // raise 3021.
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();

    // Starts a new, empty row (not stored until Update).
    void AddNew();
    // Puts the current row into edit: locks it for every other recordset, here
    // or in another process (3260 when someone else holds it), and re-reads it.
    void Edit();
    // Stores the pending AddNew or Edit (3020 when none). A duplicate key is
    // 3022 and leaves the change pending; a write blocked by another writer is
    // 3260. After an AddNew the current row is the one current before it.
    void Update();
    // Drops the pending AddNew or Edit and releases its lock; nothing when none.
    void CancelUpdate();
    // Deletes the current row (3260 when another holds it in edit). The
    // recordset then has no current row until the next move.
    void Delete();
    EditModeValue EditMode() const { return editMode_; }

    // Criteria in the engine's expression language, for example
    // "left(EmployerName1, 5) = 'smith'"; text comparisons ignore case.
    // NoMatch() tells whether a row was found; when none, the current row stays.
    void FindFirst(const std::string& criteria);
    void FindLast(const std::string& criteria);
    void FindNext(const std::string& criteria);
    void FindPrevious(const std::string& criteria);
    bool NoMatch() const { return noMatch_; }

    // The current row's bookmark (3021 when none); setting one returns to
    // that row (3159 when it no longer exists, whatever took its place).
    std::string Bookmark() const;
    void SetBookmark(const std::string& bookmark);
    // The bookmark of the row this recordset last added (3021 when none):
    // the row it stored, wherever other copies' rows fall.
    std::string LastModified() const;

    // Columns by name, case-insensitively (3265 when absent), or by position.
    Field& Fields(std::string_view name);
    Field& Fields(int index);
    int FieldCount() const { return static_cast<int>(fields_.size()); }

    // Cancels a pending change and releases every lock; later calls raise 3420.
    void Close();
    bool IsOpen() const { return open_; }

    // One observer, the data control; pass nullptr to detach.
    void SetObserver(std::function<void(RecordsetEvent)> observer);
    // Makes the next such operation fail with the given error (tests).
    void FailNext(RecordsetAction action, int number = 3426);
    // Runs `step` once the next such operation has succeeded (tests: another
    // copy acting at that very point); for an Update inside a transaction,
    // once that transaction has committed, when other copies first see it.
    void AfterNext(RecordsetAction action, std::function<void()> step);

private:
    friend class Database;
    friend class Field;
    friend class HeldRead;
    Recordset(std::shared_ptr<Connection> connection, std::string source, RecordsetType type, bool readOnly);

    void Open();
    void CheckOpen() const;
    void CheckInjected(RecordsetAction action);
    void Notify(RecordsetEvent event);
    void StandOn(std::int64_t rowid);     // loads the row; rowid < 0: no current row
    void StandOn(std::optional<Row> row); // a row as read; none: no current row
    // The current row as stored now, nothing when another copy deleted it
    // (or a row added since took its rowid).
    std::optional<Row> CurrentAsStored();
    void MoveToEnd(bool last); // MoveFirst, MoveLast
    void LeavePending();
    void NoteAdded(std::int64_t rowid);  // the row an AddNew stored, for LastModified()
    void UseLocks();                     // opens the lock file; 3027 when no row can be locked
    void RefuseWhenLockFileLost() const; // 3050 (LockFileLost)
    void LockCurrent();                  // 3260 when another holds the row, 3167 when it is gone
    void ReleaseLock();
    void Find(const std::string& criteria, bool forward, bool fromEnd);
    void RequireCurrent() const;
    data::Value ReadField(int index) const;
    void WriteField(int index, const data::Value& value);
    void RevertField(int index);

    std::shared_ptr<Connection> connection_;
    std::string schema_ = "main"; // where its table lies on the connection
    std::unique_ptr<RowSource> rows_;
    std::string source_;
    RecordsetType type_;
    bool readOnly_;
    bool open_ = false;
    std::vector<Field> fields_;

    bool bof_ = true;
    bool eof_ = true;
    bool noMatch_ = false;
    std::int64_t current_ = -1;           // rowid of the current row, -1 when none
    std::vector<data::Value> currentKey_; // its key as read (RowSource: the table's key columns)
    bool currentDeleted_ = false;
    std::vector<data::Value> values_; // the current row as read
    EditModeValue editMode_ = dbEditNone;
    std::vector<data::Value> buffer_; // the pending AddNew or Edit
    std::vector<bool> changed_;
    std::int64_t beforeAdd_ = -1; // the row current when AddNew started
    std::vector<data::Value> beforeAddKey_;
    bool beforeAddBof_ = true, beforeAddEof_ = true;
    std::int64_t lastModified_ = -1; // the row LastModified() names, -1 when none
    std::vector<data::Value> lastModifiedKey_;

    std::unique_ptr<RowLockFile> locks_;
    bool lockHeld_ = false;
    std::int64_t lockedRow_ = -1;

    // A transaction the recordset's changes belong to (RecordsetTransaction.cpp):
    // a rollback returns it to where it stood before its first change in it,
    // so that the change can be made again; a commit lets that go.
    struct Standing {
        std::int64_t current = -1;
        std::vector<data::Value> currentKey;
        bool currentDeleted = false;
        std::vector<data::Value> values;
        bool bof = true, eof = true;
        EditModeValue editMode = dbEditNone;
        std::vector<data::Value> buffer;
        std::vector<bool> changed;
        std::int64_t beforeAdd = -1;
        std::vector<data::Value> beforeAddKey;
        bool beforeAddBof = true, beforeAddEof = true;
        bool lockHeld = false;
        std::int64_t lockedRow = -1;
    };
    Standing Now() const;
    void StandAgain(Standing standing);
    // Called as a change is about to be stored or a row deleted.
    void KeepStandingForRollback();
    void TransactionEnded(bool committed);
    void UnlockRow(std::int64_t rowid);
    // An edit stored inside a transaction keeps its row locked until the
    // transaction ends, so that a rollback gives the edit back with its lock.
    void KeepLockUntilTransactionEnds();
    std::uint64_t openedInTransaction_ = 0; // left alone by that transaction
    std::uint64_t keptForTransaction_ = 0;  // the transaction `beforeTransaction_` is kept for
    Standing beforeTransaction_;
    std::set<std::int64_t> lockedUntilTransactionEnds_;

    std::function<void(RecordsetEvent)> observer_;
    std::vector<std::pair<RecordsetAction, int>> injected_;
    std::vector<std::pair<RecordsetAction, std::function<void()>>> afterNext_;
    std::function<void()> afterCommit_; // the step of an Update inside a transaction
    void RunAfter(RecordsetAction action);
};

using RecordsetPtr = std::shared_ptr<Recordset>;

// For a walk over a recordset that writes nothing, a printout: while it
// lives, the recordset's moves share one read of the file, renewed every few
// milliseconds, instead of each taking and letting go of the file's lock.
// Another copy's save waits at most those milliseconds; a save through
// another connection of this program would wait for it, so none may happen
// meanwhile.
class HeldRead {
public:
    explicit HeldRead(Recordset& rows);
    ~HeldRead();
    HeldRead(const HeldRead&) = delete;
    HeldRead& operator=(const HeldRead&) = delete;

private:
    Recordset& rows_;
};

} // namespace data
