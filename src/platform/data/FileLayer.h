#pragma once
// A thin file layer over another of SQLite's: each of its files holds the
// file the layer below opened for it, and each call on it is passed on to
// that file, but for the calls the layer changes.
#include <sqlite3.h>

namespace data::filelayer {

// How a file of such a layer starts.
struct File {
    sqlite3_file base;   // its methods: the layer's
    sqlite3_file* below; // the file the layer below opened
};

inline sqlite3_file* Below(sqlite3_file* file) { return reinterpret_cast<File*>(file)->below; }

// Methods that pass every call on to the file below, closing included.
sqlite3_io_methods PassingOn();

} // namespace data::filelayer
