#pragma once
#include <string>

// The employer's tax id as the return screens' header shows it: an employer
// identification number (IDType 1, read as the employer screen reads it:
// "1", " 1", "1.0") as NN-NNNNNNN, anything else as a social
// security number NNN-NN-NNNN, from the stored id's digits (its hyphens, if
// it holds any, dropped), whatever their number.
std::string HeaderTaxId(const std::string& idType, const std::string& taxId);
