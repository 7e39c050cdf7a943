#include "returns/f944/Form944Items.h"

#include <array>

#include "common/ControlReads.h"
#include "common/PrintLayout.h"
#include "common/TextShapes.h"
#include "platform/basic/Strings.h"
#include "returns/f944/Form944Shapes.h"

using basic::Left;
using basic::RTrim;

namespace {

// The items that print one line field's amount, always.
// clang-format off
constexpr std::array<AmountItem, 47> kAmountItems = {{
    // page 1: lines 1 to 8d
    { 10, "fpLine2",      -1}, { 11, "fpLine3",      -1},
    { 13, "fpLine6A",     -1}, { 14, "fpLine6B",     -1},
    { 15, "fpLine6c",     -1}, { 16, "fpLine6D",     -1},
    { 17, "fpLine7A",     -1}, { 18, "fpLine7B",     -1},
    { 19, "fpLine8",      -1}, { 20, "fpLine5",      -1},
    { 22, "fpLine9A",     -1}, { 24, "fpL5a1c1",     -1},
    { 25, "fpL5a1c2",     -1}, { 26, "fpL5a2c1",     -1},
    { 28, "fpL5a2c2",     -1}, { 29, "fpLine11",     -1},
    { 30, "fpLine5d1",    -1}, { 31, "fpLine5D2",    -1},
    { 32, "fpLine11a",    -1}, { 33, "fpLine11b",    -1},
    { 34, "fpLine11c",    -1}, { 38, "fpCurrency18", -1},
    // page 2: lines 8e to 12; 10j prints at its place (100), never left out
    { 91, "fpLine11d",    -1}, { 92, "fpLine12",     -1},
    { 93, "fpLine13a",    -1}, { 94, "fpLine13b",    -1},
    { 95, "fpLine13c",    -1}, { 96, "fpLine13d",    -1},
    { 97, "fpLine13e",    -1}, { 98, "fpLine13f",    -1},
    { 99, "fpLine14",     -1}, {100, "fpLine15",     -1},
    {101, "fpLine10",     -1}, {102, "fpLine16",      1},
    {114, "fpCurrency19", -1},
    // page 3: lines 15 to 26
    { 84, "fpLine19",     -1}, { 85, "fpLine20",     -1},
    { 86, "fpLine21",     -1}, { 87, "fpLine22",     -1},
    { 88, "fpLine23",     -1}, { 89, "fpCurrency11", -1},
    { 90, "fpCurrency12", -1}, {116, "fpCurrency13", -1},
    {117, "fpCurrency14", -1}, {118, "fpCurrency15", -1},
    {119, "fpCurrency16", -1}, {120, "fpCurrency17", -1},
}};

// The months of line 13 and their total, printed only for a monthly
// depositor whose line 9 reaches 2,500.
constexpr std::array<AmountItem, 13> kMonthItems = {{
    { 45, "fpLine17A",    -1}, { 46, "fpLine17B",    -1},
    { 47, "fpLine17C",    -1}, { 48, "fpLine17D",    -1},
    {105, "fpCurrency2",  -1}, {106, "fpCurrency3",  -1},
    {107, "fpCurrency4",  -1}, {108, "fpCurrency5",  -1},
    {109, "fpCurrency6",  -1}, {110, "fpCurrency7",  -1},
    {111, "fpCurrency8",  -1}, {112, "fpCurrency9",  -1},
    {113, "fpCurrency10", -1},
}};
// clang-format on

// Line 13: below this line 9 the small-liability box applies, above the
// other the monthly schedule does.
constexpr double kSmallLiability = 2500.0;
constexpr double kScheduleLiability = 2499.99;

} // namespace

const std::string& Form944Items::PeriodCode() const { return TextOf(screen_, "mskQtr_yr"); }

std::string Form944Items::Amount(const char* field, int index) const {
    return FormatAmountOrBlank(NumberOf(screen_, field, index));
}

// An empty line 9 counts as 0; text that is no number stops the print.
double Form944Items::Line9() const { return NumberOf(screen_, "fpLine12"); }

bool Form944Items::MonthlyScheduleApplies() const {
    const double line9 = Line9();
    return CheckValueOf(screen_, "Check6") == 1 && line9 > kScheduleLiability;
}

void Form944Items::StoreWhen(bool condition, const std::string& text) {
    run_.StoreItemText(condition ? text : " ");
}

bool Form944Items::PrintsAmountTable(short fieldNo) {
    const AmountItem* item = FindAmountItem(kAmountItems, fieldNo);
    if (!item) return false;
    run_.StoreItemText(Amount(item->Field, item->Index));
    return true;
}

bool Form944Items::PrintsMonthTable(short fieldNo) {
    const AmountItem* item = FindAmountItem(kMonthItems, fieldNo);
    if (!item) return false;
    run_.StoreItemText(MonthlyScheduleApplies() ? Amount(item->Field) : " ");
    return true;
}

