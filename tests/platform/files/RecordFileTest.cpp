// The preparer file as its screen uses it: record 1 written and read back
// whole; a file of two records is checked in preparer_two_records.
#include "platform/files/RecordFile.h"
#include "ProgramFolderFixture.h"
#include "platform/basic/Windows1252.h"
#include "support/FileContent.h"
#include "support/FileSizeLimit.h"
#include "support/NoRoomForNewFiles.h"
#include "support/WatchedSyncs.h"

namespace fs = std::filesystem;
using files::RecordFile;

using RecordFiles = ProgramFolderFixture;

namespace {

// A 195-byte record with every byte value, so that nothing is translated.
std::string AllByteValues() {
    std::string record;
    for (int i = 0; i < 195; ++i) record += static_cast<char>((i * 7 + 3) % 256);
    return record;
}

} // namespace

TEST_F(RecordFiles, OpeningCreatesAMissingFileEmpty) {
    RecordFile file("PdPreparer.DAT", 195);
    EXPECT_TRUE(fs::exists(Program() / "PdPreparer.DAT"));
    EXPECT_EQ(file.Length(), 0);
}

TEST_F(RecordFiles, ARecordIsWrittenAndReadBackByteForByte) {
    {
        RecordFile file("PdPreparer.DAT", 195);
        file.Put(1, AllByteValues());
        EXPECT_EQ(file.Length(), 195);
    }
    RecordFile again("pdpreparer.dat", 195);
    EXPECT_EQ(again.Get(1), AllByteValues());
    EXPECT_EQ(fs::file_size(Program() / "PdPreparer.DAT"), 195u);
}

TEST_F(RecordFiles, ARecordPastTheEndReadsAsBlanksWithoutGrowingTheFile) {
    RecordFile file("PdPreparer.DAT", 195);
    EXPECT_EQ(file.Get(1), std::string(195, ' '));
    EXPECT_EQ(file.Length(), 0);
}

TEST_F(RecordFiles, WritesAreSeenAtOnceByAnotherReader) {
    RecordFile writer("PdPreparer.DAT", 195);
    writer.Put(1, basic::Windows1252Field("FIRM", 195));
    RecordFile reader("PdPreparer.DAT", 195);
    EXPECT_EQ(reader.Get(1).substr(0, 4), "FIRM");
}

TEST_F(RecordFiles, BadRecordNumbersAndLengthsAreRefused) {
    RecordFile file("PdPreparer.DAT", 10);
    EXPECT_EQ(ErrorNumberOf([&] { file.Get(0); }), 63);
    EXPECT_EQ(ErrorNumberOf([&] { file.Put(1, std::string(11, 'x')); }), 59);
    file.Close();
    EXPECT_EQ(ErrorNumberOf([&] { file.Get(1); }), 52);
}

// Room on the disk for the first 17 bytes of a file of 10-byte records that
// holds one and a half: a record over the half, and one past the end behind
// blanks, each stop partway and are undone.
TEST_F(RecordFiles, ARecordThatDoesNotFitLeavesTheFileAsItWas) {
    const std::string before = "AAAAAAAAAABBBBB";
    WriteFile(Program() / "PdPreparer.DAT", before);
    RecordFile file("PdPreparer.DAT", 10);
    FileSizeLimit nearlyFull(17);

    EXPECT_EQ(ErrorNumberOf([&] { file.Put(2, "CCCCCCCCCC"); }), 61);
    EXPECT_EQ(FileContent(Program() / "PdPreparer.DAT"), before);

    EXPECT_EQ(ErrorNumberOf([&] { file.Put(3, "DDDDDDDDDD"); }), 61);
    EXPECT_EQ(FileContent(Program() / "PdPreparer.DAT"), before);
}

// A record is on the disk before Put is done, and a file made here has its
// folder synced once too; a sync that fails fails the write as a failed
// write does (a failing disk 57, no room 61) and leaves the old record and
// length.
TEST_F(RecordFiles, ARecordIsSyncedBeforeItIsDoneAndOneNotSyncedLeavesTheOldOne) {
    WatchedSyncs syncs;
    RecordFile file("PdPreparer.DAT", 10);
    file.Put(1, "AAAAAAAAAA");
    file.Put(2, "BBBBB");
    const fs::path made = fs::canonical(Program() / "PdPreparer.DAT");
    EXPECT_EQ(syncs.Synced(), (std::vector<fs::path>{made, made.parent_path(), made}));

    const struct {
        int cause;
        std::int64_t record;
        int error;
    } failures[] = {{EIO, 1, 57}, {ENOSPC, 3, 61}};
    for (const auto& failure : failures) {
        syncs.FailNext(failure.cause);
        EXPECT_EQ(ErrorNumberOf([&] { file.Put(failure.record, "CCCCCCCCCC"); }), failure.error);
        EXPECT_EQ(FileContent(made), "AAAAAAAAAABBBBB     ");
    }

    // Made anew, the file holds a record only once its folder is synced too.
    fs::remove(made);
    RecordFile anew("PdPreparer.DAT", 10);
    syncs.FailNext(EIO, made.parent_path());
    EXPECT_EQ(ErrorNumberOf([&] { anew.Put(1, "DDDDDDDDDD"); }), 57);
    EXPECT_EQ(FileContent(made), "");
}

TEST_F(RecordFiles, AFileThatFindsNoRoomToBeMadeIsDiskFull) {
    const int error =
        noroom::RunWhereNoFileFits(Program(), [] { return ErrorNumberOf([] { RecordFile("PdPreparer.DAT", 195); }); });
    if (error == noroom::kCannotFillHere) GTEST_SKIP() << "this system lets no folder be made full here";
    EXPECT_EQ(error, 61);
}

TEST_F(RecordFiles, AMissingFolderIsPathNotFound) {
    EXPECT_EQ(ErrorNumberOf([] { RecordFile("nowhere\\PdPreparer.DAT", 195); }), 76);
}
