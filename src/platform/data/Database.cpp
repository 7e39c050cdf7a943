#include "platform/data/Database.h"

#include "platform/data/ActionQuery.h"
#include "platform/data/Connection.h"
#include "platform/data/Errors.h"

#include <algorithm>
#include <cctype>

namespace data {

Database::Database(std::string name, std::string filePath, std::shared_ptr<Connection> connection)
    : name_(std::move(name)), filePath_(std::move(filePath)), connection_(std::move(connection)) {}

Database::~Database() {
    // Letting a Database go leaves its recordsets usable (they share the
    // connection); only an unfinished transaction is undone.
    if (connection_ && connection_->InTransaction()) connection_->Rollback();
}

void Database::CheckOpen() const {
    if (!connection_) RaiseEngineError(errObjectClosed, kSourceDatabase);
}

bool Database::IsOpen() const { return connection_ != nullptr; }

RecordsetPtr Database::OpenRecordset(const std::string& source, int type, bool readOnly) {
    CheckOpen();
    if (tableSource_) tableSource_(source);
    auto kind = type == dbOpenDefault ? dbOpenTable : static_cast<RecordsetType>(type);
    bool isSql = source.find_first_of(" \t\r\n") != std::string::npos;
    if (isSql && kind == dbOpenTable) kind = dbOpenDynaset;
    RecordsetPtr recordset(new Recordset(connection_, source, kind, readOnly));
    std::erase_if(recordsets_, [](const auto& weak) { return weak.expired(); });
    recordsets_.push_back(recordset);
    return recordset;
}

void Database::Execute(const std::string& sql, int options) {
    CheckOpen();
    recordsAffected_ = 0;
    connection_->NamingPrivateWriteFailures([&] { recordsAffected_ = RunActionQuery(*connection_, sql, options); });
}

void Database::BeginTrans() {
    CheckOpen();
    connection_->Begin();
}

void Database::BeginReadTrans() {
    CheckOpen();
    connection_->BeginRead();
}

void Database::CommitTrans() {
    CheckOpen();
    connection_->NamingPrivateWriteFailures([&] { connection_->Commit(); });
}

void Database::Rollback() {
    CheckOpen();
    connection_->Rollback();
}

bool Database::InTransaction() const { return connection_ && connection_->TransactionOpen(); }

std::vector<std::string> Database::TableNames() const {
    CheckOpen();
    std::vector<std::string> names;
    Statement list(
        connection_->Handle(),
        "SELECT name FROM main.sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' ORDER BY rowid",
        kSourceDatabase);
    while (list.Step()) names.push_back(ToText(list.Column(0)));
    return names;
}

Value Database::HighestValue(const std::string& table, const std::string& column) const {
    CheckOpen();
    const std::string stored = connection_->FindTable("main", table);
    if (stored.empty()) RaiseEngineError(errTableNotFound, kSourceDatabase, table);
    Statement highest(connection_->Handle(),
                      "SELECT max(" + QuoteIdentifier(column) + ") FROM main." + QuoteIdentifier(stored),
                      kSourceDatabase);
    highest.Step();
    return highest.Column(0);
}

bool Database::HasTable(const std::string& name) const {
    CheckOpen();
    return !connection_->FindTable("main", name).empty();
}

void Database::Close() {
    if (!connection_) return;
    for (auto& weak : recordsets_) {
        if (auto recordset = weak.lock()) recordset->Close();
    }
    recordsets_.clear();
    if (connection_->InTransaction()) connection_->Rollback();
    connection_.reset();
}

} // namespace data
