#include "ScenarioRunner.h"

#include "ScriptLine.h"
#include "Session.h"

#include "platform/basic/RuntimeError.h"
#include "shell/RegisterScreens.h"

#include <fstream>
#include <iterator>

namespace scenario {
namespace {

// After an action: answers that met a box they do not fit fail the line.
void ReportMisfits(Session& session) {
    for (const auto& misfit : session.Dialogs().TakeMisfits()) session.Fail(misfit);
}

// "NAME:" before a line names the copy that runs it.
bool NamesACopy(const Token& first) { return !first.quoted && first.text.size() > 1 && first.text.back() == ':'; }

} // namespace

bool RunLine(Session& session) {
    const Token& first = session.Line().tokens[0];
    if (NamesACopy(first)) return session.RunInCopy(first.text.substr(0, first.text.size() - 1));
    try {
        bool known =
            RunSetupCommand(session) || RunActionCommand(session) || RunCodeCommand(session) || RunExpectation(session);
        if (!known) throw ActionFailed{"unknown command " + session.Line().tokens[0].text};
        ReportMisfits(session);
        return true;
    } catch (const ActionFailed& e) {
        ReportMisfits(session);
        session.Fail(e.found);
    } catch (const basic::RuntimeError& e) {
        ReportMisfits(session);
        session.Fail("run-time error " + std::to_string(e.Number()) + " (" + e.Source() + "): " + e.Description());
    } catch (const std::exception& e) {
        ReportMisfits(session);
        session.Fail(std::string("error: ") + e.what());
    }
    return false;
}

Runner::Runner(std::ostream& report) : report_(report) { RegisterScreens(); }

bool Runner::RunFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        report_ << file.string() << ": cannot read the scenario\n";
        return false;
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return RunText(text, file.string());
}

bool Runner::RunText(const std::string& text, const std::string& fileName) {
    Script script = ParseScript(text, fileName);
    for (const auto& error : script.errors) report_ << error << "\n";
    if (!script.errors.empty()) return false;
    if (script.lines.empty()) {
        report_ << fileName << ": the scenario has no commands\n";
        return false;
    }

    Session session(script.lines, report_);
    bool finished = true;
    for (int i = 0; i < static_cast<int>(script.lines.size()); ++i) {
        session.MoveTo(i);
        if (!RunLine(session)) {
            finished = false;
            report_ << fileName << ": the scenario stops at line " << script.lines[static_cast<std::size_t>(i)].number
                    << "\n";
            break;
        }
    }
    if (finished) session.ReportLeftovers();
    return session.Failures() == 0;
}

} // namespace scenario
