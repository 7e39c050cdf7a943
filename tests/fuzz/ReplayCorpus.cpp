// Runs a fuzz target once on every file of the folders (or files) named, as
// ./test does with each target's corpus; a failing input aborts the run, and
// an input that leaves anything in the temporary folder fails it.
#include "support/LeavesNothingBehind.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void Replay(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char** argv) {
    return RunLeavingNothingBehind([&] {
        int replayed = 0;
        for (int i = 1; i < argc; ++i) {
            std::vector<std::filesystem::path> files;
            if (std::filesystem::is_directory(argv[i])) {
                for (const auto& entry : std::filesystem::directory_iterator(argv[i]))
                    if (entry.is_regular_file()) files.push_back(entry.path());
            } else {
                files.emplace_back(argv[i]);
            }
            for (const auto& file : files) {
                Replay(file);
                ++replayed;
            }
        }
        std::cout << "replayed " << replayed << " inputs\n";
        return replayed > 0 ? 0 : 1;
    });
}
