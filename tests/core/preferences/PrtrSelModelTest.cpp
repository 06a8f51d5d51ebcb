#include "core/preferences/PrtrSelModel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/base/ProfileFile.h"
#include "support/FakePrinterService.h"
#include "support/PrefsTestSupport.h"
#include "support/PreviewTestSupport.h"
#include "support/ScriptedHelp.h"
#include "support/ScriptedPrintDialog.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

using testing::ScriptedFontChooser;
using testing::ScriptedPrintDialog;

constexpr std::string_view kFileWarning =
    "Your current default printer is connected to the port 'FILE.'  For a 'hard copy' printout "
    "you should select a new printer connected to a hardware port (such as LPT1:, COM1:, etc).";

class PrtrSelModelTest : public testing::PrinterFormTest {
  protected:
    PrtrSelModelTest() : model(state, printers, ui, fontDialog, printerDialog, help) {
        printers.fonts = {"Arial", "Courier 12CPI", "Line Printer 10CPI"};
    }

    void Load() {
        model.Form_Load();
        ui.Clear();
    }
    void ChooseFont(FontChoice choice) {
        fonts.answer = choice;
        model.cmdFont_Click();
    }
    int Count(std::string_view title) const {
        int count = 0;
        for (const Message& message : ui.messages) {
            count += message.title == title ? 1 : 0;
        }
        return count;
    }

    ScriptedHelp help;
    PrtrSelModel model;
};

TEST_F(PrtrSelModelTest, ShowsTheReportPrinterAndFont) {
    model.Form_Load();
    EXPECT_EQ(model.lblPrtrName, "Laser on CUPS:");
    EXPECT_EQ(model.lblPrtrNameTag, "");
    EXPECT_EQ(model.lblFontName, "Times New Roman - 12 pt. - Normal");
    EXPECT_FALSE(model.pnlCautionVisible);
    EXPECT_TRUE(model.SelectButtonEnabled && model.cmdFontEnabled && model.ExitButtonEnabled);
    // Times New Roman needs no look-up: this printer's list does not even hold it.
    EXPECT_TRUE(model.FontValid);
    EXPECT_TRUE(ui.messages.empty());

    state.ToolTipsChecked = true;
    model.Form_Activate();
    EXPECT_EQ(model.ToolTips[2],
              " Save the current printer & font settings as your program defaults ");
    state.ToolTipsChecked = false;
    model.Form_Activate();
    EXPECT_EQ(model.ToolTips[2], "");
}

TEST_F(PrtrSelModelTest, WithoutAPrinterOnlyCancelAndHelpRemain) {
    state.ReportPrinter = "";
    printers.current.reset();
    model.Form_Load();
    EXPECT_TRUE(model.pnlCautionVisible);
    EXPECT_EQ(model.lblPrtrName, "(Windows reports no printer is attached to this system)");
    EXPECT_EQ(model.lblPrtrNameTag, "NOPRINTER");
    EXPECT_EQ(model.lblFontName, "(none)");
    EXPECT_FALSE(model.SelectButtonEnabled || model.cmdFontEnabled || model.ExitButtonEnabled);

    ui.Clear();
    model.cmdFont_Click();
    EXPECT_EQ(ui.messages.at(0).prompt, "You must select a valid Windows printer first.");
    EXPECT_TRUE(fonts.requests.empty());

    model.cmdHelp_Click();
    EXPECT_EQ(help.Log(), std::vector<std::string>{"Context 1205"});
    EXPECT_EQ(ui.LastFocus(), "ExitButton");
}

TEST_F(PrtrSelModelTest, AQueueOnAFilePortIsWarnedAboutAtEveryLoad) {
    state.ReportPrinter = "Spool,generic,FILE:";
    model.Form_Load();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt, kFileWarning);
    EXPECT_EQ(ui.messages[0].title, "WARNING");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);

    ChooseFont({"Arial", 11});
    model.cmdFont_Click();
    EXPECT_EQ(Count("WARNING"), 3);
    model.Form_Resize();
    EXPECT_EQ(ui.LastFocus(), "SelectButton");

    state.ReportPrinter = "Laser,hpcups,CUPS:";
    model.PendingPrinter.clear();
    ui.Clear();
    model.Form_Load();
    model.Form_Resize();
    EXPECT_EQ(Count("WARNING"), 0);
    EXPECT_TRUE(ui.focus.empty());
}

TEST_F(PrtrSelModelTest, TheBuiltInPdfPrinterIsAChoiceNotAFault) {
    for (const char* identity : {"PDF,pdf,FILE:", "pdf,PDF,file:"}) {
        state.ReportPrinter = identity;
        model.PendingPrinter.clear();
        ui.Clear();
        model.Form_Load();
        model.Form_Resize();
        EXPECT_EQ(Count("WARNING"), 0) << identity;
        EXPECT_TRUE(ui.focus.empty()) << identity;
    }
}

TEST_F(PrtrSelModelTest, APitchInTheFontNameSetsTheSize) {
    Load();
    ChooseFont({"Courier 12CPI", 14});
    EXPECT_EQ(state.ReportFontSize, 10);
    EXPECT_EQ(model.lblFontName, "Courier 12CPI - 10 pt. - Normal");
    ChooseFont({"Line Printer 10CPI", 8});
    EXPECT_EQ(state.ReportFontSize, 12);

    // The rule holds for a stored font too, at every load.
    state.ReportFontName = "Courier 12CPI";
    state.ReportFontSize = 12;
    model.Form_Load();
    EXPECT_EQ(state.ReportFontSize, 10);
}

