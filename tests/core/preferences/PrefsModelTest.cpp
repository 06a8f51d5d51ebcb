#include "core/preferences/PrefsModel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "core/base/ProfileFile.h"
#include "support/FakePrinterService.h"
#include "support/PrefsTestSupport.h"
#include "support/PreviewTestSupport.h"
#include "support/ScriptedPrintDialog.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

using testing::FixedVolumes;
using testing::ScriptedFontChooser;
using testing::ScriptedPrintDialog;

constexpr std::string_view kConflict =
    "Bi-weekly and Semi-monthly payment schedules REQUIRE that interest be calculated using "
    "exact number of days.  Do you want to reset the calculation method to 'Exact Days' now?";

// The keys of the file's lines, in their order.
std::vector<std::string> KeysOf(const std::string& text) {
    std::vector<std::string> keys;
    static const std::regex line(R"(([a-z0-9]+)=)");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), line);
         it != std::sregex_iterator(); ++it) {
        keys.push_back((*it)[1]);
    }
    return keys;
}

class PrefsModelTest : public testing::PrinterFormTest {
  protected:
    PrefsModelTest() : model(state, printers, ui, fontDialog, printerDialog, volumes) {
        state.DataDrive = state.AppPath.string().substr(0, 2);
        state.DataDirectory = state.AppPath.string();
    }

    void Load() {
        model.Form_Load();
        ui.Clear();
    }

    FixedVolumes volumes;
    PrefsModel model;
};

TEST_F(PrefsModelTest, OpensOnTheSettingsInForce) {
    state.CompanyNames = {" First Lending  ", "1 Main St, Springfield"};
    state.DefaultRate = " 7.2500";
    state.DefaultFrequency = 6;
    state.DefaultSemiMonthlyDates = 3;
    state.DefaultCalcMethod = 1;
    state.DefaultFullPayout = 1;
    state.PrintCompanyFooter = true;
    state.ShowToolTips = false;
    state.ReportStyle = 7;
    model.Form_Load();

    EXPECT_EQ(model.txtName[0], "First Lending");
    EXPECT_EQ(model.txtName[1], "1 Main St, Springfield");
    EXPECT_EQ(model.txtRate, "7.2500");
    EXPECT_EQ(model.optFreq, 6);
    EXPECT_EQ(model.cboSemiMthly.list.size(), 4u);
    EXPECT_EQ(model.cboSemiMthly.list[3], "15th & 30th");
    EXPECT_EQ(model.cboSemiMthly.listIndex, 2);
    EXPECT_EQ(model.optCalc, 1);
    EXPECT_EQ(model.chkBalDue, 1);
    EXPECT_EQ(model.chkFooter, 1);
    EXPECT_EQ(model.chkTips, 0);
    EXPECT_EQ(model.lblPrtrName, "Laser on CUPS:");
    EXPECT_EQ(model.lblFontName, "Times New Roman - 12 pt. - Normal");
    EXPECT_TRUE(model.cmdFontEnabled);
    EXPECT_EQ(model.Dir1, folder.Path().string());
    EXPECT_EQ(model.lblCurrPath, folder.Path().string());
    EXPECT_EQ(model.Drive1, "/");
    // A style outside the four becomes the columnar one.
    EXPECT_EQ(model.optStyle, 0);
    EXPECT_EQ(state.ReportStyle, 0);
    EXPECT_FALSE(model.Loading);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.LastFocus(), "txtRate");
}

TEST_F(PrefsModelTest, WithoutAPrinterTheFontCannotBeChosen) {
    state.ReportPrinter = "";
    printers.current.reset();
    Load();
    EXPECT_EQ(model.lblPrtrName, "(Windows reports no printer is attached to this system)");
    EXPECT_EQ(model.lblPrtrNameTag, "NOPRINTER");
    EXPECT_EQ(model.lblFontName, "(none)");
    EXPECT_FALSE(model.cmdFontEnabled);

    model.cmdPrtrDefs_Click(1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt, "You must select a valid Windows printer first.");
    EXPECT_EQ(ui.messages[0].title, "Unable to proceed...");
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_TRUE(fonts.requests.empty());
}

TEST_F(PrefsModelTest, ABlankStoredPrinterIsTheCurrentOne) {
    state.ReportPrinter = "0";
    model.Form_Load();
    EXPECT_EQ(state.ReportPrinter, "Laser,hpcups,CUPS:");
    EXPECT_EQ(model.PendingPrinter, "Laser,hpcups,CUPS:");
}

