// The columns of the system's tables: every column that a screen binds, a
// statement names or a printout reads. Amounts are floating-point numbers,
// check boxes whole numbers (0, 1 or 2), codes and names text.

#include "platform/data/Schema.h"

namespace data {

namespace {

constexpr ColumnKind I = ColumnKind::Integer;
constexpr ColumnKind R = ColumnKind::Real;
constexpr ColumnKind T = ColumnKind::Text;

TableDef EmployersTable() {
    // clang-format off
    return {"Employers",
            {
                {"EmployerNo",         I,  0},
                {"EmployerName1",      T, 30},
                {"EmployerName2",      T, 30},
                {"IdType",             T,  1},
                {"Pyr_Taxid",          T, 10},
                {"TypePayer",          T,  1},
                {"Country",            T,  1},
                {"AddressLine1",       T, 22},
                {"AddressLine2",       T, 22},
                {"City",               T, 22},
                {"State",              T,  2},
                {"EmployerZipCode",    T,  5},
                {"EmployerZipCodeExt", T,  4},
                {"StateId",            T, 12},
                {"EstabNo",            T,  4},
                {"ContactName",        T, 14},
                {"ContactPhone",       T, 14},
                {"ContactFax",         T, 14},
                {"DesigneePIN",        T,  5},
                {"EMailAddress",       T, 30},
                {"NameOfSigner",       T, 20},
                {"TitleofSigner",      T, 15},
                {"SignersPhone",       T, 14},
            },
            {{"EmployerNo"}, {"IdType", "Pyr_Taxid", "TypePayer"}},
            {"EmployerNo"},
            {"EmployerName1"}};
    // clang-format on
}

// One row per employer and period. A column holds different lines on
// different screens; the names are those of the oldest layout that used them.
TableDef Det941Table() {
    // clang-format off
    return {"DET941",
            {
                {"EmployerNo",             I,  0},
                {"Qtr_Yr",                 T,  3},
                {"No_Employee",            I,  0},
                {"Not_Subj",               I,  0},
                {"Seasonal",               I,  0},
                {"RecovStartup",           I,  0},
                {"L_2",                    R,  0},
                {"L_3",                    R,  0},
                {"L_5",                    R,  0},
                {"L_6A",                   R,  0},
                {"L_6B",                   R,  0},
                {"L_6C",                   R,  0},
                {"L_6D",                   R,  0},
                {"L6a_NoEmployees",        I,  0},
                {"L6b_NoEmployees",        I,  0},
                {"L6c_ExemptWages",        R,  0},
                {"L6d_ExemptTaxes",        R,  0},
                {"L_7A",                   R,  0},
                {"L_7B",                   R,  0},
                {"L5a1c1",                 R,  0},
                {"L5a1c2",                 R,  0},
                {"L5a2c1",                 R,  0},
                {"L5a2c2",                 R,  0},
                {"L_8",                    R,  0},
                {"L_9A",                   R,  0},
                {"L_9B",                   R,  0},
                {"L_9C",                   R,  0},
                {"L_10",                   R,  0},
                {"L_11",                   R,  0},
                {"L11a",                   R,  0},
                {"L11b",                   R,  0},
                {"L11c",                   R,  0},
                {"L11d",                   R,  0},
                {"L11g",                   R,  0},
                {"L_12",                   R,  0},
                {"L12aCobra",              R,  0},
                {"L12bCobraIndividuals",   I,  0},
                {"L12c_ExemptIndividuals", I,  0},
                {"L12d_ExemptWages",       R,  0},
                {"L12e",                   R,  0},
                {"Line12",                 R,  0},
                {"L_13",                   R,  0},
                {"L13TotalPayments",       R,  0},
                {"L13a",                   R,  0},
                {"L13b",                   R,  0},
                {"L13c",                   R,  0},
                {"L13d",                   R,  0},
                {"L13e",                   R,  0},
                {"L13f",                   R,  0},
                {"L13g",                   R,  0},
                {"L13h",                   R,  0},
                {"L13I",                   R,  0},
                {"L_14",                   R,  0},
                {"L_15",                   R,  0},
                {"L_16",                   R,  0},
                {"Apply_Nxt",              I,  0},
                {"Refunded",               I,  0},
                {"Monthly",                I,  0},
                {"SemiWkly",               I,  0},
                {"L_17",                   R,  0},
                {"L_18",                   R,  0},
                {"L_20_A",                 R,  0},
                {"L_20_B",                 R,  0},
                {"L_20_C",                 R,  0},
                {"L_20_D",                 R,  0},
                {"OutOfBusiness",          I,  0},
                {"L_19",                   R,  0},
                {"L20",                    R,  0},
                {"L21",                    R,  0},
                {"L22",                    R,  0},
                {"L23",                    R,  0},
                {"L24",                    R,  0},
                {"L25",                    R,  0},
                {"L26",                    R,  0},
                {"L27",                    R,  0},
                {"L28",                    R,  0},
                {"L29",                    R,  0},
                {"L30",                    R,  0},
            },
            {{"EmployerNo", "Qtr_Yr"}},
            {},
            {}};
    // clang-format on
}

// The earlier Form 944's own table: one row per employer, 38 columns in
// this fixed order.
TableDef Det944Table() {
    // clang-format off
    return {"Det944",
            {
                {"EmployerNo", I, 0},
                {"L_1",        R, 0},
                {"L_2",        R, 0},
                {"Not_Subj",   I, 0},
                {"L_4A",       R, 0},
                {"L_4A_2",     R, 0},
                {"L_4B",       R, 0},
                {"L_4B_2",     R, 0},
                {"L_4C",       R, 0},
                {"L_4C_2",     R, 0},
                {"L_4D",       R, 0},
                {"L_6B",       R, 0},
                {"L_8",        R, 0},
                {"L_5",        R, 0},
                {"L_6A",       R, 0},
                {"L_7",        R, 0},
                {"L_6D",       R, 0},
                {"L_9",        R, 0},
                {"L_10",       R, 0},
                {"L_11",       R, 0},
                {"L_12",       R, 0},
                {"Apply_Nxt",  I, 0},
                {"Refunded",   I, 0},
                {"L_13A",      R, 0},
                {"L_13B",      R, 0},
                {"L_13C",      R, 0},
                {"L_13D",      R, 0},
                {"L_13E",      R, 0},
                {"L_13F",      R, 0},
                {"L_13G",      R, 0},
                {"L_13H",      R, 0},
                {"L_13I",      R, 0},
                {"L_13J",      R, 0},
                {"L_13K",      R, 0},
                {"L_13L",      R, 0},
                {"L_13M",      R, 0},
                {"L_6E",       R, 0},
                {"L_6F",       R, 0},
            },
            {{"EmployerNo"}},
            {},
            {}};
    // clang-format on
}

// Left over from an employee (W-2) design: kept, opened, never filled.
TableDef EmployeesTable() {
    // clang-format off
    return {"Employees",
            {
                {"FirstName",          T, 20},
                {"LastName",           T, 30},
                {"MiddleName",         T, 20},
                {"Suffix",             T,  4},
                {"SSN",                T,  9},
                {"EmployeeNo",         I,  0},
                {"EmployerNo",         I,  0},
                {"DepartmentNo",       T, 10},
                {"AddressLine1",       T, 22},
                {"AddressLine2",       T, 22},
                {"City",               T, 22},
                {"State",              T,  2},
                {"ZipCode",            T,  5},
                {"ZipCodeExtension",   T,  4},
                {"USAddress",          I,  0},
                {"ForeignState",       T, 22},
                {"ForeignPostalCode",  T, 15},
                {"ForeignCountryCode", T,  2},
                {"Box16AState",        T,  2},
                {"Box16A_StID",        T, 20},
                {"Box16BState",        T,  2},
                {"Box16B_StID",        T, 20},
                {"StatEmp",            I,  0},
                {"Deceased",           I,  0},
                {"PenPlan",            I,  0},
                {"LegalRep",           I,  0},
                {"DefComp",            I,  0},
            },
            {},
            {},
            {}};
    // clang-format on
}

TableDef W2DollarsTable() {
    return {"W2Dollars",
            {
                {"EmployerNo", I, 0},
                {"EmployeeNo", I, 0},
            },
            {},
            {},
            {}};
}

TableDef CounterTable(const char* name) { return {name, {{"NextCounter", I, 0}}, {}, {}, {}}; }

} // namespace

const std::vector<TableDef>& MainDatabaseTables() {
    static const std::vector<TableDef> tables = {EmployersTable(), Det941Table(), Det944Table(), EmployeesTable(),
                                                 W2DollarsTable()};
    return tables;
}

const std::vector<TableDef>& IdDatabaseTables() {
    static const std::vector<TableDef> tables = {CounterTable("Employers_ID"), CounterTable("Employees_ID")};
    return tables;
}

} // namespace data
