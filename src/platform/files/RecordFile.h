#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace files {

// A file of fixed-length records opened for random access, reading and
// writing (records count from 1, no header). Opening creates a missing file
// empty. Writes reach the file at once, so another reader of the same file
// sees them while this one stays open, and each is synced to the disk
// before Put returns (the folder too, after the file was made here).
//
// Errors: 52 for a drive letter without a folder, 76 when the folder does not
// exist, 3051 when this user may not make, read or write the file, 61 when
// there is no room to make or write it (a full disk, the user's quota, the
// file-size limit), 75 when it cannot be opened or written otherwise, 63 for
// a record number below 1, 59 for data longer than a record.
class RecordFile {
public:
    RecordFile(std::string_view path, int recordLength);
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;
    RecordFile(RecordFile&& other) noexcept;
    RecordFile& operator=(RecordFile&& other) noexcept;

    int RecordLength() const { return recordLength_; }
    // LOF: the file's length in bytes.
    std::int64_t Length() const;

    // Get: the record's bytes, always RecordLength() of them; the part of a
    // record past the end of the file reads as blanks.
    std::string Get(std::int64_t recordNumber) const;
    // Put: writes the record; shorter data is filled up with blanks. Writing
    // past the end fills the records between with blanks. The record is
    // written whole or not at all: a write cut short leaves the file's bytes
    // and length as they were; so does a sync that fails.
    void Put(std::int64_t recordNumber, std::string_view bytes);

    bool IsOpen() const { return fd_ >= 0; }
    // Close: later Get/Put raise 52; closing twice does nothing.
    void Close();

    const std::filesystem::path& NativePath() const { return path_; }

private:
    void RequireOpen() const;
    std::int64_t OffsetOf(std::int64_t recordNumber) const;
    // Syncs the file, and its folder once after the file was made: 0, or
    // the system's error of the sync that failed.
    int SyncWritten();

    std::filesystem::path path_;
    int recordLength_ = 0;
    int fd_ = -1;
    bool folderSynced_ = true;
};

} // namespace files
