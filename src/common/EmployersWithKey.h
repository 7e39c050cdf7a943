#pragma once
// The stored employers an employer's key names, their rows read as the
// employer screen writes them (EmployerKey.h), whatever shape each holds.
#include "common/EmployerKey.h"
#include "platform/data/Value.h"

#include <vector>

namespace data {
class Database;
}

// How a key with a blank part is looked for. The employer screen never
// writes one, and such a key names no employer in particular there, as the
// database's unique key lets any number of rows hold Null. A DOS table's row
// may hold one: it is then the employer stored with the same parts, blank
// where its own are.
enum class BlankParts { NameNoEmployer, AreBlank };

// The numbers (EmployerNo) of the employers in `database` whose key reads as
// `key`. The rows are narrowed in the engine to ranges of the table's unique
// key on tax id type and tax id, so the search costs a few index reads
// however many employers the file holds; a tax id without digits is looked
// for among the stored tax ids without digits.
std::vector<data::Value> NumbersOfEmployersWithKey(data::Database& database, const EmployerKey& key,
                                                   BlankParts blankParts = BlankParts::NameNoEmployer);
