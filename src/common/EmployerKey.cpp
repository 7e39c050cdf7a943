#include "common/EmployerKey.h"

#include "common/TextShapes.h"

std::string KeyTaxId(const std::string& stored) { return DigitsOnly(stored).substr(0, 9); }

std::string KeyLetter(const std::string& stored) {
    const std::size_t first = stored.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    const unsigned char lead = static_cast<unsigned char>(stored[first]);
    if (lead < 0x80) return std::string(1, static_cast<char>(lead >= 'a' && lead <= 'z' ? lead - 'a' + 'A' : lead));
    // A letter beyond ASCII is taken whole and as it stands.
    std::size_t length = 1;
    while (first + length < stored.size() && (static_cast<unsigned char>(stored[first + length]) & 0xC0) == 0x80)
        ++length;
    return stored.substr(first, length);
}

EmployerKey KeyOfEmployer(const std::string& idType, const std::string& taxId, const std::string& typePayer) {
    return {KeyLetter(idType), KeyTaxId(taxId), KeyLetter(typePayer)};
}
