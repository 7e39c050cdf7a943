#include "employers/EmployerListingItems.h"

#include "common/EmployerKey.h"
#include "common/TaxIdShape.h"
#include "common/TextShapes.h"
#include "platform/basic/Strings.h"

namespace {

// clang-format off
const std::array<ListPosition, kListingItemCount> kListLayout{{
    //  X     Y            item
    {0.5, 1.6},  //  1  "Employer No:"
    {1.8, 1.6},  //  2  EmployerNo
    {2.2, 1.6},  //  3  "EIN:" / "SSN:"
    {2.7, 1.6},  //  4  tax id
    {3.9, 1.6},  //  5  "Kind of Employer:"
    {5.7, 1.6},  //  6  TypePayer
    {5.9, 1.8},  //  7  blank
    {0.5, 1.8},  //  8  EmployerName1
    {4.7, 1.8},  //  9  "State Id:"
    {5.7, 1.8},  // 10  StateId
    {0.5, 2.0},  // 11  EmployerName2
    {4.7, 2.0},  // 12  "Estab No:"
    {5.7, 2.0},  // 13  EstabNo
    {0.5, 2.2},  // 14  AddressLine1
    {4.7, 2.2},  // 15  "US Addrs:"
    {5.7, 2.2},  // 16  Country
    {0.5, 2.4},  // 17  AddressLine2
    {4.7, 2.4},  // 18  "Designee:"
    {5.7, 2.4},  // 19  ContactName
    {0.5, 2.6},  // 20  city line
    {4.2, 2.6},  // 21  "Designee Tel#:"
    {5.7, 2.6},  // 22  ContactPhone
}};
// clang-format on

const std::string kBlank = " ";

data::Value Column(data::Recordset& employer, const char* name) { return employer.Fields(name).Value(); }

std::string TextOf(const data::Value& value) { return data::ToText(value); }

bool HasLength(const data::Value& value) { return !data::IsNull(value) && !TextOf(value).empty(); }

bool BlankOrNull(const data::Value& value) { return data::IsNull(value) || basic::Trim(TextOf(value)).empty(); }

// A column shown only when it holds something besides blanks.
printing::StoreValue UnlessBlank(const data::Value& value) {
    if (BlankOrNull(value)) return kBlank;
    return value;
}

// A column shown only when it holds at least one character.
printing::StoreValue UnlessEmpty(const data::Value& value) {
    if (!HasLength(value)) return kBlank;
    return value;
}

// City, state and ZIP joined; a part without a value leaves the whole line
// without one, so that it prints blank.
printing::StoreValue CityLine(data::Recordset& employer) {
    const data::Value city = Column(employer, "City");
    const data::Value state = Column(employer, "State");
    const data::Value zip = Column(employer, "EmployerZipCode");
    const data::Value extension = Column(employer, "EmployerZipCodeEXT");
    if (data::IsNull(city) || data::IsNull(state) || data::IsNull(zip)) return data::Value{};
    std::string line = TextOf(city) + " " + TextOf(state) + " " + TextOf(zip);
    if (!BlankOrNull(extension)) line += "-" + TextOf(extension);
    return line;
}

} // namespace

const std::array<ListPosition, kListingItemCount>& ListLayout() { return kListLayout; }

std::string ListingTaxIdLabel(const data::Value& idType) { return KeyLetter(TextOf(idType)) == "1" ? "EIN:" : "SSN:"; }

// The tax id is grouped as the return screens' header groups it: from its
// digits, so that one stored with its hyphens prints as one stored without.
std::string ListingTaxIdText(const data::Value& idType, const data::Value& taxId) {
    if (BlankOrNull(taxId)) return kBlank;
    return HeaderTaxId(TextOf(idType), TextOf(taxId));
}

// The phone's digits too: one stored as the screen shows it, "(203) 555-1234",
// or with the country code, "1-203-555-1234", prints as one stored as its ten
// digits.
std::string ListingPhoneText(const data::Value& phone) {
    if (BlankOrNull(phone)) return kBlank;
    const std::string digits = PhoneDigits(TextOf(phone));
    return "(" + basic::Mid(digits, 1, 3) + ") " + basic::Mid(digits, 4, 3) + "-" + basic::Mid(digits, 7, 4);
}

printing::StoreValue ListingItemText(int item, data::Recordset& employer, std::string& TaxIdText) {
    switch (item) {
    case 1: return "Employer No:";
    case 2: return Column(employer, "EmployerNo");
    case 3: {
        const data::Value idType = Column(employer, "IdType");
        TaxIdText = ListingTaxIdText(idType, Column(employer, "Pyr_Taxid"));
        return ListingTaxIdLabel(idType);
    }
    case 4: return TaxIdText;
    case 5: return "Kind of Employer:";
    case 6: return Column(employer, "TypePayer");
    case 7: return kBlank;
    case 8: return Column(employer, "EmployerName1");
    case 9: return "State Id:";
    case 10: return UnlessEmpty(Column(employer, "StateId"));
    case 11: return UnlessEmpty(Column(employer, "EmployerName2"));
    case 12: return "Estab No:";
    case 13: return UnlessBlank(Column(employer, "EstabNo"));
    case 14: return UnlessBlank(Column(employer, "AddressLine1"));
    case 15: return "US Addrs:";
    case 16: return Column(employer, "Country");
    case 17: return UnlessBlank(Column(employer, "AddressLine2"));
    case 18: return "Designee:";
    case 19: return UnlessEmpty(Column(employer, "ContactName"));
    case 20: return CityLine(employer);
    case 21: return "Designee Tel#:";
    case 22: return ListingPhoneText(Column(employer, "ContactPhone"));
    default: return kBlank;
    }
}
