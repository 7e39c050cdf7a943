#include "common/EmployersWithKey.h"

#include "common/SqlText.h"
#include "platform/data/Database.h"
#include "platform/forms/Bound.h"

#include <string>

namespace {

// The first text after every text that begins with `prefix`.
std::string After(std::string prefix) {
    prefix.back() = static_cast<char>(prefix.back() + 1);
    return prefix;
}

std::string Between(const std::string& column, const std::string& from, const std::string& below) {
    return column + " >= " + SqlText(from) + " AND " + column + " < " + SqlText(below);
}

// The stored tax ids whose first digits can be `digits`: those that begin
// with them, and those where a character other than a digit (a hyphen, a
// blank, a mask's literal) follows a first part of them, whatever comes
// after it. Each is a range of the stored text, digits sorting between the
// characters below "0" and those from ":" on.
std::vector<std::string> TaxIdRanges(const std::string& digits) {
    std::vector<std::string> ranges = {"Pyr_Taxid < '0'", "Pyr_Taxid >= ':'"};
    for (std::size_t length = 1; length < digits.size(); ++length) {
        const std::string first = digits.substr(0, length);
        ranges.push_back(Between("Pyr_Taxid", first, first + "0"));
        ranges.push_back(Between("Pyr_Taxid", first + ":", After(first)));
    }
    ranges.push_back(Between("Pyr_Taxid", digits, After(digits)));
    return ranges;
}

// The stored tax ids that hold no digit, Null among them.
std::string WithoutDigits() {
    std::string noDigit;
    for (char digit = '0'; digit <= '9'; ++digit)
        noDigit += std::string(noDigit.empty() ? "" : " AND ") + "Pyr_Taxid NOT LIKE " + SqlText({'*', digit, '*'});
    return "Pyr_Taxid IS NULL OR (" + noDigit + ")";
}

// Where the stored rows of the key may lie. The table's columns compare text
// folding ASCII letters to lower case, so a type is narrowed by its letter in
// lower case: the type stored as that letter alone (nearly every row), with
// the tax id's ranges, which the unique key's index reaches at once; a longer
// text beginning with it ("1.0"); one beginning with a blank (" 1"). A letter
// beyond ASCII is not narrowed (every row's tax id is read).
std::string Criterion(const EmployerKey& key) {
    if (key.Pyr_Taxid.empty()) return WithoutDigits();
    std::string letter = key.IdType;
    const bool narrowed = letter.size() == 1 && letter[0] > ' ' && letter[0] < '\x7f';
    if (narrowed && letter[0] >= 'A' && letter[0] <= 'Z') letter[0] = static_cast<char>(letter[0] - 'A' + 'a');
    std::string anyOf;
    auto orWhere = [&](const std::string& condition) { anyOf += (anyOf.empty() ? "(" : " OR (") + condition + ")"; };
    for (const std::string& range : TaxIdRanges(key.Pyr_Taxid))
        orWhere(narrowed ? "IdType = " + SqlText(letter) + " AND " + range : range);
    if (narrowed) {
        orWhere("IdType > " + SqlText(letter) + " AND IdType < " + SqlText(After(letter)));
        orWhere(Between("IdType", " ", "!"));
    }
    // Every row of the key holds its digits in that order, whatever lies between.
    std::string inOrder = "*";
    for (char digit : key.Pyr_Taxid) inOrder += std::string(1, digit) + "*";
    return "(" + anyOf + ") AND Pyr_Taxid LIKE " + SqlText(inOrder);
}

} // namespace

std::vector<data::Value> NumbersOfEmployersWithKey(data::Database& database, const EmployerKey& key,
                                                   BlankParts blankParts) {
    std::vector<data::Value> numbers;
    if (blankParts == BlankParts::NameNoEmployer && key.HasBlankPart()) return numbers;
    auto rows = database.OpenRecordset(
        "SELECT EmployerNo, IdType, Pyr_Taxid, TypePayer FROM Employers WHERE " + Criterion(key), data::dbOpenSnapshot);
    for (; !rows->Eof(); rows->MoveNext()) {
        const EmployerKey stored = KeyOfEmployer(forms::BoundValueText(rows->Fields("IdType").Value()),
                                                 forms::BoundValueText(rows->Fields("Pyr_Taxid").Value()),
                                                 forms::BoundValueText(rows->Fields("TypePayer").Value()));
        if (stored == key) numbers.push_back(rows->Fields("EmployerNo").Value());
    }
    rows->Close();
    return numbers;
}
