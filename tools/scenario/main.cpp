// Runs scenario files against the real screens; exits 0 only when every
// expectation of every file holds.
#include "Copies.h"
#include "ScenarioRunner.h"

#include "platform/files/FileSizeSignal.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    // As the program: a write past the file-size limit fails as on a full disk.
    files::FailWritesPastTheFileSizeLimit();
    // Another copy of the program, started by a scenario's `copy NAME`.
    if (argc == 4 && std::string(argv[1]) == "--copy")
        return scenario::ServeAsCopy(argv[2], argv[3], scenario::kCopyChannel);
    if (argc < 2) {
        std::cerr << "usage: scenario FILE.scenario [FILE.scenario ...]\n";
        return 2;
    }
    // The scenarios change the current folder; take the paths first.
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) files.push_back(std::filesystem::absolute(argv[i]));

    scenario::Runner runner(std::cerr);
    int failed = 0;
    for (const auto& file : files) {
        if (runner.RunFile(file)) {
            std::cout << "passed " << file.filename().string() << "\n";
        } else {
            std::cout << "FAILED " << file.filename().string() << "\n";
            ++failed;
        }
    }
    return failed == 0 ? 0 : 1;
}
