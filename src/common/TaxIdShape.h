#pragma once
#include <string>

// The employer's tax id as the return screens' header shows it: an employer
// identification number (IDType "1") as NN-NNNNNNN, anything else as a social
// security number NNN-NN-NNNN, whatever the stored id's length.
std::string HeaderTaxId(const std::string& idType, const std::string& taxId);
