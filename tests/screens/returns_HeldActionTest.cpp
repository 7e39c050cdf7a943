// Another copy replaces employer 17 at every moment from this copy's check of
// the employer to the write of its return's Edit, Delete or Save: the action
// acts on employer 17's return, the other copy's change waiting for it, or
// is refused; it never acts on the employer put under the number.
#include "returns_ScreenFolder.h"
#include "support/StatementStarts.h"
#include "support/WriteAtOnce.h"

#include <filesystem>

namespace {

// A restore's employer 17: another employer, under the same number.
constexpr const char* kReplacement = "DELETE FROM Employers WHERE EmployerNo = 17; "
                                     "INSERT INTO Employers (EmployerNo, EmployerName1, IdType, Pyr_Taxid, TypePayer) "
                                     "VALUES (17, 'BETA LLC', '1', '069999999', 'R')";

struct HeldAction {
    const char* name;
    forms::CommandButton frmDet941Covid0621::*button;
    bool editFirst; // the action is the Save of an Edit
    // The row's line 2 as the file holds it afterwards, after the buttons
    // the user sees where the action writes nothing.
    const char* acted;
    const char* refused; // the same when refused
};
void PrintTo(const HeldAction& action, std::ostream* out) { *out << action.name; }

// clang-format off
const HeldAction kActions[] = {
    // Add Edit Save Delete Close datDollars, the row's line 2
    {"Edit",       &frmDet941Covid0621::cmdEditRecord,   false, "001000 100.0",  "110111 100.0"},
    {"Delete",     &frmDet941Covid0621::cmdDeleteRecord, false, "",              "100.0"},
    {"SaveOfEdit", &frmDet941Covid0621::cmdSaveRecord,   true,  "7777.0",        "100.0"},
};
// clang-format on

class ReturnActionHeldAfterItsCheck : public Form941Folder, public ::testing::WithParamInterface<HeldAction> {};

} // namespace

TEST_P(ReturnActionHeldAfterItsCheck, ActsOnItsOwnEmployerOrIsRefused) {
    const HeldAction& action = GetParam();
    AddReturnRow("122", "L_2 = 100");
    bool replaced = false;
    // Held after the check of the employer under the return's number.
    WhenStatementsFollow held(std::filesystem::canonical(MainPath()).string(),
                              "WHERE (EmployerNo = ", [&] { return replaced = WriteAtOnce(MainPath(), kReplacement); });
    frmDet941Covid0621& form = OpenPeriod(&frmEmployersDE::cmdQtr1);
    if (action.editFirst) {
        forms::user::Click(form.cmdEditRecord);
        forms::user::TypeText(form.fpLine2, "7777");
    }
    AnswerUnscriptedBoxesWithTheirDefault();
    held.Start();
    forms::user::Click(form.*action.button);
    ASSERT_TRUE(held.Over()) << Prompts();
    const std::string row = StoredRows("L_2");
    const std::string outcome =
        action.button == &frmDet941Covid0621::cmdEditRecord ? RecordButtons(form) + " " + row : row;
    EXPECT_EQ(outcome, replaced ? action.refused : action.acted) << Prompts();
}

INSTANTIATE_TEST_SUITE_P(TwoCopies, ReturnActionHeldAfterItsCheck, ::testing::ValuesIn(kActions),
                         [](const auto& info) { return std::string(info.param.name); });
