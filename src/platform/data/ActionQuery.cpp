#include "platform/data/ActionQuery.h"

#include "platform/basic/Strings.h"
#include "platform/data/Connection.h"
#include "platform/data/Errors.h"
#include "platform/data/JetSql.h"
#include "platform/data/RowLocks.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>

namespace data {

namespace {

bool IsTextType(const std::string& type) {
    std::string upper;
    for (char c : type) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper.find("INT") == std::string::npos &&
           (upper.find("TEXT") != std::string::npos || upper.find("CHAR") != std::string::npos);
}

// A table of a statement, reached through its schema.
struct ResolvedTable {
    std::string schema;
    std::string name; // as stored; "" when it does not exist
    std::string Qualified() const { return schema + "." + QuoteIdentifier(name); }
};

class ActionRunner {
public:
    ActionRunner(Connection& connection, bool failOnError) : connection_(connection), failOnError_(failOnError) {}

    long Run(const jet::ActionStatement& statement) {
        switch (statement.kind) {
        case jet::ActionKind::Select: RaiseEngineError(errCannotExecuteSelect, kSourceDatabase);
        case jet::ActionKind::Delete: {
            auto target = Existing(statement.target);
            RefuseRowsHeldByOthers(target, statement);
            return Write("DELETE FROM " + target.Qualified() + Where(statement));
        }
        case jet::ActionKind::Update: {
            auto target = Existing(statement.target);
            RefuseRowsHeldByOthers(target, statement);
            return Write("UPDATE " + Conflict() + target.Qualified() + " " + statement.tail + Where(statement));
        }
        case jet::ActionKind::Insert: return Insert(statement);
        case jet::ActionKind::SelectInto: return SelectInto(statement);
        }
        return 0;
    }

private:
    ResolvedTable Resolve(const jet::TableRef& table) {
        ResolvedTable resolved;
        resolved.schema = table.file ? connection_.SchemaFor(*table.file) : "main";
        resolved.name = connection_.FindTable(resolved.schema, table.name);
        return resolved;
    }

    ResolvedTable Existing(const jet::TableRef& table) {
        auto resolved = Resolve(table);
        if (resolved.name.empty()) RaiseEngineError(errTableNotFound, kSourceDatabase, table.name);
        return resolved;
    }

    static std::string Where(const jet::ActionStatement& statement) {
        return statement.where.empty() ? "" : " WHERE " + statement.where;
    }

    // A row another user holds in edit is neither deleted nor overwritten
    // (3260); the write lock this statement runs under keeps the rows as
    // they were counted until it ends.
    void RefuseRowsHeldByOthers(const ResolvedTable& target, const jet::ActionStatement& statement) {
        std::vector<std::int64_t> rowids;
        Statement rows(connection_.Handle(), "SELECT rowid FROM " + target.Qualified() + Where(statement),
                       kSourceDatabase);
        while (rows.Step()) rowids.push_back(std::get<std::int64_t>(rows.Column(0)));
        if (AnyRowHeldByOther(connection_.FileOf(target.schema), target.name, rowids))
            RaiseEngineError(errRecordLocked, kSourceDatabase);
    }

    std::string Conflict() const { return failOnError_ ? "" : "OR IGNORE "; }

    long Write(const std::string& sql) {
        connection_.Exec(sql, kSourceDatabase, true);
        return static_cast<long>(sqlite3_changes(connection_.Handle()));
    }

    // The columns a SELECT names, with their stored names and types.
    std::vector<ColumnInfo> SourceColumns(const ResolvedTable& source, const std::vector<std::string>& names) {
        auto all = connection_.Columns(source.schema, source.name);
        if (names.empty()) return all;
        std::vector<ColumnInfo> chosen;
        for (const auto& name : names) {
            auto it = std::find_if(all.begin(), all.end(),
                                   [&](const auto& c) { return basic::SameNameCaseBlind(c.name, name); });
            if (it == all.end()) RaiseEngineError(errUnknownName, kSourceDatabase, name);
            chosen.push_back(*it);
        }
        return chosen;
    }

