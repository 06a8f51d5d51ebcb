#include "core/base/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

namespace fs = std::filesystem;

long EntriesIn(const TempFolder& folder) {
    return std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator());
}

TEST(AtomicFile, WritesANewFileWithTheUsualPermissions) {
    TempFolder folder;
    ::mode_t saved = ::umask(022);
    ASSERT_FALSE(WriteFileAtomically(folder / "new.txt", "one\r\ntwo"));
    ASSERT_FALSE(WriteFileAtomically(folder / "private.txt", "x", fs::perms(0600)));
    ::umask(saved);
    EXPECT_EQ(TempFolder::Read(folder / "new.txt"), "one\r\ntwo");
    EXPECT_EQ(fs::status(folder / "new.txt").permissions(), fs::perms(0644));
    EXPECT_EQ(fs::status(folder / "private.txt").permissions(), fs::perms(0600));
    EXPECT_EQ(EntriesIn(folder), 2);
}

TEST(AtomicFile, ReplacesAFileKeepingItsPermissions) {
    TempFolder folder;
    fs::path file = folder.Write("old.txt", "a much longer old content");
    fs::permissions(file, fs::perms(0640));
    ASSERT_FALSE(WriteFileAtomically(file, "new"));
    EXPECT_EQ(TempFolder::Read(file), "new");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0640));
    EXPECT_EQ(EntriesIn(folder), 1);
}

TEST(AtomicFile, ReplacesALinkRatherThanWritingThroughIt) {
    TempFolder folder;
    fs::path victim = folder.Write("victim.txt", "kept");
    fs::create_symlink(victim, folder / "link.txt");
    fs::create_symlink(folder / "nowhere.txt", folder / "dangling.txt");
    ASSERT_FALSE(WriteFileAtomically(folder / "link.txt", "new"));
    ASSERT_FALSE(WriteFileAtomically(folder / "dangling.txt", "new"));
    EXPECT_EQ(TempFolder::Read(victim), "kept");
    EXPECT_FALSE(fs::exists(folder / "nowhere.txt"));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folder / "link.txt")));
    EXPECT_EQ(TempFolder::Read(folder / "dangling.txt"), "new");
}

TEST(AtomicFile, TakesTheLongestNameTheFolderAllows) {
    TempFolder folder;
    fs::path file = folder / std::string(255, 'n');
    ASSERT_FALSE(WriteFileAtomically(file, "x"));
    EXPECT_EQ(TempFolder::Read(file), "x");
}

TEST(AtomicFile, AFailureLeavesTheOldFileAndNoTemporary) {
    TempFolder folder;
    fs::path file = folder.Write("old.txt", "old");
    {
        FileSizeLimit fullDisk(10);
        std::optional<RunError> error = WriteFileAtomically(file, std::string(100, 'x'));
        ASSERT_TRUE(error);
        EXPECT_EQ(error->description, "Cannot write " + file.string() + ": File too large");
    }
    EXPECT_EQ(TempFolder::Read(file), "old");
    EXPECT_EQ(EntriesIn(folder), 1);

    std::optional<RunError> missing = WriteFileAtomically(folder / "none" / "a.txt", "x");
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->description, "Cannot write " + (folder / "none" / "a.txt").string() +
                                        ": No such file or directory");
}

TEST(AtomicFile, RefusesFoldersAndDevices) {
    TempFolder folder;
    fs::create_directory(folder / "sub");
    std::optional<RunError> sub = WriteFileAtomically(folder / "sub", "x");
    ASSERT_TRUE(sub);
    EXPECT_EQ(sub->description, (folder / "sub").string() + " is a folder");
    std::optional<RunError> device = WriteFileAtomically("/dev/null", "x");
    ASSERT_TRUE(device);
    EXPECT_EQ(device->description, "/dev/null is not a regular file");
    struct stat null {};
    ASSERT_EQ(::stat("/dev/null", &null), 0);
    EXPECT_TRUE(S_ISCHR(null.st_mode));
    EXPECT_EQ(EntriesIn(folder), 1);
}

// A portfolio's output arrives a piece at a time: the old file stays whole until the last piece
// is in and Commit puts the new one in place; a run that stops midway changes nothing.
TEST(AtomicFile, AFileWrittenInPiecesAppearsOnlyWhenCommitted) {
    TempFolder folder;
    fs::path file = folder.Write("out.csv", "old");
    {
        AtomicFileWriter writer;
        ASSERT_FALSE(writer.Open(file));
        ASSERT_FALSE(writer.Append("a,b\r\n"));
        ASSERT_FALSE(writer.Append("1,2\r\n"));
        EXPECT_EQ(TempFolder::Read(file), "old");
        ASSERT_FALSE(writer.Commit());
    }
    EXPECT_EQ(TempFolder::Read(file), "a,b\r\n1,2\r\n");
    {
        AtomicFileWriter abandoned;
        ASSERT_FALSE(abandoned.Open(file));
        ASSERT_FALSE(abandoned.Append("half"));
    }
    EXPECT_EQ(TempFolder::Read(file), "a,b\r\n1,2\r\n");
    EXPECT_EQ(EntriesIn(folder), 1);
    {
        FileSizeLimit fullDisk(10);
        AtomicFileWriter full;
        ASSERT_FALSE(full.Open(file));
        std::optional<RunError> error = full.Append(std::string(100, 'x'));
        ASSERT_TRUE(error);
        EXPECT_EQ(error->description, "Cannot write " + file.string() + ": File too large");
    }
    EXPECT_EQ(TempFolder::Read(file), "a,b\r\n1,2\r\n");
    EXPECT_EQ(EntriesIn(folder), 1);
}

}  // namespace
}  // namespace quorvia
