#pragma once
// An employer is known by its tax id type, tax id and kind: no two employers
// share all three. Rows come from elsewhere too (last year's files, a backup
// made on another machine, a DOS conversion) and keep their own shapes, so the
// key is read as the employer screen shows and writes it, never as stored
// text: "06-1234567", "06 1234567" and "061234567" are one tax id, and 1, "1",
// "1.0" and " 1" one type.
#include <string>

// A tax id by its first nine digits; every other character is dropped.
std::string KeyTaxId(const std::string& stored);

// A tax id type or kind of employer by its first character that is not a
// blank, in upper case; "" for Null, "" or blanks.
std::string KeyLetter(const std::string& stored);

struct EmployerKey {
    std::string IdType;
    std::string Pyr_Taxid;
    std::string TypePayer;

    // A key with a part left blank names no employer in particular, as the
    // database's unique key lets any number of rows hold Null there.
    bool HasBlankPart() const { return IdType.empty() || Pyr_Taxid.empty() || TypePayer.empty(); }
    bool operator==(const EmployerKey&) const = default;
};

// The key of stored or typed columns (as text, "" for Null).
EmployerKey KeyOfEmployer(const std::string& idType, const std::string& taxId, const std::string& typePayer);
