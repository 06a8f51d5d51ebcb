#include "core/session/PreferenceStore.h"

#include <gtest/gtest.h>

#include <string>

#include "core/base/ProfileFile.h"
#include "core/session/ProgramFolders.h"
#include "support/FakePrinterService.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

namespace fs = std::filesystem;

const PrinterInfo kLaser{"Laser", "hpcups", "CUPS:"};

class PreferenceStoreTest : public ::testing::Test {
  protected:
    PreferenceStoreTest() : printers({kLaser, PdfPrinter()}) {
        UseProgramFolders(state, {folder.Path(), folder.Path(), folder.Path(), folder.Path()});
    }

    void Load(const std::string& keys) {
        folder.Write("quorvia.ini", "[Prefs]\r\n" + keys);
        LoadPreferences(state, printers, ui);
    }

    TempFolder folder;
    AppState state;
    FakePrinterService printers;
    ScriptedUi ui;
};

TEST_F(PreferenceStoreTest, WithoutAFileTakesTheDefaultsAndWritesNothing) {
    state.DefaultRate = "9.9";
    state.DefaultFullPayout = 0;
    state.ReportStyle = 3;
    state.ShowToolTips = false;
    state.ReportFontSize = 8;
    LoadPreferences(state, printers, ui);

    EXPECT_EQ(state.IniFilePath, folder.Path() / "quorvia.ini");
    EXPECT_FALSE(fs::exists(state.IniFilePath));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(state.DefaultRate, "0.0000");
    EXPECT_EQ(state.DefaultFrequency, 1);
    EXPECT_EQ(state.DefaultFullPayout, 1);
    EXPECT_EQ(state.ReportStyle, 0);
    EXPECT_TRUE(state.ShowToolTips);
    EXPECT_TRUE(state.ToolTipsChecked);
    EXPECT_FALSE(state.PrintCompanyFooter);
    EXPECT_EQ(state.DataDrive, folder.Path().string().substr(0, 2));
    EXPECT_EQ(state.DataDirectory, folder.Path().string());
    EXPECT_EQ(state.ReportPrinter, "Laser,hpcups,CUPS:");
    EXPECT_EQ(state.SemiMonthly[0], 1);
    EXPECT_EQ(state.CurrentReportFont,
              (std::array<std::string, 3>{"Times New Roman", " 12", "Normal"}));

    printers.current.reset();
    LoadPreferences(state, printers, ui);
    EXPECT_EQ(state.ReportPrinter, "");
}

TEST_F(PreferenceStoreTest, ReadsEveryKeyAsTheDialogWritesIt) {
    Load(
        "dname=Acme Lending\r\ndnam2=1 Main St, Springfield\r\ndrate=7.2500\r\ndfreq=5\r\n"
        "dsmdt=3\r\ndfix=1\r\ndfull=0\r\ndcalc=1\r\ndtips=False\r\ndnbr=True\r\ndftr=False\r\n"
        "dfont=Courier New\r\ndbold=Bold\r\ndsize=10.5\r\nddrv=/h\r\nddir=/home/loans\r\n"
        "dprtr=PDF,pdf,FILE:\r\ndstyl=3\r\n");

    EXPECT_EQ(state.CompanyNames[0], "Acme Lending");
    EXPECT_EQ(state.CompanyNames[1], "1 Main St, Springfield");
    EXPECT_EQ(state.DefaultRate, "7.2500");
    EXPECT_EQ(state.DefaultFrequency, 5);
    EXPECT_EQ(state.DefaultSemiMonthlyDates, 3);
    EXPECT_EQ(state.SemiMonthly[0], 3);
    EXPECT_EQ(state.DefaultFixedPrincipal, 1);
    EXPECT_EQ(state.DefaultFullPayout, 0);
    EXPECT_EQ(state.DefaultCalcMethod, 1);
    EXPECT_FALSE(state.ShowToolTips);
    EXPECT_FALSE(state.ToolTipsChecked);
    EXPECT_TRUE(state.NumberPayments);
    EXPECT_FALSE(state.PrintCompanyFooter);
    EXPECT_EQ(state.ReportFontName, "Courier New");
    EXPECT_EQ(state.ReportFontStyle, "Bold");
    EXPECT_FLOAT_EQ(state.ReportFontSize, 10.5f);
    EXPECT_EQ(state.CurrentReportFont,
              (std::array<std::string, 3>{"Courier New", " 10.5", "Bold"}));
    EXPECT_EQ(state.DataDrive, "/h");
    EXPECT_EQ(state.DataDirectory, "/home/loans");
    EXPECT_EQ(state.ReportPrinter, "PDF,pdf,FILE:");
    EXPECT_EQ(state.ReportStyle, 3);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.hourglassDepth, 0);
}

