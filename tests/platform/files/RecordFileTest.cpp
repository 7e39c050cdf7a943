// The preparer file as its screen uses it: record 1 written and read back
// whole. The file made at the first open, a record past its end read as
// blanks and a file of two records are walked by the preparer scenarios.
#include "platform/files/RecordFile.h"
#include "ProgramFolderFixture.h"
#include "platform/basic/Windows1252.h"

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

TEST_F(RecordFiles, BadRecordNumbersAndLengthsAreRefused) {
    RecordFile file("PdPreparer.DAT", 10);
    EXPECT_EQ(ErrorNumberOf([&] { file.Get(0); }), 63);
    EXPECT_EQ(ErrorNumberOf([&] { file.Put(1, std::string(11, 'x')); }), 59);
    file.Close();
    EXPECT_EQ(ErrorNumberOf([&] { file.Get(1); }), 52);
}

TEST_F(RecordFiles, AMissingFolderIsPathNotFound) {
    EXPECT_EQ(ErrorNumberOf([] { RecordFile("nowhere\\PdPreparer.DAT", 195); }), 76);
}
