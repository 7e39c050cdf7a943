#include "common/ReturnPrintRun.h"

#include <array>

#include "platform/basic/RuntimeError.h"
#include "platform/basic/Strings.h"
#include "platform/data/Recordset.h"
#include "platform/forms/Application.h"
#include "platform/forms/Dialogs.h"

using printing::Property;

namespace {

constexpr int kDefaultPointer = 0;
constexpr int kHourglass = 11;

struct EmployerColumn {
    const char* column;
    std::string EmployerPrintTexts::*text;
    bool blankWhenEmpty; // " " rather than "" when the column is empty
};

// In the order the printouts read them; the step marker follows this order.
// clang-format off
const std::array<EmployerColumn, 13> kEmployerColumns = {{
    {"ContactName",        &EmployerPrintTexts::ContactName,        true},
    {"ContactPhone",       &EmployerPrintTexts::ContactPhone,       false},
    {"NameOfSigner",       &EmployerPrintTexts::NameOfSigner,       true},
    {"TitleOfSigner",      &EmployerPrintTexts::TitleOfSigner,      true},
    {"EmployerName1",      &EmployerPrintTexts::EmployerName1,      false},
    {"EmployerName2",      &EmployerPrintTexts::EmployerName2,      true},
    {"AddressLine1",       &EmployerPrintTexts::AddressLine1,       true},
    {"AddressLine2",       &EmployerPrintTexts::AddressLine2,       false},
    {"City",               &EmployerPrintTexts::City,               false},
    {"State",              &EmployerPrintTexts::State,              false},
    {"EmployerZipCode",    &EmployerPrintTexts::EmployerZipCode,    false},
    {"EmployerZipCodeExt", &EmployerPrintTexts::EmployerZipCodeExt, true},
    {"Pyr_TaxId",          &EmployerPrintTexts::Pyr_TaxId,          false},
}};
// clang-format on

} // namespace

std::string PrintErrorMessage(int number, const std::string& source, short fieldNo) {
    return "Error = " + std::to_string(number) + " Error source " + source + " for Case = " + std::to_string(fieldNo);
}

void ReturnPrintRun::Run(const std::function<void()>& steps) {
    try {
        steps();
    } catch (const basic::RuntimeError& error) {
        // No half document reaches the printer: what was stored is dropped.
        control_.Engine().AbortOpenDocument();
        ShowDefaultPointer();
        forms::MsgBox(PrintErrorMessage(error.Number(), error.Source(), FieldNo), forms::vbOKOnly);
        return;
    } catch (...) {
        control_.Engine().AbortOpenDocument();
        ShowDefaultPointer();
        throw;
    }
    ShowDefaultPointer();
}

void ReturnPrintRun::PrintReturnOrVoucher(const EmployerHandOver& employer, const OpeningQuestions& questions,
                                          const std::function<void()>& printReturn,
                                          const std::function<void()>& printVoucher) {
    Run([&] {
        FieldNo = kFirstEmployerMarker;
        ReadEmployerTexts(EmployerRowOf(employer));
        ReadPreparer();
        FieldNo = questions.setUpMarker;
        ShowHourglass();
        VoucherChoice = "No";
        Part6Choice = "No";
        if (AskYesNo(questions.returnOrVoucherPrompt, questions.returnOrVoucherTitle)) {
            if (!questions.depositStatesPrompt.empty()) {
                AskYesNo(questions.depositStatesPrompt, questions.depositStatesTitle);
            }
            Part6Choice = AskYesNo(questions.preparerPrompt, questions.preparerTitle) ? "Yes" : "No";
            printReturn();
        } else {
            VoucherChoice = "Yes";
            printVoucher();
        }
    });
}

void ReturnPrintRun::ReadEmployerTexts(data::Recordset& employers) {
    FieldNo = kFirstEmployerMarker;
    for (const EmployerColumn& column : kEmployerColumns) {
        data::Value value = employers.Fields(column.column).Value();
        std::string text = data::ToText(value);
        if (column.blankWhenEmpty && basic::Len(text) == 0) text = " ";
        Employer.*column.text = std::move(text);
        if (&column != &kEmployerColumns.back()) ++FieldNo;
    }
}

