#include "core/base/ProfileFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <string>

#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

namespace fs = std::filesystem;

TEST(FileExistsTest, OnlyAFileWithContentExists) {
    TempFolder folder;
    EXPECT_FALSE(FileExists(folder / "missing.ini"));
    EXPECT_FALSE(FileExists(folder.Write("empty.ini", "")));
    EXPECT_TRUE(FileExists(folder.Write("one.ini", "x")));
    EXPECT_FALSE(FileExists(folder.Path()));
    EXPECT_FALSE(FileExists(folder / "one.ini" / "below"));
}

TEST(ReadIniStringTest, MatchesSectionAndKeyWithoutRegardToCase) {
    TempFolder folder;
    fs::path file = folder.Write("q.ini",
                                 "; settings\r\n"
                                 "[Other]\r\n"
                                 "dfont=Arial\r\n"
                                 "[ prefs ]\r\n"
                                 "  DFONT =  Courier New  \r\n"
                                 "dprtr=Laser,hpcups,CUPS:\n"
                                 "dname=\r\n"
                                 "dfont=Second\r\n");
    EXPECT_EQ(ReadIniString("Prefs", "dfont", file), "Courier New");
    EXPECT_EQ(ReadIniString("PREFS", "Dprtr", file), "Laser,hpcups,CUPS:");
    EXPECT_EQ(ReadIniString("Prefs", "dname", file), "");
    EXPECT_EQ(ReadIniString("Prefs", "dsize", file), "");
    EXPECT_EQ(ReadIniString("Missing", "dfont", file), "");
    EXPECT_EQ(ReadIniString("Prefs", "dfont", folder / "missing.ini"), "");
}

TEST(ReadIniStringTest, CutsLongValuesAtWholeCharacters) {
    TempFolder folder;
    std::string longValue(300, 'a');
    // 253 letters, then a two-byte letter as character 254 and another as character 255.
    std::string accented = std::string(253, 'b') + "\xC3\xA9\xC3\xA8" + "cc";
    fs::path file =
        folder.Write("q.ini", "[Prefs]\r\nlong=" + longValue + "\r\nacc=" + accented + "\r\n");
    EXPECT_EQ(ReadIniString("Prefs", "long", file), std::string(254, 'a'));
    EXPECT_EQ(ReadIniString("Prefs", "acc", file), std::string(253, 'b') + "\xC3\xA9");
}

TEST(WriteIniStringTest, CreatesTheFileWithItsSection) {
    TempFolder folder;
    ScriptedUi ui;
    fs::path file = folder / "quorvia.ini";
    EXPECT_NE(WriteIniString("Prefs", "dprtr", "PDF,pdf,FILE:", file, ui), 0);
    EXPECT_EQ(TempFolder::Read(file), "[Prefs]\r\ndprtr=PDF,pdf,FILE:\r\n");
    EXPECT_EQ(ReadIniString("Prefs", "dprtr", file), "PDF,pdf,FILE:");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1)
        << "no temporary file is left behind";
}

TEST(WriteIniStringTest, ReplacesTheKeyInPlaceAndKeepsEveryOtherLine) {
    TempFolder folder;
    ScriptedUi ui;
    fs::path file = folder.Write("quorvia.ini",
                                 "; kept as is\n"
                                 "[Prefs]\n"
                                 "DFont = Arial \n"
                                 "dsize=12\n"
                                 "\n"
                                 "[Other]\r\n"
                                 "dfont=Other");
    ASSERT_NE(WriteIniString("prefs", "dfont", "Courier New", file, ui), 0);
    ASSERT_NE(WriteIniString("Prefs", "dbold", "Bold", file, ui), 0);
    ASSERT_NE(WriteIniString("Third", "x", "a=b, c", file, ui), 0);
    EXPECT_EQ(TempFolder::Read(file),
              "; kept as is\n"
              "[Prefs]\n"
              "DFont=Courier New\r\n"
              "dsize=12\n"
              "dbold=Bold\r\n"
              "\n"
              "[Other]\r\n"
              "dfont=Other\r\n"
              "\r\n"
              "[Third]\r\n"
              "x=a=b, c\r\n");
    EXPECT_EQ(ReadIniString("Third", "x", file), "a=b, c");
}