TEST_F(PrefsModelTest, UnreachableFoldersFallBackToTheProgramFolderWithTheErrorNumbers) {
    state.DataDirectory = (folder / "gone").string();
    model.Form_Load();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt,
              "Your default Directory could not be accessed.  Resetting to the current "
              "application drive and path.\r\n[76]");
    EXPECT_EQ(ui.messages[0].title, "Default File Path error");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(ui.events.front(), "beep");
    EXPECT_EQ(model.Dir1, folder.Path().string());
    EXPECT_EQ(model.PendingDirectory, folder.Path().string());
    EXPECT_EQ(state.DataDirectory, folder.Path().string());

    // A drive letter brought over from another system names no volume here.
    ui.Clear();
    state.DataDrive = "c:";
    model.Form_Load();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt,
              "Your default Drive could not be accessed.  Resetting to the current application "
              "drive and path.\r\n[68]");

    ui.Clear();
    volumes.volumes = {"/nowhere"};
    state.DataDrive = "c:";
    model.Form_Load();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt,
              "Your default Drive and/or Directory could not be accessed.  Resetting to the "
              "current application drive and path.\r\n[68/68]");
}

TEST_F(PrefsModelTest, ANewFileGetsTheTwentyKeysInTheirOrder) {
    Load();
    model.txtName[0] = "  Acme Loans ";
    model.txtName[1] = "Main St";
    model.txtRate = "10.75";
    model.txtRate_LostFocus();
    EXPECT_EQ(model.txtRate, "10.7500");
    model.optFreq_Click(2);
    model.chkNbrPymts = 1;
    model.chkFooter = 1;
    model.btnStyle_Click(2);
    model.cmdSave_Click();

    std::string text = TempFolder::Read(state.IniFilePath);
    EXPECT_EQ(KeysOf(text), (std::vector<std::string>{
                                "dname", "dnam2", "drate", "dfreq", "dsmdt", "dfix", "dfull",
                                "dcalc", "dtips", "ddrv",  "ddir",  "dnbr",  "dftr", "dfont",
                                "dbold", "dsize", "dprtr", "dpapr", "dornt", "dstyl"}));
    EXPECT_TRUE(text.starts_with("[Prefs]\r\ndname=  Acme Loans \r\n")) << text;
    EXPECT_EQ(Value("drate"), "10.7500");
    EXPECT_EQ(Value("dfreq"), "2");
    EXPECT_EQ(Value("dsmdt"), "1");
    EXPECT_EQ(Value("dtips"), "True");
    EXPECT_EQ(Value("dnbr"), "True");
    EXPECT_EQ(Value("ddrv"), "/");
    EXPECT_EQ(Value("ddir"), folder.Path().string());
    EXPECT_EQ(Value("dsize"), "12");
    EXPECT_EQ(Value("dprtr"), "Laser,hpcups,CUPS:");
    EXPECT_EQ(Value("dpapr"), "1");
    EXPECT_EQ(Value("dornt"), "1");
    EXPECT_EQ(Value("dstyl"), "2");

    EXPECT_TRUE(model.Closed);
    EXPECT_EQ(state.CompanyNames[0], "Acme Loans");
    EXPECT_EQ(state.DefaultRate, "10.7500");
    EXPECT_EQ(state.DefaultFrequency, 2);
    EXPECT_TRUE(state.PrintCompanyFooter);
    EXPECT_EQ(state.ReportStyle, 2);
    EXPECT_EQ(state.CurrentReportFont[1], " 12");
    EXPECT_EQ(ui.hourglassDepth, 0);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PrefsModelTest, SavingKeepsTheFilesOtherLines) {
    folder.Write("quorvia.ini",
                 "; kept\r\n[Other]\r\ndrate=1\r\n[Prefs]\r\nDRATE=5\r\nextra=x\r\n");
    Load();
    model.txtRate = "6";
    model.cmdSave_Click();
    std::string text = TempFolder::Read(state.IniFilePath);
    EXPECT_TRUE(text.starts_with("; kept\r\n[Other]\r\ndrate=1\r\n[Prefs]\r\n")) << text;
    EXPECT_NE(text.find("extra=x\r\n"), std::string::npos);
    EXPECT_EQ(Value("drate"), "6.0000");
    EXPECT_EQ(ReadIniString("Other", "drate", state.IniFilePath), "1");
}

