// The folder and file calls the screens make: the backup's folder checks,
// its file swap and the preparer file's length.
#include "platform/files/FileSystem.h"
#include "ProgramFolderFixture.h"

namespace fs = std::filesystem;
using namespace files;

using FolderTests = ProgramFolderFixture;
using FolderCreation = ProgramFolderFixture;
using Deletion = ProgramFolderFixture;

TEST_F(FolderTests, AFolderHoldsOrdinaryFilesOnlyWhenAListingFindsOne) {
    fs::create_directories(Program() / "Empty" / "Sub");
    WriteFile(Program() / "Empty" / ".profile", "x");
    EXPECT_FALSE(HasOrdinaryFiles("empty"));
    WriteFile(Program() / "Empty" / "notes.txt", "x");
    EXPECT_TRUE(HasOrdinaryFiles("EMPTY"));
    EXPECT_TRUE(HasOrdinaryFiles("EMPTY\\"));
    EXPECT_FALSE(HasOrdinaryFiles("missing"));
}

TEST_F(FolderTests, ExistenceTellsFilesFromFolders) {
    WriteFile(Program() / "TV941.MDB", "db");
    fs::create_directories(Program() / "Folder");
    EXPECT_TRUE(FileExists("tv941.mdb"));
    EXPECT_FALSE(FileExists("folder"));
    EXPECT_TRUE(FolderExists("FOLDER"));
    EXPECT_FALSE(FolderExists("tv941.mdb"));
    EXPECT_FALSE(FileExists("db1099_ID.mdb"));
}

TEST_F(FolderTests, FileLengthCountsBytesAndMissingFilesAreNotFound) {
    WriteFile(Program() / "PdPreparer.DAT", std::string(390, ' '));
    EXPECT_EQ(FileLen("pdpreparer.dat"), 390);
    EXPECT_EQ(ErrorNumberOf([] { FileLen("none.dat"); }), 53);
}

TEST_F(FolderCreation, MkDirAllMakesMissingParentsAndAcceptsAnExistingFolder) {
    MkDirAll("BK\\2022\\Mar");
    EXPECT_TRUE(fs::is_directory(Program() / "BK" / "2022" / "Mar"));
    MkDirAll("bk\\2022");
    WriteFile(Program() / "file", "x");
    EXPECT_EQ(ErrorNumberOf([] { MkDirAll("file\\sub"); }), 75);
}

TEST_F(Deletion, ReplaceFileSwapsInTheNewFileWhole) {
    WriteFile(Program() / "944Backup.mdb", "old");
    WriteFile(Program() / "944Backup.tmp", "new");
    ReplaceFile("944backup.tmp", "944BACKUP.MDB");
    EXPECT_FALSE(fs::exists(Program() / "944Backup.tmp"));
    EXPECT_EQ(fs::file_size(Program() / "944Backup.mdb"), 3u);
    EXPECT_EQ(ErrorNumberOf([] { ReplaceFile("944Backup.tmp", "x"); }), 53);
}

TEST_F(Deletion, KillRemovesAFileFoundCaseBlind) {
    WriteFile(Program() / "Backup" / "944Backup.mdb", "x");
    Kill("backup\\944BACKUP.mdb");
    EXPECT_FALSE(fs::exists(Program() / "Backup" / "944Backup.mdb"));
}

TEST_F(Deletion, KillOfNothingOrOfAFolderIsFileNotFound) {
    fs::create_directories(Program() / "Backup");
    EXPECT_EQ(ErrorNumberOf([] { Kill("none.mdb"); }), 53);
    EXPECT_EQ(ErrorNumberOf([] { Kill("Backup"); }), 53);
    EXPECT_TRUE(fs::is_directory(Program() / "Backup"));
}

TEST_F(Deletion, KillRemovesAFileFoundCaseBlindButNeverAFolder) {
    WriteFile(Program() / "Backup" / "944Backup.mdb", "x");
    Kill("backup\\944BACKUP.mdb");
    EXPECT_FALSE(fs::exists(Program() / "Backup" / "944Backup.mdb"));
    EXPECT_EQ(ErrorNumberOf([] { Kill("none.mdb"); }), 53);
    EXPECT_EQ(ErrorNumberOf([] { Kill("Backup"); }), 53);
    EXPECT_TRUE(fs::is_directory(Program() / "Backup"));
}
