#include "platform/data/StoredValues.h"

#include "platform/basic/RuntimeError.h"
#include "platform/data/ValueConversion.h"

#include <sqlite3.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
#include <optional>

namespace data {

namespace {

constexpr const char* kStoredValue = "engine_stored_value";
constexpr const char* kStoredAsTheyAre = "engine_stored_as_they_are";
// SQLite takes at most 127 arguments to a function.
constexpr size_t kValuesPerCall = 100;

// What a value's column takes: its affinity, for text its width (0: no
// limit), and whether its whole numbers are a key's. Written into the SQL as
// "affinity:width:key".
struct ColumnRule {
    ColumnAffinity affinity = ColumnAffinity::Text;
    long long width = 0;
    bool wholeKey = false;
};

ColumnRule RuleOf(const TargetColumn& column) {
    const std::string& declaredType = column.declaredType;
    ColumnRule rule{AffinityOf(declaredType), 0, false};
    rule.wholeKey = column.inUniqueKey && rule.affinity == ColumnAffinity::Integer;
    const size_t open = declaredType.find('(');
    if (rule.affinity == ColumnAffinity::Text && !column.anyWidth && open != std::string::npos) {
        long long width = 0;
        const char* end = declaredType.data() + declaredType.size();
        auto result = std::from_chars(declaredType.data() + open + 1, end, width);
        if (result.ec == std::errc() && result.ptr != end && *result.ptr == ')') rule.width = width;
    }
    return rule;
}

std::string RuleText(const ColumnRule& rule) {
    return std::to_string(static_cast<int>(rule.affinity)) + ":" + std::to_string(rule.width) + ":" +
           (rule.wholeKey ? "1" : "0");
}

// Reads rules written by RuleText, separated by ","; false when the text is
// not such a list.
bool ReadRules(std::string_view text, std::vector<ColumnRule>& rules) {
    const char* at = text.data();
    const char* end = at + text.size();
    while (at < end) {
        int affinity = -1;
        long long width = 0;
        int wholeKey = 0;
        auto first = std::from_chars(at, end, affinity);
        if (first.ec != std::errc() || first.ptr == end || *first.ptr != ':') return false;
        auto second = std::from_chars(first.ptr + 1, end, width);
        if (second.ec != std::errc() || second.ptr == end || *second.ptr != ':') return false;
        auto third = std::from_chars(second.ptr + 1, end, wholeKey);
        if (third.ec != std::errc() || affinity < 0 || affinity > static_cast<int>(ColumnAffinity::Text)) return false;
        rules.push_back({static_cast<ColumnAffinity>(affinity), width, wholeKey != 0});
        at = third.ptr;
        if (at < end && *at++ != ',') return false;
    }
    return true;
}

long long CharacterCount(const unsigned char* text, size_t bytes) {
    long long count = 0;
    for (size_t i = 0; i < bytes; ++i) count += (text[i] & 0xC0) != 0x80;
    return count;
}

bool FitsWidth(const ColumnRule& rule, sqlite3_value* value) {
    const auto bytes = static_cast<size_t>(sqlite3_value_bytes(value));
    return rule.width == 0 || bytes <= static_cast<size_t>(rule.width) ||
           CharacterCount(sqlite3_value_text(value), bytes) <= rule.width;
}

// Values that a column takes as they are: the most of every copy.
bool TakenAsItIs(const ColumnRule& rule, sqlite3_value* value) {
    const int type = sqlite3_value_type(value);
    if (type == SQLITE_NULL) return true;
    switch (rule.affinity) {
    case ColumnAffinity::Integer: return type == SQLITE_INTEGER;
    case ColumnAffinity::Real: return type == SQLITE_FLOAT || type == SQLITE_INTEGER;
    case ColumnAffinity::Text: return type == SQLITE_TEXT && FitsWidth(rule, value);
    }
    return false;
}

Value ValueOf(sqlite3_value* value) {
    switch (sqlite3_value_type(value)) {
    case SQLITE_INTEGER: return static_cast<std::int64_t>(sqlite3_value_int64(value));
    case SQLITE_FLOAT: return sqlite3_value_double(value);
    case SQLITE_NULL: return Null{};
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
        return std::string(text ? text : "", static_cast<size_t>(sqlite3_value_bytes(value)));
    }
    }
}

// Whether a number (or Null) has a fraction.
bool HasFraction(const Value& number) {
    const auto* real = std::get_if<double>(&number);
    return real != nullptr && std::trunc(*real) != *real;
}

void Refuse(sqlite3_context* context, int code, const char* why) {
    sqlite3_result_error(context, why, -1);
    sqlite3_result_error_code(context, code);
}

// The value as its column stores it; nothing (the statement refused) when
// it cannot be stored.
std::optional<Value> Stored(sqlite3_context* context, const ColumnRule& rule, sqlite3_value* value) {
    Value stored;
    try {
        stored = ConvertForAffinity(rule.affinity, ValueOf(value));
        if (rule.wholeKey && HasFraction(ConvertForAffinity(ColumnAffinity::Real, ValueOf(value)))) {
            Refuse(context, SQLITE_MISMATCH, "a key with a fraction");
            return std::nullopt;
        }
    } catch (const basic::RuntimeError&) {
        Refuse(context, SQLITE_MISMATCH, "a value of the wrong kind");
        return std::nullopt;
    }
    if (const auto* text = std::get_if<std::string>(&stored); text && rule.width > 0) {
        if (CharacterCount(reinterpret_cast<const unsigned char*>(text->data()), text->size()) > rule.width) {
            Refuse(context, SQLITE_TOOBIG, "a text longer than its column");
            return std::nullopt;
        }
    }
    return stored;
}

void StoredValue(sqlite3_context* context, int, sqlite3_value** argv) {
    const int affinity = sqlite3_value_int(argv[1]);
    if (affinity < 0 || affinity > static_cast<int>(ColumnAffinity::Text))
        return sqlite3_result_error(context, "no such column kind", -1);
    const ColumnRule rule{static_cast<ColumnAffinity>(affinity), sqlite3_value_int64(argv[2]),
                          sqlite3_value_int(argv[3]) != 0};
    if (TakenAsItIs(rule, argv[0])) return sqlite3_result_value(context, argv[0]);
    const auto stored = Stored(context, rule, argv[0]);
    if (!stored) return;
    if (const auto* i = std::get_if<std::int64_t>(&*stored)) sqlite3_result_int64(context, *i);
    else if (const auto* d = std::get_if<double>(&*stored)) sqlite3_result_double(context, *d);
    else if (const auto* t = std::get_if<std::string>(&*stored))
        sqlite3_result_text(context, t->data(), static_cast<int>(t->size()), SQLITE_TRANSIENT);
    else sqlite3_result_null(context);
}

using ColumnRules = std::vector<ColumnRule>;

void StoredAsTheyAre(sqlite3_context* context, int argc, sqlite3_value** argv) {
    // The rules are read once a statement and kept with it.
    auto* rules = static_cast<ColumnRules*>(sqlite3_get_auxdata(context, 0));
    if (rules == nullptr) {
        auto read = std::make_unique<ColumnRules>();
        const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
        if (!ReadRules(text ? text : "", *read) || read->size() != static_cast<size_t>(argc - 1))
            return sqlite3_result_error(context, "the columns do not match the values", -1);
        sqlite3_set_auxdata(context, 0, read.release(), [](void* kept) { delete static_cast<ColumnRules*>(kept); });
        rules = static_cast<ColumnRules*>(sqlite3_get_auxdata(context, 0));
        if (rules == nullptr) return sqlite3_result_error_nomem(context);
    }
    bool asTheyAre = true;
    for (int i = 1; i < argc; ++i) {
        const ColumnRule& rule = (*rules)[static_cast<size_t>(i - 1)];
        if (TakenAsItIs(rule, argv[i])) continue;
        if (!Stored(context, rule, argv[i])) return;
        asTheyAre = false;
    }
    sqlite3_result_int(context, asTheyAre ? 1 : 0);
}

} // namespace

