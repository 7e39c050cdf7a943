#include "platform/data/SqlFunctions.h"

#include "platform/basic/Strings.h"
#include "platform/basic/Utf8.h"
#include "platform/data/StoredValues.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace data {

namespace {

// Byte offsets of the characters of a UTF-8 text (and its end).
std::vector<size_t> CharacterStarts(const std::string& text) {
    std::vector<size_t> starts;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
    }
    starts.push_back(text.size());
    return starts;
}

// Characters [first, first + count) of the text, clipped to it.
std::string Slice(const std::string& text, long long first, long long count) {
    auto starts = CharacterStarts(text);
    long long length = static_cast<long long>(starts.size()) - 1;
    first = std::clamp(first, 0LL, length);
    long long last = first + std::clamp(count, 0LL, length - first); // no sum of two huge numbers
    return text.substr(starts[first], starts[last] - starts[first]);
}

bool ArgumentsHaveNull(int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) return true;
    }
    return false;
}

std::string TextOf(sqlite3_value* value) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return std::string(text ? text : "", static_cast<size_t>(sqlite3_value_bytes(value)));
}

void ResultText(sqlite3_context* context, const std::string& text) {
    sqlite3_result_text(context, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void Left(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (ArgumentsHaveNull(argc, argv)) return sqlite3_result_null(context);
    ResultText(context, Slice(TextOf(argv[0]), 0, sqlite3_value_int64(argv[1])));
}

void Right(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (ArgumentsHaveNull(argc, argv)) return sqlite3_result_null(context);
    std::string text = TextOf(argv[0]);
    long long length = static_cast<long long>(CharacterStarts(text).size()) - 1;
    long long count = std::clamp<long long>(sqlite3_value_int64(argv[1]), 0, length);
    ResultText(context, Slice(text, length - count, count));
}

void Mid(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (ArgumentsHaveNull(argc, argv)) return sqlite3_result_null(context);
    long long start = sqlite3_value_int64(argv[1]);
    long long count = argc > 2 ? sqlite3_value_int64(argv[2]) : (1LL << 40);
    ResultText(context, Slice(TextOf(argv[0]), std::max(start, 1LL) - 1, count));
}

void Len(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (ArgumentsHaveNull(argc, argv)) return sqlite3_result_null(context);
    sqlite3_result_int64(context, static_cast<sqlite3_int64>(CharacterStarts(TextOf(argv[0])).size()) - 1);
}

template <std::string (*Convert)(std::string_view)>
void ChangeCase(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (ArgumentsHaveNull(argc, argv)) return sqlite3_result_null(context);
    ResultText(context, Convert(TextOf(argv[0])));
}

int CompareCaseBlind(void* /*unused*/, int lengthA, const void* a, int lengthB, const void* b) {
    const std::string_view x(static_cast<const char*>(a), static_cast<size_t>(lengthA));
    const std::string_view y(static_cast<const char*>(b), static_cast<size_t>(lengthB));
    size_t i = 0, j = 0;
    while (i < x.size() && j < y.size()) {
        const char32_t cx = basic::LowerOf(basic::NextCodePoint(x, i));
        const char32_t cy = basic::LowerOf(basic::NextCodePoint(y, j));
        if (cx != cy) return cx < cy ? -1 : 1;
    }
    if (i < x.size()) return 1;
    return j < y.size() ? -1 : 0;
}

using Function = void (*)(sqlite3_context*, int, sqlite3_value**);

struct FunctionDef {
    const char* name;
    int arguments;
    Function function;
};

// clang-format off
const FunctionDef kFunctions[] = {
    {"LEFT",  2, Left},
    {"RIGHT", 2, Right},
    {"MID",   2, Mid},
    {"MID",   3, Mid},
    {"LEN",   1, Len},
    {"UCASE", 1, ChangeCase<basic::UCase>},
    {"LCASE", 1, ChangeCase<basic::LCase>},
};
// clang-format on

} // namespace

std::string EngineFunctionName(const std::string& upperName) {
    std::string name = "jet_";
    for (char c : upperName) name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

void RegisterEngineFunctions(sqlite3* db) {
    for (const auto& def : kFunctions) {
        sqlite3_create_function_v2(db, EngineFunctionName(def.name).c_str(), def.arguments,
                                   SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, def.function, nullptr, nullptr,
                                   nullptr);
    }
    sqlite3_create_collation_v2(db, kCaseBlind, SQLITE_UTF8, nullptr, CompareCaseBlind, nullptr);
    RegisterStoredValues(db);
}

} // namespace data
