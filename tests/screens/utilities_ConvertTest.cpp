// The DOS conversion from tables written by python3-dbf on drive A:, started
// from the utility menu as a user starts it.
#include "KilledCopy.h"
#include "ScreenTestSupport.h"
#include "support/DosTables.h"
#include "support/FileSizeLimit.h"

#include "utilities/convertw2.h"
#include "utilities/frm941UtilityMenu.h"

#include <fstream>
#include <functional>
#include <optional>

namespace {

using Row = std::vector<std::string>;

const char* const kPayerFields =
    "PYR_IDTYPE C(1); PYR_TAXID C(9); TYPE_PAYER C(1); US_ADDRESS C(1); PAYERNAME1 C(30); PAYERNAME2 C(30); "
    "PAYER_STR C(30); PAYER_CITY C(25); PAYER_ST C(2); PAYER_ZIP C(10); STATE_ID C(12); ESTAB_NO C(4)";
const char* const kPayeeFields =
    "FIRST_NAME C(15); LAST_NAME C(20); SUFFIX C(4); PYE_TAXID C(9); DEPT_NO C(4); CTRY_CODE C(2); "
    "PAYEE_STR C(30); PAYEE_CITY C(22); ST_STATE C(2); PAYEE_ZIP C(10); STFILE_1 C(2); STIDNO1 C(12); "
    "STFILE_2 C(2); STIDNO2 C(12); STAT_EMP C(1); DECEASED C(1); PEN_PLAN C(1); LEG_REP C(1); DEF_COMP C(1); "
    "PYR_IDTYPE C(1); PYR_TAXID C(9); TYPE_PAYER C(1)";

Row Payer(const std::string& name, const std::string& taxId, const std::string& street, const std::string& zip) {
    return {"1", taxId, "R", "Y", name, "DBA " + name, street, "SPRINGFIELD", "IL", zip, "ST-1", "0007"};
}

// An employer of the DOS table under the key given.
Row Keyed(const std::string& name, const std::string& idType, const std::string& taxId, const std::string& kind) {
    Row payer = Payer(name, taxId, "1 A ST", "11111");
    payer[0] = idType;
    payer[2] = kind;
    return payer;
}

// FIRM 1 to FIRM `count`, tax ids 100000001 on.
std::vector<Row> Firms(int count) {
    std::vector<Row> payers;
    for (int i = 1; i <= count; ++i)
        payers.push_back(Payer("FIRM " + std::to_string(i), std::to_string(100000000 + i), "1 A ST", "11111"));
    return payers;
}

class DosConversion : public ScreenFolderTest {
protected:
    void SetUp() override {
        ScreenFolderTest::SetUp();
        MakeDatabases();
        std::filesystem::create_directories(DriveA());
        Sql(IdPath(), "UPDATE Employers_ID SET NextCounter = 100");
        dostables::WriteDosTable((DriveA() / "MMRPAYEE.DBF").string(), {kPayeeFields, {}});
    }

    std::filesystem::path DriveA() const { return Folder() / "drives" / "a"; }
    std::string PayerFile() const { return (DriveA() / "MMRPAYER.DBF").string(); }
    void WritePayers(const std::vector<Row>& rows) { dostables::WriteDosTable(PayerFile(), {kPayerFields, rows}); }

    // The menu's conversion start, answered OK twice.
    void StartConversion() {
        auto& menu = forms::Screen<frm941UtilityMenu>();
        menu.Show();
        AnswerUnscriptedBoxesWithTheirDefault();
        forms::user::Click(menu.Command2);
    }

    void Convert() {
        Dialogs().AnswerMsgBox(forms::vbYes);
        forms::user::Click(forms::Screen<convertw2>().cmdConvert);
    }

