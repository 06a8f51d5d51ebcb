#include "core/session/ProgramFolders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

namespace fs = std::filesystem;

// The per-user folders of every test live in the test's own folder.
class ProgramFoldersTest : public ::testing::Test {
  protected:
    ProgramFoldersTest() {
        environment.Set("XDG_CONFIG_HOME", (folder / "config").string());
        environment.Set("XDG_CACHE_HOME", (folder / "cache").string());
        environment.Set("HOME", (folder / "home").string());
    }

    // A folder laid out as `cmake --install` lays out a prefix: bin/ beside share/.
    fs::path InstalledBin() {
        fs::create_directories(folder / "prefix" / "share" / "applications");
        fs::create_directories(folder / "prefix" / "bin");
        return folder / "prefix" / "bin";
    }

    TempFolder folder;
    testing::ScopedEnvironment environment;
};

TEST_F(ProgramFoldersTest, AFolderOfThePersonsOwnKeepsEverythingBesideTheProgram) {
    ProgramFolders folders = LocateProgramFolders(folder.Path());
    EXPECT_EQ(folders.data, folder.Path());
    EXPECT_EQ(folders.profile, folder.Path());
    EXPECT_EQ(folders.cache, folder.Path());

    AppState state;
    UseProgramFolders(state, folders);
    EXPECT_EQ(state.AppPath, folder.Path());
    EXPECT_EQ(state.IniFilePath, folder / "quorvia.ini");
    EXPECT_EQ(state.WorkFilePath(), folder / "~amort.tmp");

    // A checkout may well have a bin folder of its own; without share/ beside it is no prefix.
    fs::create_directories(folder / "checkout" / "bin");
    EXPECT_EQ(LocateProgramFolders(folder / "checkout" / "bin").profile,
              folder / "checkout" / "bin");
}

TEST_F(ProgramFoldersTest, AnInstalledCopyUsesTheXdgConfigAndCacheFolders) {
    ProgramFolders folders = LocateProgramFolders(InstalledBin());
    EXPECT_EQ(folders.data, folder / "prefix" / "share" / "quorvia");
    EXPECT_EQ(folders.profile, folder / "config" / "quorvia");
    EXPECT_EQ(folders.cache, folder / "cache" / "quorvia");
    // Deciding creates nothing.
    EXPECT_FALSE(fs::exists(folder / "config"));

    AppState state;
    UseProgramFolders(state, folders);
    EXPECT_EQ(state.IniFilePath, folder / "config" / "quorvia" / "quorvia.ini");
    EXPECT_EQ(state.WorkFilePath(), folder / "cache" / "quorvia" / "~amort.tmp");

    // Without the XDG variables, or with relative ones (which XDG says to ignore): the home
    // folder's .config and .cache.
    environment.Set("XDG_CONFIG_HOME", std::nullopt);
    environment.Set("XDG_CACHE_HOME", "relative/cache");
    folders = LocateProgramFolders(InstalledBin());
    EXPECT_EQ(folders.profile, folder / "home" / ".config" / "quorvia");
    EXPECT_EQ(folders.cache, folder / "home" / ".cache" / "quorvia");
}

// Root may write anywhere, so what the person may do decides nothing: ownership and the owner's
// write permission do, and a system folder is system-owned for everyone.
TEST_F(ProgramFoldersTest, AFolderThePersonCannotWriteOrDoesNotOwnBelongsToTheSystem) {
    fs::create_directory(folder / "locked");
    fs::permissions(folder / "locked", fs::perms(0555));
    EXPECT_FALSE(IsPersonsOwnFolder(folder / "locked", ::geteuid()));
    EXPECT_EQ(LocateProgramFolders(folder / "locked").profile, folder / "config" / "quorvia");
    fs::permissions(folder / "locked", fs::perms(0755));

    EXPECT_TRUE(IsPersonsOwnFolder(folder.Path(), ::geteuid()));
    EXPECT_FALSE(IsPersonsOwnFolder(folder.Path(), ::geteuid() + 1));
    EXPECT_FALSE(IsPersonsOwnFolder("/usr/bin", ::geteuid()));
    EXPECT_FALSE(IsPersonsOwnFolder(folder / "missing", ::geteuid()));
    EXPECT_FALSE(IsPersonsOwnFolder(folder.Write("file", "x"), ::geteuid()));
}

// A copy unpacked into a folder the system owns is no installation: its help stays beside it.
TEST_F(ProgramFoldersTest, OnlyAnInstallationsBinReadsItsHelpFromTheInstallationsShare) {
    fs::create_directories(folder / "opt" / "quorvia");
    fs::permissions(folder / "opt" / "quorvia", fs::perms(0555));
    ProgramFolders folders = LocateProgramFolders(folder / "opt" / "quorvia");
    EXPECT_EQ(folders.data, folder / "opt" / "quorvia");
    EXPECT_EQ(folders.profile, folder / "config" / "quorvia");
    fs::permissions(folder / "opt" / "quorvia", fs::perms(0755));

    // The bin folder named by a link (as /bin names /usr/bin) is the installation it stands in.
    fs::create_directory_symlink(InstalledBin(), folder / "bin-link");
    EXPECT_EQ(LocateProgramFolders(folder / "bin-link").data,
              folder / "prefix" / "share" / "quorvia");
}

// quorvia-batch's drawing program stands beside it in a folder of the person's own, and in
// libexec/quorvia of an installation; from there it keeps the files of the programs in bin.
TEST_F(ProgramFoldersTest, HelperProgramsStandBesideTheProgramOrInTheInstallationsLibexec) {
    EXPECT_EQ(LocateProgramFolders(folder.Path()).helpers, folder.Path());

    const fs::path bin = InstalledBin();
    const ProgramFolders installed = LocateProgramFolders(bin);
    const fs::path helpers = folder / "prefix" / "libexec" / "quorvia";
    EXPECT_EQ(installed.helpers, helpers);

    fs::create_directories(helpers);
    const ProgramFolders fromHelpers = LocateProgramFolders(helpers);
    EXPECT_EQ(fromHelpers.data, installed.data);
    EXPECT_EQ(fromHelpers.profile, folder / "config" / "quorvia");
    EXPECT_EQ(fromHelpers.cache, installed.cache);
    EXPECT_EQ(fromHelpers.helpers, helpers);

    // A folder named so outside an installation is a folder like any other.
    fs::create_directories(folder / "checkout" / "libexec" / "quorvia");
    EXPECT_EQ(LocateProgramFolders(folder / "checkout" / "libexec" / "quorvia").profile,
              folder / "checkout" / "libexec" / "quorvia");
}

TEST_F(ProgramFoldersTest, TheFoldersAreCreatedForTheirOwnerOnly) {
    ProgramFolders folders = LocateProgramFolders(InstalledBin());
    ASSERT_TRUE(CreateProgramFolders(folders));
    for (const fs::path& made : {folder / "config", folders.profile, folders.cache}) {
        ASSERT_TRUE(fs::is_directory(made)) << made;
        EXPECT_EQ(fs::status(made).permissions() & fs::perms::all, fs::perms::owner_all) << made;
    }
    // Again: they are there already.
    EXPECT_TRUE(CreateProgramFolders(folders));

    folder.Write("blocked", "a file where the cache folder would go");
    folders.cache = folder / "blocked" / "quorvia";
    EXPECT_FALSE(CreateProgramFolders(folders));
}

}  // namespace
}  // namespace quorvia
