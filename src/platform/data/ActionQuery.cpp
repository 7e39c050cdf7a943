#include "platform/data/ActionQuery.h"

#include "platform/basic/Strings.h"
#include "platform/data/Connection.h"
#include "platform/data/Database.h"
#include "platform/data/Errors.h"
#include "platform/data/JetSql.h"
#include "platform/data/RowLocks.h"
#include "platform/data/StoredValues.h"

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
    ActionRunner(Connection& connection, int options)
        : connection_(connection), failOnError_((options & dbFailOnError) != 0),
          asStored_(failOnError_ && (options & dbCopyAsStored) != 0) {}

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
    ResolvedTable Resolve(const jet::TableRef& table, Connection::Use use = Connection::Use::Change) {
        ResolvedTable resolved;
        resolved.schema = table.file ? connection_.SchemaFor(*table.file, use) : "main";
        resolved.name = connection_.FindTable(resolved.schema, table.name);
        return resolved;
    }

    ResolvedTable Existing(const jet::TableRef& table, Connection::Use use = Connection::Use::Change) {
        auto resolved = Resolve(table, use);
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
        if (!AnyRowLockHeldByOther(connection_.FileOf(target.schema))) return;
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

    // The columns of a table that a statement names (all of them when it
    // names none), with their stored names and types; `unknown` is the error
    // of a name the table lacks.
    std::vector<ColumnInfo> ColumnsNamed(const ResolvedTable& table, const std::vector<std::string>& names,
                                         int unknown) {
        auto all = connection_.Columns(table.schema, table.name);
        if (names.empty()) return all;
        std::vector<ColumnInfo> chosen;
        for (const auto& name : names) {
            auto it = std::find_if(all.begin(), all.end(),
                                   [&](const auto& c) { return basic::SameNameCaseBlind(c.name, name); });
            if (it == all.end()) RaiseEngineError(unknown, kSourceDatabase, name);
            chosen.push_back(*it);
        }
        return chosen;
    }

    std::vector<ColumnInfo> SourceColumns(const ResolvedTable& source, const std::vector<std::string>& names) {
        return ColumnsNamed(source, names, errUnknownName);
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
        auto source = Existing(*statement.source, Connection::Use::CopyFrom);
        auto sourceColumns = SourceColumns(source, statement.sourceColumns);
        // SELECT * appends by column name, whatever the order of the columns.
        const std::vector<std::string>& named =
            statement.targetColumns.empty() ? NamesOf(sourceColumns) : statement.targetColumns;
        auto targetColumns = ColumnsNamed(target, named, errUnknownFieldInInsert);
        const std::string into = head + " (" + ColumnList(NamesOf(targetColumns)) + ") SELECT ";
        const std::string from = " FROM " + source.Qualified();
        if (!failOnError_ || targetColumns.size() != sourceColumns.size())
            return Write(into + ColumnList(NamesOf(sourceColumns)) + from + Where(statement));
        return InsertStoredValues(into, from, statement, sourceColumns, target, targetColumns);
    }

    // A row that cannot be stored as it is fails the statement. The rows are
    // copied as they are, with one check a row; only when some row needs a
    // value converted is that copy undone and made again converting every
    // value, which costs a call a value. A copy as stored checks and converts
    // only the keys' values, and takes their texts at any width.
    long InsertStoredValues(const std::string& into, const std::string& from, const jet::ActionStatement& statement,
                            const std::vector<ColumnInfo>& sourceColumns, const ResolvedTable& target,
                            const std::vector<ColumnInfo>& targetColumns) {
        const std::vector<std::string> keys = UniqueKeyColumns(target);
        std::vector<std::string> values;
        std::vector<TargetColumn> columns;
        std::string converted;
        for (size_t i = 0; i < sourceColumns.size(); ++i) {
            const std::string value = QuoteIdentifier(sourceColumns[i].name);
            const bool inKey = std::any_of(keys.begin(), keys.end(), [&](const std::string& key) {
                return basic::SameNameCaseBlind(key, targetColumns[i].name);
            });
            const TargetColumn column{targetColumns[i].type, inKey, asStored_};
            const bool checked = inKey || !asStored_;
            converted += (converted.empty() ? "" : ", ") + (checked ? StoredValueSql(value, column) : value);
            if (!checked) continue;
            values.push_back(value);
            columns.push_back(column);
        }
        const std::string asTheyAre = StoredAsTheyAreSql(values, columns);
        const std::string where =
            statement.where.empty() ? " WHERE " + asTheyAre : " WHERE (" + statement.where + ") AND " + asTheyAre;
        connection_.Exec("SAVEPOINT engine_as_they_are", kSourceDatabase, true);
        const long stored = Write(into + ColumnList(NamesOf(sourceColumns)) + from + where);
        if (stored == RowsOf(from + Where(statement))) {
            connection_.Exec("RELEASE engine_as_they_are", kSourceDatabase, true);
            return stored;
        }
        connection_.Exec("ROLLBACK TO engine_as_they_are", kSourceDatabase, true);
        connection_.Exec("RELEASE engine_as_they_are", kSourceDatabase, true);
        return Write(into + converted + from + Where(statement));
    }

    // The columns of the table's unique indexes.
    std::vector<std::string> UniqueKeyColumns(const ResolvedTable& table) {
        std::vector<std::string> names;
        Statement keys(connection_.Handle(),
                       "SELECT DISTINCT info.name FROM pragma_index_list(?1, ?2) AS list, "
                       "pragma_index_info(list.name, ?2) AS info WHERE list.\"unique\"",
                       kSourceDatabase);
        keys.Bind(1, table.name);
        keys.Bind(2, table.schema);
        while (keys.Step()) names.push_back(ToText(keys.Column(0)));
        return names;
    }

    long RowsOf(const std::string& fromWhere) {
        Statement count(connection_.Handle(), "SELECT count(*)" + fromWhere, kSourceDatabase);
        count.Step();
        return static_cast<long>(std::get<std::int64_t>(count.Column(0)));
    }

    static std::vector<std::string> NamesOf(const std::vector<ColumnInfo>& columns) {
        std::vector<std::string> names;
        for (const auto& column : columns) names.push_back(column.name);
        return names;
    }

    long SelectInto(const jet::ActionStatement& statement) {
        auto target = Resolve(statement.target);
        if (!target.name.empty()) RaiseEngineError(errTableExists, kSourceDatabase, statement.target.name);
        auto source = Existing(*statement.source, Connection::Use::CopyFrom);
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
        // A copy of every column is written as "SELECT *", the same columns
        // in the same order: SQLite then copies each row as it is stored,
        // where the two tables agree in their columns' kinds and collations,
        // instead of taking every value apart and putting it together again
        // (five times faster for a whole table).
        const bool everyColumn = statement.sourceColumns.empty();
        const std::string into = everyColumn ? "" : " (" + ColumnList(names) + ")";
        const std::string copied = everyColumn ? "*" : ColumnList(names);
        return Write("INSERT INTO " + target.Qualified() + into + " SELECT " + copied + " FROM " + source.Qualified() +
                     Where(statement));
    }

    Connection& connection_;
    bool failOnError_;
    bool asStored_;
};

} // namespace

long RunActionQuery(Connection& connection, const std::string& sql, int options) {
    jet::ActionStatement statement = jet::ParseAction(sql);
    bool ownTransaction = !connection.InTransaction();
    bool started = false;
    long affected = 0;
    try {
        // Attach the files first, so that the write lock taken next covers
        // every file the statement touches.
        if (statement.target.file) connection.SchemaFor(*statement.target.file);
        if (statement.source && statement.source->file)
            connection.SchemaFor(*statement.source->file, Connection::Use::CopyFrom);
        connection.Exec(ownTransaction ? "BEGIN IMMEDIATE" : "SAVEPOINT engine_statement", kSourceDatabase, true);
        started = true;
        affected = ActionRunner(connection, options).Run(statement);
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