    std::string Employers() const {
        return Query(MainPath(), "SELECT EmployerNo, EmployerName1, AddressLine1, AddressLine2, EmployerZipCode, "
                                 "EmployerZipCodeExt FROM Employers ORDER BY rowid");
    }
};

TEST_F(DosConversion, EveryEmployerButTheSampleBecomesANewNumberedRowInAnEmptyTable) {
    WritePayers({Payer("UNIVERSAL WIDGETS INC", "111111111", "1 SAMPLE RD", "12345"),
                 Payer("ACME TOOLS", "222222222", "123456789012345678901234567890", "12345-6789"),
                 Payer("universal widgets inc", "333333333", "2 LOW ST", "54321"),
                 Payer("SIX CO", "444444444", "3 ODD ST", "123456")});
    StartConversion();
    ASSERT_TRUE(FormLoaded("convertw2"));
    Convert();

    EXPECT_EQ(Dialogs().Boxes().at(2).prompt, "There are 4 Employers. Convert them now?");
    EXPECT_EQ(Dialogs().LastBox().prompt, "3 employers were converted from the DOS version of Tavrilo W-2");
    const std::string blanks(22, ' ');
    // clang-format off
    EXPECT_EQ(Employers(), "100|ACME TOOLS|" + blanks + "|1234567890123456789012|12345|6789;" +
                               "101|universal widgets inc|" + blanks + "|2 LOW ST|54321|    ;" +
                               "102|SIX CO|" + blanks + "|3 ODD ST|12345|6");
    // clang-format on
    EXPECT_EQ(Query(MainPath(), "SELECT IdType, Pyr_Taxid, TypePayer, Country, EmployerName2, City, State, StateId, "
                                "EstabNo FROM Employers WHERE EmployerNo = 100"),
              "1|222222222|R|Y|DBA ACME TOOLS|SPRINGFIELD|IL|ST-1|0007");
    EXPECT_EQ(Query(IdPath(), "SELECT NextCounter FROM Employers_ID"), "103");
}

TEST_F(DosConversion, ANineDigitZipWithoutItsDashKeepsTheWholeExtension) {
    WritePayers({Payer("DASHED CO", "111111111", "1 A ST", "62701-1234"),
                 Payer("UNDASHED CO", "222222222", "2 B ST", "627011234")});
    StartConversion();
    Convert();

    EXPECT_EQ(Query(MainPath(), "SELECT EmployerZipCode, EmployerZipCodeExt FROM Employers ORDER BY rowid"),
              "62701|1234;62701|1234");
}

// An employer stored already (by an earlier run: a blank kind as Null), in
// the DOS table's shape or another (a tax id with its dash, a kind in lower
// case), is named and skipped.
TEST_F(DosConversion, ADuplicateEmployerIsNamedAndTheOthersAreConverted) {
    Sql(MainPath(), "INSERT INTO Employers (EmployerNo, IdType, Pyr_Taxid, TypePayer, EmployerName1) "
                    "VALUES (5, '1', '222222222', 'R', 'ACME ALREADY'), (6, '1', '44-4444444', 'r', 'FOURTH ALREADY'), "
                    "(7, '1', '555555555', NULL, 'BLANK TYPE INDUSTRIES')");
    WritePayers({Payer("FIRST CO", "111111111", "1 A ST", "11111"), Payer("ACME TOOLS", "222222222", "2 B ST", "22222"),
                 Payer("THIRD CO", "333333333", "3 C ST", "33333"), Payer("FOURTH CO", "444444444", "4 D ST", "44444"),
                 Keyed("BLANK TYPE INDUSTRIES", "1", "555555555", "")});
    StartConversion();
    Convert();

    EXPECT_TRUE(BoxShownTitled("Tavrilo W-2 Employers - DOS to Win95/98 Coversion"));
    EXPECT_NE(Prompts().find("A record already exists for ACME TOOLS 1 222222222 R"), std::string::npos);
    EXPECT_NE(Prompts().find("A record already exists for FOURTH CO 1 444444444 R"), std::string::npos);
    EXPECT_NE(Prompts().find("A record already exists for BLANK TYPE INDUSTRIES 1 555555555 "), std::string::npos);
    EXPECT_EQ(Dialogs().LastBox().prompt, "2 employers were converted from the DOS version of Tavrilo W-2");
    EXPECT_EQ(Query(MainPath(), "SELECT EmployerName1 FROM Employers ORDER BY rowid"),
              "ACME ALREADY;FOURTH ALREADY;BLANK TYPE INDUSTRIES;FIRST CO;THIRD CO");
}

// Of the rows of one employer in one DOS table the first is converted and the
// others skipped, a blank part of the key read as blank; a blank part is no
// other employer's type, tax id or kind.
TEST_F(DosConversion, OfTheRowsOfOneEmployerInOneTableOnlyTheFirstIsConverted) {
    WritePayers({Keyed("BLANK KIND", "1", "222222222", ""), Keyed("KIND R", "1", "222222222", "R"),
                 Keyed("BLANK KIND AGAIN", "1", "222222222", ""), Keyed("BLANK TYPE", "", "333333333", "R"),
                 Keyed("TYPE 1", "1", "333333333", "R"), Keyed("BLANK TYPE AGAIN", "", "333333333", "R"),
                 Keyed("NO TAX ID", "1", "", "R"), Keyed("TAX ID", "1", "444444444", "R"),
                 Keyed("NO TAX ID AGAIN", "1", "", "R")});
    StartConversion();
    Convert();

    EXPECT_EQ(Dialogs().LastBox().prompt, "6 employers were converted from the DOS version of Tavrilo W-2");
    EXPECT_EQ(Query(MainPath(), "SELECT EmployerNo, EmployerName1 FROM Employers ORDER BY rowid"),
              "100|BLANK KIND;101|KIND R;103|BLANK TYPE;104|TYPE 1;106|NO TAX ID;107|TAX ID");
}

// Boxes answered by their default button, but the process dies (kill -9)
// the moment a box beginning with `killAt` shows.
class DyingDialogs : public forms::ScriptedDialogs {
public:
    explicit DyingDialogs(std::string killAt)
        : ScriptedDialogs(WhenUnscripted::DefaultButton), killAt_(std::move(killAt)) {}
    int MsgBox(const std::string& prompt, int style, const std::string& title) override {
        if (prompt.rfind(killAt_, 0) == 0) killedcopy::Die();
        return ScriptedDialogs::MsgBox(prompt, style, title);
    }

private:
    std::string killAt_;
};

TEST_F(DosConversion, ARunKilledHalfWayLeavesTheEmployersAndTheCounterAsTheyWere) {
    Sql(MainPath(), "INSERT INTO Employers (EmployerNo, IdType, Pyr_Taxid, TypePayer, EmployerName1) "
                    "VALUES (5, '1', '100000030', 'R', 'THIRTY ALREADY')");
    WritePayers(Firms(60));

    const bool killed = killedcopy::RunKilled([&] {
        StartConversion();
        auto dying = std::make_shared<DyingDialogs>("A record already exists for FIRM 30");
        dying->AnswerMsgBox(forms::vbYes);
        forms::App().SetDialogs(dying);
        forms::user::Click(forms::Screen<convertw2>().cmdConvert);
    });
    ASSERT_TRUE(killed);
    EXPECT_EQ(Query(MainPath(), "SELECT EmployerName1 FROM Employers"), "THIRTY ALREADY");
    EXPECT_EQ(Query(IdPath(), "SELECT NextCounter FROM Employers_ID"), "100");

    StartConversion();
    Convert();

    EXPECT_EQ(Dialogs().LastBox().prompt, "59 employers were converted from the DOS version of Tavrilo W-2");
    int duplicates = 0;
    for (const auto& box : Dialogs().Boxes()) duplicates += box.prompt.rfind("A record already exists for", 0) == 0;
    EXPECT_EQ(duplicates, 1);
    EXPECT_EQ(Query(MainPath(), "SELECT count(*), min(EmployerNo), max(EmployerNo) FROM Employers WHERE EmployerNo <> 5"),
              "59|100|159");
}

TEST_F(DosConversion, WithoutACounterRowItStopsAtTheFirstEmployerWithOneMessage) {
    Sql(IdPath(), "DELETE FROM Employers_ID");
    WritePayers(
        {Payer("FIRST CO", "111111111", "1 A ST", "11111"), Payer("SECOND CO", "222222222", "2 B ST", "22222")});
    StartConversion();
    Convert();

    int counterMessages = 0;
    for (const auto& box : Dialogs().Boxes())
        counterMessages += box.prompt == "Can't Add Record; Counter Not Available";
    EXPECT_EQ(counterMessages, 1);
    EXPECT_EQ(Dialogs().LastBox().prompt, "0 employers were converted from the DOS version of Tavrilo W-2");
    EXPECT_EQ(Query(MainPath(), "SELECT count(*) FROM Employers"), "0");
}

TEST_F(DosConversion, AFullDiskStopsItAtOnceWithOneMessageAndNothingConverted) {
    WritePayers(Firms(300));
    StartConversion();
    // The disk fills as the counter's number is drawn, as an employer is
    // stored, and as the whole is committed.
    for (const rlim_t room : {4 * 1024, 16 * 1024, 48 * 1024}) {
        Dialogs().Clear();
        {
            FileSizeLimit nearlyFull(room);
            Convert();
        }

        EXPECT_EQ(Prompts(), "There are 300 Employers. Convert them now? | Error no. 3026 Not enough space on disk.")
            << room;
        EXPECT_EQ(Query(MainPath(), "SELECT count(*) FROM Employers"), "0") << room;
        EXPECT_EQ(Query(IdPath(), "SELECT NextCounter FROM Employers_ID"), "100") << room;
        // Nor does the screen show an employer the run was adding or had added.
        EXPECT_EQ(forms::Screen<convertw2>().Text105.Text(), "") << room;
    }
}

// Another copy holding the whole file, as a restore holds it while it commits.
class HeldFile {
public:
    explicit HeldFile(const std::string& path) {
        sqlite3_open(path.c_str(), &db_);
        sqlite3_exec(db_, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
    }
    ~HeldFile() {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db_);
    }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

private:
    sqlite3* db_ = nullptr;
};

// A conversion screen whose rows cannot be read is taken away, its cause said
// once in the engine's words, over the menu, which works as before: the next
// start, the cause gone, opens the screen. Nothing is converted.
TEST_F(DosConversion, AScreenThatCannotReadItsRowsIsClosedWithItsCauseOverTheMenu) {
    const std::vector<Row> payers = {Payer("FIRST CO", "111111111", "1 A ST", "11111")};
    WritePayers(payers);
    std::optional<HeldFile> held;
    const struct Cause {
        std::function<void()> make, mend;
        std::string error;
    } causes[] = {
        {[&] { held.emplace(MainPath()); }, [&] { held.reset(); },
         "Error = 3262 Couldn't lock table; currently in use by another user."},
        {[&] { std::filesystem::resize_file(PayerFile(), std::filesystem::file_size(PayerFile()) - 30); },
         [&] { WritePayers(payers); }, "Error = 3343 Unrecognized database format."},
    };
    for (const Cause& cause : causes) {
        cause.make();
        Dialogs().Clear();
        StartConversion();
        cause.mend();

        EXPECT_FALSE(FormLoaded("convertw2")) << cause.error;
        EXPECT_TRUE(forms::Screen<frm941UtilityMenu>().Visible()) << cause.error;
        ASSERT_EQ(Dialogs().Boxes().size(), 3u) << Prompts();
        EXPECT_EQ(Dialogs().LastBox().prompt.rfind(cause.error, 0), 0u) << Dialogs().LastBox().prompt;
        EXPECT_EQ(Dialogs().LastBox().title, " ");

        StartConversion();
        ASSERT_TRUE(FormLoaded("convertw2")) << cause.error;
        forms::user::Click(forms::Screen<convertw2>().cmdClose);
    }
    EXPECT_EQ(Query(MainPath(), "SELECT count(*) FROM Employers"), "0");
}

TEST_F(DosConversion, NoDriveAIsTheInvalidPathMessageOverTheMenu) {
    std::filesystem::remove_all(DriveA());
    StartConversion();

    EXPECT_FALSE(FormLoaded("convertw2"));
    EXPECT_EQ(Dialogs().LastBox().prompt,
              "Error no. 3044 Error accessing Tavrilo W-2 for DOS information. Please place diskette containing "
              "Tavrilo W-2 for DOS information in Drive A: and try conversion again.");
}

TEST_F(DosConversion, TheCloseBoxLeavesAsCloseDoesBackToTheUtilityMenu) {
    WritePayers({Payer("FIRST CO", "111111111", "1 A ST", "11111")});
    StartConversion();
    ASSERT_TRUE(FormLoaded("convertw2"));

    forms::user::CloseWindow(forms::Screen<convertw2>());

    EXPECT_FALSE(FormLoaded("convertw2"));
    EXPECT_TRUE(forms::Screen<frm941UtilityMenu>().Visible());
}

} // namespace
