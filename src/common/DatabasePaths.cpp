#include "common/DatabasePaths.h"

#include "platform/files/ProgramFolder.h"

std::string MainDatabasePath() { return files::AppPath() + "\\tv941.mdb"; }
std::string IdDatabasePath() { return files::AppPath() + "\\db1099_id.mdb"; }

std::string InClausePath(const std::string& path) {
    std::string quoted;
    for (char c : path) {
        quoted += c;
        if (c == '\'') quoted += '\'';
    }
    return quoted;
}
