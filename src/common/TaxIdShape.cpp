#include "common/TaxIdShape.h"

#include "platform/basic/Strings.h"

std::string HeaderTaxId(const std::string& idType, const std::string& taxId) {
    using basic::Left;
    using basic::Mid;
    using basic::Right;
    if (idType == "1") return Left(taxId, 2) + "-" + Right(taxId, 7);
    return Left(taxId, 3) + "-" + Mid(taxId, 4, 2) + "-" + Right(taxId, 4);
}
