#pragma once
#include "platform/data/Database.h"

#include <type_traits>

namespace data {

// Runs `work` in the transaction `begin` started on the database: committed
// when it returns, rolled back when anything in it fails, the failure going
// on to the caller. Gives what `work` gives.
template <class Begin, class Work>
auto InTransactionBegunBy(Database& database, Begin begin, Work work) -> decltype(work()) {
    begin();
    try {
        if constexpr (std::is_void_v<decltype(work())>) {
            work();
            database.CommitTrans();
        } else {
            auto result = work();
            database.CommitTrans();
            return result;
        }
    } catch (...) {
        database.Rollback();
        throw;
    }
}

// Runs `work` as one transaction of the database (see above).
template <class Work>
auto InOneTransaction(Database& database, Work work) -> decltype(work()) {
    return InTransactionBegunBy(
        database, [&] { database.BeginTrans(); }, work);
}

// Runs `work`, which only reads, as one read transaction of the database
// (Database::BeginReadTrans): what it reads is one moment of the file.
template <class Work>
auto InOneReadTransaction(Database& database, Work work) -> decltype(work()) {
    return InTransactionBegunBy(
        database, [&] { database.BeginReadTrans(); }, work);
}

} // namespace data
