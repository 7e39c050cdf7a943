#pragma once
// Internal: connections whose last user let them go, kept for the next open
// of the same file. Screens open their own connection each time they load,
// and opening one (the file, SQLite's reading of every table's definition,
// the start-up pragmas) costs more than reading a row. A kept connection has
// no transaction, statement, attached file or lock, so the next user gets it
// as a fresh one would be; SQLite itself notices at its next read whatever
// other connections or copies changed meanwhile.
//
// One is kept only when its file was last written a while ago, and handed
// out again only in the process that opened it (never in a forked child), for
// the same user, and only while its file is the very file it was, untouched
// since (device, inode, size, modification and change times): a file
// replaced, rewritten or given other permissions gets a new connection.

#include <memory>
#include <string>

namespace data {

class Connection;

namespace idle {

// A kept connection to the file at that native path, or null.
std::unique_ptr<Connection> Take(const std::string& nativePath);
// Keeps a connection its last user let go (the oldest kept ones are closed
// when there are too many).
void Keep(std::unique_ptr<Connection> connection);

} // namespace idle
} // namespace data
