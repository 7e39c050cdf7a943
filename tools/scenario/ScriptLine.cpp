#include "ScriptLine.h"

#include <stdexcept>

namespace scenario {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Reads a quoted text starting at the opening quote; returns the position
// after the closing quote.
std::size_t ReadQuoted(const std::string& line, std::size_t at, std::string& out) {
    std::size_t i = at + 1;
    while (i < line.size()) {
        char c = line[i];
        if (c == '"') return i + 1;
        if (c != '\\') {
            out += c;
            ++i;
            continue;
        }
        if (i + 1 >= line.size())
            throw std::invalid_argument("a backslash ends the line (column " + std::to_string(i + 1) + ")");
        char e = line[i + 1];
        switch (e) {
        // clang-format off
        case '"': out += '"'; i += 2; break;
        case '\\': out += '\\'; i += 2; break;
        case 'n': out += '\n'; i += 2; break;
        case 't': out += '\t'; i += 2; break;
        // clang-format on
        case 'x': {
            int hi = i + 2 < line.size() ? HexDigit(line[i + 2]) : -1;
            int lo = i + 3 < line.size() ? HexDigit(line[i + 3]) : -1;
            if (hi < 0 || lo < 0)
                throw std::invalid_argument("\\x needs two hex digits (column " + std::to_string(i + 1) + ")");
            out += static_cast<char>(hi * 16 + lo);
            i += 4;
            break;
        }
        default:
            throw std::invalid_argument(std::string("unknown escape \\") + e + " (column " + std::to_string(i + 1) +
                                        ")");
        }
    }
    throw std::invalid_argument("the text opened at column " + std::to_string(at + 1) + " has no closing quote");
}

} // namespace

std::vector<Token> Tokenize(const std::string& line) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        if (IsBlank(line[i])) {
            ++i;
            continue;
        }
        Token token;
        if (line[i] == '"') {
            token.quoted = true;
            i = ReadQuoted(line, i, token.text);
            if (i < line.size() && !IsBlank(line[i]))
                throw std::invalid_argument("a blank must follow the closing quote (column " + std::to_string(i + 1) +
                                            ")");
        } else {
            while (i < line.size() && !IsBlank(line[i])) {
                if (line[i] == '"')
                    throw std::invalid_argument("a quote inside a word (column " + std::to_string(i + 1) + ")");
                token.text += line[i++];
            }
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

Script ParseScript(const std::string& text, const std::string& fileName) {
    Script script;
    std::size_t start = 0;
    int number = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        ++number;
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();

        std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') {
            if (end == text.size()) break;
            continue;
        }
        ScriptLine scriptLine{fileName, number, line.substr(first), {}};
        try {
            scriptLine.tokens = Tokenize(line);
            script.lines.push_back(std::move(scriptLine));
        } catch (const std::invalid_argument& e) {
            script.errors.push_back(scriptLine.Where() + ": " + scriptLine.source + "\n  " + e.what());
        }
        if (end == text.size()) break;
    }
    return script;
}

} // namespace scenario

namespace scenario {

std::string ScriptQuote(const std::string& text) {
    static const char* kHex = "0123456789ABCDEF";
    std::string out = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"') out += "\\\"";
        else if (c == '\\') out += "\\\\";
        else if (c == '\n') out += "\\n";
        else if (c == '\t') out += "\\t";
        else if (byte < 0x20 || byte >= 0x7F) out += std::string("\\x") + kHex[byte >> 4] + kHex[byte & 15];
        else out += c;
    }
    return out + "\"";
}

} // namespace scenario
