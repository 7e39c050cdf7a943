#pragma once
// dBASE III tables for tests, written by Debian's python3-dbf (an independent
// writer, so that the reader under test cannot share a misreading of the
// format with the tables it reads).
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace dostables {

inline std::string JsonText(const std::string& text) {
    std::string json = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') json += '\\';
        json += c;
    }
    return json + "\"";
}

struct DosTable {
    std::string fields; // "PAYERNAME1 C(30); PAYER_ZIP C(10)"
    std::vector<std::vector<std::string>> rows;
    std::vector<int> deleted = {};
    std::string codepage = "cp437";
};

inline void WriteDosTable(const std::string& path, const DosTable& table) {
    std::string json = "{\"path\": " + JsonText(path) + ", \"fields\": " + JsonText(table.fields) +
                       ", \"codepage\": " + JsonText(table.codepage) + ", \"rows\": [";
    for (size_t r = 0; r < table.rows.size(); ++r) {
        json += r ? ", [" : "[";
        for (size_t c = 0; c < table.rows[r].size(); ++c) json += (c ? ", " : "") + JsonText(table.rows[r][c]);
        json += "]";
    }
    json += "], \"deleted\": [";
    for (size_t d = 0; d < table.deleted.size(); ++d) json += (d ? ", " : "") + std::to_string(table.deleted[d]);
    json += "]}";
    const std::string command = std::string("/usr/bin/python3 ") + TV_SOURCE_DIR + "/tests/support/write_dbf.py";
    FILE* writer = ::popen(command.c_str(), "w");
    if (writer == nullptr) throw std::runtime_error("cannot run " + command);
    std::fputs(json.c_str(), writer);
    if (::pclose(writer) != 0) throw std::runtime_error("python3-dbf could not write " + path);
}

} // namespace dostables
