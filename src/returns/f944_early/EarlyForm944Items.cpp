#include "returns/f944_early/EarlyForm944Items.h"

#include "common/ControlReads.h"
#include "common/LiabilitySchedule.h"
#include "common/ReturnItems.h"
#include "common/ReturnPrintout.h"
#include "common/TaxIdShape.h"
#include "common/TextShapes.h"
#include "platform/basic/Round.h"
#include "platform/basic/Strings.h"
#include "returns/f944_early/EarlyForm944PrintLayout.h"
#include "returns/f944_early/frmdet944.h"

using basic::RTrim;
using namespace item944early;

std::string TaxIdBoxesText(const std::string& taxId) {
    static constexpr int kBlanksAfter[] = {3, 4, 3, 3, 3, 2, 3, 3};
    std::string text;
    for (int position = 0; position < 9; ++position) {
        if (position < static_cast<int>(taxId.size())) text += taxId[position];
        if (position < 8) text += std::string(kBlanksAfter[position], ' ');
    }
    return text;
}

void EarlyForm944Items::StoreBox(short item) {
    run_.StoreItemText(" ");
    run_.StoreItemText(BoxMarkOfItem(screen_, item));
}

void EarlyForm944Items::Page1Item(short fieldNo) {
    if (StoreEmployerItem(run_, fieldNo)) return;
    // clang-format off
    switch (fieldNo) {
    case EinBoxes: run_.StoreItemText(TaxIdBoxesText(run_.Employer.Pyr_TaxId)); return;
    case Unused8: case Unused22: case Unused25: case Unused31: run_.StoreItemText(" "); return;
    case Line3Box: case ApplyBox: case RefundBox: StoreBox(fieldNo); return;
    case Line6eCount: run_.StoreItemText(CountOrBlank(NumberOf(FieldOfItem(screen_, Line6eCount)))); return;
    case Line1: case Line7: case Line4e: case Line12: run_.StoreItemText(" "); break;
    default: break;
    }
    // clang-format on
    StoreLineAmount(run_, screen_, fieldNo);
}

// Line 13: the box for a small line 9, or the monthly schedule's box, months
// (by quarter: first months, second months, third months) and total.
void EarlyForm944Items::StoreLiability(short fieldNo) {
    // The form has no depositor's box: a liability of 2,500 is on the schedule.
    StoreLiabilityScheduleItem(run_, screen_, fieldNo, basic::Round(NumberOf(FieldOfItem(screen_, Line9)), 2), true,
                               {SmallLiabilityBox, MonthlyBox});
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
    case DesigneeYes: when(designee, "X"); break;
    case DesigneeName: when(designee, RTrim(employer_.ContactName)); break;
    case DesigneePin: when(designee, PinText(RTrim(employer_.DesigneePIN))); break;
    case DesigneeNo: when(!designee, "X"); break;
    case SignerName: run_.StoreItemText(run_.Employer.NameOfSigner); break;
    case SignerTitle: run_.StoreItemText(run_.Employer.TitleOfSigner); break;
    case SignerPhone: run_.StoreItemText(FirmPhoneText(RTrim(employer_.SignersPhone))); break;
    case PreparerName: firmText(firm.FirmPreparerName); break;
    case PreparerPtin: firmText(firm.FirmPTIN); break;
    case SelfEmployedBox: firmText(firm.FirmSelfEmployed == "Y" ? "X" : " "); break;
    case FirmName: firmText(firm.FirmName); break;
    case FirmEin: firmText(FirmEinText(firm.FirmEIN)); break;
    case FirmAddress: firmText(firm.FirmAddress); break;
    case FirmCity: firmText(firm.FirmCity); break;
    case FirmState: firmText(firm.FirmState); break;
    case FirmZip: firmText(FirmZipText(firm.FirmZip)); break;
    case FirmPhone: firmText(FirmPhoneText(firm.FirmPhone)); break;
    case DesigneePhone:
        if (designee) run_.StoreItemText(FirmPhoneText(employer_.ContactPhone));
        break;
    default: break; // Unused58 to Unused60 print nothing
    }
}

void EarlyForm944Items::Page2Item(short fieldNo) {
    if (fieldNo >= SmallLiabilityBox && fieldNo <= YearTotal) {
        StoreLiability(fieldNo);
        return;
    }
    if (fieldNo >= Unused58) {
        StoreSignatureItem(fieldNo);
        return;
    }
    run_.StoreItemText(" ");
    if (fieldNo == HeaderName) run_.StoreItemText(run_.Employer.EmployerName1);
    if (fieldNo == HeaderEin) run_.StoreItemText(EinText(run_.Employer.Pyr_TaxId));
}

void EarlyForm944Items::VoucherItem(short fieldNo) {
    const EmployerPrintTexts& employer = run_.Employer;
    switch (fieldNo) {
    case VoucherTaxId: run_.StoreItemText(HeaderTaxId(employer_.IDType, employer.Pyr_TaxId)); break;
    case VoucherAmount: run_.StoreItemText(FormatAmountOrBlank(NumberOf(FieldOfItem(screen_, Line11)))); break;
    case VoucherName: run_.StoreItemText(employer.EmployerName1); break;
    case VoucherStreet: run_.StoreItemText(employer.AddressLine2); break;
    case VoucherCityLine:
        run_.StoreItemText(
            CityLineText(employer.City, employer.State, employer.EmployerZipCode, employer.EmployerZipCodeExt));
        break;
    default: run_.StoreItemText(" "); break; // the unused places
    }
}
