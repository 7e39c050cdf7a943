#include "employers/EmployerFieldTable.h"

std::string UpperTextMask(int places) { return ">" + std::string(static_cast<std::size_t>(places), 'C'); }

const std::vector<EmployerFieldRow>& EmployerFieldTable() {
    static const std::string phone = "(###) ###-####";
    // clang-format off
    static const std::vector<EmployerFieldRow> table{
        // control                  column                label                           width mask               next on Enter            row labelLeft  left  width
        {"mskEmployerName1",      "EmployerName1",      "Name:",                          30, UpperTextMask(30), "mskEmployerName2",      2,   240,  1800, 3900},
        {"mskEmployerName2",      "EmployerName2",      "",                               30, UpperTextMask(30), "mskIdType",             3,     0,  1800, 3900},
        {"mskIdType",             "IdType",             "Tax Id Type:",                    1, "#",               "mskPyr_Taxid",          2,  5900,  7200,  375},
        {"mskPyr_Taxid",          "Pyr_Taxid",          "ID #:",                          10, "##-#######",      "mskTypePayer",          2,  7800,  8400, 1500},
        {"mskTypePayer",          "TypePayer",          "Kind of Employer:",               1, ">C",              "mskCountry",            2, 10100, 11900,  375},
        {"mskCountry",            "Country",            "US Address Y/N:",                 1, ">C",              "mskAddressLine",        4,   240,  1800,  375},
        {"mskAddressLine",        "AddressLine1",       "Suite # or Attn:",               22, UpperTextMask(22), "mskAddress",            5,   240,  1800, 3000},
        {"mskAddress",            "AddressLine2",       "Street:",                        22, UpperTextMask(22), "mskCity",               6,   240,  1800, 3000},
        {"mskCity",               "City",               "City:",                          22, UpperTextMask(22), "mskState",              7,   240,  1800, 3000},
        {"mskState",              "State",              "State:",                          2, ">CC",             "mskEmployerZip",        7,  5000,  5800,  450},
        {"mskEmployerZip",        "EmployerZipCode",    "Zip Code:",                       5, ">CCCCC",          "mskEmployerZipCodeExt", 7,  6500,  7600,  800},
        {"mskEmployerZipCodeExt", "EmployerZipCodeExt", "",                                4, ">CCCC",           "mskStateId",            7,     0,  8500,  650},
        {"mskStateId",            "StateId",            "Employer's State Id #:",         12, UpperTextMask(12), "mskEstabNo",            8,   240,  2700, 1800},
        {"mskEstabNo",            "EstabNo",            "Establishment No:",               4, ">CCCC",           "mskContactName",        8,  4800,  6600,  650},
        {"mskContactName",        "ContactName",        "Name of 3rd party Designee:",    14, UpperTextMask(14), "mskContactPhone",       9,   240,  3000, 2000},
        {"mskContactPhone",       "ContactPhone",       "Designee's Phone no:",           14, phone,             "mskContactFax",        10,   240,  3000, 1800},
        {"mskContactFax",         "ContactFax",         "Designee's Fax no:",             14, phone,             "mskDesigneePIN",       10,  5100,  6900, 1800},
        {"mskDesigneePIN",        "DesigneePIN",        "Designee's PIN:",                 5, "99999",           "mskEMailAddress",      11,   240,  3000,  800},
        {"mskEMailAddress",       "EMailAddress",       "Designee's Email Address:",      30, UpperTextMask(30), "mskNameOfSigner",      11,  4100,  6600, 3900},
        {"mskNameOfSigner",       "NameOfSigner",       "Name of Signer:",                20, UpperTextMask(20), "mskTitleOfSigner",     12,   240,  1800, 2700},
        {"mskTitleOfSigner",      "TitleofSigner",      "Signer's Title:",                15, UpperTextMask(15), "mskSignersPhone",      12,  4700,  6200, 2100},
        {"mskSignersPhone",       "SignersPhone",       "Phone:",                         14, phone,             "cmdSaveRecord",        12,  8500,  9300, 1800},
    };
    // clang-format on
    return table;
}
