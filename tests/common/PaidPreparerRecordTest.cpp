// The preparer's record as the preparer screen writes it and every return
// printout reads it: 195 bytes, ten fixed fields. Accented letters and the
// trimmed read-back are checked through the preparer scenarios.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "PaidPreparerExample.h"
#include "common/PaidPreparerRecord.h"
#include "platform/files/ProgramFolderFixture.h"
#include "support/PermissionBits.h"
#include "support/RefusedSystemCalls.h"

namespace {

TEST(PaidPreparerRecordBytes, TooLongTextsAreCutToTheirFieldsWidth) {
    PaidPreparerRecord r;
    r.FirmState = "ILL";
    r.FirmName = std::string(60, 'N');
    const std::string bytes = r.ToBytes();

    ASSERT_EQ(bytes.size(), 195u);
    EXPECT_EQ(bytes.substr(0, 50), std::string(50, 'N'));
    EXPECT_EQ(bytes.substr(119, 2), "IL");
    EXPECT_EQ(bytes.substr(121, 10), std::string(10, ' '));
}

TEST(PaidPreparerRecordBytes, MissingAndNeverWrittenBytesReadAsBlanks) {
    std::string bytes = ExamplePreparer().ToBytes().substr(0, 60); // name and EIN, 1 byte of address
    bytes[55] = '\0';

    const PaidPreparerRecord read = PaidPreparerRecord::FromBytes(bytes).Trimmed();

    EXPECT_EQ(read.FirmName, "ACME TAX SERVICE");
    EXPECT_EQ(read.FirmEIN, "12345 789");
    EXPECT_EQ(read.FirmAddress, "1");
    EXPECT_EQ(read.FirmCity, "");
    EXPECT_EQ(read.FirmPreparerName, "");
    EXPECT_EQ(PaidPreparerRecord::FromBytes("").ToBytes(), std::string(195, ' '));
}

using ReadPaidPreparerFile = ProgramFolderFixture;

TEST_F(ReadPaidPreparerFile, TheBareNameIsFoundInTheCurrentFolderInAnyLetterCase) {
    WriteFile(Root() / "elsewhere" / "pdpreparer.dat", ExamplePreparer().ToBytes());
    WriteFile(Program() / "PdPreparer.DAT", "WRONG FOLDER");
    std::filesystem::current_path(Root() / "elsewhere");

    EXPECT_EQ(ReadPaidPreparerRecord().Trimmed(), ExamplePreparer());
}

TEST_F(ReadPaidPreparerFile, OnlyRecordOneIsRead) {
    PaidPreparerRecord second = ExamplePreparer();
    second.FirmName = "SECOND";
    WriteFile(Program() / "PdPreparer.DAT", ExamplePreparer().ToBytes() + second.ToBytes());

    EXPECT_EQ(ReadPaidPreparerRecord().Trimmed().FirmName, "ACME TAX SERVICE");
}

// A file this user may not read, and one the disk fails to read (a device
// error).
TEST_F(ReadPaidPreparerFile, AFileThatCannotBeReadRaisesAFileError) {
    WriteFile(Program() / "PdPreparer.DAT", ExamplePreparer().ToBytes());
    const int failingDisk = refusedcalls::RunWhereCallsFail(
        {{SYS_read}}, EIO, [] { return ErrorNumberOf([] { ReadPaidPreparerRecord(); }); });
    if (failingDisk != refusedcalls::kCannotRefuseCalls) EXPECT_EQ(failingDisk, 57);

    std::filesystem::permissions(Program() / "PdPreparer.DAT", std::filesystem::perms::none);
    EXPECT_EQ(permissionbits::RunBoundByPermissions([] { return ErrorNumberOf([] { ReadPaidPreparerRecord(); }); }),
              75);
}

} // namespace
