#pragma once
// The stored employers an employer's key names, their rows read as the
// employer screen writes them (EmployerKey.h), whatever shape each holds.
#include "common/EmployerKey.h"
#include "platform/data/Value.h"

#include <vector>

namespace data {
class Database;
}

// The numbers (EmployerNo) of the employers in `database` whose key reads as
// `key`; none for a key with a blank part. The rows are narrowed in the
// engine to ranges of the table's unique key on tax id type and tax id, so
// the search costs a few index reads however many employers the file holds.
std::vector<data::Value> NumbersOfEmployersWithKey(data::Database& database, const EmployerKey& key);
