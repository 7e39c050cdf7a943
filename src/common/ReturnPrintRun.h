#pragma once
// What every return printout (Form 941, Form 944) does around its items: the
// employer's and the paid preparer's texts read under their step markers, the
// hourglass, the questions, the document, page and item stores in the print
// control's order, the end stores, and the error exit that reports where the
// run stopped.
//
// Usage (a screen's print handler):
//   ReturnPrintRun run(DMWin2);
//   run.Run([&] {
//       run.ReadEmployerTexts(*employers.datEmployers.Recordset());  // FieldNo 101..113
//       run.ReadPreparer();                                          // FieldNo 114
//       run.FieldNo = 115;
//       run.ShowHourglass();
//       if (run.AskYesNo("...", "...")) { ... }
//       run.StartDocument("Print Form 941 - Schedule A", "ACME TOOLS - Form 941 2022 Q1");
//       run.SetUpPage({"Page 1", "TAX941.TFL", "TF1P1226.wmf"});
//       run.PrintItems(layout, 1, 39, [&](short n) { run.StoreItemText(TextOfItem(n)); });
//       run.Finish();
//   });
// Run shows "Error = n Error source s for Case = FieldNo" for a run-time
// error, discards the half-built document and always puts the pointer back.
#include <functional>
#include <string>

#include "common/EmployerHandOver.h"
#include "common/PaidPreparerRecord.h"
#include "common/PrintLayout.h"
#include "platform/printing/DMWin.h"

namespace data {
class Recordset;
}

// The employer's columns as a printout holds them for the length of a run.
struct EmployerPrintTexts {
    std::string ContactName;
    std::string ContactPhone;
    std::string NameOfSigner;
    std::string TitleOfSigner;
    std::string EmployerName1;
    std::string EmployerName2;
    std::string AddressLine1;
    std::string AddressLine2;
    std::string City;
    std::string State;
    std::string EmployerZipCode;
    std::string EmployerZipCodeExt;
    std::string Pyr_TaxId;
};

// The three stores that tell one page of a printout from another.
struct PrintPageSetUp {
    std::string Caption;
    std::string Template;
    std::string Picture;
};

inline constexpr short kFirstEmployerMarker = 101; // 101..113, one per column
inline constexpr short kPreparerMarker = 114;
inline constexpr short kSetUpMarker = 115;

class ReturnPrintRun {
public:
    explicit ReturnPrintRun(printing::DMWin& control) : control_(control) {}

    // The item being printed, or the step marker before the item loops.
    short FieldNo = 0;
    std::string VoucherChoice = "No";
    std::string Part6Choice = "No";
    std::string DesigneeChoice = "N";
    EmployerPrintTexts Employer;
    PaidPreparerRecord Preparer; // trimmed

    // Runs a printout's steps under the error exit.
    void Run(const std::function<void()>& steps);

    // The questions that open a return's print run.
    struct OpeningQuestions {
        std::string returnOrVoucherPrompt;
        std::string returnOrVoucherTitle;
        std::string preparerPrompt;
        std::string preparerTitle;
        // FieldNo from the preparer's read until the first item (the
        // earlier Form 941 printouts keep the preparer's 114).
        short setUpMarker = kSetUpMarker;
        // Asked after the return was chosen when given; its answer changes
        // nothing in the printout (the earlier Form 944's deposit states).
        std::string depositStatesPrompt{};
        std::string depositStatesTitle{};
        // The form the designee question names.
        std::string designeeForm = "941";
    };
    // The flow every return printout shares, under the error exit: the
    // employer's columns and the preparer's record, the hourglass, then the
    // return (asking for the preparer part) or the voucher.
    void PrintReturnOrVoucher(const EmployerHandOver& employer, const OpeningQuestions& questions,
                              const std::function<void()>& printReturn, const std::function<void()>& printVoucher);

    // The thirteen columns of the current employer row, FieldNo set to 101,
    // 102, ... before each. An empty (Null) column gives a blank text; the
    // contact name, signer's name and title, second name, suite line and ZIP
    // extension hold " " then, as the items print them.
    void ReadEmployerTexts(data::Recordset& employers);
    // Record 1 of the paid preparer's file, trimmed, under FieldNo 114. The
    // file is never created; a missing or short one gives blank fields.
    void ReadPreparer();

    void ShowHourglass();
    void ShowDefaultPointer();

    // A Yes/No question with the question icon; true on Yes.
    bool AskYesNo(const std::string& prompt, const std::string& title);
    // Sets DesigneeChoice: "Y" only when the designee's name, phone and PIN
    // (trimmed) are all filled in and the user answers Yes to the question.
    // `form` names the form in the question ("941").
    void AskDesigneeQuestion(const std::string& contactName, const std::string& contactPhone,
                             const std::string& designeePIN, const std::string& form = "941");

    // The document, and the name it proposes for its file (PrintEngine::NameFile).
    void StartDocument(const std::string& title, const std::string& fileName);
    // The page stores from PageCaption to TextFlag; beforePicture, when
    // given, runs between PageTemplate and PagePicture.
    void SetUpPage(const PrintPageSetUp& page, const std::function<void()>& beforePicture = {});
    // For FieldNo first..last: the placement stores of the item's layout row
    // (topOffset added to its Y), then `item` (its ItemText stores), then
    // PrintText.
    void PrintItems(const FieldLayout& layout, short first, short last, const std::function<void(short fieldNo)>& item,
                    double topOffset = 0);
    // One item's text; an empty text is stored as " ", the control's blank.
    void StoreItemText(const printing::StoreValue& text);
    void StoreTextTop(double top);
    // The two halves of an item around its text, for a printout that does
    // more between them than PrintItems does.
    void StorePlacement(const LayoutRow& row, double topOffset = 0);
    void StorePrintText();
    void Finish();

private:
    printing::DMWin& control_;
};

// The error report of a return printout.
std::string PrintErrorMessage(int number, const std::string& source, short fieldNo);
