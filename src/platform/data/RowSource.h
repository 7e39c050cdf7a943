#pragma once
// Internal: the rows of a recordset, reached one at a time by their rowid.
// Without an ORDER BY the rows come in rowid order (the order they were
// added) and every move is one indexed query; with an ORDER BY the rowids are
// read once, in that order, at open and at Requery.

#include "platform/data/Value.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace data {

class Connection;

class RowSource {
public:
    RowSource(std::shared_ptr<Connection> connection, std::string table, std::vector<std::string> columns,
              std::string where, std::string orderBy);

    const std::string& Table() const { return table_; }

    std::optional<std::int64_t> First();
    std::optional<std::int64_t> Last();
    std::optional<std::int64_t> After(std::int64_t rowid);
    std::optional<std::int64_t> Before(std::int64_t rowid);
    long Count();
    bool Contains(std::int64_t rowid);
    // The values of the row's columns, nothing when the row is gone.
    std::optional<std::vector<Value>> Load(std::int64_t rowid);
    // The first row meeting a criterion (translated) after / before a row;
    // from the start (or end) when `from` is empty.
    std::optional<std::int64_t> Find(const std::string& criterion, std::optional<std::int64_t> from, bool forward);
    void Reload();

private:
    std::string Filter(const std::string& extra) const;
    std::optional<std::int64_t> OneRowid(const std::string& sql, std::optional<std::int64_t> bound);
    std::optional<size_t> IndexOf(std::int64_t rowid) const;

    std::shared_ptr<Connection> connection_;
    std::string table_;
    std::string quotedTable_;
    std::string columnList_;
    std::string where_;
    std::string orderBy_;
    std::vector<std::int64_t> keys_; // only with an ORDER BY
};

} // namespace data
