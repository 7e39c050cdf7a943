#pragma once
// Internal: the rows of a recordset, reached one at a time by their rowid.
// Without an ORDER BY the rows come in rowid order (the order they were
// added) and every move is one indexed query that also reads the row; with an
// ORDER BY the rowids are read once, in that order, at open and at Requery,
// with each one's place among them, and a move reads the next of them that is
// still there. The queries are prepared once per recordset and kept.

#include "platform/data/PrefixSearch.h"
#include "platform/data/Value.h"

#include <array>
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

// A row as read: its rowid and the values of the recordset's columns.
struct Row {
    std::int64_t rowid = -1;
    std::vector<Value> values;
};

class RowSource {
public:
    RowSource(std::shared_ptr<Connection> connection, std::string table, std::vector<std::string> columns,
              std::string where, std::string orderBy);
    ~RowSource();

    const std::string& Table() const { return table_; }

    std::optional<Row> First();
    std::optional<Row> Last();
    std::optional<Row> After(std::int64_t rowid);
    std::optional<Row> Before(std::int64_t rowid);
    long Count();
    // Whether Count() is 0, found without counting.
    bool Empty();
    bool Contains(std::int64_t rowid);
    // The values of the row's columns, nothing when the row is gone.
    std::optional<std::vector<Value>> Load(std::int64_t rowid);
    // The first row meeting a criterion (translated) after / before a row;
    // from the start (or end) when `from` is empty.
    std::optional<std::int64_t> Find(const std::string& criterion, std::optional<std::int64_t> from, bool forward);
    void Reload();
    // Lets the prepared queries go (the recordset is closed).
    void Release();

private:
    enum Query { kFirst, kLast, kAfter, kBefore, kLoad, kMember, kContains, kCount, kAny, kQueryCount };

    std::string Filter(const std::string& extra) const;
    std::string SqlOf(Query query) const;
    Statement& Prepared(Query query);
    std::optional<Row> ReadRow(Query query, std::optional<std::int64_t> bound);
    std::optional<size_t> IndexOf(std::int64_t rowid) const;
    // The first key from index `first` on (backwards: before index `end`)
    // whose row is still in the recordset, read.
    std::optional<Row> FirstMemberFrom(size_t first);
    std::optional<Row> LastMemberBefore(size_t end);
    // A condition that narrows a "name begins with" criterion through an
    // index, or "" when no index serves it.
    std::string Narrowing(const std::string& criterion, std::optional<PrefixRange>& range);
    bool HasCaseBlindIndexOn(const std::string& column);

    std::shared_ptr<Connection> connection_;
    std::string table_;
    std::string quotedTable_;
    std::string columnList_;
    std::string where_;
    std::string orderBy_;
    std::array<std::unique_ptr<Statement>, kQueryCount> statements_;
    std::vector<std::int64_t> keys_;                     // only with an ORDER BY
    std::unordered_map<std::int64_t, size_t> positions_; // key -> its index in keys_
    std::map<std::string, bool> indexedColumns_;         // column -> served by a case-blind index
};

} // namespace data
