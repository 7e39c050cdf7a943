#pragma once
// What the employer listing prints for one employer: 22 placed texts, laid
// out for the first band of a page; band n lies 1.4 inches lower per n.
#include <array>
#include <string>

#include "platform/data/Recordset.h"
#include "platform/printing/StoreValue.h"

// Inches from the page's left and top edges.
struct ListPosition {
    double X;
    double Y;
};

inline constexpr int kListingItemCount = 22;
inline constexpr int kEmployersPerPage = 6;
inline constexpr double kListingBandHeight = 1.4;

// Items 1 to 22 at index 0 to 21.
const std::array<ListPosition, kListingItemCount>& ListLayout();

// The text of item `item` (1 to 22) for the employer at the recordset's
// current row: a column's value as it is (Null when it has none, which the
// print control refuses), a text, or " " for a blank. Item 3 also forms
// `TaxIdText`, which item 4 prints.
printing::StoreValue ListingItemText(int item, data::Recordset& employer, std::string& TaxIdText);

// "EIN:" for IdType 1 (read as the employer screen reads it: " 1", "1.0"),
// else "SSN:".
std::string ListingTaxIdLabel(const data::Value& idType);
// NN-NNNNNNN for IdType 1, else NNN-NN-NNNN, from the tax id's digits;
// " " when there is no tax id.
std::string ListingTaxIdText(const data::Value& idType, const data::Value& taxId);
// (NNN) NNN-NNNN from the phone's ten digits (the last ten after a country
// code 1), whatever else it holds; " " when there is no phone.
std::string ListingPhoneText(const data::Value& phone);
