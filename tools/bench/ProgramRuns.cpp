#include "ProgramRuns.h"

#include "ItemFile.h"

#include "desktop/PdfPageSink.h"
#include "platform/data/DataControl.h"
#include "platform/files/ProgramFolder.h"
#include "platform/forms/EventScope.h"
#include "platform/forms/Forms.h"
#include "platform/printing/PageSink.h"
#include "platform/printing/PrintLog.h"
#include "shell/RegisterScreens.h"

#include <fstream>
#include <stdexcept>

namespace bench {
namespace {

forms::Control& ControlOf(const char* form, const char* control) {
    forms::Control* found = forms::Screen(form).ControlByName(control);
    if (!found) throw std::runtime_error(std::string("no control ") + form + "." + control);
    return *found;
}

void Click(const char* form, const char* control) {
    if (!forms::user::Click(ControlOf(form, control)))
        throw std::runtime_error(std::string("cannot click ") + form + "." + control);
}

forms::ScriptedDialogs& Dialogs() {
    return forms::App().UseScriptedDialogs(forms::ScriptedDialogs::WhenUnscripted::DefaultButton);
}

// Writes each page's items to a file, one a line (see ItemFile.h).
class ItemFileSink : public printing::PageSink {
public:
    explicit ItemFileSink(const std::string& path) : out_(path) {}
    void TakePage(const printing::PrintPage& page) override { WritePage(out_, page); }

private:
    std::ofstream out_;
};

// Each finished page is handed over, as in the program, and dropped unrendered.
class DroppedPages : public printing::PageSink {
public:
    void TakePage(const printing::PrintPage&) override {}
};

// Prints through `button` with the pages going where `maker` says; as the
// program does, the finished document is let go once the hook has had it.
void PrintThrough(const char* form, const char* button, printing::PageSinkMaker maker,
                  printing::DocumentFinishedHandler finished) {
    printing::SetPageSinkMaker(std::move(maker));
    printing::SetDocumentFinishedHandler(std::move(finished));
    try {
        Click(form, button);
    } catch (...) {
        printing::SetDocumentFinishedHandler({});
        printing::SetPageSinkMaker({});
        throw;
    }
    printing::SetDocumentFinishedHandler({});
    printing::SetPageSinkMaker({});
}

// As the program does: each page rendered as it is finished, the file ended
// with the document.
void PrintToPdf(const char* form, const char* button, const std::string& pdfPath) {
    PrintThrough(
        form, button,
        [pdfPath](const printing::PrintDocument& document) {
            return std::make_shared<desktop::PdfPageSink>(pdfPath, document.title);
        },
        [](const printing::PrintDocument& document) {
            std::string error;
            auto* pages = dynamic_cast<desktop::PdfPageSink*>(document.pageSink.get());
            if (!pages || !pages->Finish(&error)) throw std::runtime_error("not rendered: " + error);
        });
}

void PrintToItemFile(const char* form, const char* button, const std::string& itemsPath) {
    PrintThrough(
        form, button, [itemsPath](const printing::PrintDocument&) { return std::make_shared<ItemFileSink>(itemsPath); },
        [](const printing::PrintDocument&) {});
}

} // namespace

ProgramRuns::ProgramRuns(std::filesystem::path folder) : folder_(std::move(folder)) {
    printing::PrintLog::SetKeepingDocuments(false);
    files::SetProgramFolder(folder_);
    std::filesystem::current_path(folder_);
    RegisterScreens();
}

ProgramRuns::~ProgramRuns() {
    forms::App().Reset();
    printing::PrintLog::SetKeepingDocuments(true);
}

void ProgramRuns::PrepareStartup() {
    forms::App().Reset();
    printing::PrintLog::Reset();
    Dialogs();
}

void ProgramRuns::Startup() {
    forms::Screen("frm941MainScreen").Show();
    Click("frm941MainScreen", "Command1");
    if (!forms::App().LoadedForm("frmEmployersDE")) throw std::runtime_error("no employer screen");
}

void ProgramRuns::ClickEmployerArrow(const char* arrow) {
    auto& rows = dynamic_cast<data::DataControl&>(ControlOf("frmEmployersDE", "datEmployers"));
    forms::RunHandler(
        [&] { rows.UserMove(arrow[0] == 'F' ? data::DataControl::Arrow::First : data::DataControl::Arrow::Last); },
        true);
}

void ProgramRuns::PrepareMove() {
    if (!forms::App().LoadedForm("frmEmployersDE")) {
        PrepareStartup();
        Startup();
    }
    if (auto* form941 = forms::App().LoadedForm("frmDet941Covid0621")) forms::user::CloseWindow(*form941);
    ClickEmployerArrow("First");
}

void ProgramRuns::MoveLast() { ClickEmployerArrow("Last"); }

void ProgramRuns::PrepareFind(const std::string& name) {
    PrepareMove();
    Dialogs().AnswerInputBox(name);
}

void ProgramRuns::Find() {
    Click("frmEmployersDE", "cmdFind");
    if (!forms::App().LoadedForm("frmEmployersDE")) throw std::runtime_error("the employer screen went");
}

void ProgramRuns::PrepareOpen941() { PrepareMove(); }

void ProgramRuns::Open941() {
    Click("frmEmployersDE", "cmdQtr1");
    if (!forms::App().LoadedForm("frmDet941Covid0621")) throw std::runtime_error("no Form 941 screen");
}

void ProgramRuns::PrepareListing() {
    PrepareMove();
    if (!forms::App().LoadedForm("frmPrintLists")) Click("frmEmployersDE", "cmdPrint");
}

void ProgramRuns::PrintListing() {
    PrintThrough(
        "frmPrintLists", "DMWin1", [](const printing::PrintDocument&) { return std::make_shared<DroppedPages>(); },
        [](const printing::PrintDocument&) {});
}

void ProgramRuns::PrintListingToPdf(const std::string& pdfPath) { PrintToPdf("frmPrintLists", "DMWin1", pdfPath); }

void ProgramRuns::WriteListingItems(const std::string& itemsPath) {
    PrintToItemFile("frmPrintLists", "DMWin1", itemsPath);
}

void ProgramRuns::PrepareReturn() {
    if (auto* lists = forms::App().LoadedForm("frmPrintLists")) forms::user::CloseWindow(*lists);
    PrepareMove();
    if (!forms::App().LoadedForm("frmDet944Covid")) Click("frmEmployersDE", "cmd944");
    auto& dialogs = Dialogs();
    for (int i = 0; i < 3; ++i) dialogs.AnswerMsgBox(forms::vbYes);
}

void ProgramRuns::PrintReturnToPdf(const std::string& pdfPath) { PrintToPdf("frmDet944Covid", "DMWin2", pdfPath); }

void ProgramRuns::PrepareBackup(const std::string& backupFolder) {
    PrepareStartup();
    forms::Screen("frm941MainScreen").Show();
    Click("frm941MainScreen", "cmdUtility");
    Click("frm941UtilityMenu", "Command1");
    if (!forms::App().LoadedForm("frmBackup")) throw std::runtime_error("no backup screen");
    backupDialogs_ = &Dialogs();
    backupDialogs_->AnswerInputBox(backupFolder);
}

namespace {
void ExpectLastBoxSaying(const forms::ScriptedDialogs* dialogs, const std::string& text) {
    if (dialogs == nullptr) throw std::runtime_error("the screen was not prepared");
    const auto& boxes = dialogs->Boxes();
    if (boxes.empty() || boxes.back().prompt.find(text) == std::string::npos)
        throw std::runtime_error("expected \"" + text + "\", found \"" + (boxes.empty() ? "" : boxes.back().prompt) +
                                 "\"");
}
} // namespace

void ProgramRuns::Backup() {
    Click("frmBackup", "Command1");
    ExpectLastBoxSaying(backupDialogs_, "Backup completed.");
}

void ProgramRuns::Restore() {
    Click("frmBackup", "Command2");
    ExpectLastBoxSaying(backupDialogs_, "records were restored from backup data.");
}

void ProgramRuns::PrepareSaveEmployer() {
    PrepareStartup();
    Startup();
    saveDialogs_ = &Dialogs();
    Click("frmEmployersDE", "cmdAddRecord");
    const std::string taxId = std::to_string(900000000 + ++employersAdded_);
    const struct {
        const char* field;
        std::string text;
    } typed[] = {
        {"mskEmployerName1", "BENCH NEW " + taxId},
        {"mskIdType", "1"},
        {"mskPyr_Taxid", taxId},
        {"mskTypePayer", "R"},
        {"mskCountry", "Y"},
        {"mskAddress", "12 ELM ST"},
        {"mskCity", "NEW HAVEN"},
        {"mskState", "CT"},
        {"mskEmployerZip", "06510"},
    };
    for (const auto& field : typed)
        if (!forms::user::TypeText(ControlOf("frmEmployersDE", field.field), field.text))
            throw std::runtime_error(std::string("cannot type into ") + field.field);
}

void ProgramRuns::SaveEmployer() {
    Click("frmEmployersDE", "cmdSaveRecord");
    ExpectLastBoxSaying(saveDialogs_, "Save this Record?");
    if (!ControlOf("frmEmployersDE", "cmdAddRecord").Enabled()) throw std::runtime_error("the employer was not stored");
}

void ProgramRuns::WriteReturnItems(const std::string& itemsPath) {
    PrintToItemFile("frmDet944Covid", "DMWin2", itemsPath);
}

} // namespace bench
