#include "common/ReturnItems.h"

#include "common/TextShapes.h"
#include "platform/basic/Strings.h"

using basic::Left;
using basic::RTrim;

bool StoreEmployerItem(ReturnPrintRun& run, short fieldNo) {
    const EmployerPrintTexts& employer = run.Employer;
    switch (fieldNo) {
    case 2: run.StoreItemText(employer.EmployerName1); return true;
    case 3: run.StoreItemText(employer.EmployerName2); return true;
    case 4: run.StoreItemText(employer.AddressLine2); return true;
    case 5: run.StoreItemText(employer.City); return true;
    case 6: run.StoreItemText(employer.State); return true;
    case 7: run.StoreItemText(ZipText(employer.EmployerZipCode, employer.EmployerZipCodeExt)); return true;
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
    case 53: designeeText("X"); return true;
    case 54: designeeText(RTrim(employer.ContactName)); return true;
    case 55: run.StoreItemText(run.Employer.NameOfSigner); return true;
    case 56: designeeText(PinText(RTrim(employer.DesigneePIN))); return true;
    case 57: run.StoreItemText(designee ? " " : "X"); return true;
    case 58: run.StoreItemText(run.Employer.TitleOfSigner); return true;
    case 59: preparerText(firm.FirmPreparerName); return true;
    case 60: run.StoreItemText(ScreenPhoneText(RTrim(employer.SignersPhone))); return true;
    case 61: preparerText(firm.FirmName); return true;
    case 62: preparerText(firm.FirmAddress); return true;
    case 63: preparerText(FirmEinText(firm.FirmEIN)); return true;
    case 64: preparerText(firm.FirmCity); return true;
    case 65: preparerText(firm.FirmState); return true;
    case 66: preparerText(firmZip(firm.FirmZip)); return true;
    case 67: preparerText(FirmPhoneText(firm.FirmPhone)); return true;
    case 68: preparerText(firm.FirmPTIN); return true;
    case 69: preparerText(firm.FirmSelfEmployed == "Y" ? "X" : " "); return true;
    case 70: designeeText(ScreenPhoneText(RTrim(employer.ContactPhone))); return true;
    default: return false;
    }
}

void StoreVoucherItem(ReturnPrintRun& run, const std::string& periodCode,
                      const std::function<std::string()>& balanceDue, short fieldNo) {
    const EmployerPrintTexts& employer = run.Employer;
    const std::string period = Left(periodCode, 1);
    auto periodBox = [&](const char* digit) { run.StoreItemText(period == digit ? "X" : " "); };
    switch (fieldNo) {
    case 71: run.StoreItemText(EinText(employer.Pyr_TaxId)); break;
    case 72: run.StoreItemText(balanceDue()); break;
    case 73: run.StoreItemText(employer.EmployerName1); break;
    case 74: periodBox("1"); break;
    case 75: periodBox("3"); break;
    case 76: run.StoreItemText(employer.AddressLine2); break;
    case 77: periodBox("2"); break;
    case 78: periodBox("4"); break;
    case 79:
        run.StoreItemText(
            CityLineText(employer.City, employer.State, employer.EmployerZipCode, employer.EmployerZipCodeExt));
        break;
    default: run.StoreItemText(" "); break; // 80
    }
}
