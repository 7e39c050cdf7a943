#pragma once
// Text put into the engine's SQL as a string literal.
#include <string>

// The text between apostrophes, its own apostrophes doubled, so that no text
// can end the literal early.
inline std::string SqlText(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("''") : std::string(1, c);
    return quoted + "'";
}
