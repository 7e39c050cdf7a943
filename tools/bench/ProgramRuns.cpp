#include "ProgramRuns.h"

#include "desktop/PdfRenderer.h"
#include "platform/data/DataControl.h"
#include "platform/files/ProgramFolder.h"
#include "platform/forms/EventScope.h"
#include "platform/forms/Forms.h"
#include "platform/printing/PrintLog.h"
#include "shell/RegisterScreens.h"

#include <stdexcept>

namespace bench {
namespace {

forms::Control& ControlOf(const char* form, const char* control)
{
    forms::Control* found = forms::Screen(form).ControlByName(control);
    if (!found) throw std::runtime_error(std::string("no control ") + form + "." + control);
    return *found;
}

void Click(const char* form, const char* control)
{
    if (!forms::user::Click(ControlOf(form, control)))
        throw std::runtime_error(std::string("cannot click ") + form + "." + control);
}

forms::ScriptedDialogs& Dialogs()
{
    return forms::App().UseScriptedDialogs(forms::ScriptedDialogs::WhenUnscripted::DefaultButton);
}

// As the program does: each finished document rendered, then let go.
void RenderEachFinishedDocumentTo(const std::string& pdfPath, printing::PrintDocument* copy = nullptr)
{
    printing::SetDocumentFinishedHandler([pdfPath, copy](const printing::PrintDocument& document) {
        std::string error;
        if (!desktop::RenderPdf(document, pdfPath, &error)) throw std::runtime_error(error);
        if (copy) *copy = document;
    });
}

} // namespace

ProgramRuns::ProgramRuns(std::filesystem::path folder) : folder_(std::move(folder))
{
    printing::PrintLog::SetKeepingDocuments(false);
    files::SetProgramFolder(folder_);
    std::filesystem::current_path(folder_);
    RegisterScreens();
}

ProgramRuns::~ProgramRuns()
{
    forms::App().Reset();
    printing::SetDocumentFinishedHandler({});
    printing::PrintLog::SetKeepingDocuments(true);
}

void ProgramRuns::PrepareStartup()
{
    forms::App().Reset();
    printing::PrintLog::Reset();
    Dialogs();
}

void ProgramRuns::Startup()
{
    forms::Screen("frm941MainScreen").Show();
    Click("frm941MainScreen", "Command1");
    if (!forms::App().LoadedForm("frmEmployersDE")) throw std::runtime_error("no employer screen");
}

void ProgramRuns::ClickEmployerArrow(const char* arrow)
{
    auto& rows = dynamic_cast<data::DataControl&>(ControlOf("frmEmployersDE", "datEmployers"));
    forms::EventScope action(true);
    rows.UserMove(arrow[0] == 'F' ? data::DataControl::Arrow::First : data::DataControl::Arrow::Last);
}

void ProgramRuns::PrepareMove()
{
    if (!forms::App().LoadedForm("frmEmployersDE")) {
        PrepareStartup();
        Startup();
    }
    if (auto* form941 = forms::App().LoadedForm("frmDet941Covid0621")) forms::user::CloseWindow(*form941);
    ClickEmployerArrow("First");
}

void ProgramRuns::MoveLast() { ClickEmployerArrow("Last"); }

void ProgramRuns::PrepareFind(const std::string& name)
{
    PrepareMove();
    Dialogs().AnswerInputBox(name);
}

void ProgramRuns::Find()
{
    Click("frmEmployersDE", "cmdFind");
    if (!forms::App().LoadedForm("frmEmployersDE")) throw std::runtime_error("the employer screen went");
}

void ProgramRuns::PrepareOpen941() { PrepareMove(); }

void ProgramRuns::Open941()
{
    Click("frmEmployersDE", "cmdQtr1");
    if (!forms::App().LoadedForm("frmDet941Covid0621")) throw std::runtime_error("no Form 941 screen");
}

void ProgramRuns::PrepareListing()
{
    PrepareMove();
    if (!forms::App().LoadedForm("frmPrintLists")) Click("frmEmployersDE", "cmdPrint");
    printing::SetDocumentFinishedHandler({});
}

void ProgramRuns::PrintListing()
{
    printing::SetDocumentFinishedHandler([](const printing::PrintDocument&) {});
    Click("frmPrintLists", "DMWin1");
    printing::SetDocumentFinishedHandler({});
}

void ProgramRuns::PrintListingToPdf(const std::string& pdfPath)
{
    RenderEachFinishedDocumentTo(pdfPath);
    Click("frmPrintLists", "DMWin1");
    printing::SetDocumentFinishedHandler({});
}

void ProgramRuns::PrepareReturn()
{
    if (auto* lists = forms::App().LoadedForm("frmPrintLists")) forms::user::CloseWindow(*lists);
    PrepareMove();
    if (!forms::App().LoadedForm("frmDet944Covid")) Click("frmEmployersDE", "cmd944");
    printing::PrintLog::Reset();
    auto& dialogs = Dialogs();
    for (int i = 0; i < 3; ++i) dialogs.AnswerMsgBox(forms::vbYes);
}

void ProgramRuns::PrintReturnToPdf(const std::string& pdfPath)
{
    RenderEachFinishedDocumentTo(pdfPath, &lastRendered_);
    Click("frmDet944Covid", "DMWin2");
    printing::SetDocumentFinishedHandler({});
}

const printing::PrintDocument& ProgramRuns::LastDocument() const
{
    if (lastRendered_.pages.empty()) throw std::runtime_error("nothing was printed");
    return lastRendered_;
}

} // namespace bench