TEST_F(PreferenceStoreTest, NumbersAreRoundedIntoSixteenBits) {
    Load("dfix=-1\r\ndfull=-1\r\ndstyl=7\r\ndcalc=1.5\r\ndsmdt=70000\r\n");
    EXPECT_EQ(state.DefaultFixedPrincipal, 1);
    EXPECT_EQ(state.DefaultFullPayout, 1);
    EXPECT_EQ(state.ReportStyle, 0);
    EXPECT_EQ(state.DefaultCalcMethod, 2);
    EXPECT_EQ(state.DefaultSemiMonthlyDates, 0);
    EXPECT_EQ(state.DefaultFrequency, 0) << "a missing dfreq reads as 0";

    Load("dstyl=2.5\r\ndfreq=6 months\r\n");
    EXPECT_EQ(state.ReportStyle, 2);
    EXPECT_EQ(state.DefaultFrequency, 6);
    Load("dstyl=-1\r\n");
    EXPECT_EQ(state.ReportStyle, 0);
}

TEST_F(PreferenceStoreTest, BooleansTakeTheirOwnDefaultWhenEmptyOrUnreadable) {
    Load("dtips=\r\ndnbr=\r\ndftr=\r\n");
    EXPECT_TRUE(state.ShowToolTips);
    EXPECT_FALSE(state.NumberPayments);
    EXPECT_TRUE(state.PrintCompanyFooter);

    Load("dtips=0\r\ndnbr=-1\r\ndftr=0\r\n");
    EXPECT_FALSE(state.ShowToolTips);
    EXPECT_TRUE(state.NumberPayments);
    EXPECT_FALSE(state.PrintCompanyFooter);

    Load("dtips=FALSE\r\ndnbr=true\r\ndftr=2abc\r\n");
    EXPECT_FALSE(state.ShowToolTips);
    EXPECT_TRUE(state.NumberPayments);
    EXPECT_TRUE(state.PrintCompanyFooter);

    Load("dtips=yes\r\ndnbr=yes\r\ndftr=2.5\r\n");
    EXPECT_TRUE(state.ShowToolTips);
    EXPECT_FALSE(state.NumberPayments);
    EXPECT_TRUE(state.PrintCompanyFooter);
}

TEST_F(PreferenceStoreTest, ABlankDataFolderFallsBackToTheProgramFolder) {
    std::string drive = folder.Path().string().substr(0, 2);
    Load("ddrv=/h\r\nddir=  \r\n");
    EXPECT_EQ(state.DataDrive, drive);
    EXPECT_EQ(state.DataDirectory, folder.Path().string());

    Load("ddir=/home/loans\r\n");
    EXPECT_EQ(state.DataDrive, drive);
    EXPECT_EQ(state.DataDirectory, "/home/loans");
}