void Form944Items::Page1Item(short fieldNo) {
    if (PrintsAmountTable(fieldNo)) return;
    const EmployerPrintTexts& employer = run_.Employer;
    switch (fieldNo) {
    case 1: run_.StoreItemText(Form944EinBoxesText(employer.Pyr_TaxId)); break;
    case 2: run_.StoreItemText(employer.EmployerName1); break;
    case 3: run_.StoreItemText(employer.EmployerName2); break;
    case 4: run_.StoreItemText(employer.AddressLine2); break;
    case 5: run_.StoreItemText(employer.City); break;
    case 6: run_.StoreItemText(employer.State); break;
    case 7: run_.StoreItemText(ZipText(employer.EmployerZipCode, employer.EmployerZipCodeExt)); break;
    case 12: run_.StoreItemText(CheckMark(CheckValueOf(screen_, "Check2"))); break;
    default: run_.StoreItemText(" "); break;  // 8, 9, 21, 23, 27, 35 to 37, 39
    }
}

void Form944Items::Page2Item(short fieldNo) {
    if (PrintsAmountTable(fieldNo) || PrintsMonthTable(fieldNo)) return;
    switch (fieldNo) {
    case 40: run_.StoreItemText(run_.Employer.EmployerName1); break;
    case 41: run_.StoreItemText(EinText(run_.Employer.Pyr_TaxId)); break;
    case 43: StoreWhen(Line9() < kSmallLiability, "X"); break;
    case 44: StoreWhen(MonthlyScheduleApplies(), "X"); break;
    case 49: run_.StoreItemText(CheckMark(CheckValueOf(screen_, "Check5"))); break;
    case 103: run_.StoreItemText(CheckMark(CheckValueOf(screen_, "Check3"))); break;
    case 104: run_.StoreItemText(CheckMark(CheckValueOf(screen_, "Check4"))); break;
    case 115: {
        // The count goes to the print control as the field's own value.
        if (NumberOf(screen_, "fpLongInteger2") > 0) {
            run_.StoreItemText(static_cast<long long>(NumberOf(screen_, "fpLongInteger2")));
        } else {
            run_.StoreItemText(" ");
        }
        break;
    }
    default: run_.StoreItemText(" "); break;  // 42
    }
}

void Form944Items::Page3Item(short fieldNo) {
    if (PrintsAmountTable(fieldNo)) return;
    const EmployerPrintTexts& employer = run_.Employer;
    const PaidPreparerRecord& preparer = run_.Preparer;
    const bool designee = run_.DesigneeChoice == "Y";
    const bool part6 = run_.Part6Choice == "Yes";
    switch (fieldNo) {
    case 40: run_.StoreItemText(employer.EmployerName1); break;
    case 41: run_.StoreItemText(EinText(employer.Pyr_TaxId)); break;
    case 81: run_.StoreItemText(CheckMark(CheckValueOf(screen_, "Check8"))); break;
    case 53: StoreWhen(designee, "X"); break;
    case 54: StoreWhen(designee, RTrim(TextOf(employers_, "mskContactName"))); break;
    case 55: run_.StoreItemText(employer.NameOfSigner); break;
    case 56: StoreWhen(designee, PinText(RTrim(TextOf(employers_, "mskDesigneePIN")))); break;
    case 57: StoreWhen(run_.DesigneeChoice == "N", "X"); break;
    case 58: run_.StoreItemText(employer.TitleOfSigner); break;
    case 59: StoreWhen(part6, preparer.FirmPreparerName); break;
    case 60: run_.StoreItemText(ScreenPhoneText(RTrim(TextOf(employers_, "mskSignersPhone")))); break;
    case 61: StoreWhen(part6, preparer.FirmName); break;
    case 62: StoreWhen(part6, preparer.FirmAddress); break;
    case 63: StoreWhen(part6, FirmEinText(preparer.FirmEIN)); break;
    case 64: StoreWhen(part6, preparer.FirmCity); break;
    case 65: StoreWhen(part6, preparer.FirmState); break;
    case 66: StoreWhen(part6, Form944FirmZipText(preparer.FirmZip)); break;
    case 67: StoreWhen(part6, FirmPhoneText(preparer.FirmPhone)); break;
    case 68: StoreWhen(part6, preparer.FirmPTIN); break;
    case 69: StoreWhen(part6 && preparer.FirmSelfEmployed == "Y", "X"); break;
    case 70: StoreWhen(designee, ScreenPhoneText(RTrim(TextOf(employers_, "mskContactPhone")))); break;
    default: run_.StoreItemText(" "); break;  // 82, 83, 50 to 52
    }
}

void Form944Items::VoucherItem(short fieldNo) {
    const EmployerPrintTexts& employer = run_.Employer;
    // The annual period code begins with "6": no quarter box is ever marked.
    const std::string period = Left(PeriodCode(), 1);
    switch (fieldNo) {
    case 71: run_.StoreItemText(EinText(employer.Pyr_TaxId)); break;
    case 72: run_.StoreItemText(Amount("fpLine10")); break;
    case 73: run_.StoreItemText(employer.EmployerName1); break;
    case 74: StoreWhen(period == "1", "X"); break;
    case 75: StoreWhen(period == "3", "X"); break;
    case 76: run_.StoreItemText(employer.AddressLine2); break;
    case 77: StoreWhen(period == "2", "X"); break;
    case 78: StoreWhen(period == "4", "X"); break;
    case 79:
        run_.StoreItemText(CityLineText(employer.City, employer.State, employer.EmployerZipCode,
                                        employer.EmployerZipCodeExt));
        break;
    default: run_.StoreItemText(" "); break;  // 80
    }
}
