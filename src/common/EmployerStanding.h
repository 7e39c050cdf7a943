#pragma once
// Another copy of the program may delete the employer a screen shows, put
// another employer under its number (a restore or an import replaces the
// employers, and the counter may hand a freed number out again) or correct
// its tax id. A screen acts on an employer's number only while the employer
// stored under it is the one the screen shows, known by its key as the screen
// last read it from the file; a rename or a new address leaves it the same.
#include "common/EmployerKey.h"

#include <optional>
#include <string>

namespace data {
class Database;
class Recordset;
} // namespace data

enum class EmployerStanding {
    Same,     // the employer shown is stored under the number
    Gone,     // no employer is stored under it
    Replaced, // an employer with another key is
};

// What is stored under the number (as EmployerNumberSql writes it; nothing
// for a number that is none) against the key the screen shows. Run it in the
// transaction of the action it guards, so that the employer cannot change in
// between.
EmployerStanding StandingOfEmployer(data::Database& database, const std::optional<std::string>& employerNo,
                                    const EmployerKey& shown);

// The key of the employer row a recordset stands on, as read from the file.
EmployerKey KeyOfEmployerRow(data::Recordset& row);

// What a screen says when it refuses to act on a number that no longer names
// the employer it shows.
inline constexpr const char* kEmployerDeletedByAnotherUser = "This Employer has been deleted by another user.";
inline constexpr const char* kEmployerReplacedByAnotherUser =
    "This Employer has been changed or replaced by another user.";
inline const char* EmployerRefusal(EmployerStanding standing) {
    return standing == EmployerStanding::Gone ? kEmployerDeletedByAnotherUser : kEmployerReplacedByAnotherUser;
}