TEST_F(PrefsModelTest, ABiWeeklySaveOnThirtyDayMonthsAsksFirst) {
    Load();
    model.optFreq_Click(5);
    ui.QueueAnswer(MsgAnswer::No);
    model.cmdSave_Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt, kConflict);
    EXPECT_EQ(ui.messages[0].title, "CONFLICTING OPTIONS");
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Question);
    EXPECT_FALSE(std::filesystem::exists(state.IniFilePath));
    EXPECT_FALSE(model.Closed);
    EXPECT_EQ(ui.LastFocus(), "optFreq(5)");

    ui.QueueAnswer(MsgAnswer::Yes);
    model.cmdSave_Click();
    EXPECT_EQ(Value("dcalc"), "1");
    EXPECT_EQ(Value("dfreq"), "5");
    EXPECT_EQ(state.DefaultCalcMethod, 1);
}

TEST_F(PrefsModelTest, SemiMonthlyAsksOnlyWithoutExactDays) {
    state.SemiMonthly[0] = 2;
    Load();
    model.optCalc_Click(1);
    model.optFreq_Click(6);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(model.cboSemiMthly.enabled);
    EXPECT_EQ(model.cboSemiMthly.listIndex, 1);
    EXPECT_EQ(ui.LastFocus(), "cboSemiMthly");

    model.optCalc_Click(0);
    model.optFreq_Click(1);
    EXPECT_FALSE(model.cboSemiMthly.enabled);
    ui.QueueAnswer(MsgAnswer::Yes);
    model.optFreq_Click(6);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(model.optCalc, 1);
    EXPECT_TRUE(model.cboSemiMthly.enabled);

    // No goes back to the stored frequency; leaving the option then asks nothing more.
    model.optCalc_Click(0);
    ui.QueueAnswer(MsgAnswer::No);
    model.optFreq_Click(6);
    EXPECT_EQ(model.optFreq, 1);
    EXPECT_EQ(ui.LastFocus(), "optFreq(1)");
    model.optFreq_LostFocus(6, "optFreq(1)");
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(PrefsModelTest, LeavingBiWeeklyOnThirtyDayMonthsAsks) {
    Load();
    model.optFreq_Click(5);
    model.optFreq_LostFocus(5, "chkNbrPymts");
    ASSERT_EQ(ui.messages.size(), 1u);  // the fallback answer is No
    EXPECT_EQ(model.optFreq, 1);

    model.optFreq_Click(5);
    ui.QueueAnswer(MsgAnswer::Yes);
    model.optFreq_LostFocus(5, "chkNbrPymts");
    EXPECT_EQ(model.optCalc, 1);
    EXPECT_FALSE(model.cboSemiMthly.enabled);
    EXPECT_EQ(ui.LastFocus(), "chkFix");
}

TEST_F(PrefsModelTest, TheSemiMonthlyListFollowsMouseAndKeys) {
    state.DefaultCalcMethod = 1;
    Load();
    model.optFreq_Click(6);
    model.cboSemiMthly_GotFocus();
    EXPECT_TRUE(model.DropDown);
    model.DropDown = false;
    model.cboSemiMthly_GotFocus();
    EXPECT_FALSE(model.DropDown);

    ui.Clear();
    model.cboSemiMthly_Click(1, true);
    EXPECT_TRUE(ui.focus.empty());
    model.cboSemiMthly_Click(2, false);
    EXPECT_EQ(ui.LastFocus(), "chkNbrPymts");
    model.cboSemiMthly_Escape();
    EXPECT_EQ(ui.LastFocus(), "optFreq(6)");
    model.cboSemiMthly_Enter();
    EXPECT_EQ(ui.LastFocus(), "chkNbrPymts");

    model.cboSemiMthly_LostFocus();
    EXPECT_EQ(state.SemiMonthly[0], 3);
    EXPECT_EQ(state.SemiMonthly[1], 10);
    EXPECT_EQ(state.SemiMonthly[2], 25);
    EXPECT_FALSE(model.cboSemiMthly.enabled);
    model.cmdSave_Click();
    EXPECT_EQ(Value("dsmdt"), "3");
    EXPECT_EQ(state.DefaultSemiMonthlyDates, 3);
}

TEST_F(PrefsModelTest, ResetThenCancelChangesOnlyTheToolTips) {
    folder.Write("quorvia.ini", "[Prefs]\r\ndname=Acme\r\n");
    state.CompanyNames = {"Acme", ""};
    state.ShowToolTips = false;
    state.ToolTipsChecked = false;
    state.DefaultFrequency = 2;
    state.ReportStyle = 3;
    AppState before = state;
    Load();
    ui.QueueAnswer(MsgAnswer::No);
    model.cmdReset_Click();
    EXPECT_EQ(ui.messages[0].prompt,
              "Do you really want to reset ALL defaults to the original program settings?");
    EXPECT_EQ(ui.messages[0].title, "PLEASE CONFIRM ACTION");
    EXPECT_EQ(ui.messages[0].defaultButton, 2);
    EXPECT_EQ(model.txtName[0], "Acme");
    EXPECT_EQ(ui.LastFocus(), "txtName(0)");

    ui.QueueAnswer(MsgAnswer::Yes);
    model.cmdReset_Click();
    EXPECT_EQ(model.txtName[0], "");
    EXPECT_EQ(model.txtRate, "0.0000");
    EXPECT_EQ(model.optFreq, 1);
    EXPECT_EQ(model.cboSemiMthly.listIndex, 0);
    EXPECT_EQ(model.chkBalDue, 1);
    EXPECT_EQ(model.chkFooter, 1);
    EXPECT_EQ(model.chkTips, 1);
    EXPECT_EQ(model.optStyle, 0);
    EXPECT_EQ(model.PendingStyle, 0);
    EXPECT_EQ(model.ToolTips[0], " Save your current entries as the program defaults ");
    EXPECT_TRUE(state.ShowToolTips);
    EXPECT_TRUE(state.ToolTipsChecked);

    model.cmdCancel_Click();
    EXPECT_TRUE(model.Closed);
    EXPECT_EQ(TempFolder::Read(state.IniFilePath), "[Prefs]\r\ndname=Acme\r\n");
    EXPECT_EQ(state.CompanyNames, before.CompanyNames);
    EXPECT_EQ(state.DefaultFrequency, 2);
    EXPECT_EQ(state.ReportStyle, 3);
    EXPECT_EQ(state.PrintCompanyFooter, before.PrintCompanyFooter);
    EXPECT_EQ(state.CurrentReportFont, before.CurrentReportFont);
}

TEST_F(PrefsModelTest, AFontChosenIsUndoneByCancelAndKeptBySave) {
    Load();
    fonts.answer = FontChoice{"Arial", 10, true, false};
    model.cmdPrtrDefs_Click(1);
    ASSERT_EQ(fonts.requests.size(), 1u);
    EXPECT_EQ(fonts.requests[0].minSize, 8);
    EXPECT_EQ(fonts.requests[0].maxSize, 14);
    EXPECT_EQ(fonts.requests[0].flags, 0x2442u);
    EXPECT_EQ(ui.messages[0].title, "SELECT A PRINTER FONT");
    EXPECT_EQ(state.ReportFontName, "Arial");
    EXPECT_EQ(model.lblFontName, "Arial - 10 pt. - Bold");

    model.cmdCancel_Click();
    EXPECT_EQ(state.ReportFontName, "Times New Roman");
    EXPECT_EQ(state.ReportFontSize, 12);
    EXPECT_EQ(state.ReportFontStyle, "Normal");

    model.Closed = false;
    Load();
    model.cmdPrtrDefs_Click(1);
    model.cmdSave_Click();
    EXPECT_EQ(Value("dfont"), "Arial");
    EXPECT_EQ(Value("dbold"), "Bold");
    EXPECT_EQ(Value("dsize"), "10");
    EXPECT_EQ(state.CurrentReportFont, (std::array<std::string, 3>{"Arial", " 10", "Bold"}));
}

TEST_F(PrefsModelTest, ThePrinterButtonTakesTheChosenPrinter) {
    Load();
    dialogs.Cancel();
    model.cmdPrtrDefs_Click(0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt, "Default or Previously Chosen Printer (Laser) Will Be Used.");
    EXPECT_EQ(ui.messages[0].title, "Selection Cancelled");
    EXPECT_EQ(model.PendingPrinter, "Laser,hpcups,CUPS:");

    PrintDialogResult choice = ScriptedPrintDialog::Choice("PDF");
    choice.devMode.orientation = kOrientLandscape;
    choice.devMode.paperSize = kPaperA5;
    dialogs.Queue(choice);
    model.cmdPrtrDefs_Click(0);
    EXPECT_EQ(dialogs.requests.back().flags, kPdPrintSetup);
    EXPECT_EQ(state.PrintOrientation, kOrientLandscape);
    EXPECT_EQ(state.PrintPaperSize, kPaperA5);
    EXPECT_EQ(model.lblPrtrName, "PDF on FILE:");
    EXPECT_EQ(model.PendingPrinter, "PDF,pdf,FILE:");
    EXPECT_EQ(state.ReportPrinter, "Laser,hpcups,CUPS:");
    model.cmdSave_Click();
    EXPECT_EQ(Value("dprtr"), "PDF,pdf,FILE:");
    EXPECT_EQ(Value("dpapr"), "11");
    EXPECT_EQ(Value("dornt"), "2");
    EXPECT_EQ(state.ReportPrinter, "PDF,pdf,FILE:");
}

TEST_F(PrefsModelTest, CancelPutsBackThePageSetUpTheDialogChanged) {
    Load();
    PrintDialogResult choice = ScriptedPrintDialog::Choice("PDF");
    choice.devMode.orientation = kOrientLandscape;
    choice.devMode.paperSize = kPaperLegal;
    dialogs.Queue(choice);
    model.cmdPrtrDefs_Click(0);
    ASSERT_EQ(state.PrintPaperSize, kPaperLegal);
    model.cmdCancel_Click();
    EXPECT_EQ(state.PrintOrientation, kOrientPortrait);
    EXPECT_EQ(state.PrintPaperSize, kPaperLetter);
    EXPECT_FALSE(std::filesystem::exists(state.IniFilePath));
}

TEST_F(PrefsModelTest, AFailedWriteKeepsTheFormOpenAndTheSettings) {
    state.IniFilePath = folder / "missing" / "quorvia.ini";
    Load();
    model.txtName[0] = "Acme";
    model.cmdSave_Click();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].title, "DATA NOT SAVED");
    EXPECT_EQ(ui.messages[1].title, "Error During Save");
    EXPECT_EQ(ui.messages[1].prompt,
              "Verify that your QUORVIA.INI file is present in your program subdirectory and "
              "try again. (Or click Cancel to restore previous settings.)");
    EXPECT_FALSE(model.Closed);
    EXPECT_EQ(state.CompanyNames[0], "");
    EXPECT_EQ(ui.hourglassDepth, 0);
}

