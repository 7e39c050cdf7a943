#include "platform/data/RowSource.h"

#include "platform/basic/RuntimeError.h"
#include "platform/basic/Strings.h"
#include "platform/data/Connection.h"

#include <algorithm>
#include <sqlite3.h>
#include <utility>

namespace data {

namespace {

// Puts a kept statement back (ends its read of the file) however its use ends.
class Run {
public:
    explicit Run(Statement& statement) : statement_(statement) {}
    ~Run() { statement_.Reset(); }
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;
    Statement& operator*() { return statement_; }
    Statement* operator->() { return &statement_; }

private:
    Statement& statement_;
};

// How long a held read may keep another copy's save waiting (its busy wait
// is far longer).
constexpr std::chrono::milliseconds kLongestHeldRead{20};

// Keys read ahead in one query under a held read.
constexpr int kKeysReadAhead = 64;

std::string Placeholders(int count) {
    std::string list;
    for (int i = 1; i <= count; ++i) list += (i > 1 ? ", ?" : "?") + std::to_string(i);
    return list;
}

// Rows written through the connection so far: read-ahead rows stand only
// while it stays the same.
std::int64_t ChangesThrough(sqlite3* db) { return static_cast<std::int64_t>(sqlite3_total_changes64(db)); }

} // namespace

RowSource::RowSource(std::shared_ptr<Connection> connection, std::string schema, std::string table,
                     std::vector<std::string> columns, std::vector<std::string> keyColumns, std::string where,
                     std::string orderBy)
    : connection_(std::move(connection)), schema_(std::move(schema)), table_(std::move(table)),
      columnCount_(columns.size()), keyColumns_(std::move(keyColumns)), where_(std::move(where)),
      orderBy_(std::move(orderBy)) {
    quotedTable_ = schema_ + "." + QuoteIdentifier(table_);
    selectList_ = "rowid";
    for (const auto& column : columns) selectList_ += ", " + QuoteIdentifier(column);
    for (const auto& column : keyColumns_) selectList_ += ", " + QuoteIdentifier(column);
    Reload();
}

RowSource::~RowSource() = default;

std::string RowSource::Filter(const std::string& extra) const {
    std::vector<std::string> parts;
    if (!where_.empty()) parts.push_back("(" + where_ + ")");
    if (!extra.empty()) parts.push_back("(" + extra + ")");
    std::string filter;
    for (const auto& part : parts) filter += (filter.empty() ? " WHERE " : " AND ") + part;
    return filter;
}

std::string RowSource::SqlOf(Query query) const {
    const std::string rows = "SELECT " + selectList_ + " FROM " + quotedTable_;
    switch (query) {
    case kFirst: return rows + Filter("") + " ORDER BY rowid LIMIT 1";
    case kLast: return rows + Filter("") + " ORDER BY rowid DESC LIMIT 1";
    case kAfter: return rows + Filter("rowid > ?1") + " ORDER BY rowid LIMIT 1";
    case kBefore: return rows + Filter("rowid < ?1") + " ORDER BY rowid DESC LIMIT 1";
    case kLoad: return rows + " WHERE rowid = ?1";
    case kLoadSame: return rows + " WHERE " + SameRow(1);
    case kMember: return rows + Filter("rowid = ?1");
    case kMembers: return rows + Filter("rowid IN (" + Placeholders(kKeysReadAhead) + ")");
    case kContains: return "SELECT rowid FROM " + quotedTable_ + Filter("rowid = ?1");
    case kCount: return "SELECT count(*) FROM " + quotedTable_ + Filter("");
    case kAny: return "SELECT rowid FROM " + quotedTable_ + Filter("") + " LIMIT 1";
    case kQueryCount: break;
    }
    return "";
}

Statement& RowSource::Prepared(Query query) {
    RenewHeldReadWhenDue();
    auto& statement = statements_[query];
    if (!statement) statement = std::make_unique<Statement>(connection_->Handle(), SqlOf(query), kSourceRecordset);
    return *statement;
}

void RowSource::Release() {
    HoldReads(false);
    readHolder_.reset();
    for (auto& statement : statements_) statement.reset();
}

void RowSource::HoldReads(bool hold) {
    holdingReads_ = hold;
    if (!hold && readHeld_) {
        readHolder_->Reset();
        readHeld_ = false;
    }
}

void RowSource::RenewHeldReadWhenDue() {
    if (!holdingReads_) return;
    const auto now = std::chrono::steady_clock::now();
    if (readHeld_ && now - readHeldSince_ < kLongestHeldRead) return;
    if (!readHolder_) {
        readHolder_ =
            std::make_unique<Statement>(connection_->Handle(), "SELECT 1 FROM main.sqlite_schema", kSourceRecordset);
    }
    readHolder_->Reset();
    readHeld_ = false;
    try {
        readHeld_ = readHolder_->Step();
    } catch (const basic::RuntimeError&) {
        // The read that follows meets the same obstacle and reports it.
    }
    if (!readHeld_) readHolder_->Reset();
    readHeldSince_ = now;
    ++heldReadNumber_;
}

std::optional<Row> RowSource::ReadRow(Query query, std::optional<std::int64_t> bound) {
    Run run(Prepared(query));
    if (bound) run->Bind(1, *bound);
    if (!run->Step()) return std::nullopt;
    return RowFrom(*run);
}

Row RowSource::RowFrom(const Statement& statement) const {
    Row row{std::get<std::int64_t>(statement.Column(0)), {}, {}};
    row.values.reserve(columnCount_);
    for (size_t i = 0; i < columnCount_; ++i) row.values.push_back(statement.Column(static_cast<int>(i + 1)));
    for (size_t i = 0; i < keyColumns_.size(); ++i) {
        row.key.push_back(statement.Column(static_cast<int>(1 + columnCount_ + i)));
    }
    return row;
}

std::optional<size_t> RowSource::IndexOf(std::int64_t rowid) const {
    auto it = positions_.find(rowid);
    if (it == positions_.end()) return std::nullopt;
    return it->second;
}

void RowSource::Reload() {
    ahead_ = {};
    keys_.clear();
    positions_.clear();
    if (orderBy_.empty()) return;
    Statement statement(connection_->Handle(),
                        "SELECT rowid FROM " + quotedTable_ + Filter("") + " ORDER BY " + orderBy_ + ", rowid",
                        kSourceRecordset);
    while (statement.Step()) keys_.push_back(std::get<std::int64_t>(statement.Column(0)));
    positions_.reserve(keys_.size());
    for (size_t i = 0; i < keys_.size(); ++i) positions_.emplace(keys_[i], i);
}

std::optional<Row> RowSource::FirstMemberFrom(size_t first) {
    for (size_t i = first; i < keys_.size(); ++i) {
        if (auto row = MemberAt(i)) return row;
    }
    return std::nullopt;
}

std::optional<Row> RowSource::MemberAt(size_t index) {
    RenewHeldReadWhenDue();
    if (!readHeld_) return ReadRow(kMember, keys_[index]);
    const bool aheadValid =
        ahead_.heldRead == heldReadNumber_ && ahead_.changesWhenRead == ChangesThrough(connection_->Handle());
    if (!aheadValid || index < ahead_.first || index >= ahead_.first + ahead_.rows.size()) ReadAheadFrom(index);
    return std::exchange(ahead_.rows[index - ahead_.first], std::nullopt);
}

void RowSource::ReadAheadFrom(size_t first) {
    const size_t count = std::min(keys_.size() - first, static_cast<size_t>(kKeysReadAhead));
    ahead_.first = first;
    ahead_.rows.assign(count, std::nullopt);
    ahead_.heldRead = heldReadNumber_;
    ahead_.changesWhenRead = ChangesThrough(connection_->Handle());
    Run run(Prepared(kMembers));
    for (int i = 0; i < kKeysReadAhead; ++i) {
        run->Bind(i + 1, i < static_cast<int>(count) ? Value{keys_[first + static_cast<size_t>(i)]} : Value{Null{}});
    }
    while (run->Step()) {
        Row row = RowFrom(*run);
        const size_t at = positions_.at(row.rowid);
        ahead_.rows[at - first] = std::move(row);
    }
}

std::optional<Row> RowSource::LastMemberBefore(size_t end) {
    for (size_t i = end; i-- > 0;) {
        if (auto row = ReadRow(kMember, keys_[i])) return row;
    }
    return std::nullopt;
}

std::optional<Row> RowSource::First() {
    if (!orderBy_.empty()) return FirstMemberFrom(0);
    return ReadRow(kFirst, std::nullopt);
}

std::optional<Row> RowSource::Last() {
    if (!orderBy_.empty()) return LastMemberBefore(keys_.size());
    return ReadRow(kLast, std::nullopt);
}

std::optional<Row> RowSource::After(std::int64_t rowid) {
    if (!orderBy_.empty()) {
        auto index = IndexOf(rowid);
        return FirstMemberFrom(index ? *index + 1 : 0);
    }
    return ReadRow(kAfter, rowid);
}

std::optional<Row> RowSource::Before(std::int64_t rowid) {
    if (!orderBy_.empty()) {
        auto index = IndexOf(rowid);
        return LastMemberBefore(index ? *index : 0);
    }
    return ReadRow(kBefore, rowid);
}

long RowSource::Count() {
    if (!orderBy_.empty()) {
        return static_cast<long>(std::count_if(keys_.begin(), keys_.end(), [this](auto key) { return Contains(key); }));
    }
    Run run(Prepared(kCount));
    run->Step();
    return static_cast<long>(std::get<std::int64_t>(run->Column(0)));
}

bool RowSource::Empty() {
    if (!orderBy_.empty()) {
        return std::none_of(keys_.begin(), keys_.end(), [this](auto key) { return Contains(key); });
    }
    Run run(Prepared(kAny));
    return !run->Step();
}

bool RowSource::Contains(std::int64_t rowid) {
    Run run(Prepared(kContains));
    run->Bind(1, rowid);
    return run->Step();
}

std::optional<Row> RowSource::Load(std::int64_t rowid) { return ReadRow(kLoad, rowid); }

std::optional<Row> RowSource::LoadSame(std::int64_t rowid, const std::vector<Value>& key) {
    if (key.size() != keyColumns_.size()) return std::nullopt;
    Run run(Prepared(kLoadSame));
    BindSameRow(*run, 1, rowid, key);
    if (!run->Step()) return std::nullopt;
    return RowFrom(*run);
}

std::string RowSource::SameRow(int first) const {
    std::string condition = "rowid = ?" + std::to_string(first);
    for (size_t i = 0; i < keyColumns_.size(); ++i) {
        condition +=
            " AND " + QuoteIdentifier(keyColumns_[i]) + " IS ?" + std::to_string(first + 1 + static_cast<int>(i));
    }
    return condition;
}

void RowSource::BindSameRow(Statement& statement, int first, std::int64_t rowid, const std::vector<Value>& key) const {
    statement.Bind(first, rowid);
    for (size_t i = 0; i < keyColumns_.size(); ++i) {
        statement.Bind(first + 1 + static_cast<int>(i), key.at(i));
    }
}

bool RowSource::HasCaseBlindIndexOn(const std::string& column) {
    auto known = indexedColumns_.find(column);
    if (known != indexedColumns_.end()) return known->second;
    bool found = false;
    Statement indexes(connection_->Handle(),
                      "SELECT i.name FROM pragma_index_list(?1, ?2) AS i WHERE i.partial = 0", kSourceRecordset);
    indexes.Bind(1, table_);
    indexes.Bind(2, schema_);
    while (!found && indexes.Step()) {
        Statement first(connection_->Handle(), "SELECT name, coll FROM pragma_index_xinfo(?1, ?2) WHERE seqno = 0",
                        kSourceRecordset);
        first.Bind(1, indexes.Column(0));
        first.Bind(2, schema_);
        found = first.Step() && basic::SameNameCaseBlind(ToText(first.Column(0)), column) &&
                basic::SameNameCaseBlind(ToText(first.Column(1)), "NOCASE");
    }
    indexedColumns_[column] = found;
    return found;
}

std::string RowSource::Narrowing(const std::string& criterion, std::optional<PrefixRange>& range) {
    range = PrefixRangeOf(criterion);
    if (!range || !HasCaseBlindIndexOn(range->column)) {
        range.reset();
        return "";
    }
    std::string column = QuoteIdentifier(range->column);
    return "rowid IN (SELECT rowid FROM " + quotedTable_ + " WHERE " + column + " >= ?8 COLLATE NOCASE" +
           (range->high.empty() ? "" : " AND " + column + " < ?9 COLLATE NOCASE") + ")";
}

std::optional<std::int64_t> RowSource::Find(const std::string& criterion, std::optional<std::int64_t> from,
                                            bool forward) {
    std::optional<PrefixRange> range;
    std::string narrowing = Narrowing(criterion, range);
    std::string condition = "(" + criterion + ")" + (narrowing.empty() ? "" : " AND " + narrowing);
    auto bindRange = [&](Statement& statement) {
        if (!range) return;
        statement.Bind(8, range->low);
        if (!range->high.empty()) statement.Bind(9, range->high);
    };
    if (orderBy_.empty()) {
        std::string bound = from ? (forward ? "rowid > ?1 AND " : "rowid < ?1 AND ") : "";
        Statement statement(connection_->Handle(),
                            "SELECT rowid FROM " + quotedTable_ + Filter(bound + condition) + " ORDER BY rowid " +
                                (forward ? "" : "DESC ") + "LIMIT 1",
                            kSourceRecordset);
        if (from) statement.Bind(1, *from);
        bindRange(statement);
        if (!statement.Step()) return std::nullopt;
        return std::get<std::int64_t>(statement.Column(0));
    }
    // The matching row nearest to `from` in the recordset's order.
    Statement statement(connection_->Handle(), "SELECT rowid FROM " + quotedTable_ + Filter(condition),
                        kSourceRecordset);
    bindRange(statement);
    // Forward: places after `from` (all when it is not among the keys);
    // backward: places before it (all when it is not among them).
    auto fromIndex = from ? IndexOf(*from) : std::nullopt;
    const size_t none = keys_.size();
    const size_t start = fromIndex.value_or(none);
    size_t best = none;
    while (statement.Step()) {
        auto at = IndexOf(std::get<std::int64_t>(statement.Column(0)));
        if (!at) continue;
        bool beyond = forward ? (start == none || *at > start) : *at < start;
        if (beyond && (best == none || (forward ? *at < best : *at > best))) best = *at;
    }
    if (best == none) return std::nullopt;
    return keys_[best];
}

} // namespace data
