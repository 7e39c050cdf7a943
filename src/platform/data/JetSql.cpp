#include "platform/data/JetSql.h"

#include "platform/data/SqlFunctions.h"

#include "platform/data/Connection.h"
#include "platform/data/Errors.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace data::jet {

namespace {

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool IsWordStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$'; }

[[noreturn]] void SyntaxError(const std::string& detail) { RaiseEngineError(errSyntax, kSourceDatabase, detail); }

// Words that may follow the file name of an IN clause.
const std::set<std::string> kAfterInFile = {"FROM",  "SELECT", "WHERE", "ORDER", "GROUP", "SET",  "VALUES",
                                            "UNION", "HAVING", "INNER", "LEFT",  "RIGHT", "JOIN", "AS"};

// Whether the quote at `quote` closes an IN file name: what follows it is the
// end, a bracket, a semicolon or a word that can follow a table.
bool ClosesFileName(const std::string& sql, size_t quote) {
    size_t i = quote + 1;
    while (i < sql.size() && std::isspace(static_cast<unsigned char>(sql[i]))) ++i;
    if (i >= sql.size() || sql[i] == ';' || sql[i] == '(' || sql[i] == ')' || sql[i] == ',') return true;
    size_t start = i;
    while (i < sql.size() && IsWordChar(sql[i])) ++i;
    return i > start && kAfterInFile.count(Upper(sql.substr(start, i - start))) > 0;
}

bool FollowsTableIn(const std::vector<Token>& tokens) {
    size_t n = tokens.size();
    return n >= 2 && tokens[n - 1].kind == TokenKind::Word && Upper(tokens[n - 1].text) == "IN" &&
           (tokens[n - 2].kind == TokenKind::Word || tokens[n - 2].kind == TokenKind::Identifier);
}

// Reads a quoted text starting at sql[pos] (the quote); returns the position after it.
size_t ReadString(const std::string& sql, size_t pos, bool fileName, std::string& content) {
    char quote = sql[pos];
    for (size_t i = pos + 1; i < sql.size(); ++i) {
        if (sql[i] != quote) {
            content += sql[i];
        } else if (i + 1 < sql.size() && sql[i + 1] == quote) {
            content += quote;
            ++i;
        } else if (!fileName || ClosesFileName(sql, i)) {
            return i + 1;
        } else {
            content += quote; // an apostrophe inside the file's path
        }
    }
    SyntaxError("unterminated text in " + sql);
}

// A cursor over the tokens of one statement.
class Reader {
public:
    explicit Reader(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

    bool AtEnd() const { return pos_ >= tokens_.size(); }
    const Token& Peek() const { return tokens_[pos_]; }
    bool IsWord(const char* word) const {
        return !AtEnd() && Peek().kind == TokenKind::Word && Upper(Peek().text) == word;
    }
    bool IsSymbol(const char* symbol) const {
        return !AtEnd() && Peek().kind == TokenKind::Symbol && Peek().text == symbol;
    }
    bool TakeWord(const char* word) {
        if (!IsWord(word)) return false;
        ++pos_;
        return true;
    }
    bool TakeSymbol(const char* symbol) {
        if (!IsSymbol(symbol)) return false;
        ++pos_;
        return true;
    }
    void ExpectWord(const char* word) {
        if (!TakeWord(word)) SyntaxError(std::string("expected ") + word);
    }
    std::string Name() {
        if (AtEnd() || (Peek().kind != TokenKind::Word && Peek().kind != TokenKind::Identifier))
            SyntaxError("expected a name");
        return tokens_[pos_++].text;
    }
    TableRef Table() {
        TableRef table{Name(), std::nullopt};
        if (IsWord("IN") && pos_ + 1 < tokens_.size() && tokens_[pos_ + 1].kind == TokenKind::String) {
            table.file = tokens_[pos_ + 1].text;
            pos_ += 2;
        }
        return table;
    }
    // "*" (empty list) or names separated by commas.
    std::vector<std::string> Columns() {
        std::vector<std::string> names;
        if (TakeSymbol("*")) return names;
        do {
            names.push_back(Name());
        } while (TakeSymbol(","));
        return names;
    }
    // Tokens up to a top-level word among `stops` (or the end), translated.
    std::string ExpressionUntil(std::initializer_list<const char*> stops) {
        size_t begin = pos_;
        int depth = 0;
        while (!AtEnd()) {
            // A statement ends at its semicolon; ExpectEnd refuses anything after it.
            if (IsSymbol(";")) break;
            if (IsSymbol("(")) ++depth;
            // A closing parenthesis with none open would end the clause the
            // expression is put into (a criterion's wrapper).
            if (IsSymbol(")") && --depth < 0) SyntaxError("unbalanced parentheses");
            if (depth == 0 && std::any_of(stops.begin(), stops.end(), [&](const char* w) { return IsWord(w); })) break;
            ++pos_;
        }
        if (depth != 0) SyntaxError("unbalanced parentheses");
        if (pos_ == begin) SyntaxError("missing expression");
        return Translate(begin, pos_);
    }
    void ExpectEnd() {
        TakeSymbol(";");
        if (!AtEnd()) SyntaxError("unexpected '" + Peek().text + "'");
    }

    std::string Translate(size_t begin, size_t end) const;

private:
    std::vector<Token> tokens_;
    size_t pos_ = 0;
};

const std::set<std::string> kEngineFunctions = {"LEFT", "RIGHT", "MID", "LEN", "UCASE", "LCASE"};

std::string QuoteString(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c;
        if (c == '\'') quoted += '\'';
    }
    return quoted + "'";
}

std::string LikePattern(const std::string& pattern) {
    std::string converted;
    for (char c : pattern) converted += c == '*' ? '%' : c == '?' ? '_' : c;
    return converted;
}

std::string Reader::Translate(size_t begin, size_t end) const {
    std::string out;
    for (size_t i = begin; i < end; ++i) {
        const Token& token = tokens_[i];
        std::string piece;
        switch (token.kind) {
        case TokenKind::Identifier: piece = QuoteIdentifier(token.text); break;
        case TokenKind::String: {
            bool afterLike =
                i > begin && tokens_[i - 1].kind == TokenKind::Word && Upper(tokens_[i - 1].text) == "LIKE";
            const bool ascii = std::all_of(token.text.begin(), token.text.end(),
                                           [](char c) { return static_cast<unsigned char>(c) < 0x80; });
            piece = QuoteString(afterLike ? LikePattern(token.text) : token.text) + " COLLATE " +
                    (ascii ? "NOCASE" : kCaseBlind);
            break;
        }
        case TokenKind::Symbol: piece = token.text == "&" ? "||" : token.text; break;
        case TokenKind::Word: {
            std::string upper = Upper(token.text);
            bool call = i + 1 < end && tokens_[i + 1].kind == TokenKind::Symbol && tokens_[i + 1].text == "(";
            if (call && kEngineFunctions.count(upper)) {
                // Left and Right are keywords to SQLite: the engine's functions go by other names.
                piece = EngineFunctionName(upper);
            } else {
                piece = upper == "TRUE" ? "-1" : upper == "FALSE" ? "0" : token.text;
            }
            break;
        }
        case TokenKind::Number: piece = token.text; break;
        }
        if (!out.empty()) out += ' ';
        out += piece;
    }
    return out;
}

Reader ReaderOf(const std::string& sql) { return Reader(Tokenize(sql)); }

} // namespace

