#pragma once
// Internal: runs one action statement of the engine's SQL on a connection.

#include <string>

namespace data {

class Connection;

// Returns the number of rows touched. The statement runs in a savepoint, so
// it completes or changes nothing. `options` are Execute's (Database.h).
long RunActionQuery(Connection& connection, const std::string& sql, int options);

} // namespace data
