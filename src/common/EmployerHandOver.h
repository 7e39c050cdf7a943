#pragma once
// The current employer and period, as the employer screen hands them to the
// return screens and their printouts: a value, so that nothing outside the
// employer screen names its controls. The employer screen offers it for as
// long as it exists; a return screen asks for it when it loads, when it adds
// a row and when it prints.
#include "platform/data/Recordset.h"

#include <functional>
#include <string>

struct EmployerHandOver {
    // The employer's row, and whether the recordset stands on it.
    data::RecordsetPtr Row;
    bool OnRow = false;
    // Its columns as text ("" for Null), read when OnRow. IDType, Pyr_Taxid
    // and TypePayer make the employer that employer: no two share all three.
    std::string EmployerNo;
    std::string EmployerName1;
    std::string IDType;
    std::string Pyr_Taxid;
    std::string TypePayer;
    // The chosen period code ("122" ... "622"; "000" for none).
    std::string PeriodCode;
    // The designee's and signer's boxes as the employer screen shows them.
    std::string ContactName;
    std::string ContactPhone;
    std::string DesigneePIN;
    std::string SignersPhone;
};

// The employer screen (owner) offers its hand-over while it exists and
// withdraws it when it goes; a later offer replaces an earlier one.
void OfferEmployerHandOver(const void* owner, std::function<EmployerHandOver()> source);
void WithdrawEmployerHandOver(const void* owner);

// The hand-over as it stands now; an empty one (no row) when nothing offers.
EmployerHandOver CurrentEmployer();
// Its row's recordset; run-time error 91 (object not set) when there is none.
data::Recordset& EmployerRowOf(const EmployerHandOver& employer);
// Raises 3021 (no current record) unless the hand-over stands on a row.
void RequireEmployerRow(const EmployerHandOver& employer);
