#include "platform/data/RowSource.h"

#include "platform/data/Connection.h"

#include <algorithm>
#include <set>

namespace data {

RowSource::RowSource(std::shared_ptr<Connection> connection, std::string table, std::vector<std::string> columns,
                     std::string where, std::string orderBy)
    : connection_(std::move(connection)), table_(std::move(table)), where_(std::move(where)),
      orderBy_(std::move(orderBy))
{
    quotedTable_ = "main." + QuoteIdentifier(table_);
    for (const auto& column : columns) {
        if (!columnList_.empty()) columnList_ += ", ";
        columnList_ += QuoteIdentifier(column);
    }
    if (columnList_.empty()) columnList_ = "NULL";
    Reload();
}

std::string RowSource::Filter(const std::string& extra) const
{
    std::vector<std::string> parts;
    if (!where_.empty()) parts.push_back("(" + where_ + ")");
    if (!extra.empty()) parts.push_back("(" + extra + ")");
    std::string filter;
    for (const auto& part : parts) filter += (filter.empty() ? " WHERE " : " AND ") + part;
    return filter;
}

std::optional<std::int64_t> RowSource::OneRowid(const std::string& sql, std::optional<std::int64_t> bound)
{
    Statement statement(connection_->Handle(), sql, kSourceRecordset);
    if (bound) statement.Bind(1, *bound);
    if (!statement.Step()) return std::nullopt;
    return std::get<std::int64_t>(statement.Column(0));
}

std::optional<size_t> RowSource::IndexOf(std::int64_t rowid) const
{
    auto it = std::find(keys_.begin(), keys_.end(), rowid);
    if (it == keys_.end()) return std::nullopt;
    return static_cast<size_t>(it - keys_.begin());
}

void RowSource::Reload()
{
    keys_.clear();
    if (orderBy_.empty()) return;
    Statement statement(connection_->Handle(),
                        "SELECT rowid FROM " + quotedTable_ + Filter("") + " ORDER BY " + orderBy_ + ", rowid",
                        kSourceRecordset);
    while (statement.Step()) keys_.push_back(std::get<std::int64_t>(statement.Column(0)));
}

std::optional<std::int64_t> RowSource::First()
{
    if (!orderBy_.empty()) {
        for (auto key : keys_) if (Contains(key)) return key;
        return std::nullopt;
    }
    return OneRowid("SELECT rowid FROM " + quotedTable_ + Filter("") + " ORDER BY rowid LIMIT 1", std::nullopt);
}

std::optional<std::int64_t> RowSource::Last()
{
    if (!orderBy_.empty()) {
        for (auto it = keys_.rbegin(); it != keys_.rend(); ++it) if (Contains(*it)) return *it;
        return std::nullopt;
    }
    return OneRowid("SELECT rowid FROM " + quotedTable_ + Filter("") + " ORDER BY rowid DESC LIMIT 1", std::nullopt);
}

std::optional<std::int64_t> RowSource::After(std::int64_t rowid)
{
    if (!orderBy_.empty()) {
        auto index = IndexOf(rowid);
        for (size_t i = index ? *index + 1 : 0; i < keys_.size(); ++i) if (Contains(keys_[i])) return keys_[i];
        return std::nullopt;
    }
    return OneRowid("SELECT rowid FROM " + quotedTable_ + Filter("rowid > ?1") + " ORDER BY rowid LIMIT 1", rowid);
}

std::optional<std::int64_t> RowSource::Before(std::int64_t rowid)
{
    if (!orderBy_.empty()) {
        auto index = IndexOf(rowid);
        for (size_t i = index ? *index : 0; i-- > 0;) if (Contains(keys_[i])) return keys_[i];
        return std::nullopt;
    }
    return OneRowid("SELECT rowid FROM " + quotedTable_ + Filter("rowid < ?1") + " ORDER BY rowid DESC LIMIT 1",
                    rowid);
}

long RowSource::Count()
{
    if (!orderBy_.empty()) {
        return static_cast<long>(std::count_if(keys_.begin(), keys_.end(), [this](auto key) { return Contains(key); }));
    }
    Statement statement(connection_->Handle(), "SELECT count(*) FROM " + quotedTable_ + Filter(""), kSourceRecordset);
    statement.Step();
    return static_cast<long>(std::get<std::int64_t>(statement.Column(0)));
}

bool RowSource::Contains(std::int64_t rowid)
{
    return OneRowid("SELECT rowid FROM " + quotedTable_ + Filter("rowid = ?1"), rowid).has_value();
}

std::optional<std::vector<Value>> RowSource::Load(std::int64_t rowid)
{
    Statement statement(connection_->Handle(), "SELECT " + columnList_ + " FROM " + quotedTable_ + " WHERE rowid = ?1",
                        kSourceRecordset);
    statement.Bind(1, rowid);
    if (!statement.Step()) return std::nullopt;
    std::vector<Value> values;
    for (int i = 0; i < statement.ColumnCount(); ++i) values.push_back(statement.Column(i));
    return values;
}

std::optional<std::int64_t> RowSource::Find(const std::string& criterion, std::optional<std::int64_t> from,
                                            bool forward)
{
    if (orderBy_.empty()) {
        std::string bound = from ? (forward ? "rowid > ?1 AND " : "rowid < ?1 AND ") : "";
        return OneRowid("SELECT rowid FROM " + quotedTable_ + Filter(bound + "(" + criterion + ")") +
                            " ORDER BY rowid " + (forward ? "" : "DESC ") + "LIMIT 1",
                        from);
    }
    std::set<std::int64_t> matching;
    Statement statement(connection_->Handle(), "SELECT rowid FROM " + quotedTable_ + Filter(criterion),
                        kSourceRecordset);
    while (statement.Step()) matching.insert(std::get<std::int64_t>(statement.Column(0)));
    auto index = from ? IndexOf(*from) : std::nullopt;
    if (forward) {
        for (size_t i = index ? *index + 1 : 0; i < keys_.size(); ++i) if (matching.count(keys_[i])) return keys_[i];
    } else {
        for (size_t i = index ? *index : keys_.size(); i-- > 0;) if (matching.count(keys_[i])) return keys_[i];
    }
    return std::nullopt;
}

} // namespace data
