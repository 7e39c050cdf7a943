#pragma once
#include <string>
#include <vector>

namespace scenario {

// One argument of a script line: a bare word or a quoted text with its
// escapes already resolved. `quoted` tells `key X "c"` from `key X Enter`.
struct Token {
    std::string text;
    bool quoted = false;
};

// One command of a scenario file, with where it came from so that every
// failure can name file:line and show the line as written.
struct ScriptLine {
    std::string file;
    int number = 0;
    std::string source;
    std::vector<Token> tokens;

    std::string Where() const { return file + ":" + std::to_string(number); }
};

// Splits one line into tokens. Throws std::invalid_argument on an unclosed
// quote or a bad escape, naming the column.
std::vector<Token> Tokenize(const std::string& line);

// Reads a whole script: blank lines and lines starting with # are skipped.
// Lines that cannot be tokenized are listed in `errors` (file:line, the
// line, the reason); the runner refuses to run a script that has any.
struct Script {
    std::vector<ScriptLine> lines;
    std::vector<std::string> errors; // "file:line: reason"
};
Script ParseScript(const std::string& text, const std::string& fileName);

} // namespace scenario

namespace scenario {

// A text as a script would write it, in double quotes with escapes, so a
// report's "found" can be pasted back into a scenario.
std::string ScriptQuote(const std::string& text);

} // namespace scenario
