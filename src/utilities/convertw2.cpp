#include "utilities/convertw2.h"

#include "common/CloseBox.h"
#include "common/EmployerKey.h"
#include "common/EmployersWithKey.h"
#include "common/basCounter.h"
#include "platform/basic/RuntimeError.h"
#include "platform/data/Errors.h"
#include "platform/data/Transaction.h"
#include "platform/files/ProgramFolder.h"
#include "utilities/UtilityData.h"
#include "utilities/frm941UtilityMenu.h"

#include <array>
#include <cctype>

namespace {

const std::string kQuestionTitle = "Tavrilo W-2 Employer Data - DOS to Win95/98 Conversion";
const std::string kEmployersTitle = "Tavrilo W-2 Employers - DOS to Win95/98 Coversion";
const std::string kErrorTitle = "Tavrilo W-2 DOS to Win95/98 Coversion";
const std::string kSampleEmployer = "UNIVERSAL WIDGETS INC";

// The number the engine gives a row that already exists, and the one the
// DOS driver gave it: either means a duplicate employer.
constexpr int kDosDuplicate = 524;
constexpr int kUnreadableRow = 3019;

struct BoundColumn {
    forms::TextBox convertw2::*box;
    const char* column;
};

// clang-format off
constexpr std::array<BoundColumn, 12> kDosEmployerColumns = {{
    {&convertw2::Text1, "PYR_IDTYPE"}, {&convertw2::Text2, "PYR_TAXID"},  {&convertw2::Text3, "TYPE_PAYER"},
    {&convertw2::Text4, "US_ADDRESS"}, {&convertw2::Text5, "PAYERNAME1"}, {&convertw2::Text6, "PAYERNAME2"},
    {&convertw2::Text7, "PAYER_STR"},  {&convertw2::Text8, "PAYER_CITY"}, {&convertw2::Text9, "PAYER_ST"},
    {&convertw2::Text10, "PAYER_ZIP"}, {&convertw2::Text11, "STATE_ID"},  {&convertw2::Text12, "ESTAB_NO"},
}};

constexpr std::array<BoundColumn, 15> kEmployerColumns = {{
    {&convertw2::txtEmployerNo, "EmployerNo"}, {&convertw2::Text101, "IdType"},
    {&convertw2::Text102, "Pyr_Taxid"},        {&convertw2::Text103, "TypePayer"},
    {&convertw2::Text104, "Country"},          {&convertw2::Text105, "EmployerName1"},
    {&convertw2::Text106, "EmployerName2"},    {&convertw2::Text107, "AddressLine1"},
    {&convertw2::Text108, "AddressLine2"},     {&convertw2::Text109, "City"},
    {&convertw2::Text110, "State"},            {&convertw2::Text111, "EmployerZipCode"},
    {&convertw2::Text112, "EmployerZipCodeExt"}, {&convertw2::Text113, "StateId"},
    {&convertw2::Text114, "EstabNo"},
}};

constexpr std::array<BoundColumn, 22> kDosEmployeeColumns = {{
    {&convertw2::Text201, "FIRST_NAME"}, {&convertw2::Text202, "LAST_NAME"},  {&convertw2::Text203, "SUFFIX"},
    {&convertw2::Text204, "PYE_TAXID"},  {&convertw2::Text205, "DEPT_NO"},    {&convertw2::Text206, "CTRY_CODE"},
    {&convertw2::Text207, "PAYEE_STR"},  {&convertw2::Text208, "PAYEE_CITY"}, {&convertw2::Text209, "ST_STATE"},
    {&convertw2::Text210, "PAYEE_ZIP"},  {&convertw2::Text211, "STFILE_1"},   {&convertw2::Text212, "STIDNO1"},
    {&convertw2::Text213, "STFILE_2"},   {&convertw2::Text214, "STIDNO2"},    {&convertw2::Text215, "STAT_EMP"},
    {&convertw2::Text216, "DECEASED"},   {&convertw2::Text217, "PEN_PLAN"},   {&convertw2::Text218, "LEG_REP"},
    {&convertw2::Text219, "DEF_COMP"},   {&convertw2::Text430, "PYR_IDTYPE"}, {&convertw2::Text431, "PYR_TAXID"},
    {&convertw2::Text432, "TYPE_PAYER"},
}};

constexpr std::array<BoundColumn, 26> kEmployeeColumns = {{
    {&convertw2::Text401, "FirstName"},        {&convertw2::Text402, "LastName"},
    {&convertw2::Text403, "Suffix"},           {&convertw2::Text404, "SSN"},
    {&convertw2::Text405, "DepartmentNo"},     {&convertw2::Text407, "AddressLine2"},
    {&convertw2::Text408, "City"},             {&convertw2::Text409, "State"},
    {&convertw2::Text410, "ZipCode"},          {&convertw2::Text411, "Box16AState"},
    {&convertw2::Text412, "Box16A_StID"},      {&convertw2::Text413, "Box16BState"},
    {&convertw2::Text414, "Box16B_StID"},      {&convertw2::Text415, "StatEmp"},
    {&convertw2::Text416, "Deceased"},         {&convertw2::Text417, "PenPlan"},
    {&convertw2::Text418, "LegalRep"},         {&convertw2::Text419, "DefComp"},
    {&convertw2::Text420, "MiddleName"},       {&convertw2::Text421, "AddressLine1"},
    {&convertw2::txtEmployeeNo, "EmployeeNo"}, {&convertw2::Text422, "EmployerNo"},
    {&convertw2::Text423, "ZipCodeExtension"}, {&convertw2::Text424, "ForeignState"},
    {&convertw2::Text425, "ForeignPostalCode"}, {&convertw2::Text426, "ForeignCountryCode"},
}};
// clang-format on

// How a DOS value becomes an Employers value.
enum class Rule { AsIs, First22, Blank22, Zip, ZipExtension };

struct MappedColumn {
    forms::TextBox convertw2::*target;
    forms::TextBox convertw2::*source;
    Rule rule;
};

constexpr std::array<MappedColumn, 14> kFieldMapping = {{
    {&convertw2::Text101, &convertw2::Text1, Rule::AsIs},
    {&convertw2::Text102, &convertw2::Text2, Rule::AsIs},
    {&convertw2::Text103, &convertw2::Text3, Rule::AsIs},
    {&convertw2::Text104, &convertw2::Text4, Rule::AsIs},
    {&convertw2::Text105, &convertw2::Text5, Rule::AsIs},
    {&convertw2::Text106, &convertw2::Text6, Rule::AsIs},
    {&convertw2::Text107, nullptr, Rule::Blank22},
    {&convertw2::Text108, &convertw2::Text7, Rule::First22},
    {&convertw2::Text109, &convertw2::Text8, Rule::First22},
    {&convertw2::Text110, &convertw2::Text9, Rule::AsIs},
    {&convertw2::Text111, &convertw2::Text10, Rule::Zip},
    {&convertw2::Text112, &convertw2::Text10, Rule::ZipExtension},
    {&convertw2::Text113, &convertw2::Text11, Rule::AsIs},
    {&convertw2::Text114, &convertw2::Text12, Rule::AsIs},
}};

// Five digits, a dash and four: the four after the dash; nine digits
// written without the dash: the four after the fifth.
std::string ZipExtension(const std::string& zip) {
    if (zip.size() <= 5) return "    ";
    if (std::isdigit(static_cast<unsigned char>(zip[5]))) return zip.substr(5, 4);
    return zip.substr(6);
}

std::string Mapped(Rule rule, const std::string& value) {
    switch (rule) {
    case Rule::AsIs: return value;
    case Rule::First22: return value.substr(0, 22);
    case Rule::Blank22: return std::string(22, ' ');
    case Rule::Zip: return value.substr(0, 5);
    case Rule::ZipExtension: return ZipExtension(value);
    }
    return value;
}

std::string WithoutTrailingBlanks(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

template <size_t N>
void Bind(convertw2& screen, const std::array<BoundColumn, N>& columns, const char* dataControl, int left) {
    int top = 1200;
    for (const auto& [box, column] : columns) {
        (screen.*box).SetDataSource(dataControl);
        (screen.*box).SetDataField(column);
        (screen.*box).Move(left, top, 2400, 285);
        top += 315;
    }
}

void ShowErrorNumber(const basic::RuntimeError& error) {
    forms::MsgBox("Error no. " + std::to_string(error.Number()) + " " + error.Description(), forms::vbOKOnly,
                  kErrorTitle);
}

} // namespace

convertw2::convertw2() : Form("convertw2") {
    SetCaption("Convert Tavrilo W-2 Employer Data from DOS to Win95/98");
    Label1.SetCaption("This utility will convert your  W-2 Employer  name and address information from Tavrilo W-2 "
                      "for DOS to Tavrilo 941 for Windows 95/98. A Backup Data Disk is required.  Click on Convert "
                      "to begin the process or click on Close to exit the process. ");
    cmdConvert.SetCaption("Convert");
    cmdConvert.SetToolTipText("Convert the Employers and Employees from DOS to Win95/98");
    cmdClose.SetCaption("Close");
    cmdClose.SetToolTipText("Close the conversion screen and return to Tavrilo W-2 Utility Menu");

    Data1.SetCaption("TVW2Employer");
    Data1.SetConnect("dBASE III;");
    Data1.SetDatabaseName("A:\\");
    Data1.SetRecordSource("Mmrpayer");
    Data2.SetCaption("TVW2Employee");
    Data2.SetConnect("dBASE III;");
    Data2.SetDatabaseName("A:\\");
    Data2.SetRecordSource("Mmrpayee");
    Data3.SetCaption("datEmployer");
    Data3.SetRecordSource("Employers");
    Data4.SetCaption("datEmployee");
    Data4.SetRecordSource("Employees");

    Bind(*this, kDosEmployerColumns, "Data1", 120);
    Bind(*this, kEmployerColumns, "Data3", 2640);
    Bind(*this, kDosEmployeeColumns, "Data2", 5160);
    Bind(*this, kEmployeeColumns, "Data4", 7680);
    Check1.SetDataSource("Data4");
    Check1.SetDataField("USAddress");
    Check1.Move(7680, 9480, 2400, 285);
    newEmployerNo.Move(2640, 6120, 2400, 285);

    SetWidth(10320);
    SetHeight(10500);
    Label1.Move(120, 120, 7560, 615);
    cmdConvert.Move(7800, 120, 1095, 375);
    cmdClose.Move(9000, 120, 1095, 375);
    Data1.Move(120, 840, 2400, 300);
    Data3.Move(2640, 840, 2400, 300);
    Data2.Move(5160, 840, 2400, 300);
    Data4.Move(7680, 840, 2400, 300);
    cmdConvert.SetTabIndex(0);
    cmdClose.SetTabIndex(1);

    cmdConvert.Click = [this] { cmdConvert_Click(); };
    cmdClose.Click = [this] { cmdClose_Click(); };
}

void convertw2::Form_Load() {
    Move(0, 0, Width(), Height());
    Data3.SetDatabaseName(MainDatabasePath());
    Data4.SetDatabaseName(MainDatabasePath());
}

void convertw2::Form_QueryUnload(int& Cancel, int UnloadMode) {
    CloseBoxActsAs(Cancel, UnloadMode, [this] { cmdClose_Click(); });
}

void convertw2::cmdClose_Click() {
    Unload();
    forms::Screen<frm941UtilityMenu>().Show();
}

void convertw2::cmdConvert_Click() {
    auto dos = Data1.Recordset();
    long long rows = 0;
    try {
        dos->MoveFirst();
        dos->MoveLast();
        rows = dos->RecordCount();
    } catch (const basic::RuntimeError& e) {
        ShowErrorNumber(e);
        return;
    }
    const int answer = forms::MsgBox("There are " + std::to_string(rows) + " Employers. Convert them now?",
                                     forms::vbYesNo, kQuestionTitle);
    if (answer != forms::vbYes) {
        forms::MsgBox("Cancelling conversion", forms::vbOKOnly);
        Unload();
        forms::Screen<frm941UtilityMenu>().Show();
        return;
    }

    long long converted = 0;
    try {
        // An empty Employers table (a fresh installation) is what the conversion is for.
        PassOverNoCurrentRecord([&] { Data3.Recordset()->MoveFirst(); });
        dos->MoveFirst();
        // One transaction over both files, the employer numbers drawn inside
        // it: a run cut off anywhere leaves the employers and the counter as
        // they were.
        data::InOneTransaction(*Data3.Database(), [&] { converted = ConvertRows(*dos); });
    } catch (const basic::RuntimeError& e) {
        // Nothing of the run is stored: the screen shows the employers as
        // they are, neither one the run was adding nor one it had added.
        try {
            Data3.Refresh();
        } catch (const basic::RuntimeError&) {
            // The message below is what the user needs to hear.
        }
        ShowErrorNumber(e);
        return;
    }
    forms::MsgBox(std::to_string(converted) + " employers were converted from the DOS version of Tavrilo W-2",
                  forms::vbOKOnly, kEmployersTitle);
    PassOverNoCurrentRecord([&] { dos->MoveLast(); });
    PassOverNoCurrentRecord([&] { Data3.Recordset()->MoveLast(); });
}

long long convertw2::ConvertRows(data::Recordset& dos) {
    long long converted = 0;
    while (!dos.Eof()) {
        try {
            const RowResult result = ConvertRow();
            if (result == RowResult::NoNumber) break; // the counter said so itself
            if (result == RowResult::Converted) ++converted;
        } catch (const basic::RuntimeError& e) {
            Data3.Recordset()->CancelUpdate();
            // After a full disk or a disk error the engine has undone the
            // whole conversion: a later row would be stored on its own.
            if (!Data3.Database()->InTransaction()) throw;
            ReportRowError(e);
        }
        try {
            dos.MoveNext();
        } catch (const basic::RuntimeError& e) {
            ShowErrorNumber(e);
            break;
        }
    }
    return converted;
}

convertw2::RowResult convertw2::ConvertRow() {
    if (WithoutTrailingBlanks(Text5.Text()) == kSampleEmployer) return RowResult::Skipped;
    auto employers = Data3.Recordset();
    PassOverNoCurrentRecord([&] { employers->MoveLast(); });
    employers->AddNew();
    if (!AssignNextNumber(*this, "EMPLOYERS_ID", "txtEmployerNo", Data3.Database().get())) {
        employers->CancelUpdate();
        return RowResult::NoNumber;
    }
    newEmployerNo.SetText(txtEmployerNo.Text());
    FillFromDosRow();
    // The file's unique key never compares a blank part (it is stored as
    // Null), nor a tax id in another shape: the employer is looked for as the
    // employer screen reads it, inside the run's transaction, so that an
    // earlier run's employer and one this run added are both found. Its
    // number is used up all the same.
    const EmployerKey key = KeyOfEmployer(Text101.Text(), Text102.Text(), Text103.Text());
    if (!NumbersOfEmployersWithKey(*Data3.Database(), key, BlankParts::AreBlank).empty()) {
        employers->CancelUpdate();
        SayRecordExists();
        return RowResult::Skipped;
    }
    employers->Update();
    Data3.Refresh();
    PassOverNoCurrentRecord([&] { Data3.Recordset()->MoveLast(); });
    return RowResult::Converted;
}

void convertw2::FillFromDosRow() {
    for (const auto& [target, source, rule] : kFieldMapping)
        (this->*target).SetText(Mapped(rule, source ? (this->*source).Text() : std::string()));
}

void convertw2::ReportRowError(const basic::RuntimeError& error) {
    const int number = error.Number();
    if (number == kUnreadableRow) return;
    if (number == kDosDuplicate || number == data::errDuplicateKey) {
        SayRecordExists();
        return;
    }
    ShowErrorNumber(error);
}

void convertw2::SayRecordExists() {
    forms::MsgBox("A record already exists for " + Text5.Text() + " " + Text1.Text() + " " + Text2.Text() + " " +
                      Text3.Text(),
                  forms::vbOKOnly, kEmployersTitle);
}
