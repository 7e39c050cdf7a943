#include "common/EmployerStanding.h"

#include "platform/data/Database.h"
#include "platform/data/Recordset.h"
#include "platform/forms/Bound.h"

EmployerKey KeyOfEmployerRow(data::Recordset& row) {
    auto column = [&](const char* name) { return forms::BoundValueText(row.Fields(name).Value()); };
    return KeyOfEmployer(column("IdType"), column("Pyr_Taxid"), column("TypePayer"));
}

EmployerStanding StandingOfEmployer(data::Database& database, const std::optional<std::string>& employerNo,
                                    const EmployerKey& shown) {
    if (!employerNo) return EmployerStanding::Gone;
    data::RecordsetPtr employer = database.OpenRecordset(
        "SELECT IdType, Pyr_Taxid, TypePayer FROM Employers WHERE EmployerNo = " + *employerNo, data::dbOpenSnapshot);
    EmployerStanding standing = EmployerStanding::Gone;
    if (!employer->Eof())
        standing = KeyOfEmployerRow(*employer) == shown ? EmployerStanding::Same : EmployerStanding::Replaced;
    employer->Close();
    return standing;
}