void ReturnPrintRun::ReadPreparer() {
    FieldNo = kPreparerMarker;
    Preparer = ReadPaidPreparerRecord().Trimmed();
}

void ReturnPrintRun::ShowHourglass() { forms::App().SetMousePointer(kHourglass); }

void ReturnPrintRun::ShowDefaultPointer() { forms::App().SetMousePointer(kDefaultPointer); }

bool ReturnPrintRun::AskYesNo(const std::string& prompt, const std::string& title) {
    return forms::MsgBox(prompt, forms::vbYesNo + forms::vbQuestion, title) == forms::vbYes;
}

void ReturnPrintRun::AskDesigneeQuestion(const std::string& contactName, const std::string& contactPhone,
                                         const std::string& designeePIN, const std::string& form) {
    DesigneeChoice = "N";
    const bool filledIn = basic::Len(basic::Trim(contactName)) > 0 && basic::Len(basic::Trim(contactPhone)) > 0 &&
                          basic::Len(basic::Trim(designeePIN)) > 0;
    if (!filledIn) return;
    const bool yes =
        AskYesNo("Do you want to print the Third Party Designee info on this Form " + form + "? Click on Yes or No.",
                 "Third Party Designee");
    DesigneeChoice = yes ? "Y" : "N";
}

void ReturnPrintRun::StartDocument(const std::string& title, const std::string& fileName) {
    control_.Store(Property::DocumentTitle, title);
    control_.Store(Property::StartDoc, true);
    control_.Engine().NameFile(fileName);
}

void ReturnPrintRun::SetUpPage(const PrintPageSetUp& page, const std::function<void()>& beforePicture) {
    control_.Store(Property::PageCaption, page.Caption);
    control_.Store(Property::PageNote, "");
    control_.Store(Property::PageWidth, 8.5);
    control_.Store(Property::PageHeight, 11.0);
    control_.Store(Property::PageLandscape, false);
    control_.Store(Property::PageResolution, 300);
    control_.Store(Property::NewPage, true);
    control_.Store(Property::PageTemplate, page.Template);
    if (beforePicture) beforePicture();
    control_.Store(Property::PagePicture, page.Picture);
    control_.Store(Property::ShowPicture, true);
    control_.Store(Property::PrintPicture, true);
    control_.Store(Property::FontName, "Courier New");
    control_.Store(Property::FontSize, 12);
    control_.Store(Property::FontCode, 7);
    control_.Store(Property::FontBold, false);
    control_.Store(Property::FontItalic, false);
    control_.Store(Property::FontOption, 0);
    control_.Store(Property::TextFlag, true);
}

void ReturnPrintRun::PrintItems(const FieldLayout& layout, short first, short last,
                                const std::function<void(short)>& item, double topOffset) {
    for (FieldNo = first; FieldNo <= last; ++FieldNo) {
        StorePlacement(layout.Row(FieldNo), topOffset);
        item(FieldNo);
        StorePrintText();
    }
}

void ReturnPrintRun::StorePlacement(const LayoutRow& row, double topOffset) {
    control_.Store(Property::TextWidth, row.Width);
    control_.Store(Property::TextHeight, row.Height);
    control_.Store(Property::TextLeft, row.X);
    control_.Store(Property::TextTop, row.Y + topOffset);
}

void ReturnPrintRun::StoreItemText(const printing::StoreValue& text) {
    const auto* asText = std::get_if<std::string>(&text.Get());
    if (asText && asText->empty()) {
        control_.Store(Property::ItemText, " ");
        return;
    }
    control_.Store(Property::ItemText, text);
}

void ReturnPrintRun::StoreTextTop(double top) { control_.Store(Property::TextTop, top); }

void ReturnPrintRun::StorePrintText() { control_.Store(Property::PrintText, true); }

void ReturnPrintRun::Finish() {
    control_.Store(Property::FinishCode, 33);
    control_.Store(Property::FinishSwitch, true);
    control_.Store(Property::FinishLevel, 95);
    control_.Store(Property::FinishMeasureA, 0.0);
    control_.Store(Property::FinishMeasureB, 0.0);
    control_.Store(Property::EndDoc, true);
}
