#include "returns/f944_early/EarlyForm944Items.h"

#include "common/ControlReads.h"
#include "common/ReturnItems.h"
#include "common/ReturnPrintout.h"
#include "common/TaxIdShape.h"
#include "common/TextShapes.h"
#include "platform/basic/Round.h"
#include "platform/basic/Strings.h"
#include "returns/f944_early/frmdet944.h"

using basic::RTrim;

namespace {

// Below this line 9 the first box of line 13 applies; above the other the
// monthly schedule does. Line 9 is taken in whole cents, so exactly one holds.
constexpr double kSmallLiability = 2500.0;
constexpr double kScheduleLiability = 2499.99;

} // namespace

std::string TaxIdBoxesText(const std::string& taxId) {
    static constexpr int kBlanksAfter[] = {3, 4, 3, 3, 3, 2, 3, 3};
    std::string text;
    for (int position = 0; position < 9; ++position) {
        if (position < static_cast<int>(taxId.size())) text += taxId[position];
        if (position < 8) text += std::string(kBlanksAfter[position], ' ');
    }
    return text;
}

void EarlyForm944Items::StoreBox(const char* checkBox) {
    run_.StoreItemText(" ");
    run_.StoreItemText(CheckMark(CheckValueOf(screen_, checkBox)));
}

void EarlyForm944Items::Page1Item(short fieldNo) {
    if (StoreEmployerItem(run_, fieldNo)) return;
    // clang-format off
    switch (fieldNo) {
    case 1: run_.StoreItemText(TaxIdBoxesText(run_.Employer.Pyr_TaxId)); return;
    case 8: case 22: case 25: case 31: run_.StoreItemText(" "); return;
    case 11: StoreBox("Check2"); return;
    case 24: run_.StoreItemText(CountOrBlank(NumberOf(screen_, "fpLine6E"))); return;
    case 32: StoreBox("Check3"); return;
    case 33: StoreBox("Check4"); return;
    case 9: case 26: case 27: case 34: run_.StoreItemText(" "); break;
    default: break;
    }
    // clang-format on
    StoreLineAmount(run_, screen_, fieldNo);
}

// Line 13: the box for a small line 9, or the monthly schedule's box, months
// (by quarter: first months, second months, third months) and total.
void EarlyForm944Items::StoreLiability(short fieldNo) {
    const double line9 = basic::Round(NumberOf(screen_, "fpLine9"), 2);
    const bool monthly = line9 > kScheduleLiability;
    run_.StoreItemText(" ");
    if (fieldNo == 43) {
        if (line9 < kSmallLiability) run_.StoreItemText("X");
    } else if (fieldNo == 44) {
        if (monthly) run_.StoreItemText("X");
    } else if (monthly) {
        StoreLineAmount(run_, screen_, fieldNo, PrintWhen::MonthlySchedule);
    }
}

// The designee's, signer's and paid preparer's items: a blank first, then
// the text when its part is to be printed.
void EarlyForm944Items::StoreSignatureItem(short fieldNo) {
    const bool designee = run_.DesigneeChoice == "Y";
    const bool preparer = run_.Part6Choice == "Yes";
    const PaidPreparerRecord& firm = run_.Preparer;
    run_.StoreItemText(" ");
    auto when = [&](bool condition, const std::string& text) { run_.StoreItemText(condition ? text : " "); };
    auto firmText = [&](const std::string& text) {
        if (preparer) run_.StoreItemText(text);
    };
    switch (fieldNo) {
    case 61: when(designee, "X"); break;
    case 62: when(designee, RTrim(employer_.ContactName)); break;
    case 63: when(designee, PinText(RTrim(employer_.DesigneePIN))); break;
    case 64: when(!designee, "X"); break;
    case 65: run_.StoreItemText(run_.Employer.NameOfSigner); break;
    case 66: run_.StoreItemText(run_.Employer.TitleOfSigner); break;
    case 67: run_.StoreItemText(FirmPhoneText(RTrim(employer_.SignersPhone))); break;
    case 68: firmText(firm.FirmPreparerName); break;
    case 69: firmText(firm.FirmPTIN); break;
    case 70: firmText(firm.FirmSelfEmployed == "Y" ? "X" : " "); break;
    case 71: firmText(firm.FirmName); break;
    case 72: firmText(FirmEinText(firm.FirmEIN)); break;
    case 73: firmText(firm.FirmAddress); break;
    case 74: firmText(firm.FirmCity); break;
    case 75: firmText(firm.FirmState); break;
    case 76: firmText(FirmZipText(firm.FirmZip)); break;
    case 77: firmText(FirmPhoneText(firm.FirmPhone)); break;
    case 78:
        if (designee) run_.StoreItemText(FirmPhoneText(employer_.ContactPhone));
        break;
    default: break; // 58 to 60 print nothing
    }
}

void EarlyForm944Items::Page2Item(short fieldNo) {
    if (fieldNo >= 43 && fieldNo <= 57) {
        StoreLiability(fieldNo);
        return;
    }
    if (fieldNo >= 58) {
        StoreSignatureItem(fieldNo);
        return;
    }
    run_.StoreItemText(" ");
    if (fieldNo == 40) run_.StoreItemText(run_.Employer.EmployerName1);
    if (fieldNo == 41) run_.StoreItemText(EinText(run_.Employer.Pyr_TaxId));
}

void EarlyForm944Items::VoucherItem(short fieldNo) {
    const EmployerPrintTexts& employer = run_.Employer;
    switch (fieldNo) {
    case 81: run_.StoreItemText(HeaderTaxId(employer_.IDType, employer.Pyr_TaxId)); break;
    case 82: run_.StoreItemText(FormatAmountOrBlank(NumberOf(screen_, "fpLine11"))); break;
    case 83: run_.StoreItemText(employer.EmployerName1); break;
    case 86: run_.StoreItemText(employer.AddressLine2); break;
    case 89:
        run_.StoreItemText(
            CityLineText(employer.City, employer.State, employer.EmployerZipCode, employer.EmployerZipCodeExt));
        break;
    default: run_.StoreItemText(" "); break; // 84, 85, 87, 88, 90
    }
}
