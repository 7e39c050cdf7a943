// libFuzzer target: the translator of the engine's SQL. Whatever the text, it
// is refused with the engine's error, or translated into pieces that cannot
// end the clause or the statement they are put into (no semicolon, no zero
// byte, no parenthesis closing one it did not open, every quote closed).
#include "platform/basic/RuntimeError.h"
#include "platform/data/JetSql.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool StaysInItsClause(const std::string& sql) {
    int depth = 0;
    char quote = 0;
    for (std::size_t i = 0; i < sql.size(); ++i) {
        const char c = sql[i];
        if (c == '\0') return false;
        if (quote != 0) {
            if (c != quote) continue;
            if (i + 1 < sql.size() && sql[i + 1] == quote) ++i; // a doubled quote
            else quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')' && --depth < 0) {
            return false;
        } else if (c == ';') {
            return false;
        }
    }
    return depth == 0 && quote == 0;
}

void Require(const std::string& translated) {
    if (!StaysInItsClause(translated)) std::abort();
}

template <typename Translate>
void Try(Translate translate) {
    try {
        translate();
    } catch (const basic::RuntimeError& error) {
        if (error.Number() != 3075) std::abort(); // the engine's syntax error, nothing else
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Try([&] { Require(data::jet::TranslateExpression(text)); });
    Try([&] {
        auto source = data::jet::ParseRecordSource(text);
        Require(source.where);
        Require(source.orderBy);
    });
    Try([&] {
        auto statement = data::jet::ParseAction(text);
        Require(statement.where);
        Require(statement.tail);
    });
    return 0;
}