std::string StoredValueSql(const std::string& expression, const TargetColumn& column) {
    const ColumnRule rule = RuleOf(column);
    return std::string(kStoredValue) + "(" + expression + ", " + std::to_string(static_cast<int>(rule.affinity)) +
           ", " + std::to_string(rule.width) + ", " + (rule.wholeKey ? "1" : "0") + ")";
}

std::string StoredAsTheyAreSql(const std::vector<std::string>& expressions, const std::vector<TargetColumn>& columns) {
    std::string condition;
    for (size_t first = 0; first < expressions.size(); first += kValuesPerCall) {
        std::string rules, values;
        for (size_t i = first; i < std::min(first + kValuesPerCall, expressions.size()); ++i) {
            if (!rules.empty()) rules += ',';
            rules += RuleText(RuleOf(columns[i]));
            values += ", " + expressions[i];
        }
        if (!condition.empty()) condition += " AND ";
        condition += std::string(kStoredAsTheyAre) + "('" + rules + "'" + values + ")";
    }
    return condition.empty() ? "1" : condition;
}

void RegisterStoredValues(sqlite3* db) {
    sqlite3_create_function_v2(db, kStoredValue, 4, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, StoredValue, nullptr,
                               nullptr, nullptr);
    sqlite3_create_function_v2(db, kStoredAsTheyAre, -1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, StoredAsTheyAre,
                               nullptr, nullptr, nullptr);
}

} // namespace data