TEST_F(PrefsModelTest, StylesToolTipsStatusAndTabs) {
    Load();
    model.btnStyle_Click(3);
    EXPECT_TRUE(model.StylePressed(3));
    EXPECT_FALSE(model.StylePressed(0));
    EXPECT_EQ(model.PendingStyle, 3);

    model.chkTips_Click(0);
    EXPECT_EQ(model.ToolTips, PrefsModel::ButtonTips{});
    model.chkTips_Click(1);
    EXPECT_EQ(model.ToolTips[4], " Select the printer font to use for Amortization Schedules ");
    state.ToolTipsChecked = false;
    model.Form_Activate();
    EXPECT_EQ(model.ToolTips[2], "");

    model.Control_GotFocus("optFreq(3)");
    EXPECT_EQ(model.pnlStatus, "Select the default frequency of scheduled loan payments");
    model.Control_GotFocus("txtRate");
    EXPECT_EQ(model.pnlStatus,
              "Enter the default annual interest rate (note rate) in the format 'xx.xxxx' (e.g.: "
              "10.75)");

    model.vsTab_Switch(PrefsModel::kStyleTab);
    EXPECT_EQ(ui.LastFocus(), "optStyle(3)");
    model.vsTab_Switch(PrefsModel::kFilesTab);
    EXPECT_EQ(ui.LastFocus(), "Drive1");
}

