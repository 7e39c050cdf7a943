#include "Session.h"
#include "SqlText.h"

#include "platform/basic/Clock.h"
#include "platform/basic/RuntimeError.h"
#include "platform/data/Schema.h"
#include "platform/files/ProgramFolder.h"
#include "platform/forms/EventScope.h"
#include "platform/forms/Screens.h"
#include "platform/printing/PrintLog.h"

#include <algorithm>
#include <fstream>
#include <sys/resource.h>

namespace scenario {
namespace {

const std::vector<Token>& Args(Session& session) { return session.Line().tokens; }

void NeedArgs(Session& session, std::size_t count, const char* usage) {
    if (Args(session).size() != count + 1) throw ActionFailed{std::string("usage: ") + usage};
}

void NeedProgramFolder(Session& session) {
    if (!session.HasProgramFolder()) throw ActionFailed{"no program folder yet: the scenario must begin with fresh"};
}

std::filesystem::path DatabaseFile(Session& session, const Token& which) {
    NeedProgramFolder(session);
    auto path = ScriptDatabasePath(which.text, which.quoted);
    if (!path) throw ActionFailed{"the database is main, id or a quoted file name, not " + which.text};
    return *path;
}

void Sql(Session& session) {
    NeedArgs(session, 2, "sql main|id|\"FILE\" \"STATEMENT\"");
    try {
        ExecuteSql(DatabaseFile(session, Args(session)[1]), Args(session)[2].text);
    } catch (const std::runtime_error& e) {
        throw ActionFailed{std::string("SQL error: ") + e.what()};
    }
}

void File(Session& session) {
    NeedArgs(session, 2, "file \"NAME\" \"CONTENT\"");
    NeedProgramFolder(session);
    auto path = ScriptFilePath(Args(session)[1].text);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << Args(session)[2].text;
    if (!out) throw ActionFailed{"cannot write " + path.string()};
}

void Drive(Session& session) {
    NeedArgs(session, 2, "drive X \"FOLDER\"");
    NeedProgramFolder(session);
    const std::string& letter = Args(session)[1].text;
    if (letter.size() != 1 || !std::isalpha(static_cast<unsigned char>(letter[0])))
        throw ActionFailed{"a drive is one letter, not " + letter};
    MapDrive(letter[0], Args(session)[2].text);
}

void Today(Session& session) {
    NeedArgs(session, 1, "today YYYY-MM-DD");
    auto date = basic::ParseDate(Args(session)[1].text);
    if (!date) throw ActionFailed{"not a date: " + Args(session)[1].text};
    basic::SetToday(date->Year, date->Month, date->Day);
}

// The largest file the program may write from now on, as a nearly full disk
// leaves room for; "none" lifts it. Exceeding it is the program's to handle.
void SetFileSizeLimit(const std::string& size) {
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    if (size == "none") {
        limit.rlim_cur = limit.rlim_max;
    } else {
        if (size.empty() || size.find_first_not_of("0123456789") != std::string::npos || size.size() > 15)
            throw ActionFailed{"a file size limit is a number of bytes or none, not " + size};
        limit.rlim_cur = std::min<rlim_t>(std::stoull(size), limit.rlim_max);
    }
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) throw ActionFailed{"cannot set the file size limit"};
}

void Start(Session& session) {
    NeedArgs(session, 0, "start");
    NeedProgramFolder(session);
    printing::PrintLog::Reset();
    forms::RunHandler([] { forms::Screen("frmStartup").Show(); }, true);
}

} // namespace

bool RunSetupCommand(Session& session) {
    const std::string& command = Args(session)[0].text;
    if (command == "fresh") {
        NeedArgs(session, 0, "fresh");
        SetFileSizeLimit("none");
        session.Fresh();
    } else if (command == "sql") {
        Sql(session);
    } else if (command == "file") {
        File(session);
    } else if (command == "drive") {
        Drive(session);
    } else if (command == "today") {
        Today(session);
    } else if (command == "start") {
        Start(session);
    } else if (command == "limit") {
        NeedArgs(session, 1, "limit BYTES|none");
        SetFileSizeLimit(Args(session)[1].text);
    } else if (command == "copy") {
        NeedArgs(session, 1, "copy NAME");
        session.StartCopy(Args(session)[1].text);
    } else {
        return false;
    }
    return true;
}

} // namespace scenario
