#include "core/session/RecentFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/base/ProfileFile.h"
#include "core/session/PreferenceStore.h"
#include "core/session/ProgramFolders.h"
#include "support/FakePrinterService.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

namespace fs = std::filesystem;

using Paths = std::vector<std::string>;

TEST(RecentFilesTest, TheNewestEightFilesEachListedOnce) {
    RecentFiles recent;
    for (int n = 1; n <= 10; ++n) {
        EXPECT_TRUE(recent.Add("/loans/" + std::to_string(n) + ".qrv"));
    }
    ASSERT_EQ(recent.Paths().size(), kRecentFileCount);
    EXPECT_EQ(recent.Paths().front(), "/loans/10.qrv");
    EXPECT_EQ(recent.Paths().back(), "/loans/3.qrv");

    // A listed file moves to the top; the top file again changes nothing.
    EXPECT_TRUE(recent.Add("/loans/5.qrv"));
    EXPECT_FALSE(recent.Add("/loans/5.qrv"));
    EXPECT_FALSE(recent.Add(""));
    EXPECT_EQ(recent.Paths(),
              (Paths{"/loans/5.qrv", "/loans/10.qrv", "/loans/9.qrv", "/loans/8.qrv",
                     "/loans/7.qrv", "/loans/6.qrv", "/loans/4.qrv", "/loans/3.qrv"}));

    // One file reached by two names is one entry, listed by its absolute path.
    EXPECT_FALSE(recent.Add("/loans/./old/../5.qrv"));
    EXPECT_TRUE(recent.Add("relative.qrv"));
    EXPECT_EQ(recent.Paths().front(), (fs::current_path() / "relative.qrv").string());

    EXPECT_TRUE(recent.Remove("/loans/9.qrv"));
    EXPECT_FALSE(recent.Remove("/loans/9.qrv"));
    EXPECT_EQ(recent.Paths().size(), kRecentFileCount - 1);
}

TEST(RecentFilesTest, CaptionsNumberTheFilesAndNameTheFolderOfTwoOfAName) {
    RecentFiles recent(Paths{"/home/ann/smith.qrv", "/home/ann/B&B Farm.qrv",
                             "/media/usb/smith.qrv", "/home/ann/lee.qrv"});
    EXPECT_EQ(RecentFileCaptions(recent), (Paths{"&1 smith.qrv  (/home/ann)", "&2 B&&B Farm.qrv",
                                                 "&3 smith.qrv  (/media/usb)", "&4 lee.qrv"}));
    EXPECT_TRUE(RecentFileCaptions(RecentFiles()).empty());
}

class RecentFilesProfileTest : public ::testing::Test {
  protected:
    fs::path Profile() const { return folder / "quorvia.ini"; }

    TempFolder folder;
    ScriptedUi ui;
};

// The list shares the profile file with the preferences: writing it keeps every other line,
// and a shorter list leaves no file of the longer one behind.
TEST_F(RecentFilesProfileTest, TheProfileKeepsTheListBesideThePreferences) {
    folder.Write("quorvia.ini", "[Prefs]\r\ndrate=7.5000\r\ndname=Ann's Loans\r\n");
    RecentFiles recent(Paths{"/loans/a.qrv", "/loans/b.qrv", "/loans/c.qrv"});
    ASSERT_TRUE(WriteRecentFiles(recent, Profile(), ui));
    EXPECT_EQ(ReadRecentFiles(Profile()).Paths(), recent.Paths());
    std::string written = TempFolder::Read(Profile());
    EXPECT_TRUE(written.starts_with("[Prefs]\r\ndrate=7.5000\r\ndname=Ann's Loans\r\n"));

    recent.Remove("/loans/b.qrv");
    ASSERT_TRUE(WriteRecentFiles(recent, Profile(), ui));
    EXPECT_EQ(ReadRecentFiles(Profile()).Paths(), (Paths{"/loans/a.qrv", "/loans/c.qrv"}));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ReadRecentFiles(folder / "none.ini").Paths().empty());
}

// A path the profile file would cut or break in two is not written, so that no entry names a
// file other than the one opened.
TEST_F(RecentFilesProfileTest, APathThatWouldNotReadBackWholeIsLeftOut) {
    std::string longName = "/loans/" + std::string(250, 'x') + ".qrv";
    RecentFiles recent(Paths{"/loans/a.qrv", longName, "/loans/two\nlines.qrv", "/loans/é.qrv"});
    ASSERT_TRUE(WriteRecentFiles(recent, Profile(), ui));
    EXPECT_EQ(ReadRecentFiles(Profile()).Paths(), (Paths{"/loans/a.qrv", "/loans/é.qrv"}));
}

// A first run that only opened a file writes the profile file for the list alone; the next start
// must still take the preferences' defaults, not read every missing key as empty.
TEST_F(RecentFilesProfileTest, AProfileWithTheListAloneLeavesThePreferencesAtTheirDefaults) {
    AppState state;
    UseProgramFolders(state, {folder.Path(), folder.Path(), folder.Path(), folder.Path()});
    ASSERT_TRUE(WriteRecentFiles(RecentFiles(Paths{"/loans/a.qrv"}), state.IniFilePath, ui));
    FakePrinterService printers({{"Laser", "hpcups", "CUPS:"}});
    LoadPreferences(state, printers, ui);
    EXPECT_EQ(state.DefaultRate, "0.0000");
    EXPECT_EQ(state.DefaultFullPayout, 1);
    EXPECT_EQ(state.DefaultFrequency, 1);
    EXPECT_FALSE(state.PrintCompanyFooter);
    EXPECT_EQ(state.ReportFontName, "Times New Roman");
    // Nothing else is written into it.
    EXPECT_EQ(ReadIniString(kIniSection, "dprtr", state.IniFilePath), "");
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace quorvia