TEST_F(PrefsModelTest, ChoosingAVolumeShowsItsFolders) {
    volumes.volumes = {"/", folder.Path().string()};
    Load();
    EXPECT_EQ(model.Drive1, folder.Path().string());
    model.Drive1_Change("/");
    EXPECT_EQ(model.Dir1, "/");
    EXPECT_EQ(model.lblCurrPath, "/");
    EXPECT_EQ(ui.LastFocus(), "Dir1");
    model.Dir1_Change((folder / "sub").string());
    EXPECT_EQ(model.Drive1, folder.Path().string());
    model.cmdSave_Click();
    EXPECT_EQ(Value("ddrv"), folder.Path().string());
    EXPECT_EQ(Value("ddir"), (folder / "sub").string());
}

TEST(VolumeOfTest, TheLongestMountPointHoldingThePath) {
    RunError error;
    std::vector<std::string> volumes{"/", "/home", "/home/shared"};
    EXPECT_EQ(VolumeOf("/home/shared/loans", volumes, error), "/home/shared");
    EXPECT_EQ(VolumeOf("/homework", volumes, error), "/");
    EXPECT_EQ(VolumeOf("/home", volumes, error), "/home");
    EXPECT_FALSE(VolumeOf("c:\\loans", volumes, error));
    EXPECT_EQ(error.number, 68);
}

}  // namespace
}  // namespace quorvia
