#pragma once
// A write the system refused for want of room (a full disk, the user's
// quota, or the largest file this process may write, `ulimit -f`) is told
// apart from every other failure, so that it is reported as a full disk; a
// device that failed, as a device error.
namespace files {

// Whether the system's error of a failed write (an errno value) says there
// was no room for it.
bool NoRoomToWrite(int systemError);

// The run time's error for a file or folder the system would not make, read
// or write: 57 (Device I/O error) when the device failed, 61 (Disk full) when
// there was no room, else 75 (Path/File access error).
int FileErrorNumberFor(int systemError);

} // namespace files
