#include "platform/data/IdleConnections.h"

#include "platform/data/Connection.h"

#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>

namespace data::idle {

namespace {

// A few per file are enough for screens that open one after another.
constexpr size_t kKeptPerFile = 2;
constexpr size_t kKeptInAll = 8;

struct FileState {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t modified = 0;
    std::int64_t changed = 0;
    bool operator==(const FileState&) const = default;
};

std::optional<FileState> StateOf(const std::string& path) {
    struct stat file {};
    if (::stat(path.c_str(), &file) != 0) return std::nullopt;
    auto nanoseconds = [](const timespec& t) { return static_cast<std::int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec; };
    return FileState{file.st_dev, file.st_ino, file.st_size, nanoseconds(file.st_mtim), nanoseconds(file.st_ctim)};
}

// A file's times move in steps of the kernel's clock tick: a write in the
// same step as the last one would leave them as they are. A connection is
// therefore kept only when its file was last written a while ago, so that any
// later write shows in the times.
constexpr std::int64_t kSettledNanoseconds = 50'000'000;

bool Settled(const FileState& state) {
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const std::int64_t nowNanoseconds = static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
    return nowNanoseconds - std::max(state.modified, state.changed) >= kSettledNanoseconds;
}

struct Kept {
    std::unique_ptr<Connection> connection;
    FileState state;
    pid_t process;
    uid_t user;
};

// Never destroyed: a connection let go while the process ends finds it still
// there, and a forked child must not close its parent's connections.
std::mutex& Guard() {
    static auto* guard = new std::mutex;
    return *guard;
}
std::deque<Kept>& KeptConnections() {
    static auto* kept = new std::deque<Kept>;
    return *kept;
}

bool Ours(const Kept& kept) { return kept.process == ::getpid(); }

// Closes a kept connection; one of another process (the parent of a fork)
// is left alone, its file and locks being that process's.
void Drop(Kept& kept) {
    if (!Ours(kept)) (void)kept.connection.release();
    kept.connection.reset();
}

} // namespace

std::unique_ptr<Connection> Take(const std::string& nativePath) {
    std::optional<FileState> now = StateOf(nativePath);
    std::lock_guard lock(Guard());
    auto& kept = KeptConnections();
    std::unique_ptr<Connection> found;
    for (auto it = kept.begin(); it != kept.end();) {
        if (!Ours(*it) || it->connection->FilePath() != nativePath) {
            ++it;
            continue;
        }
        bool usable = now && it->state == *now && it->user == ::geteuid();
        if (usable && !found) found = std::move(it->connection);
        else if (!usable) Drop(*it); // the file is not what it was
        else {
            ++it;
            continue;
        }
        it = kept.erase(it);
    }
    return found;
}

void Keep(std::unique_ptr<Connection> connection) {
    std::optional<FileState> state = StateOf(connection->FilePath());
    if (!state || !Settled(*state)) return;
    std::lock_guard lock(Guard());
    auto& kept = KeptConnections();
    auto sameFile = [&](const Kept& k) { return Ours(k) && k.connection->FilePath() == connection->FilePath(); };
    // Room is made by closing the oldest of the same file, else the oldest.
    if (std::count_if(kept.begin(), kept.end(), sameFile) >= static_cast<long>(kKeptPerFile)) {
        auto oldest = std::find_if(kept.begin(), kept.end(), sameFile);
        Drop(*oldest);
        kept.erase(oldest);
    }
    if (kept.size() >= kKeptInAll) {
        Drop(kept.front());
        kept.pop_front();
    }
    kept.push_back({std::move(connection), *state, ::getpid(), ::geteuid()});
}

} // namespace data::idle
