#pragma once
#include "Copies.h"
#include "ProgramFolderLayout.h"
#include "RunnerDialogs.h"
#include "ScriptLine.h"

#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace scenario {

// An action that cannot be carried out (an unknown control, a disabled
// button, an error a handler let out): the scenario ends at this line.
struct ActionFailed {
    std::string found;
};

// The state of one scenario run, shared by the command groups.
class Session {
public:
    Session(const std::vector<ScriptLine>& lines, std::ostream& report);
    // Unloads every screen before the program folder goes, and gives the
    // process back the program and current folders it had.
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    const ScriptLine& Line() const { return lines_[current_]; }
    int LineIndex() const { return current_; }
    const ScriptLine& LineAt(int index) const { return lines_[static_cast<std::size_t>(index)]; }
    void MoveTo(int index);

    // Reports a failure of the current line (or of `lineIndex`) and what was found instead.
    void Fail(const std::string& found);
    void FailAt(int lineIndex, const std::string& found);
    int Failures() const { return failures_; }

    RunnerDialogs& Dialogs() { return *dialogs_; }
    // Fails the boxes never checked (at the line that showed each) and the
    // answers never used (at the line that queued each).
    void ReportLeftovers();
    // A new program folder and runtime: every screen unloaded, fresh dialogs,
    // the system clock, an empty print log. The old dialogs' leftovers are
    // reported first.
    void Fresh();
    // A copy's runtime on the program folder of the scenario that started
    // it: its own dialogs, nothing made fresh.
    void Join(const std::filesystem::path& programFolder);
    bool HasProgramFolder() const { return folder_ != nullptr || !joined_.empty(); }

    // `copy NAME`: starts another copy of the program on this program folder.
    void StartCopy(const std::string& name);
    // `NAME: LINE`: runs the current line's LINE in that copy; false when
    // the scenario cannot go on.
    bool RunInCopy(const std::string& name);

private:
    void UseProgramFolder(const std::filesystem::path& folder);
    void TakeCopyReport(const CopyReport& report);
    // Ends every copy, reporting first what each left unchecked when asked.
    void EndCopies(bool reportLeftovers);

    const std::vector<ScriptLine>& lines_;
    std::ostream& report_;
    int current_ = 0;
    int failures_ = 0;
    std::shared_ptr<RunnerDialogs> dialogs_;
    std::unique_ptr<TempProgramFolder> folder_;
    std::filesystem::path joined_;
    std::map<std::string, std::unique_ptr<CopyProcess>> copies_;
    std::filesystem::path previousProgramFolder_;
    std::filesystem::path previousCurrentFolder_;
};

// Each group runs the commands it knows and returns false for the others.
bool RunSetupCommand(Session& session);
bool RunActionCommand(Session& session);
bool RunCodeCommand(Session& session);
bool RunExpectation(Session& session);

// Runs the session's current line (in a copy when it names one); false when
// the scenario cannot go on.
bool RunLine(Session& session);

} // namespace scenario
