#include "Session.h"

#include "platform/basic/Clock.h"
#include "platform/files/Drives.h"
#include "platform/files/Paths.h"
#include "platform/files/ProgramFolder.h"
#include "platform/forms/Application.h"
#include "platform/printing/PrintLog.h"

namespace scenario {

Session::Session(const std::vector<ScriptLine>& lines, std::ostream& report)
    : lines_(lines), report_(report), dialogs_(std::make_shared<RunnerDialogs>()),
      previousProgramFolder_(files::ProgramFolder()), previousCurrentFolder_(std::filesystem::current_path()) {
    forms::App().SetDialogs(dialogs_);
}

Session::~Session() {
    EndCopies(false);
    forms::App().Reset();
    basic::UseSystemClock();
    files::SetProgramFolder(previousProgramFolder_);
    std::error_code ignored;
    std::filesystem::current_path(previousCurrentFolder_, ignored);
}

void Session::MoveTo(int index) {
    current_ = index;
    dialogs_->SetCurrentLine(index);
}

void Session::Fail(const std::string& found) { FailAt(current_, found); }

void Session::FailAt(int lineIndex, const std::string& found) {
    ++failures_;
    const ScriptLine& line = LineAt(lineIndex < 0 ? 0 : lineIndex);
    report_ << line.Where() << ": " << line.source << "\n    found: " << found << "\n";
}

void Session::ReportLeftovers() {
    EndCopies(true);
    for (const auto& box : dialogs_->Boxes()) {
        if (box.checked) continue;
        FailAt(box.shownAtLine, std::string(box.isInput ? "input box" : "message box") +
                                    " never checked: " + (box.isInput ? "" : std::to_string(box.style) + " ") +
                                    ScriptQuote(box.title) + " " + ScriptQuote(box.prompt));
    }
    for (const auto& answer : dialogs_->UnusedAnswers())
        FailAt(answer.queuedAtLine, "answer " + answer.written + " never used: no box came up for it");
}

void Session::Fresh() {
    if (!joined_.empty()) throw ActionFailed{"a copy makes nothing fresh"};
    // The screens go first: they may hold the old folder's databases open.
    forms::App().Reset();
    ReportLeftovers();
    folder_.reset();
    folder_ = std::make_unique<TempProgramFolder>();
    UseProgramFolder(folder_->Path());
}

void Session::Join(const std::filesystem::path& programFolder) {
    joined_ = programFolder;
    UseProgramFolder(programFolder);
}

void Session::UseProgramFolder(const std::filesystem::path& folder) {
    files::SetProgramFolder(folder);
    files::ChDir(folder.string());

    auto& app = forms::App();
    app.SetPathResolver([](const std::string& path) { return files::Resolve(path); });
    app.SetDriveLetters([] { return files::DriveLetters(); });
    dialogs_ = std::make_shared<RunnerDialogs>();
    dialogs_->SetCurrentLine(current_);
    app.SetDialogs(dialogs_);

    basic::UseSystemClock();
    printing::PrintLog::Reset();
}

void Session::StartCopy(const std::string& name) {
    if (!HasProgramFolder()) throw ActionFailed{"no program folder yet: the scenario must begin with fresh"};
    if (copies_.count(name)) throw ActionFailed{"a copy named " + name + " runs already"};
    auto copy = std::make_unique<CopyProcess>(files::ProgramFolder(), Line().file);
    CopyReport started = copy->Run(Line().number, Line().source, "start");
    copies_[name] = std::move(copy);
    TakeCopyReport(started);
    if (!started.goOn) throw ActionFailed{"the copy could not start"};
}

bool Session::RunInCopy(const std::string& name) {
    auto copy = copies_.find(name);
    if (copy == copies_.end()) {
        Fail("no copy named " + name + " (start one with copy " + name + ")");
        return false;
    }
    const std::string& source = Line().source;
    CopyReport report = copy->second->Run(Line().number, source, source.substr(Line().tokens[0].text.size()));
    TakeCopyReport(report);
    return report.goOn;
}

void Session::TakeCopyReport(const CopyReport& report) {
    report_ << report.text;
    failures_ += report.failures;
}

void Session::EndCopies(bool reportLeftovers) {
    for (auto& [name, copy] : copies_) {
        CopyReport ended = reportLeftovers ? copy->End() : CopyReport{};
        TakeCopyReport(ended);
    }
    copies_.clear();
}

} // namespace scenario
