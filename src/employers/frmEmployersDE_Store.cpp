// The employer screen's write of a new or edited employer: the employer
// known by its key whatever shape other rows hold it in, and a new
// employer's number drawn again when another copy gave it away meanwhile.

#include "employers/frmEmployersDE.h"

#include "common/DatabasePaths.h"
#include "common/EmployerKey.h"
#include "common/EmployerNumberSql.h"
#include "common/EmployersWithKey.h"
#include "common/SqlText.h"
#include "common/basCounter.h"
#include "platform/basic/RuntimeError.h"
#include "platform/data/Errors.h"
#include "platform/data/Transaction.h"
#include "platform/forms/Bound.h"

#include <algorithm>
#include <string>

namespace {

// How often Save draws a new employer's number again before it gives up.
constexpr int kMostRedraws = 3;

bool AnyRow(data::Database& database, const std::string& criterion) {
    auto rows = database.OpenRecordset("SELECT EmployerNo FROM Employers WHERE " + criterion, data::dbOpenSnapshot);
    const bool found = !rows->Eof();
    rows->Close();
    return found;
}

} // namespace

// Another copy may restore a backup or import last year's employers between
// the draw of a new employer's number and its write; the number may then name
// another employer. Such a Save is no duplicate: the addition is stored under
// a number drawn again, without asking again.
frmEmployersDE::StoreOutcome frmEmployersDE::StoreEmployer(data::Recordset& employers) {
    int redraws = 0;
    bool triedTheSameNumber = false;
    for (;;) {
        try {
            return StoreUnlessKeyTaken(employers);
        } catch (const basic::RuntimeError& error) {
            if (error.Number() != data::errDuplicateKey || EditMode != 0) throw;
            switch (WhatTheAdditionMet(employers)) {
            case Collision::Key: return StoreOutcome::KeyTaken;
            case Collision::Number:
                if (redraws++ == kMostRedraws) {
                    SayCounterNotAvailable();
                    return StoreOutcome::NoNumber;
                }
                if (!DrawNumberNotInUse()) return StoreOutcome::NoNumber;
                break;
            case Collision::Neither:
                // What the write met is gone again.
                if (triedTheSameNumber) throw;
                triedTheSameNumber = true;
                break;
            }
        }
    }
}

// The database's unique key compares the stored text, so the same employer
// held in another shape (a tax id "06-1234567" from last year's files) would
// be stored twice: it is looked for by the key as this screen writes it, in
// the transaction that writes, so that no other copy adds it in between. An
// edit that keeps the employer's key writes no new one: the row itself then
// holds it, and employers stored under one key before stay as they are. An
// edit writes only while its number names the employer it started from, by
// the key before the edit, so that a key corrected in this very edit counts.
frmEmployersDE::StoreOutcome frmEmployersDE::StoreUnlessKeyTaken(data::Recordset& employers) {
    auto database = datEmployers.Database();
    const EmployerKey key = KeyOfEmployer(mskIdType.Text(), mskPyr_Taxid.Text(), mskTypePayer.Text());
    const data::Value edited = EditMode == 0 ? data::Value{} : employers.Fields("EmployerNo").Value();
    return data::InOneTransaction(*database, [&] {
        if (EditMode != 0 && editStart_ && StandingOfShown(*editStart_) == EmployerStanding::Replaced)
            return StoreOutcome::EmployerReplaced;
        const std::vector<data::Value> holders = NumbersOfEmployersWithKey(*database, key);
        const bool keepsItsKey = EditMode != 0 && std::find(holders.begin(), holders.end(), edited) != holders.end();
        if (!holders.empty() && !keepsItsKey) return StoreOutcome::KeyTaken;
        employers.Update();
        return StoreOutcome::Stored;
    });
}

// Both a duplicate key and a number another employer holds reach Save as
// 3022; they are told apart by what the same connection finds now.
frmEmployersDE::Collision frmEmployersDE::WhatTheAdditionMet(data::Recordset& employers) {
    auto database = datEmployers.Database();
    // The key as the database's unique key compares it; a Null part never
    // makes a duplicate there.
    std::string sameKey;
    bool keyWhole = true;
    for (const char* column : {"IdType", "Pyr_Taxid", "TypePayer"}) {
        const data::Value value = employers.Fields(column).Value();
        keyWhole = keyWhole && !data::IsNull(value);
        sameKey += std::string(sameKey.empty() ? "" : " AND ") + column + " = " + SqlText(forms::BoundValueText(value));
    }
    if (keyWhole && AnyRow(*database, sameKey)) return Collision::Key;
    if (const auto number = EmployerNumberSql(employers.Fields("EmployerNo").Value());
        number && AnyRow(*database, "EmployerNo = " + *number))
        return Collision::Number;
    return Collision::Neither;
}

// The counter is raised as a restore leaves it, then drawn from as Save's
// first draw is, each its own short transaction.
bool frmEmployersDE::DrawNumberNotInUse() {
    auto database = datEmployers.Database();
    data::InOneTransaction(*database, [&] { KeepCounterAboveNumbersInUse(*database, InClausePath(IdDatabasePath())); });
    return AssignNextNumber(*this, "Employers_ID", "txtEmployerNo");
}

void frmEmployersDE::RefuseDuplicate() {
    forms::MsgBox("Duplicate records are not allowed! Please check your data for conflicts - "
                  "especially the Tax Id Type, ID #, and Kind of Employer.",
                  forms::vbOKOnly + forms::vbExclamation, "Error saving record");
    CancelPendingChange();
    ShowCommandState(CommandState::Browsing);
    cmdClose.SetFocus();
}
