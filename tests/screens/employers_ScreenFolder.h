#pragma once
// A fresh program folder with the installation's empty databases, for one
// test of the employer screen and the screens it opens.
#include "ScreenTestSupport.h"

#include "employers/frmEmployersDE.h"
#include "shell/RegisterScreens.h"

class EmployerScreenFolder : public ScreenFolderTest {
protected:
    void SetUp() override {
        ScreenFolderTest::SetUp();
        MakeDatabases();
        RegisterScreens();
    }

    // An employer as the installation would hold it.
    void AddEmployer(int number, const std::string& name, const std::string& idType = "1",
                     const std::string& taxId = "", const std::string& kind = "R") {
        const std::string id = taxId.empty() ? std::to_string(100000000 + number) : taxId;
        Sql(MainPath(), "INSERT INTO Employers (EmployerNo, EmployerName1, IdType, Pyr_Taxid, TypePayer, "
                        "Country, AddressLine2, City, State, EmployerZipCode) VALUES (" +
                            std::to_string(number) + ", '" + name + "', '" + idType + "', '" + id + "', '" + kind +
                            "', 'Y', '1 MAIN ST', 'HARTFORD', 'CT', '06101')");
    }

    // A return row of the employer for a period, with some columns set
    // ("L_2 = 1000, L_3 = 150").
    void AddReturnRow(int employer, const std::string& code, const std::string& assignments = "") {
        Sql(MainPath(),
            "INSERT INTO DET941 (EmployerNo, Qtr_Yr) VALUES (" + std::to_string(employer) + ", '" + code + "')");
        if (!assignments.empty())
            Sql(MainPath(), "UPDATE DET941 SET " + assignments + " WHERE Qtr_Yr = '" + code + "'");
    }

    void SetCounter(long next) { Sql(IdPath(), "UPDATE Employers_ID SET NextCounter = " + std::to_string(next)); }
    std::string Counter() const { return Query(IdPath(), "SELECT NextCounter FROM Employers_ID"); }

    // Loads and shows the employer screen as the main menu does.
    frmEmployersDE& OpenScreen() {
        auto& screen = forms::Screen<frmEmployersDE>();
        screen.Show();
        return screen;
    }

    // Add, Edit, Delete, Find, Print List, Close, Save, data control.
    static std::string CommandStates(frmEmployersDE& s) {
        return Enabled({&s.cmdAddRecord, &s.cmdEditRecord, &s.cmdDeleteRecord, &s.cmdFind, &s.cmdPrint, &s.cmdClose,
                        &s.cmdSaveRecord, &s.datEmployers});
    }
    static constexpr const char* kBrowsing = "11111101";
    static constexpr const char* kEntering = "00000010";

    // Types the fields Save checks, a US address with a state and zip code.
    static void TypeSavableEmployer(frmEmployersDE& screen, const std::string& name, const std::string& taxId,
                                    const std::string& kind = "R") {
        forms::user::TypeText(screen.mskEmployerName1, name);
        forms::user::TypeText(screen.mskIdType, "1");
        forms::user::TypeText(screen.mskPyr_Taxid, taxId);
        forms::user::TypeText(screen.mskTypePayer, kind);
        forms::user::TypeText(screen.mskCountry, "Y");
        forms::user::TypeText(screen.mskAddress, "12 ELM ST");
        forms::user::TypeText(screen.mskCity, "NEW HAVEN");
        forms::user::TypeText(screen.mskState, "CT");
        forms::user::TypeText(screen.mskEmployerZip, "06510");
    }
};