    static std::string ColumnList(const std::vector<std::string>& names) {
        std::string list;
        for (const auto& name : names) list += (list.empty() ? "" : ", ") + QuoteIdentifier(name);
        return list;
    }

    long Insert(const jet::ActionStatement& statement) {
        auto target = Existing(statement.target);
        std::string head = "INSERT " + Conflict() + "INTO " + target.Qualified();
        if (!statement.source) {
            std::string columns =
                statement.targetColumns.empty() ? "" : " (" + ColumnList(statement.targetColumns) + ")";
            return Write(head + columns + " " + statement.tail);
        }
        auto source = Existing(*statement.source);
        auto sourceColumns = SourceColumns(source, statement.sourceColumns);
        std::vector<std::string> targetNames = statement.targetColumns;
        std::vector<std::string> sourceNames;
        for (const auto& column : sourceColumns) sourceNames.push_back(column.name);
        if (targetNames.empty()) {
            // SELECT * appends by column name, whatever the order of the columns.
            auto targetColumns = connection_.Columns(target.schema, target.name);
            for (const auto& name : sourceNames) {
                auto it = std::find_if(targetColumns.begin(), targetColumns.end(),
                                       [&](const auto& c) { return basic::SameNameCaseBlind(c.name, name); });
                if (it == targetColumns.end()) RaiseEngineError(errUnknownFieldInInsert, kSourceDatabase, name);
                targetNames.push_back(it->name);
            }
        }
        return Write(head + " (" + ColumnList(targetNames) + ") SELECT " + ColumnList(sourceNames) + " FROM " +
                     source.Qualified() + Where(statement));
    }

    long SelectInto(const jet::ActionStatement& statement) {
        auto target = Resolve(statement.target);
        if (!target.name.empty()) RaiseEngineError(errTableExists, kSourceDatabase, statement.target.name);
        auto source = Existing(*statement.source);
        auto columns = SourceColumns(source, statement.sourceColumns);
        // The copy has the source's columns and types, in order, and no keys.
        std::string definition;
        std::vector<std::string> names;
        for (const auto& column : columns) {
            definition += (definition.empty() ? "" : ", ") + QuoteIdentifier(column.name) + " " + column.type;
            if (IsTextType(column.type)) definition += " COLLATE NOCASE";
            names.push_back(column.name);
        }
        target.name = statement.target.name;
        connection_.Exec("CREATE TABLE " + target.Qualified() + " (" + definition + ")", kSourceDatabase, true);
        return Write("INSERT INTO " + target.Qualified() + " (" + ColumnList(names) + ") SELECT " + ColumnList(names) +
                     " FROM " + source.Qualified() + Where(statement));
    }

    Connection& connection_;
    bool failOnError_;
};

} // namespace

long RunActionQuery(Connection& connection, const std::string& sql, bool failOnError) {
    jet::ActionStatement statement = jet::ParseAction(sql);
    bool ownTransaction = !connection.InTransaction();
    bool started = false;
    long affected = 0;
    try {
        // Attach the files first, so that the write lock taken next covers
        // every file the statement touches.
        if (statement.target.file) connection.SchemaFor(*statement.target.file);
        if (statement.source && statement.source->file) connection.SchemaFor(*statement.source->file);
        connection.Exec(ownTransaction ? "BEGIN IMMEDIATE" : "SAVEPOINT engine_statement", kSourceDatabase, true);
        started = true;
        affected = ActionRunner(connection, failOnError).Run(statement);
        connection.Exec(ownTransaction ? "COMMIT" : "RELEASE engine_statement", kSourceDatabase, true);
    } catch (...) {
        if (started) {
            const char* undo = ownTransaction ? "ROLLBACK" : "ROLLBACK TO engine_statement; RELEASE engine_statement";
            sqlite3_exec(connection.Handle(), undo, nullptr, nullptr, nullptr);
        }
        connection.DetachAll();
        throw;
    }
    connection.DetachAll();
    return affected;
}

} // namespace data