TEST_F(PrtrSelModelTest, ItalicIsNeverStored) {
    Load();
    ChooseFont({"Arial", 11, true, true});
    EXPECT_EQ(state.ReportFontStyle, "Bold");
    EXPECT_EQ(ui.messages.at(1).prompt,
              "Italic styles are ignored by this program. Your font style will be changed to "
              "Bold.");
    EXPECT_EQ(ui.messages.at(1).title, "Please note...");

    ui.Clear();
    ChooseFont({"Arial", 11, false, true});
    EXPECT_EQ(state.ReportFontStyle, "Normal");
    EXPECT_EQ(ui.messages.at(1).prompt,
              "Italic styles are ignored by this program. Your font style will be changed to "
              "Regular.");
}

TEST_F(PrtrSelModelTest, AFontThePrinterLacksMustBeChosenBeforeOkay) {
    state.ReportFontName = "Garamond";
    model.Form_Load();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt,
              "Default printer font not found!\r\n\r\nPlease click SELECT FONT to choose a font "
              "for your printed reports.");
    EXPECT_EQ(ui.messages[0].title, "PRINTER SETUP REQUIRED");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(model.lblFontName, "(none)");

    model.ExitButton_Click();
    EXPECT_EQ(Count("PRINTER SETUP REQUIRED"), 2);
    EXPECT_FALSE(std::filesystem::exists(state.IniFilePath));
    EXPECT_FALSE(model.Hidden);

    ChooseFont({"Arial", 11});
    EXPECT_TRUE(model.FontValid);
    model.ExitButton_Click();
    EXPECT_TRUE(model.Hidden);
}

TEST_F(PrtrSelModelTest, OkayKeepsPrinterPageSetUpAndFontAsTheDefaults) {
    folder.Write("quorvia.ini", "[Prefs]\r\ndname=Acme\r\n");
    Load();
    PrintDialogResult choice = ScriptedPrintDialog::Choice("PDF");
    choice.devMode.orientation = kOrientLandscape;
    choice.devMode.paperSize = kPaperA4;
    dialogs.Queue(choice);
    model.SelectButton_Click();
    EXPECT_EQ(state.PrintOrientation, kOrientLandscape);
    EXPECT_EQ(state.PrintPaperSize, kPaperA4);
    EXPECT_EQ(ui.focus.front(), "ExitButton");
    EXPECT_EQ(model.lblPrtrName, "PDF on FILE:");
    EXPECT_EQ(Count("WARNING"), 0);  // the built-in PDF printer is a choice
    ChooseFont({"Arial", 10.5, true});
    model.ExitButton_Click();
    EXPECT_TRUE(model.Hidden);
    EXPECT_EQ(TempFolder::Read(state.IniFilePath),
              "[Prefs]\r\ndname=Acme\r\ndfont=Arial\r\ndbold=Bold\r\ndsize=11\r\n"
              "dprtr=PDF,pdf,FILE:\r\ndpapr=9\r\ndornt=2\r\n");
    EXPECT_EQ(state.ReportPrinter, "PDF,pdf,FILE:");

    // The next printer setup dialog opens on them.
    model.SelectButton_Click();
    ASSERT_TRUE(dialogs.requests.back().devMode);
    EXPECT_EQ(dialogs.requests.back().devMode->orientation, kOrientLandscape);
    EXPECT_EQ(dialogs.requests.back().devMode->paperSize, kPaperA4);
    EXPECT_EQ(state.CurrentReportFont, (std::array<std::string, 3>{"Arial", " 11", "Bold"}));
}

TEST_F(PrtrSelModelTest, CancelRestoresTheFontAndPageSetUpInForceBeforeTheForm) {
    Load();
    ChooseFont({"Arial", 10});
    ChooseFont({"Courier 12CPI", 9, true});
    PrintDialogResult choice = ScriptedPrintDialog::Choice("Laser");
    choice.devMode.paperSize = kPaperLegal;
    dialogs.Queue(choice);
    model.SelectButton_Click();
    model.cmdCancel_Click();
    EXPECT_TRUE(model.Hidden);
    EXPECT_EQ(state.ReportFontName, "Times New Roman");
    EXPECT_EQ(state.ReportFontSize, 12);
    EXPECT_EQ(state.ReportFontStyle, "Normal");
    EXPECT_EQ(state.PrintPaperSize, kPaperLetter);
    EXPECT_FALSE(std::filesystem::exists(state.IniFilePath));
}

TEST_F(PrtrSelModelTest, AFailedWriteLeavesTheFormOpen) {
    state.IniFilePath = folder / "missing" / "quorvia.ini";
    Load();
    model.ExitButton_Click();
    EXPECT_FALSE(model.Hidden);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].title, "DATA NOT SAVED");
    EXPECT_EQ(ui.messages[1].title, "Error During Save");
    EXPECT_EQ(ui.messages[1].icon, MsgIcon::Exclamation);
    EXPECT_EQ(ui.hourglassDepth, 0);
}

TEST_F(PrtrSelModelTest, ACancelledPrinterChoiceChangesNothing) {
    Load();
    dialogs.Cancel();
    model.SelectButton_Click();
    ASSERT_EQ(dialogs.requests.size(), 2u);
    EXPECT_EQ(dialogs.requests[1].flags, kPdPrintSetup);
    EXPECT_EQ(model.PendingPrinter, "Laser,hpcups,CUPS:");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(state.PrintOrientation, 1);
    EXPECT_EQ(state.PrintPaperSize, 1);
}

}  // namespace
}  // namespace quorvia