std::vector<Token> Tokenize(const std::string& sql) {
    // SQLite would read the statement only up to a zero byte, in a text too.
    if (sql.find('\0') != std::string::npos) SyntaxError("a zero byte in the statement");
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < sql.size()) {
        char c = sql[i];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
        } else if (c == '[') {
            size_t close = sql.find(']', i + 1);
            if (close == std::string::npos) SyntaxError("unterminated name in " + sql);
            tokens.push_back({TokenKind::Identifier, sql.substr(i + 1, close - i - 1)});
            i = close + 1;
        } else if (c == '\'' || c == '"') {
            std::string content;
            i = ReadString(sql, i, FollowsTableIn(tokens), content);
            tokens.push_back({TokenKind::String, content});
        } else if (std::isdigit(static_cast<unsigned char>(c)) ||
                   (c == '.' && i + 1 < sql.size() && std::isdigit(static_cast<unsigned char>(sql[i + 1])))) {
            size_t start = i;
            while (i < sql.size() && (std::isdigit(static_cast<unsigned char>(sql[i])) || sql[i] == '.')) ++i;
            tokens.push_back({TokenKind::Number, sql.substr(start, i - start)});
        } else if (IsWordStart(c)) {
            size_t start = i;
            while (i < sql.size() && IsWordChar(sql[i])) ++i;
            tokens.push_back({TokenKind::Word, sql.substr(start, i - start)});
        } else {
            std::string two = sql.substr(i, 2);
            if (two == "<>" || two == "<=" || two == ">=") {
                tokens.push_back({TokenKind::Symbol, two});
                i += 2;
            } else {
                tokens.push_back({TokenKind::Symbol, std::string(1, c)});
                ++i;
            }
        }
    }
    return tokens;
}

