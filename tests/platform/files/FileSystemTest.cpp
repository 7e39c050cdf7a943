#include "platform/files/FileSystem.h"
#include "ProgramFolderFixture.h"

namespace fs = std::filesystem;
using namespace files;

using FolderTests = ProgramFolderFixture;
using Attributes = ProgramFolderFixture;
using FolderCreation = ProgramFolderFixture;
using Deletion = ProgramFolderFixture;

TEST_F(FolderTests, DirFindsOrdinaryFilesCaseBlind) {
    WriteFile(Program() / "Backup" / "944Backup.mdb", "x");
    fs::create_directories(Program() / "Backup" / "Sub");
    EXPECT_EQ(Dir("backup\\944backup.MDB"), "944Backup.mdb");
    EXPECT_EQ(Dir("backup\\*.mdb"), "944Backup.mdb");
    EXPECT_EQ(Dir("backup\\"), "944Backup.mdb");
    EXPECT_EQ(Dir("backup\\nothing.mdb"), "");
    EXPECT_EQ(Dir("nowhere\\"), "");
}

TEST_F(FolderTests, DirShowsFoldersAndDotNamesOnlyWhenAskedFor) {
    fs::create_directories(Program() / "Backup" / "Sub");
    WriteFile(Program() / "Backup" / ".hidden", "x");
    EXPECT_EQ(Dir("Backup\\"), "");
    EXPECT_EQ(Dir("Backup", kAttrDirectory), "Backup");
    EXPECT_EQ(Dir("Backup"), "");
    EXPECT_EQ(DirAll("Backup\\", kAttrDirectory | kAttrHidden), (std::vector<std::string>{".hidden", "Sub"}));
}

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

TEST_F(FolderTests, SubFoldersAreListedSortedWithoutDotNames) {
    for (auto name : {"beta", "Alpha", ".git", "gamma"}) fs::create_directories(Program() / "x" / name);
    WriteFile(Program() / "x" / "file.txt", "x");
    EXPECT_EQ(SubFolderNames("x"), (std::vector<std::string>{"Alpha", "beta", "gamma"}));
    EXPECT_TRUE(SubFolderNames("missing").empty());
}

TEST_F(FolderTests, FileLengthCountsBytesAndMissingFilesAreNotFound) {
    WriteFile(Program() / "PdPreparer.DAT", std::string(390, ' '));
    EXPECT_EQ(FileLen("pdpreparer.dat"), 390);
    EXPECT_EQ(ErrorNumberOf([] { FileLen("none.dat"); }), 53);
}

TEST_F(Attributes, AFolderIsSixteen) {
    fs::create_directories(Program() / "Backup");
    EXPECT_EQ(GetAttr("backup"), kAttrDirectory);
    EXPECT_EQ(GetAttr(AppPath()), kAttrDirectory);
}

TEST_F(Attributes, FilesAreNormalAndDotNamesHidden) {
    WriteFile(Program() / "a.txt", "x");
    fs::create_directories(Program() / ".cache");
    EXPECT_EQ(GetAttr("a.txt"), kAttrNormal);
    EXPECT_EQ(GetAttr(".cache"), kAttrDirectory + kAttrHidden);
}

TEST_F(Attributes, NothingThereIsFileNotFound) {
    EXPECT_EQ(ErrorNumberOf([] { GetAttr("C:\\no such folder for tests 8f3a"); }), 53);
    EXPECT_EQ(ErrorNumberOf([] { GetAttr("missing"); }), 53);
}

TEST_F(FolderCreation, MakesOneFolder) {
    MkDir("Backup for 2022 on Mar 07 2023");
    EXPECT_TRUE(fs::is_directory(Program() / "Backup for 2022 on Mar 07 2023"));
}

TEST_F(FolderCreation, AnExistingNameIsAnAccessError) {
    fs::create_directories(Program() / "Backup");
    WriteFile(Program() / "file", "x");
    EXPECT_EQ(ErrorNumberOf([] { MkDir("BACKUP"); }), 75);
    EXPECT_EQ(ErrorNumberOf([] { MkDir("file"); }), 75);
}

TEST_F(FolderCreation, AMissingParentIsPathNotFound) {
    EXPECT_EQ(ErrorNumberOf([] { MkDir("no\\such\\parent"); }), 76);
    EXPECT_FALSE(fs::exists(Program() / "no"));
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