TEST(WriteIniStringTest, KeepsAValueOnOneLine) {
    TempFolder folder;
    ScriptedUi ui;
    fs::path file = folder / "quorvia.ini";
    ASSERT_NE(WriteIniString("Prefs", "dname", "Acme\r\n[Prefs]\ndname=x", file, ui), 0);
    EXPECT_EQ(ReadIniString("Prefs", "dname", file), "Acme  [Prefs] dname=x");

    // Other control characters would leave a file that no longer reads as text.
    ASSERT_NE(WriteIniString("Prefs", "dprtr", std::string("PDF\0,pdf\x12,FILE:", 15), file, ui),
              0);
    EXPECT_EQ(ReadIniString("Prefs", "dprtr", file), "PDF ,pdf ,FILE:");
    EXPECT_EQ(ReadIniString("Prefs", "dname", file), "Acme  [Prefs] dname=x");
}

TEST(WriteIniStringTest, KeepsPermissionsAndWritesThroughALink) {
    TempFolder folder;
    ScriptedUi ui;
    fs::path file = folder.Write("real.ini", "[Prefs]\r\ndfix=0\r\n");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(file, folder / "link.ini");
    ASSERT_NE(WriteIniString("Prefs", "dfix", "1", folder / "link.ini", ui), 0);
    EXPECT_TRUE(fs::is_symlink(folder / "link.ini"));
    EXPECT_EQ(TempFolder::Read(file), "[Prefs]\r\ndfix=1\r\n");
    EXPECT_EQ(fs::status(file).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(WriteIniStringTest, AFailedWriteSaysDataNotSavedAndReturnsZero) {
    TempFolder folder;
    ScriptedUi ui;
    fs::path blocker = folder.Write("plain-file", "not a folder");
    fs::path file = blocker / "quorvia.ini";
    EXPECT_EQ(WriteIniString("Prefs", "dfix", "1", file, ui), 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt,
              "Error saving your data to the " + file.string() + " file ... please investigate.");
    EXPECT_EQ(ui.messages[0].title, "DATA NOT SAVED");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(TempFolder::Read(blocker), "not a folder");

    // A profile file that can't be read is not replaced by one holding the new key only.
    fs::create_directory(folder / "folder.ini");
    folder.Write("folder.ini/inside", "kept");
    EXPECT_EQ(WriteIniString("Prefs", "dfix", "1", folder / "folder.ini", ui), 0);
    EXPECT_EQ(TempFolder::Read(folder / "folder.ini" / "inside"), "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 2);
}

// Only a regular text file of a sane size is a profile file; anything else reads as holding
// no keys, at once, and is never rewritten.
TEST(ProfileFileTest, AnythingButASmallTextFileIsNoProfileFile) {
    TempFolder folder;
    const std::string binary = std::string(
        "\x7F"
        "ELF\0\0[Prefs]\r\ndfix=1\r\n",
        23);
    folder.Write("binary.ini", binary);
    folder.Write("huge.ini", "[Prefs]\r\ndfix=1\r\nlong=" + std::string(kProfileFileLimit, 'x'));
    ASSERT_EQ(::mkfifo((folder / "pipe.ini").c_str(), 0600), 0);
    for (const char* name : {"binary.ini", "huge.ini", "pipe.ini"}) {
        auto started = std::chrono::steady_clock::now();
        ProfileFile profile = ProfileFile::Load(folder / name);
        EXPECT_EQ(profile.FileState(), ProfileFile::State::NotAProfileFile) << name;
        EXPECT_FALSE(profile.HasContent()) << name;
        EXPECT_EQ(profile.Value("Prefs", "dfix"), "") << name;
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1)) << name;
    }
    EXPECT_EQ(ProfileFile::Load(folder / "missing.ini").FileState(), ProfileFile::State::Missing);
    EXPECT_FALSE(ProfileFile::Load(folder.Write("empty.ini", "")).HasContent());

    ScriptedUi ui;
    EXPECT_EQ(WriteIniString("Prefs", "dprtr", "PDF,pdf,FILE:", folder / "binary.ini", ui), 0);
    EXPECT_EQ(TempFolder::Read(folder / "binary.ini"), binary);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "DATA NOT SAVED");
    EXPECT_EQ(WriteIniString("Prefs", "dprtr", "PDF,pdf,FILE:", folder / "pipe.ini", ui), 0);
    EXPECT_TRUE(fs::is_fifo(folder / "pipe.ini"));
}

TEST(ProfileFileTest, IsReadOnceAndAnsweredFromMemory) {
    TempFolder folder;
    fs::path file = folder.Write("q.ini", "[Prefs]\r\ndfont=Arial\r\n");
    ProfileFile profile = ProfileFile::Load(file);
    fs::remove(file);
    EXPECT_EQ(profile.Value("prefs", "DFONT"), "Arial");
    profile.Set("Prefs", "dsize", "10");
    EXPECT_EQ(profile.Text(), "[Prefs]\r\ndfont=Arial\r\ndsize=10\r\n");
    EXPECT_FALSE(fs::exists(file));
}

}  // namespace
}  // namespace quorvia
