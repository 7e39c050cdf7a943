#include "platform/data/Engine.h"

#include "platform/basic/RuntimeError.h"
#include "platform/data/Connection.h"
#include "platform/data/DbaseFolder.h"
#include "platform/data/RowLocks.h"
#include "platform/files/Paths.h"
#include "platform/files/PermissionError.h"

#include <filesystem>
#include <sched.h>
#include <unistd.h>

namespace data {

namespace {

namespace fs = std::filesystem;

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The native file a system path names; 3044 when its folder does not exist,
// 3051 when this user may not look into it.
fs::path NativeFile(const std::string& path) {
    fs::path native;
    try {
        native = files::Resolve(path);
    } catch (const basic::RuntimeError&) {
        RaiseEngineError(errInvalidPath, kSourceWorkspace, path);
    }
    std::error_code ec;
    if (path.empty() || !fs::is_directory(native.parent_path(), ec))
        RaiseEngineError(files::PermissionDenied(ec) ? errNoPermission : errInvalidPath, kSourceWorkspace, path);
    return native;
}

// The folder part of a system path as the user wrote it (the path itself
// when it names no folder).
std::string FolderOf(const std::string& path) {
    const auto separator = path.find_last_of("\\/");
    return separator == std::string::npos ? path : path.substr(0, separator);
}

bool MayChange(const fs::path& file) {
    return !EngineAccessRefusal(file.string(), R_OK | W_OK) &&
           !EngineAccessRefusal(file.parent_path().string(), W_OK | X_OK) && RowsLockable(file.string());
}

} // namespace

DatabasePtr OpenDatabase(const std::string& path, bool /*exclusive*/, bool readOnly, const std::string& connect) {
    if (IsDbaseConnect(connect)) return OpenDbaseFolder(path);
    std::string driver = Lower(connect);
    if (!driver.empty() && driver.rfind("access", 0) != 0 && driver != ";") {
        RaiseEngineError(errNoInstallableDriver, kSourceWorkspace, connect);
    }
    fs::path native = NativeFile(path);
    std::error_code ec;
    if (!fs::is_regular_file(native, ec))
        RaiseEngineError(files::PermissionDenied(ec) ? errNoPermission : errFileNotFound, kSourceWorkspace, path);
    // A file asked for only to be read is one copied from (a backup, last
    // year's data), read wherever it lies, read-only media included.
    if (readOnly) return std::make_shared<Database>(path, native.string(), Connection::OpenToCopyFrom(native.string()));
    // A file this user may not change, in a folder where its journal cannot
    // be made, or whose rows cannot be locked, is opened for reading: it can
    // be looked at and printed, and every change says it is read-only.
    auto connection = Connection::Open(native.string(), !MayChange(native), false);
    return std::make_shared<Database>(path, native.string(), connection);
}

DatabasePtr CreateDatabase(const std::string& path, const std::string& locale) {
    if (!locale.empty() && locale.rfind(";LANGID=", 0) != 0)
        RaiseEngineError(errInvalidArgument, kSourceWorkspace, locale);
    fs::path native = NativeFile(path);
    std::error_code ec;
    if (fs::exists(native, ec)) RaiseEngineError(errDatabaseExists, kSourceWorkspace, path);
    // SQLite tells no reason why it could not make the file (it tries again
    // for reading and reports that try's failure): a folder this user may not
    // write, or one on read-only media, is named as the one the permission
    // is missing for.
    if (files::PermissionDenied(EngineAccessRefusal(native.parent_path().string(), W_OK | X_OK)))
        RaiseEngineError(errNoPermission, kSourceWorkspace, FolderOf(path));
    auto connection = Connection::Open(native.string(), false, true);
    // A backup is one self-contained file that may be carried away.
    connection->Exec("PRAGMA journal_mode = DELETE", kSourceWorkspace);
    connection->Exec("CREATE TABLE engine_locale (locale TEXT)", kSourceWorkspace);
    connection->Exec("DROP TABLE engine_locale", kSourceWorkspace);
    return std::make_shared<Database>(path, native.string(), connection);
}

DatabasePtr CreatePrivateDatabase() {
    auto connection = Connection::CreatePrivate("private.mdb");
    return std::make_shared<Database>(connection->FilePath(), connection->FilePath(), connection);
}

void Idle(int /*options*/) {
    // Nothing is held between statements; give other processes a turn.
    sched_yield();
}

} // namespace data