TEST_F(PreferenceStoreTest, AMissingReportPrinterIsFilledInAndWrittenBack) {
    Load("dname=Acme\r\ndprtr=0\r\ndstyl=1\r\n");
    EXPECT_EQ(state.ReportPrinter, "Laser,hpcups,CUPS:");
    EXPECT_EQ(TempFolder::Read(state.IniFilePath),
              "[Prefs]\r\ndname=Acme\r\ndprtr=Laser,hpcups,CUPS:\r\ndstyl=1\r\n");

    Load("dname=Acme\r\n");
    EXPECT_EQ(ReadIniString("Prefs", "dprtr", state.IniFilePath), "Laser,hpcups,CUPS:");

    printers.current.reset();
    Load("dprtr=\r\n");
    EXPECT_EQ(state.ReportPrinter, "");
    EXPECT_EQ(TempFolder::Read(state.IniFilePath), "[Prefs]\r\ndprtr=\r\n");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PreferenceStoreTest, TheBatchToolLeavesAMissingReportPrinterUnwritten) {
    folder.Write("quorvia.ini", "[Prefs]\r\ndname=Acme\r\ndprtr=0\r\n");
    LoadPreferences(state, printers, ui, ProfileWrites::Never);
    EXPECT_EQ(state.ReportPrinter, "Laser,hpcups,CUPS:");
    EXPECT_EQ(state.CompanyNames[0], "Acme");
    EXPECT_EQ(TempFolder::Read(state.IniFilePath), "[Prefs]\r\ndname=Acme\r\ndprtr=0\r\n");
}

TEST_F(PreferenceStoreTest, AFileThatIsNoProfileFileGivesTheDefaultsAndIsNotRewritten) {
    const std::string binary("[Prefs]\r\ndstyl=2\r\n\0\x01\x02", 21);
    folder.Write("quorvia.ini", binary);
    LoadPreferences(state, printers, ui);
    EXPECT_EQ(state.ReportStyle, 0);
    EXPECT_EQ(state.DefaultFullPayout, 1);
    EXPECT_EQ(state.ReportPrinter, "Laser,hpcups,CUPS:");
    EXPECT_EQ(TempFolder::Read(state.IniFilePath), binary);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PreferenceStoreTest, ThePageSetUpKeptWithThePrinterElseTheSystemsPaperUpright) {
    printers.defaultPaperSize = kPaperA4;
    state.PrintOrientation = kOrientLandscape;
    LoadPreferences(state, printers, ui);
    EXPECT_EQ(state.PrintPaperSize, kPaperA4);
    EXPECT_EQ(state.PrintOrientation, kOrientPortrait);

    Load("dpapr=5\r\ndornt=2\r\n");
    EXPECT_EQ(state.PrintPaperSize, kPaperLegal);
    EXPECT_EQ(state.PrintOrientation, kOrientLandscape);
    EXPECT_EQ(PageSetupKeys(state)[0], (std::pair<std::string_view, std::string>{"dpapr", "5"}));
    EXPECT_EQ(PageSetupKeys(state)[1], (std::pair<std::string_view, std::string>{"dornt", "2"}));

    // A paper the program does not offer, or none, is the system's; any other orientation
    // is upright.
    for (const char* keys : {"dpapr=42\r\ndornt=7\r\n", "dpapr=\r\n", "dname=Acme\r\n"}) {
        Load(keys);
        EXPECT_EQ(state.PrintPaperSize, kPaperA4) << keys;
        EXPECT_EQ(state.PrintOrientation, kOrientPortrait) << keys;
    }
}

TEST_F(PreferenceStoreTest, AFontWithoutNameOrSizeFallsBackToTheDefaultFont) {
    Load("dfont=Arial\r\ndbold=Bold\r\n");
    EXPECT_EQ(state.CurrentReportFont,
              (std::array<std::string, 3>{"Times New Roman", " 12", "Normal"}));
    Load("dbold=Bold\r\ndsize=9\r\n");
    EXPECT_EQ(state.ReportFontName, "Times New Roman");
    EXPECT_FLOAT_EQ(state.ReportFontSize, 12);
    Load("dfont=Arial\r\ndbold=Bold\r\ndsize=10.3\r\n");
    EXPECT_EQ(state.CurrentReportFont, (std::array<std::string, 3>{"Arial", " 10.3", "Bold"}));
}

}  // namespace
}  // namespace quorvia
