#pragma once
// Internal: the engine's SQL as the system writes it, read into the few
// shapes the system uses and translated for SQLite. Texts are never pasted
// into SQLite unquoted: strings are re-quoted, names are quoted, and the files
// of IN clauses are handed on as paths, to be bound.

#include <optional>
#include <string>
#include <vector>

namespace data::jet {

enum class TokenKind { Word, Identifier, String, Number, Symbol };

struct Token {
    TokenKind kind;
    std::string text; // for String and Identifier: the content, unquoted
};

// Splits a statement into tokens; keywords in any case. A quoted file name
// after IN may hold apostrophes of its own ("C:\O'Brien's\x.mdb"). An
// unterminated string or name is 3075.
std::vector<Token> Tokenize(const std::string& sql);

// A table, with the file of its IN clause when it has one.
struct TableRef {
    std::string name;
    std::optional<std::string> file;
};

// What a recordset reads: a table name alone, or SELECT * (or a list of
// columns) FROM a table with an optional WHERE and ORDER BY.
struct RecordSource {
    TableRef table;
    std::vector<std::string> columns; // empty: every column
    std::string where;                // translated for SQLite, "" when none
    std::string orderBy;              // translated for SQLite, "" when none
};
RecordSource ParseRecordSource(const std::string& source);

enum class ActionKind { Select, SelectInto, Insert, Delete, Update };

struct ActionStatement {
    ActionKind kind;
    TableRef target;                        // the table written
    std::optional<TableRef> source;         // the table read by SELECT INTO and INSERT ... SELECT
    std::vector<std::string> targetColumns; // INSERT INTO T (a, b)
    std::vector<std::string> sourceColumns; // empty: every column
    std::string where;                      // translated, "" when none
    std::string tail;                       // translated: VALUES (...) of an INSERT, SET ... of an UPDATE
};
// Reads an action statement; 3129-like failures are raised as 3075.
ActionStatement ParseAction(const std::string& sql);

// A criterion or WHERE clause in the engine's expression language,
// translated: [names] quoted, strings re-quoted and compared without regard
// to case, & as concatenation, True/False as -1/0, Like patterns with * and ?.
std::string TranslateExpression(const std::string& expression);

} // namespace data::jet
