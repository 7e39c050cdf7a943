#pragma once
// The counter that numbers new employers: one row per counter table in the ID
// database (db1099_ID.mdb in the program's folder), whose NextCounter is the
// next number to hand out.

#include <string>

namespace forms {
class Form;
}
namespace data {
class Database;
}

// Hands out NextCounter of the named counter table and stores it plus one.
// A row another user holds is retried (five waits of growing length, real
// time, letting the program's events run); gives -1 when no number can be
// drawn. Errors other than lock conflicts are shown once (title
// "ctrGetNextCounter") before -1 is returned. Given `within`, a database in a
// transaction, the number is drawn inside that transaction (the ID database
// attached to its connection), so that it is handed out only if the
// transaction commits; a failure that undoes that transaction (a full disk)
// is raised to the caller instead of shown. Else the draw is a transaction
// of its own.
long GetNextCounter(const std::string& counterTable, data::Database* within = nullptr);

// Says that no number can be drawn: "Can't Add Record; Counter Not
// Available" (title "Error Saving Record").
void SayCounterNotAvailable();

// Draws a number from the counter table into the control named `controlName`
// of `screen` (its text, in decimal digits). When no number can be drawn it
// says so (SayCounterNotAvailable). True only when the number arrived in the control, so the caller
// never goes on without a number. What GetNextCounter raises goes on to the
// caller.
bool AssignNextNumber(forms::Form& screen, const std::string& counterTable, const std::string& controlName,
                      data::Database* within = nullptr);

// Leaves the counter above every employer number the employer and return
// tables hold (those the file has), so that no new employer takes the number
// of rows kept from another (the returns of an employer since deleted stay,
// under a number no one will take again). A counter below that is raised,
// one below 1 too; the rows stay as they are. A counter table whose first row
// holds no whole number, or none that could number an employer without
// passing the largest long integer (a counter above 2147483646, or a number
// in use that high), is refused as a damaged file (3343). The ID database is
// named as the text of an IN clause (InClausePath); the call lies inside a
// transaction of `current`, the only place its recordsets read another file.
void KeepCounterAboveNumbersInUse(data::Database& current, const std::string& idDatabase);

// How many milliseconds the counter waits before its retry number `retry`
// (1 to 5), given a uniform random number in [0, 1): 5 to 24 ms times the
// square of the retry, so 5 ms at the least and 600 ms at the most.
long CounterRetryWaitMs(double uniform, int retry);

// The largest number of retries before the counter gives up.
inline constexpr int kCounterMaxRetries = 5;
