#include "platform/data/Recordset.h"

#include "platform/basic/Strings.h"
#include "platform/data/Bookmarks.h"
#include "platform/data/Connection.h"
#include "platform/data/Errors.h"
#include "platform/data/JetSql.h"
#include "platform/data/RowLocks.h"
#include "platform/data/RowSource.h"
#include "platform/data/Schema.h"
#include "platform/data/ValueConversion.h"

#include <sqlite3.h>

#include <algorithm>

namespace data {

namespace {

[[noreturn]] void Fail(int number, const std::string& detail = "") {
    RaiseEngineError(number, kSourceRecordset, detail);
}

// The columns whose values name a row besides its rowid: the table's first
// key as the system defines it (EmployerNo; EmployerNo and Qtr_Yr). SQLite
// gives a deleted row's rowid to the next row added, so the rowid alone
// could name another copy's new row. A table without a key, or a file whose
// table lacks its columns, is named by the rowid alone.
std::vector<std::string> KeyColumns(const std::string& table, const std::vector<ColumnInfo>& columns) {
    const TableDef* definition = FindTableDef(table);
    if (!definition || definition->uniqueKeys.empty()) return {};
    std::vector<std::string> key;
    for (const auto& name : definition->uniqueKeys.front()) {
        auto it = std::find_if(columns.begin(), columns.end(),
                               [&](const auto& c) { return basic::SameNameCaseBlind(c.name, name); });
        if (it == columns.end()) return {};
        key.push_back(it->name);
    }
    return key;
}

} // namespace

Recordset::Recordset(std::shared_ptr<Connection> connection, std::string source, RecordsetType type, bool readOnly)
    : connection_(std::move(connection)), source_(std::move(source)), type_(type),
      readOnly_(readOnly || type == dbOpenSnapshot || connection_->ReadOnly()),
      openedInTransaction_(connection_->TransactionNumber()) {
    Open();
}

Recordset::~Recordset() {
    try {
        Close();
    } catch (...) {}
}

void Recordset::Open() {
    jet::RecordSource parsed = jet::ParseRecordSource(source_);
    schema_ = parsed.table.file ? connection_->SchemaFor(*parsed.table.file) : "main";
    // Another file's table is read only inside a transaction, which keeps the
    // file attached until it ends: one transaction over both files.
    if (schema_ != "main" && !connection_->InTransaction()) {
        connection_->DetachAll();
        Fail(errInvalidArgument, "a recordset reads another file's table only inside a transaction");
    }
    std::string table = connection_->FindTable(schema_, parsed.table.name);
    if (table.empty()) RaiseEngineError(errTableNotFound, kSourceDatabase, parsed.table.name);

    std::vector<ColumnInfo> columns = connection_->Columns(schema_, table);
    std::vector<std::string> key = KeyColumns(table, columns);
    if (!parsed.columns.empty()) {
        std::vector<ColumnInfo> chosen;
        for (const auto& name : parsed.columns) {
            auto it = std::find_if(columns.begin(), columns.end(),
                                   [&](const auto& c) { return basic::SameNameCaseBlind(c.name, name); });
            if (it == columns.end()) RaiseEngineError(errUnknownName, kSourceDatabase, name);
            chosen.push_back(*it);
        }
        columns = chosen;
    }
    std::vector<std::string> names;
    fields_.clear();
    for (size_t i = 0; i < columns.size(); ++i) {
        fields_.push_back(Field(this, static_cast<int>(i), columns[i].name, columns[i].type));
        names.push_back(columns[i].name);
    }
    rows_ =
        std::make_unique<RowSource>(connection_, schema_, table, names, std::move(key), parsed.where, parsed.orderBy);
    open_ = true;
    auto first = rows_->First();
    StandOn(first);
    bof_ = eof_ = !first;
}

const std::string& Recordset::TableName() const { return rows_->Table(); }

void Recordset::CheckOpen() const {
    if (!open_) Fail(errObjectClosed);
}

void Recordset::CheckInjected(RecordsetAction action) {
    auto it =
        std::find_if(injected_.begin(), injected_.end(), [&](const auto& entry) { return entry.first == action; });
    if (it == injected_.end()) return;
    int number = it->second;
    injected_.erase(it);
    Fail(number);
}

void Recordset::Notify(RecordsetEvent event) {
    if (observer_) observer_(event);
}

void Recordset::StandOn(std::optional<Row> row) {
    current_ = row ? row->rowid : -1;
    currentDeleted_ = false;
    values_.clear();
    currentKey_.clear();
    if (!row) return;
    values_ = std::move(row->values);
    currentKey_ = std::move(row->key);
}

void Recordset::StandOn(std::int64_t rowid) { StandOn(rowid < 0 ? std::nullopt : rows_->Load(rowid)); }

std::optional<Row> Recordset::CurrentAsStored() { return rows_->LoadSame(current_, currentKey_); }

void Recordset::RequireCurrent() const {
    if (current_ < 0) Fail(errNoCurrentRecord);
    if (currentDeleted_) Fail(errRecordDeleted);
}

void Recordset::RefuseWhenLockFileLost() const {
    // Locks in a lock file the other copies no longer use exclude nobody.
    if (LockFileLost(connection_->FileOf(schema_))) Fail(errCouldNotLockFile);
}

void Recordset::UseLocks() {
    RefuseWhenLockFileLost();
    if (locks_) return;
    auto opened = std::make_unique<RowLockFile>(connection_->FileOf(schema_));
    // Without a lock no row may change: another copy could be editing it. A
    // lock file that could not be opened is not kept: the next try opens it
    // again, once what kept it closed may be gone.
    if (!opened->Usable()) Fail(errReadOnly);
    locks_ = std::move(opened);
}

void Recordset::LockCurrent() {
    if (locks_->TryLock(rows_->Table(), current_)) return;
    // The one holding the lock may hold a row added in this one's place.
    if (!CurrentAsStored()) {
        currentDeleted_ = true;
        Fail(errRecordDeleted);
    }
    Fail(errRecordLocked);
}

void Recordset::ReleaseLock() {
    if (lockHeld_) UnlockRow(lockedRow_);
    lockHeld_ = false;
    lockedRow_ = -1;
}

void Recordset::LeavePending() {
    if (editMode_ == dbEditNone) return;
    bool wasAdd = editMode_ == dbEditAdd;
    editMode_ = dbEditNone;
    buffer_.clear();
    changed_.clear();
    ReleaseLock();
    if (wasAdd) {
        StandOn(beforeAdd_ < 0 ? std::nullopt : rows_->LoadSame(beforeAdd_, beforeAddKey_));
        bof_ = beforeAddBof_;
        eof_ = beforeAddEof_;
    }
}

long Recordset::RecordCount() const {
    CheckOpen();
    return rows_->Count();
}

bool Recordset::IsEmpty() const {
    CheckOpen();
    return rows_->Empty();
}

void Recordset::MoveFirst() { MoveToEnd(false); }
void Recordset::MoveLast() { MoveToEnd(true); }

void Recordset::MoveToEnd(bool last) {
    CheckOpen();
    CheckInjected(RecordsetAction::Move);
    LeavePending();
    auto end = last ? rows_->Last() : rows_->First();
    if (!end) {
        StandOn(-1);
        bof_ = eof_ = true;
        Notify(RecordsetEvent::CurrentChanged);
        Fail(errNoCurrentRecord);
    }
    StandOn(std::move(end));
    bof_ = eof_ = false;
    Notify(RecordsetEvent::CurrentChanged);
}

void Recordset::MoveNext() {
    CheckOpen();
    if (eof_) Fail(errNoCurrentRecord);
    CheckInjected(RecordsetAction::Move);
    LeavePending();
    auto next = current_ >= 0 ? rows_->After(current_) : bof_ ? rows_->First() : std::nullopt;
    bool found = next.has_value();
    StandOn(std::move(next));
    if (found) {
        bof_ = eof_ = false;
    } else {
        eof_ = true;
        bof_ = rows_->Empty();
    }
    Notify(RecordsetEvent::CurrentChanged);
}

void Recordset::MovePrevious() {
    CheckOpen();
    if (bof_) Fail(errNoCurrentRecord);
    CheckInjected(RecordsetAction::Move);
    LeavePending();
    auto previous = current_ >= 0 ? rows_->Before(current_) : eof_ ? rows_->Last() : std::nullopt;
    bool found = previous.has_value();
    StandOn(std::move(previous));
    if (found) {
        bof_ = eof_ = false;
    } else {
        bof_ = true;
        eof_ = rows_->Empty();
    }
    Notify(RecordsetEvent::CurrentChanged);
}

void Recordset::AddNew() {
    CheckOpen();
    CheckInjected(RecordsetAction::AddNew);
    if (readOnly_) Fail(errReadOnly);
    RefuseWhenLockFileLost();
    LeavePending();
    beforeAdd_ = current_;
    beforeAddKey_ = currentKey_;
    beforeAddBof_ = bof_;
    beforeAddEof_ = eof_;
    buffer_.assign(fields_.size(), Null{});
    changed_.assign(fields_.size(), false);
    editMode_ = dbEditAdd;
    Notify(RecordsetEvent::CurrentChanged);
}

void Recordset::Edit() {
    CheckOpen();
    CheckInjected(RecordsetAction::Edit);
    if (readOnly_) Fail(errReadOnly);
    LeavePending();
    RequireCurrent();
    UseLocks();
    LockCurrent();
    lockHeld_ = true;
    lockedRow_ = current_;
    // Edit starts from the row as it is stored now, not as it was read.
    auto fresh = CurrentAsStored();
    if (!fresh) {
        ReleaseLock();
        currentDeleted_ = true;
        Fail(errRecordDeleted);
    }
    values_ = std::move(fresh->values);
    currentKey_ = std::move(fresh->key);
    buffer_ = values_;
    changed_.assign(fields_.size(), false);
    editMode_ = dbEditInProgress;
    Notify(RecordsetEvent::EditStarted);
}

void Recordset::Update() {
    CheckOpen();
    if (editMode_ == dbEditNone) Fail(errNotInEditMode);
    CheckInjected(RecordsetAction::Update);
    RefuseWhenLockFileLost();
    Notify(RecordsetEvent::BeforeUpdate);

    std::vector<int> written;
    for (size_t i = 0; i < fields_.size(); ++i) {
        if (changed_[i]) written.push_back(static_cast<int>(i));
    }
    std::string table = schema_ + "." + QuoteIdentifier(rows_->Table());
    if (editMode_ == dbEditAdd) {
        std::string names, marks;
        for (size_t k = 0; k < written.size(); ++k) {
            names += (k ? ", " : "") + QuoteIdentifier(fields_[written[k]].Name());
            marks += (k ? ", ?" : "?") + std::to_string(k + 1);
        }
        std::string sql = written.empty() ? "INSERT INTO " + table + " DEFAULT VALUES"
                                          : "INSERT INTO " + table + " (" + names + ") VALUES (" + marks + ")";
        Statement insert(connection_->Handle(), sql, kSourceRecordset, true);
        for (size_t k = 0; k < written.size(); ++k) insert.Bind(static_cast<int>(k + 1), buffer_[written[k]]);
        KeepStandingForRollback();
        insert.Step();
        NoteAdded(sqlite3_last_insert_rowid(connection_->Handle()));
        LeavePending(); // back on the row current before AddNew
    } else if (!written.empty()) {
        std::string sets;
        for (size_t k = 0; k < written.size(); ++k) {
            sets += (k ? ", " : "") + QuoteIdentifier(fields_[written[k]].Name()) + " = ?" + std::to_string(k + 1);
        }
        const int same = static_cast<int>(written.size() + 1);
        Statement update(connection_->Handle(), "UPDATE " + table + " SET " + sets + " WHERE " + rows_->SameRow(same),
                         kSourceRecordset, true);
        for (size_t k = 0; k < written.size(); ++k) update.Bind(static_cast<int>(k + 1), buffer_[written[k]]);
        rows_->BindSameRow(update, same, current_, currentKey_);
        KeepStandingForRollback();
        update.Step();
        // Another user deleted the row (or it holds another key now):
        // nothing was written, and the edit stays pending so the caller can
        // see what was not stored.
        if (sqlite3_changes(connection_->Handle()) == 0) {
            currentDeleted_ = true;
            Fail(errRecordDeleted);
        }
        std::int64_t row = current_;
        KeepLockUntilTransactionEnds();
        LeavePending();
        StandOn(row);
        if (current_ < 0) {
            current_ = row;
            currentDeleted_ = true;
        }
    } else {
        if (!CurrentAsStored()) {
            currentDeleted_ = true;
            Fail(errRecordDeleted);
        }
        LeavePending();
    }
    Notify(RecordsetEvent::CurrentChanged);
    RunAfter(RecordsetAction::Update);
}

void Recordset::NoteAdded(std::int64_t rowid) {
    lastModified_ = rowid;
    lastModifiedKey_.clear();
    for (const auto& column : rows_->KeyColumns()) {
        auto field = std::find_if(fields_.begin(), fields_.end(),
                                  [&](const Field& f) { return basic::SameNameCaseBlind(f.Name(), column); });
        lastModifiedKey_.push_back(field == fields_.end() ? data::Value{Null{}} : buffer_[field->index_]);
    }
}

void Recordset::CancelUpdate() {
    CheckOpen();
    if (editMode_ == dbEditNone) return;
    LeavePending();
    Notify(RecordsetEvent::CurrentChanged);
}

void Recordset::Delete() {
    CheckOpen();
    CheckInjected(RecordsetAction::Delete);
    if (readOnly_) Fail(errReadOnly);
    LeavePending();
    RequireCurrent();
    UseLocks();
    // Held while the row goes, so nobody starts editing it meanwhile.
    LockCurrent();
    KeepStandingForRollback();
    try {
        Statement remove(connection_->Handle(),
                         "DELETE FROM " + schema_ + "." + QuoteIdentifier(rows_->Table()) + " WHERE " +
                             rows_->SameRow(1),
                         kSourceRecordset, true);
        rows_->BindSameRow(remove, 1, current_, currentKey_);
        remove.Step();
    } catch (...) {
        UnlockRow(current_);
        throw;
    }
    UnlockRow(current_);
    values_.clear();
    currentDeleted_ = true;
    if (sqlite3_changes(connection_->Handle()) == 0) Fail(errRecordDeleted); // another user deleted it first
    // The deleted row keeps its place, so MoveNext goes on from it.
}

void Recordset::Find(const std::string& criteria, bool forward, bool fromEnd) {
    CheckOpen();
    std::string criterion = jet::TranslateExpression(criteria);
    // Without a current row, FindNext starts at the start and FindPrevious at the end.
    std::optional<std::int64_t> from;
    if (!fromEnd && current_ >= 0) from = current_;
    auto found = rows_->Find(criterion, from, forward);
    noMatch_ = !found;
    if (!found) return;
    LeavePending();
    StandOn(*found);
    bof_ = eof_ = false;
    Notify(RecordsetEvent::CurrentChanged);
}

void Recordset::FindFirst(const std::string& criteria) { Find(criteria, true, true); }
void Recordset::FindLast(const std::string& criteria) { Find(criteria, false, true); }
void Recordset::FindNext(const std::string& criteria) { Find(criteria, true, false); }
void Recordset::FindPrevious(const std::string& criteria) { Find(criteria, false, false); }

std::string Recordset::Bookmark() const {
    CheckOpen();
    RequireCurrent();
    return BookmarkOf(Row{current_, {}, currentKey_});
}

void Recordset::SetBookmark(const std::string& bookmark) {
    CheckOpen();
    auto marked = RowOfBookmark(bookmark);
    if (!marked || !rows_->Contains(marked->rowid)) Fail(errInvalidBookmark);
    auto row = rows_->LoadSame(marked->rowid, marked->key);
    if (!row) Fail(errInvalidBookmark);
    LeavePending();
    StandOn(std::move(row));
    bof_ = eof_ = false;
    Notify(RecordsetEvent::CurrentChanged);
}

std::string Recordset::LastModified() const {
    CheckOpen();
    if (lastModified_ < 0) Fail(errNoCurrentRecord);
    return BookmarkOf(Row{lastModified_, {}, lastModifiedKey_});
}

Field& Recordset::Fields(std::string_view name) {
    CheckOpen();
    for (auto& field : fields_) {
        if (basic::SameNameCaseBlind(field.Name(), name)) return field;
    }
    Fail(errFieldNotFound, std::string(name));
}

Field& Recordset::Fields(int index) {
    CheckOpen();
    if (index < 0 || index >= FieldCount()) Fail(errFieldNotFound, std::to_string(index));
    return fields_[static_cast<size_t>(index)];
}

void Recordset::Close() {
    if (!open_) return;
    LeavePending();
    ReleaseLock();
    connection_->Withdraw(this);
    keptForTransaction_ = 0;
    lockedUntilTransactionEnds_.clear();
    locks_.reset(); // lets go of the locks kept for a transaction too
    observer_ = nullptr;
    rows_->Release();
    open_ = false;
}

void Recordset::SetObserver(std::function<void(RecordsetEvent)> observer) { observer_ = std::move(observer); }

void Recordset::FailNext(RecordsetAction action, int number) { injected_.emplace_back(action, number); }

void Recordset::AfterNext(RecordsetAction action, std::function<void()> step) {
    afterNext_.emplace_back(action, std::move(step));
}

void Recordset::RunAfter(RecordsetAction action) {
    auto next =
        std::find_if(afterNext_.begin(), afterNext_.end(), [&](const auto& after) { return after.first == action; });
    if (next == afterNext_.end()) return;
    auto step = std::move(next->second);
    afterNext_.erase(next);
    if (action == RecordsetAction::Update && keptForTransaction_ != 0) {
        afterCommit_ = std::move(step);
        return;
    }
    step();
}

data::Value Recordset::ReadField(int index) const {
    CheckOpen();
    if (editMode_ != dbEditNone) return buffer_[static_cast<size_t>(index)];
    RequireCurrent();
    return values_[static_cast<size_t>(index)];
}

void Recordset::WriteField(int index, const data::Value& value) {
    CheckOpen();
    if (editMode_ == dbEditNone) RaiseEngineError(errNotInEditMode, kSourceField);
    auto i = static_cast<size_t>(index);
    const Field& field = fields_[i];
    const auto& key = rows_->KeyColumns();
    const bool inKey = std::any_of(key.begin(), key.end(), [&](const std::string& column) {
        return basic::SameNameCaseBlind(column, field.Name());
    });
    data::Value converted = inKey ? ConvertForKeyColumn(field.Type(), value) : ConvertForColumn(field.Type(), value);
    buffer_[i] = converted;
    changed_[i] = editMode_ == dbEditAdd || converted != values_[i];
}

void Recordset::RevertField(int index) {
    CheckOpen();
    if (editMode_ == dbEditNone) RaiseEngineError(errNotInEditMode, kSourceField);
    auto i = static_cast<size_t>(index);
    buffer_[i] = editMode_ == dbEditAdd ? data::Value{Null{}} : values_[i];
    changed_[i] = false;
}

data::Value Field::Value() const { return owner_->ReadField(index_); }

void Field::Revert() { owner_->RevertField(index_); }

void Field::SetValue(const data::Value& value) { owner_->WriteField(index_, value); }

HeldRead::HeldRead(Recordset& rows) : rows_(rows) {
    if (rows_.rows_) rows_.rows_->HoldReads(true);
}

HeldRead::~HeldRead() {
    if (rows_.rows_) rows_.rows_->HoldReads(false);
}

} // namespace data
