#pragma once
// Other copies of the program in one scenario: `copy NAME` starts the
// scenario program again as a separate process on the same program folder
// (`scenario --copy FOLDER FILE`), and `NAME: LINE` hands it one line at a
// time over a socket, waiting until the line has run to its end.

#include <filesystem>
#include <string>
#include <sys/types.h>

namespace scenario {

// What a copy reports for one line (or for its end): its failures, written
// as the runner writes its own, and whether the scenario may go on.
struct CopyReport {
    int failures = 0;
    std::string text;
    bool goOn = true;
};

class CopyProcess {
public:
    // Starts the copy; it loads and shows frmStartup as `start` does, with
    // the line `number` (`shown` as written) as its origin.
    CopyProcess(const std::filesystem::path& programFolder, const std::string& fileName);
    // Ends the copy at once when it is still running.
    ~CopyProcess();
    CopyProcess(const CopyProcess&) = delete;
    CopyProcess& operator=(const CopyProcess&) = delete;

    // Runs `command` in the copy; `shown` is the line as the script wrote it.
    CopyReport Run(int number, const std::string& shown, const std::string& command);
    // Lets the copy report its unchecked boxes and unused answers, and ends it.
    CopyReport End();

private:
    CopyReport Await();
    void Kill();

    pid_t pid_ = -1;
    int channel_ = -1;
};

// The copy's side: runs the lines it is sent on `channel` against its own
// screens in the program folder, until the channel closes. Returns the exit code.
int ServeAsCopy(const std::filesystem::path& programFolder, const std::string& fileName, int channel);

// The descriptor the copy's channel has in the copy.
inline constexpr int kCopyChannel = 3;

} // namespace scenario
