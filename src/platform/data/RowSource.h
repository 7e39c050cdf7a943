#pragma once
// Internal: the rows of a recordset, reached one at a time by their rowid.
// Without an ORDER BY the rows come in rowid order (the order they were
// added) and every move is one indexed query that also reads the row; with an
// ORDER BY the rowids are read once, in that order, at open,
// with each one's place among them, and a move reads the next of them that is
// still there. The queries are prepared once per recordset and kept.
// Each move is a read of its own, so it sees what other copies saved before
// it, unless reads are held (HoldReads) for a walk that writes nothing.

#include "platform/data/PrefixSearch.h"
#include "platform/data/Value.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace data {

class Connection;
class Statement;

// A row as read: its rowid, the values of the recordset's columns and those
// of the table's key columns.
struct Row {
    std::int64_t rowid = -1;
    std::vector<Value> values;
    std::vector<Value> key;
};

class RowSource {
public:
    // The table lies in the connection's `schema` ("main", or a file attached to it).
    // `keyColumns` are the columns whose values name a row besides its rowid
    // (none: the rowid alone).
    RowSource(std::shared_ptr<Connection> connection, std::string schema, std::string table,
              std::vector<std::string> columns, std::vector<std::string> keyColumns, std::string where,
              std::string orderBy);
    ~RowSource();

    const std::string& Table() const { return table_; }
    const std::vector<std::string>& KeyColumns() const { return keyColumns_; }

    std::optional<Row> First();
    std::optional<Row> Last();
    std::optional<Row> After(std::int64_t rowid);
    std::optional<Row> Before(std::int64_t rowid);
    long Count();
    // Whether Count() is 0, found without counting.
    bool Empty();
    bool Contains(std::int64_t rowid);
    // The row with that rowid, nothing when there is none.
    std::optional<Row> Load(std::int64_t rowid);
    // The row with that rowid while it still holds that key, nothing when it
    // is gone: SQLite gives a deleted row's rowid to the next row added.
    std::optional<Row> LoadSame(std::int64_t rowid, const std::vector<Value>& key);
    // The condition "this row, holding this key" for a statement on the
    // table, its parameters numbered from `first`, and their binding.
    std::string SameRow(int first) const;
    void BindSameRow(Statement& statement, int first, std::int64_t rowid, const std::vector<Value>& key) const;
    // The first row meeting a criterion (translated) after / before a row;
    // from the start (or end) when `from` is empty.
    std::optional<std::int64_t> Find(const std::string& criterion, std::optional<std::int64_t> from, bool forward);
    void Reload();
    // Lets the prepared queries go (the recordset is closed).
    void Release();
    // While held, the reads share one read of the file, renewed every few
    // milliseconds so that another copy's save waits no longer than that:
    // the locking of a read of its own costs more than the read. Nothing may
    // be written through another connection of this program meanwhile: it
    // would wait for the held read.
    void HoldReads(bool hold);

private:
    enum Query {
        kFirst,
        kLast,
        kAfter,
        kBefore,
        kLoad,
        kLoadSame,
        kMember,
        kMembers,
        kContains,
        kCount,
        kAny,
        kQueryCount
    };

    std::string Filter(const std::string& extra) const;
    std::string SqlOf(Query query) const;
    Statement& Prepared(Query query);
    void RenewHeldReadWhenDue();
    std::optional<Row> ReadRow(Query query, std::optional<std::int64_t> bound);
    Row RowFrom(const Statement& statement) const;
    std::optional<size_t> IndexOf(std::int64_t rowid) const;
    // The first key from index `first` on (backwards: before index `end`)
    // whose row is still in the recordset, read.
    std::optional<Row> FirstMemberFrom(size_t first);
    // The row of the key at `index` when it is still a member; under a held
    // read, read together with the keys after it.
    std::optional<Row> MemberAt(size_t index);
    void ReadAheadFrom(size_t first);
    std::optional<Row> LastMemberBefore(size_t end);
    // A condition that narrows a "name begins with" criterion through an
    // index, or "" when no index serves it.
    std::string Narrowing(const std::string& criterion, std::optional<PrefixRange>& range);
    bool HasCaseBlindIndexOn(const std::string& column);

    std::shared_ptr<Connection> connection_;
    std::string schema_;
    std::string table_;
    std::string quotedTable_;
    std::string selectList_; // the rowid, the recordset's columns, the key's columns
    size_t columnCount_ = 0;
    std::vector<std::string> keyColumns_;
    std::string where_;
    std::string orderBy_;
    std::array<std::unique_ptr<Statement>, kQueryCount> statements_;
    std::vector<std::int64_t> keys_;                     // only with an ORDER BY
    std::unordered_map<std::int64_t, size_t> positions_; // key -> its index in keys_
    std::map<std::string, bool> indexedColumns_;         // column -> served by a case-blind index
    bool holdingReads_ = false;
    std::unique_ptr<Statement> readHolder_; // left standing on a row, it keeps the read open
    bool readHeld_ = false;
    std::chrono::steady_clock::time_point readHeldSince_;
    std::uint64_t heldReadNumber_ = 0; // a new number for each held read
    // Rows read ahead under one held read, by key index from `first`: the
    // file cannot change while the read is held, so they are what a read of
    // their own would find then, unless this connection wrote meanwhile.
    struct ReadAhead {
        size_t first = 0;
        std::vector<std::optional<Row>> rows; // nothing: not a member, or handed out
        std::uint64_t heldRead = 0;
        std::int64_t changesWhenRead = -1;
    } ahead_;
};

} // namespace data
