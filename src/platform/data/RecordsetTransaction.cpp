// What a recordset keeps while its changes belong to a transaction of its
// database. A commit that fails (a failing disk, a full one as the journal
// grows) undoes in the file what the recordset believes stored: its pending
// addition was let go, its deleted row forgotten. A rollback therefore
// returns the recordset to where it stood before its first change in that
// transaction (the addition pending again with every value, the deleted row
// current again), and tells the data control, so that the screen shows what
// the user typed and Save or Delete can simply be tried again.
//
// A recordset opened inside the transaction is left alone: it did not stand
// anywhere before it. One closed inside it withdrew when it closed.

#include "platform/data/Connection.h"
#include "platform/data/Recordset.h"
#include "platform/data/RowLocks.h"
#include "platform/data/RowSource.h"

#include <set>
#include <utility>

namespace data {

Recordset::Standing Recordset::Now() const {
    return Standing{current_, currentKey_, currentDeleted_, values_,       bof_,          eof_,      editMode_, buffer_,
                    changed_, beforeAdd_,  beforeAddKey_,   beforeAddBof_, beforeAddEof_, lockHeld_, lockedRow_};
}

void Recordset::StandAgain(Standing standing) {
    current_ = standing.current;
    currentKey_ = std::move(standing.currentKey);
    currentDeleted_ = standing.currentDeleted;
    values_ = std::move(standing.values);
    bof_ = standing.bof;
    eof_ = standing.eof;
    editMode_ = standing.editMode;
    buffer_ = std::move(standing.buffer);
    changed_ = std::move(standing.changed);
    beforeAdd_ = standing.beforeAdd;
    beforeAddKey_ = std::move(standing.beforeAddKey);
    beforeAddBof_ = standing.beforeAddBof;
    beforeAddEof_ = standing.beforeAddEof;
    lockHeld_ = standing.lockHeld;
    lockedRow_ = standing.lockedRow;
}

void Recordset::KeepStandingForRollback() {
    const std::uint64_t transaction = connection_->TransactionNumber();
    if (transaction == 0 || transaction == openedInTransaction_ || transaction == keptForTransaction_) return;
    beforeTransaction_ = Now();
    keptForTransaction_ = transaction;
    connection_->Enlist(this, [this](bool committed) { TransactionEnded(committed); });
}

void Recordset::KeepLockUntilTransactionEnds() {
    if (keptForTransaction_ != 0 && lockHeld_) lockedUntilTransactionEnds_.insert(lockedRow_);
}

void Recordset::UnlockRow(std::int64_t rowid) {
    if (locks_ && !lockedUntilTransactionEnds_.contains(rowid)) locks_->Unlock(rows_->Table(), rowid);
}

void Recordset::TransactionEnded(bool committed) {
    keptForTransaction_ = 0;
    Standing before = std::exchange(beforeTransaction_, Standing{});
    // The lock the recordset stands with afterwards stays; the others go.
    std::set<std::int64_t> release = std::exchange(lockedUntilTransactionEnds_, {});
    std::int64_t keep = lockHeld_ ? lockedRow_ : -1;
    if (!committed) {
        if (lockHeld_) release.insert(lockedRow_);
        keep = before.lockHeld ? before.lockedRow : -1;
    }
    for (std::int64_t row : release) {
        if (row != keep) UnlockRow(row);
    }
    if (auto step = std::exchange(afterCommit_, {})) {
        if (committed) step();
        else afterNext_.emplace_back(RecordsetAction::Update, std::move(step)); // the Update was undone
    }
    if (committed) return;
    StandAgain(std::move(before));
    try {
        Notify(RecordsetEvent::CurrentChanged);
    } catch (...) {
        // The recordset stands as it should; a control that cannot show it
        // shows it at the next move.
    }
}

} // namespace data
