#pragma once
// The engine's files (the databases, their journals) are reached through a
// thin layer over SQLite's own file layer that notes the system's error of a
// write, sync or truncation as it fails, and of a file it could not make (a
// journal, a new database). SQLite keeps only the error a database file last
// met, until the file is closed, none of its journal's once that is gone,
// and of a file it could not make only that of its retry to read it: what
// failed this time is told from here.

namespace data::writefailures {

// The layer's name, to open a connection through; registered on first use,
// when the watch on the engine's `open` system call is put in place too.
// Its files are opened through the file layer that is SQLite's default at
// the time.
const char* LayerName();

// Forgets what failed so far on this thread.
void Forget();

// The system's error (an errno value) of the first write, sync, truncation
// or making of a file that failed on this thread since Forget; 0 when none
// did.
int FirstSystemError();

// The engine's `open` system call as it stands beneath the watch that notes
// why a file could not be made. A stand-in for the system (a disk that fails
// to make a file, for a test) goes there, so that what it refuses is noted
// as the system's own refusal would be; it passes the calls it lets through
// on to the one it replaced, and puts that one back when it goes.
using OpenCall = int (*)(const char* path, int flags, int mode);
OpenCall OpenBeneathWatch();
void PutOpenBeneathWatch(OpenCall call);

} // namespace data::writefailures
