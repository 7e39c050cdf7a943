#include "common/ReturnItems.h"

#include "common/ReturnItemNames.h"
#include "common/TextShapes.h"
#include "platform/basic/Strings.h"

using basic::Left;
using basic::RTrim;
using namespace returnItem;

bool StoreEmployerItem(ReturnPrintRun& run, short fieldNo) {
    const EmployerPrintTexts& employer = run.Employer;
    switch (fieldNo) {
    case EmployerName: run.StoreItemText(employer.EmployerName1); return true;
    case TradeName: run.StoreItemText(employer.EmployerName2); return true;
    case Street: run.StoreItemText(employer.AddressLine2); return true;
    case City: run.StoreItemText(employer.City); return true;
    case State: run.StoreItemText(employer.State); return true;
    case Zip: run.StoreItemText(ZipText(employer.EmployerZipCode, employer.EmployerZipCodeExt)); return true;
    default: return false;
    }
}

bool StoreSignatureItem(ReturnPrintRun& run, const EmployerHandOver& employer, short fieldNo,
                        std::string (*firmZip)(const std::string& zip)) {
    const bool designee = run.DesigneeChoice == "Y";
    const bool preparer = run.Part6Choice == "Yes";
    const PaidPreparerRecord& firm = run.Preparer;
    auto preparerText = [&](const std::string& text) { run.StoreItemText(preparer ? text : " "); };
    auto designeeText = [&](const std::string& text) { run.StoreItemText(designee ? text : " "); };
    switch (fieldNo) {
    case DesigneeYes: designeeText("X"); return true;
    case DesigneeName: designeeText(RTrim(employer.ContactName)); return true;
    case SignerName: run.StoreItemText(run.Employer.NameOfSigner); return true;
    case DesigneePin: designeeText(PinText(RTrim(employer.DesigneePIN))); return true;
    case DesigneeNo: run.StoreItemText(designee ? " " : "X"); return true;
    case SignerTitle: run.StoreItemText(run.Employer.TitleOfSigner); return true;
    case PreparerName: preparerText(firm.FirmPreparerName); return true;
    case SignerPhone: run.StoreItemText(ScreenPhoneText(RTrim(employer.SignersPhone))); return true;
    case FirmName: preparerText(firm.FirmName); return true;
    case FirmAddress: preparerText(firm.FirmAddress); return true;
    case FirmEin: preparerText(FirmEinText(firm.FirmEIN)); return true;
    case FirmCity: preparerText(firm.FirmCity); return true;
    case FirmState: preparerText(firm.FirmState); return true;
    case FirmZip: preparerText(firmZip(firm.FirmZip)); return true;
    case FirmPhone: preparerText(FirmPhoneText(firm.FirmPhone)); return true;
    case PreparerPtin: preparerText(firm.FirmPTIN); return true;
    case SelfEmployedBox: preparerText(firm.FirmSelfEmployed == "Y" ? "X" : " "); return true;
    case DesigneePhone: designeeText(ScreenPhoneText(RTrim(employer.ContactPhone))); return true;
    default: return false;
    }
}

void StoreVoucherItem(ReturnPrintRun& run, const std::string& periodCode,
                      const std::function<std::string()>& balanceDue, short fieldNo) {
    const EmployerPrintTexts& employer = run.Employer;
    const std::string period = Left(periodCode, 1);
    auto periodBox = [&](const char* digit) { run.StoreItemText(period == digit ? "X" : " "); };
    switch (fieldNo) {
    case VoucherEin: run.StoreItemText(EinText(employer.Pyr_TaxId)); break;
    case VoucherAmount: run.StoreItemText(balanceDue()); break;
    case VoucherName: run.StoreItemText(employer.EmployerName1); break;
    case VoucherQuarter1: periodBox("1"); break;
    case VoucherQuarter3: periodBox("3"); break;
    case VoucherStreet: run.StoreItemText(employer.AddressLine2); break;
    case VoucherQuarter2: periodBox("2"); break;
    case VoucherQuarter4: periodBox("4"); break;
    case VoucherCityLine:
        run.StoreItemText(
            CityLineText(employer.City, employer.State, employer.EmployerZipCode, employer.EmployerZipCodeExt));
        break;
    default: run.StoreItemText(" "); break; // VoucherBlank
    }
}
