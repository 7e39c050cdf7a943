#include "platform/files/Paths.h"
#include "ProgramFolderFixture.h"
#include "platform/files/Drives.h"

namespace fs = std::filesystem;
using files::Resolve;

using Paths = ProgramFolderFixture;

TEST_F(Paths, DriveLettersLieUnderTheProgramsDrivesFolder) {
    fs::create_directories(Program() / "drives" / "a");
    EXPECT_EQ(Resolve("A:\\x\\y.dbf"), Program() / "drives" / "a" / "x" / "y.dbf");
    EXPECT_EQ(Resolve("a:/x/y.dbf"), Program() / "drives" / "a" / "x" / "y.dbf");
    EXPECT_EQ(Resolve("A:\\"), Program() / "drives" / "a");
    EXPECT_EQ(Resolve("A:"), Program() / "drives" / "a");
}

TEST_F(Paths, DriveFoldersMayBeLinksAndAreFoundWhateverTheirCase) {
    fs::create_directories(Root() / "elsewhere");
    fs::create_directories(Program() / "Drives");
    fs::create_directory_symlink(Root() / "elsewhere", Program() / "Drives" / "F");
    WriteFile(Root() / "elsewhere" / "Backup" / "944Backup.mdb", "x");
    EXPECT_EQ(fs::canonical(Resolve("f:\\backup\\944BACKUP.MDB")),
              fs::canonical(Root() / "elsewhere" / "Backup" / "944Backup.mdb"));
}

TEST_F(Paths, DriveCIsTheRootUnlessItHasAFolder) {
    EXPECT_EQ(Resolve("C:\\"), fs::path("/"));
    fs::create_directories(Program() / "drives" / "c");
    EXPECT_EQ(Resolve("C:\\941Backup"), Program() / "drives" / "c" / "941Backup");
}

TEST_F(Paths, ADriveWithoutAFolderIsABadFileName) {
    EXPECT_EQ(ErrorNumberOf([] { Resolve("Q:\\x"); }), 52);
    EXPECT_EQ(files::DriveLetters(), std::vector<char>{'c'});
    fs::create_directories(Program() / "drives" / "a");
    EXPECT_EQ(files::DriveLetters(), (std::vector<char>{'a', 'c'}));
}

TEST_F(Paths, BareNamesResolveInTheCurrentFolderWhateverTheirCase) {
    WriteFile(Program() / "TV941.MDB", "db");
    EXPECT_EQ(Resolve("tv941.mdb"), Program() / "TV941.MDB");
    EXPECT_EQ(Resolve("PdPreparer.DAT"), Program() / "PdPreparer.DAT");
}

TEST_F(Paths, EveryPartIsLookedUpWithoutRegardToCase) {
    WriteFile(Program() / "Data" / "Old" / "TV941.MDB", "db");
    EXPECT_EQ(Resolve(files::AppPath() + "\\data\\OLD\\tv941.mdb"), Program() / "Data" / "Old" / "TV941.MDB");
    // Parts that do not exist are kept as written.
    EXPECT_EQ(Resolve(files::AppPath() + "\\data\\New\\x.mdb"), Program() / "Data" / "New" / "x.mdb");
}

TEST_F(Paths, DotsAreFollowedButNeverLeaveADrive) {
    fs::create_directories(Program() / "drives" / "a" / "sub");
    EXPECT_EQ(Resolve("A:\\sub\\..\\.\\x"), Program() / "drives" / "a" / "x");
    EXPECT_EQ(Resolve("A:\\..\\..\\x"), Program() / "drives" / "a" / "x");
}

TEST_F(Paths, ThereIsAlwaysAProgramFolderAndAnAppPathWithoutClosingSeparator) {
    EXPECT_EQ(files::AppPath(), Program().string());
    EXPECT_EQ(files::CurDir(), Program());
}

TEST_F(Paths, ChDirMovesTheCurrentFolderAndRefusesMissingOnes) {
    fs::create_directories(Program() / "Work");
    files::ChDir("work");
    EXPECT_EQ(files::CurDir(), Program() / "Work");
    EXPECT_EQ(ErrorNumberOf([] { files::ChDir("nowhere"); }), 76);
}
