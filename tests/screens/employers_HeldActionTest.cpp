// Another copy changes the employer stored under a number at every moment
// from this copy's check of that employer to the action the check guards:
// Edit, a period button, Save's look for the employer's key. The action acts
// on the employer the screen shows, the other copy's change waiting for it,
// or is refused; it never acts on the employer the other copy put there.
#include "employers_ScreenFolder.h"
#include "support/StatementStarts.h"
#include "support/WriteAtOnce.h"

#include <filesystem>
#include <functional>

namespace {

// A restore's employer 3: another employer, under the same number.
constexpr const char* kReplacement = "DELETE FROM Employers WHERE EmployerNo = 3; "
                                     "INSERT INTO Employers (EmployerNo, EmployerName1, IdType, Pyr_Taxid, TypePayer) "
                                     "VALUES (3, 'BETA LLC', '1', '069999999', 'R')";
// The check of the employer under the number the screen shows.
constexpr const char* kNumberCheck = "WHERE (EmployerNo = ";

struct HeldAction {
    const char* name;
    const char* held;   // a text of the check's statement
    const char* change; // the other copy's
    bool addsFirst;     // the action is the Save of an addition of employer 3's key
    std::function<void(frmEmployersDE&)> act;
    // What the screen shows afterwards, or what the file holds (a query).
    std::string (*shown)(frmEmployersDE&);
    const char* stored;
    const char* acted;
    const char* refused;
};
void PrintTo(const HeldAction& action, std::ostream* out) { *out << action.name; }

std::string CommandsAndName(frmEmployersDE& s) {
    return Enabled({&s.cmdAddRecord, &s.cmdEditRecord, &s.cmdDeleteRecord, &s.cmdFind, &s.cmdPrint, &s.cmdClose,
                    &s.cmdSaveRecord, &s.datEmployers}) +
           " " + s.mskEmployerName1.Text();
}

std::string ReturnScreenShown(frmEmployersDE&) {
    return forms::App().LoadedForm("frmDet941Covid0621") ? "opened" : "kept";
}

// clang-format off
const HeldAction kActions[] = {
    {"Edit", kNumberCheck, kReplacement, false,
     [](frmEmployersDE& s) { forms::user::Click(s.cmdEditRecord); },
     CommandsAndName, nullptr, "00000010 ACME TOOLS", "11111101 BETA LLC"},
    {"Qtr1", kNumberCheck, kReplacement, false,
     [](frmEmployersDE& s) { forms::user::Click(s.cmdQtr1); },
     ReturnScreenShown, nullptr, "opened", "kept"},
    // The other copy gives employer 3, stored with its tax id in another
    // shape, the kind of the employer this copy adds.
    {"SaveOfAdd", "Pyr_Taxid < '0'", "UPDATE Employers SET TypePayer = 'R' WHERE EmployerNo = 3", true,
     [](frmEmployersDE& s) { forms::user::Click(s.cmdSaveRecord); },
     nullptr, "SELECT EmployerName1 FROM Employers WHERE TypePayer = 'R'", "NEW ONE", "ACME TOOLS"},
};
// clang-format on

class EmployerActionHeldAfterItsCheck : public EmployerScreenFolder, public ::testing::WithParamInterface<HeldAction> {
protected:
    void SetUp() override {
        EmployerScreenFolder::SetUp();
        AddEmployer(3, "ACME TOOLS", "1", "06-1234567", "H");
        AddReturnRow(3, "122", "L_2 = 100");
        AnswerUnscriptedBoxesWithTheirDefault();
    }
};

} // namespace

TEST_P(EmployerActionHeldAfterItsCheck, ActsOnTheEmployerShownOrIsRefused) {
    const HeldAction& action = GetParam();
    bool changed = false;
    WhenStatementsFollow held(std::filesystem::canonical(MainPath()).string(), action.held,
                              [&] { return changed = WriteAtOnce(MainPath(), action.change); });
    frmEmployersDE& screen = OpenScreen();
    if (action.addsFirst) {
        forms::user::Click(screen.cmdAddRecord);
        TypeSavableEmployer(screen, "NEW ONE", "061234567");
    }
    held.Start();
    action.act(screen);
    ASSERT_TRUE(held.Over()) << Prompts();
    const std::string outcome = action.shown ? action.shown(screen) : Query(MainPath(), action.stored);
    EXPECT_EQ(outcome, changed ? action.refused : action.acted) << Prompts();
}

INSTANTIATE_TEST_SUITE_P(TwoCopies, EmployerActionHeldAfterItsCheck, ::testing::ValuesIn(kActions),
                         [](const auto& info) { return std::string(info.param.name); });
