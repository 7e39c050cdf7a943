#pragma once
#include "platform/data/Database.h"

#include <type_traits>

namespace data {

// Runs `work` as one transaction of the database: committed when it returns,
// rolled back when anything in it fails, the failure going on to the caller.
// Gives what `work` gives.
template <class Work>
auto InOneTransaction(Database& database, Work work) -> decltype(work()) {
    database.BeginTrans();
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

} // namespace data
