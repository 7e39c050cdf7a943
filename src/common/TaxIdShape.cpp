#include "common/TaxIdShape.h"

#include "common/EmployerKey.h"
#include "common/TextShapes.h"
#include "platform/basic/Strings.h"

std::string HeaderTaxId(const std::string& idType, const std::string& taxId) {
    using basic::Left;
    using basic::Mid;
    using basic::Right;
    // A tax id stored with its hyphens (an imported or restored file) is
    // grouped from its digits all the same.
    const std::string digits = DigitsOnly(taxId);
    // The type is read as the employer screen shows it: " 1" and "1.0" are 1.
    if (KeyLetter(idType) == "1") return EinText(digits);
    return Left(digits, 3) + "-" + Mid(digits, 4, 2) + "-" + Right(digits, 4);
}