RecordSource ParseRecordSource(const std::string& source) {
    Reader reader = ReaderOf(source);
    RecordSource result;
    if (!reader.IsWord("SELECT")) {
        result.table = reader.Table();
        reader.ExpectEnd();
        return result;
    }
    reader.ExpectWord("SELECT");
    result.columns = reader.Columns();
    reader.ExpectWord("FROM");
    result.table = reader.Table();
    if (reader.TakeWord("WHERE")) result.where = reader.ExpressionUntil({"ORDER"});
    if (reader.TakeWord("ORDER")) {
        reader.ExpectWord("BY");
        result.orderBy = reader.ExpressionUntil({});
    }
    reader.ExpectEnd();
    return result;
}

ActionStatement ParseAction(const std::string& sql) {
    Reader reader = ReaderOf(sql);
    ActionStatement statement{};
    if (reader.TakeWord("DELETE")) {
        statement.kind = ActionKind::Delete;
        if (!reader.IsWord("FROM")) reader.Columns(); // DELETE * FROM, DELETE T.* FROM
        reader.ExpectWord("FROM");
        statement.target = reader.Table();
        if (reader.TakeWord("WHERE")) statement.where = reader.ExpressionUntil({});
    } else if (reader.TakeWord("INSERT")) {
        statement.kind = ActionKind::Insert;
        reader.ExpectWord("INTO");
        statement.target = reader.Table();
        if (reader.TakeSymbol("(")) {
            statement.targetColumns = reader.Columns();
            if (!reader.TakeSymbol(")")) SyntaxError("expected )");
        }
        if (reader.IsWord("VALUES")) {
            statement.tail = reader.ExpressionUntil({});
        } else {
            reader.ExpectWord("SELECT");
            statement.sourceColumns = reader.Columns();
            reader.ExpectWord("FROM");
            statement.source = reader.Table();
            if (reader.TakeWord("WHERE")) statement.where = reader.ExpressionUntil({});
        }
    } else if (reader.TakeWord("UPDATE")) {
        statement.kind = ActionKind::Update;
        statement.target = reader.Table();
        if (!reader.IsWord("SET")) SyntaxError("expected SET");
        statement.tail = reader.ExpressionUntil({});
    } else if (reader.TakeWord("SELECT")) {
        statement.sourceColumns = reader.Columns();
        statement.kind = reader.TakeWord("INTO") ? ActionKind::SelectInto : ActionKind::Select;
        if (statement.kind == ActionKind::SelectInto) statement.target = reader.Table();
        reader.ExpectWord("FROM");
        statement.source = reader.Table();
        if (reader.TakeWord("WHERE")) statement.where = reader.ExpressionUntil({"ORDER"});
        if (reader.TakeWord("ORDER")) {
            reader.ExpectWord("BY");
            reader.ExpressionUntil({});
        }
    } else {
        SyntaxError("expected DELETE, INSERT, SELECT or UPDATE");
    }
    reader.ExpectEnd();
    return statement;
}

std::string TranslateExpression(const std::string& expression) {
    Reader reader = ReaderOf(expression);
    std::string translated = reader.ExpressionUntil({});
    reader.ExpectEnd();
    return translated;
}

} // namespace data::jet
