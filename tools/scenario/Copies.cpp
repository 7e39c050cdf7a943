#include "Copies.h"

#include "Session.h"

#include "shell/RegisterScreens.h"

#include <csignal>
#include <poll.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#ifndef SCENARIO_PROGRAM
#error "SCENARIO_PROGRAM names the scenario program a copy runs"
#endif

namespace scenario {
namespace {

// A request is "number US shown US command LF"; a reply is the report text,
// then "RS failures goOn LF". Neither separator can stand in a script line.
constexpr char kUnit = '\x1f';
constexpr char kRecord = '\x1e';
// A line that takes longer than this in a copy is taken for a hang.
constexpr int kLineTimeoutMs = 60000;

bool SendAll(int fd, const std::string& text) {
    std::size_t sent = 0;
    while (sent < text.size()) {
        ssize_t n = ::send(fd, text.data() + sent, text.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

// Reads up to and including `end`; false when the channel closes first or
// nothing comes within the timeout (-1: wait for ever).
bool ReadUntil(int fd, char end, std::string& out, int timeoutMs) {
    char c = 0;
    for (;;) {
        pollfd ready{fd, POLLIN, 0};
        if (::poll(&ready, 1, timeoutMs) <= 0) return false;
        if (::read(fd, &c, 1) != 1) return false;
        if (c == end) return true;
        out += c;
    }
}

void Reply(int channel, const std::string& text, int failures, bool goOn) {
    SendAll(channel, text + kRecord + std::to_string(failures) + " " + (goOn ? "1" : "0") + "\n");
}

} // namespace

CopyProcess::CopyProcess(const std::filesystem::path& programFolder, const std::string& fileName) {
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) throw ActionFailed{"cannot start a copy"};
    const std::string program = SCENARIO_PROGRAM;
    const std::string folder = programFolder.string();
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(ends[1], kCopyChannel); // dup2 drops close-on-exec
        const char* argv[] = {program.c_str(), "--copy", folder.c_str(), fileName.c_str(), nullptr};
        ::execv(program.c_str(), const_cast<char* const*>(argv));
        ::_exit(127);
    }
    ::close(ends[1]);
    channel_ = ends[0];
    if (pid_ < 0) {
        ::close(channel_);
        throw ActionFailed{"cannot start a copy"};
    }
}

CopyProcess::~CopyProcess() { Kill(); }

void CopyProcess::Kill() {
    if (channel_ >= 0) ::close(channel_);
    channel_ = -1;
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    pid_ = -1;
}

CopyReport CopyProcess::Await() {
    std::string text;
    std::string status;
    if (!ReadUntil(channel_, kRecord, text, kLineTimeoutMs) || !ReadUntil(channel_, '\n', status, kLineTimeoutMs)) {
        Kill();
        return {1, text + "the copy ended or stopped answering; it has been ended\n", false};
    }
    CopyReport report;
    report.text = text;
    char goOn = '1';
    std::istringstream(status) >> report.failures >> goOn;
    report.goOn = goOn == '1';
    return report;
}

CopyReport CopyProcess::Run(int number, const std::string& shown, const std::string& command) {
    if (channel_ < 0) return {1, "the copy has been ended\n", false};
    if (!SendAll(channel_, std::to_string(number) + kUnit + shown + kUnit + command + "\n")) {
        Kill();
        return {1, "the copy has ended\n", false};
    }
    return Await();
}

CopyReport CopyProcess::End() {
    if (channel_ < 0) return {};
    ::shutdown(channel_, SHUT_WR);
    CopyReport report = Await();
    if (channel_ >= 0) {
        ::close(channel_);
        channel_ = -1;
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    return report;
}

int ServeAsCopy(const std::filesystem::path& programFolder, const std::string& fileName, int channel) {
    RegisterScreens();
    std::vector<ScriptLine> lines;
    std::ostringstream report;
    Session session(lines, report);
    session.Join(programFolder);
    std::string request;
    while (ReadUntil(channel, '\n', request, -1)) {
        ScriptLine line{fileName, 0, "", {}};
        std::size_t first = request.find(kUnit);
        std::size_t second = request.find(kUnit, first + 1);
        line.number = std::stoi(request.substr(0, first));
        line.source = request.substr(first + 1, second - first - 1);
        const std::string command = request.substr(second + 1);
        request.clear();
        lines.push_back(line);
        session.MoveTo(static_cast<int>(lines.size()) - 1);
        const int before = session.Failures();
        bool goOn = false;
        try {
            lines.back().tokens = Tokenize(command);
            goOn = !lines.back().tokens.empty() && RunLine(session);
            if (lines.back().tokens.empty()) session.Fail("nothing to run in the copy");
        } catch (const std::invalid_argument& e) {
            session.Fail(e.what());
        }
        Reply(channel, report.str(), session.Failures() - before, goOn);
        report.str("");
    }
    const int before = session.Failures();
    session.ReportLeftovers();
    Reply(channel, report.str(), session.Failures() - before, true);
    return 0;
}

} // namespace scenario
