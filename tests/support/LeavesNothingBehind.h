#pragma once
// Runs a whole test program in a temporary folder of its own under TMPDIR,
// named to it as TMPDIR while it runs. Whatever its tests leave there, but
// the program's runtime folder, is named and fails the run; the folder goes
// whole at the end either way.

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

#include "support/RunFolder.h"

// The run's status; 1 when it passed but left something behind.
inline int RunLeavingNothingBehind(const std::function<int()>& run) {
    const RunFolder folder("tv-tests");
    std::optional<std::string> before;
    if (const char* named = std::getenv("TMPDIR")) before = named;
    ::setenv("TMPDIR", folder.Path().c_str(), 1);
    int status = run();
    if (before) ::setenv("TMPDIR", before->c_str(), 1);
    else ::unsetenv("TMPDIR");

    const std::string runtime = "runtime-" + std::to_string(::getuid());
    std::vector<std::string> left;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder.Path(), error), end; entry != end; entry.increment(error)) {
        if (entry->path().filename() != runtime) left.push_back(entry->path().filename().string());
    }
    if (!left.empty()) {
        std::cerr << "The tests left behind in their temporary folder:\n";
        for (const std::string& name : left) std::cerr << "  " << name << "\n";
        if (status == 0) status = 1;
    }
    return status;
}
