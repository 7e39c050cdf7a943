#pragma once
// A file's bytes as they stand on disk ("" for a file that is not there).
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

inline std::string FileContent(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}
