#include "core/app/MainWindowModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/FormCentering.h"
#include "support/AmortFormFixture.h"
#include "support/FakePrinterService.h"
#include "support/PreviewTestSupport.h"
#include "support/ScopedEnvironment.h"
#include "support/ScriptedFileChooser.h"
#include "support/ScriptedHelp.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

namespace quorvia {
namespace {

class RecordingHost : public MainWindowHost {
  public:
    explicit RecordingHost(ScriptedUi& ui) : ui_(ui) {}
    void ShowMainWindow() override { windowShown = true; }
    void ShowAmortForm() override {
        calls.push_back("ShowAmortForm");
        form =
            std::make_unique<AmortFormModel>(*state, ui_, testing::FixedToday, runner_, formHost_);
        form->Form_Load();
    }
    void ShowCalcForm() override { calls.push_back("ShowCalcForm"); }
    void ShowCompareForm() override { calls.push_back("ShowCompareForm"); }
    void UnloadAmortForm() override {
        calls.push_back("UnloadAmortForm");
        state->FormOpen[1] = false;
        form.reset();
    }
    void UnloadCalcForm() override {
        calls.push_back("UnloadCalcForm");
        state->FormOpen[2] = false;
    }
    void FocusAmortForm() override { calls.push_back("FocusAmortForm"); }
    void ClickAmortButton(std::string_view button) override {
        calls.push_back("Click:" + std::string(button));
    }
    void FocusCalcForm() override { calls.push_back("FocusCalcForm"); }
    void ClickCalcButton(std::string_view button) override {
        calls.push_back("ClickCalc:" + std::string(button));
    }
    std::string AmortLoanAmountText() override { return amount; }
    void ApplyToolTips() override { calls.push_back("ApplyToolTips"); }
    void CloseMainWindow() override { calls.push_back("CloseMainWindow"); }
    AmortFormModel* AmortModel() override { return form.get(); }
    CDialog& CommonDialog() override { return dialog_; }
    void ShowAboutBox() override { calls.push_back("ShowAboutBox"); }
    int ActiveFormHelpContext() override { return 2100; }
    void ShowPrefsForm() override { calls.push_back("ShowPrefsForm"); }
    void ShowPrtrSelForm() override { calls.push_back("ShowPrtrSelForm"); }
    void TileForms() override { calls.push_back("TileForms"); }
    void CascadeForms() override { calls.push_back("CascadeForms"); }

    AppState* state = nullptr;
    bool windowShown = false;
    std::unique_ptr<AmortFormModel> form;
    testing::ScriptedFileChooser files;
    std::string amount;
    std::vector<std::string> calls;

  private:
    ScriptedUi& ui_;
    testing::RecordingRunner runner_;
    testing::RecordingHost formHost_;
    testing::ScriptedFontChooser fonts_;
    CDialog dialog_{ui_, fonts_, files};
};

class MainWindowModelTest : public ::testing::Test {
  protected:
    MainWindowModelTest()
        : printers({{"Laser", "hpcups", "CUPS:"}, PdfPrinter()}),
          host(ui),
          model(state, printers, ui, host, help) {
        host.state = &state;
    }

    bool Start(OtherCopy otherCopy = OtherCopy::None) {
        return model.MDIForm_Load(folder.Path(), [otherCopy] { return otherCopy; });
    }

    void OpenAmort() {
        model.mnuAmort_Click();
        host.calls.clear();
    }

    TempFolder folder;
    AppState state;
    FakePrinterService printers;
    ScriptedUi ui;
    RecordingHost host;
    ScriptedHelp help;
    MainWindowModel model;
};

TEST_F(MainWindowModelTest, StartsWithoutAProfileFileWritingNothing) {
    state.InputUnsaved = true;
    state.LoanFilePath = "old.qrv";
    ASSERT_TRUE(Start());

    EXPECT_EQ(state.AppPath, folder.Path());
    EXPECT_EQ(state.IniFilePath, folder.Path() / "quorvia.ini");
    EXPECT_FALSE(std::filesystem::exists(state.IniFilePath));
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
    EXPECT_FALSE(state.InputUnsaved);
    EXPECT_TRUE(state.LoanFilePath.empty());
    EXPECT_EQ(state.ReportPrinter, "Laser,hpcups,CUPS:");
    EXPECT_TRUE(state.ToolTipsChecked);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.hourglassDepth, 0);

    const MainCommands& commands = model.Commands;
    EXPECT_TRUE(commands.logoVisible);
    EXPECT_TRUE(commands.Enabled(MainAction::mnuAmort));
    EXPECT_TRUE(commands.Enabled(MainAction::mnuCalc));
    EXPECT_FALSE(commands.Enabled(MainAction::mnuWindow));
    EXPECT_FALSE(commands.Enabled(MainAction::mnuFileSave));
    EXPECT_FALSE(commands.Enabled(MainAction::mnuFileSaveAs));
    EXPECT_FALSE(commands.Enabled(MainAction::mnuFilePrint));
    EXPECT_FALSE(commands.Enabled(MainAction::tbSave));
    EXPECT_FALSE(commands.Enabled(MainAction::tbPrint));
    EXPECT_FALSE(commands.Enabled(MainAction::tbCopy));
    EXPECT_TRUE(commands.Checked(MainAction::mnuHelpTips));
}

// A second copy ends before its window shows or the preferences are read: silently when the
// running copy took its file over, with the message only when the running copy did not answer.
TEST_F(MainWindowModelTest, ASecondCopyEndsWithoutAWindow) {
    folder.Write("quorvia.ini", "[Prefs]\r\ndrate=7.5\r\n");
    EXPECT_FALSE(Start(OtherCopy::TookOver));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(host.windowShown);

    EXPECT_FALSE(Start(OtherCopy::Unreachable));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt,
              "Quorvia is already running.  Please switch to its window with Alt+Tab or from "
              "your desktop's panel.");
    EXPECT_EQ(ui.messages[0].title, "PROGRAM ALREADY ACTIVE");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::None);
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::Ok);
    EXPECT_FALSE(host.windowShown);
    EXPECT_EQ(state.DefaultRate, "0.0000");
    EXPECT_EQ(ui.hourglassDepth, 0);

    ASSERT_TRUE(Start());
    EXPECT_TRUE(host.windowShown);
    EXPECT_EQ(state.DefaultRate, "7.5");
}

TEST_F(MainWindowModelTest, EndsWithoutAnyPrinter) {
    printers.printers.clear();
    printers.current.reset();
    EXPECT_FALSE(Start());
    ASSERT_NE(ui.LastMessage(), nullptr);
    EXPECT_EQ(ui.LastMessage()->title, "No Printer Found");
    EXPECT_EQ(ui.hourglassDepth, 0);
}

TEST_F(MainWindowModelTest, OpeningTheAmortizationFormSwitchesTheCommands) {
    ASSERT_TRUE(Start());
    model.mnuAmort_Click();

    EXPECT_TRUE(state.FormOpen[1]);
    EXPECT_EQ(host.calls, std::vector<std::string>{"ShowAmortForm"});
    EXPECT_FALSE(model.Commands.Enabled(MainAction::mnuAmort));
    EXPECT_TRUE(model.Commands.Enabled(MainAction::mnuWindow));
    EXPECT_TRUE(model.Commands.Enabled(MainAction::mnuFileSave));
    EXPECT_TRUE(model.Commands.Enabled(MainAction::mnuFileSaveAs));
    EXPECT_TRUE(model.Commands.Enabled(MainAction::mnuFilePrint));
    EXPECT_TRUE(model.Commands.Enabled(MainAction::tbSave));
    EXPECT_TRUE(model.Commands.Enabled(MainAction::tbPrint));
    EXPECT_FALSE(model.Commands.Enabled(MainAction::tbCopy));
    EXPECT_FALSE(model.Commands.logoVisible);
    EXPECT_EQ(ui.hourglassDepth, 0);

    // The form's unload handler clears its flag; the commands follow.
    state.FormOpen[1] = false;
    model.UpdateMainCommands();
    EXPECT_TRUE(model.Commands.Enabled(MainAction::mnuAmort));
    EXPECT_TRUE(model.Commands.logoVisible);
    EXPECT_FALSE(model.Commands.Enabled(MainAction::mnuFilePrint));
}

TEST_F(MainWindowModelTest, ClosingWithUnsavedInput) {
    ASSERT_TRUE(Start());
    state.InputUnsaved = true;

    ui.QueueAnswer(MsgAnswer::Cancel);
    EXPECT_TRUE(model.MDIForm_Unload());
    EXPECT_TRUE(state.InputUnsaved);
    ASSERT_NE(ui.LastMessage(), nullptr);
    EXPECT_EQ(ui.LastMessage()->prompt,
              "You have not saved your current input.  Do you want to do so now?");
    EXPECT_EQ(ui.LastMessage()->title, "CAUTION");
    EXPECT_EQ(ui.LastMessage()->buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(ui.LastMessage()->icon, MsgIcon::Question);

    // Yes runs Save As; while the input is still unsaved afterwards, the window stays.
    OpenAmort();
    ui.QueueAnswer(MsgAnswer::Yes);
    EXPECT_TRUE(model.MDIForm_Unload());
    ASSERT_EQ(host.files.requests.size(), 1u);
    EXPECT_EQ(host.files.requests[0].title, "Save a Quorvia File");
    EXPECT_TRUE(state.InputUnsaved);

    EXPECT_TRUE(help.calls.empty());
    ui.QueueAnswer(MsgAnswer::No);
    EXPECT_FALSE(model.MDIForm_Unload());
    EXPECT_FALSE(state.InputUnsaved);
    EXPECT_EQ(help.Log(), std::vector<std::string>{"Quit"});

    EXPECT_FALSE(model.MDIForm_Unload());
}

TEST_F(MainWindowModelTest, ExitAsksAboutUnsavedInputThenClosesEverything) {
    ASSERT_TRUE(Start());
    OpenAmort();
    state.InputUnsaved = true;

    ui.QueueAnswer(MsgAnswer::Yes);
    model.mnuFileExit_Click();
    EXPECT_TRUE(host.calls.empty());
    ui.QueueAnswer(MsgAnswer::Cancel);
    model.mnuFileExit_Click();
    EXPECT_TRUE(host.calls.empty());

    ui.QueueAnswer(MsgAnswer::No);
    model.mnuFileExit_Click();
    EXPECT_FALSE(state.InputUnsaved);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"UnloadAmortForm", "CloseMainWindow"}));
    EXPECT_EQ(help.Log(), std::vector<std::string>{"Quit"});
}

TEST_F(MainWindowModelTest, PrintNeedsTheAmortizationForm) {
    ASSERT_TRUE(Start());
    model.mnuFilePrint_Click();
    EXPECT_EQ(ui.beeps, 1);
    ASSERT_NE(ui.LastMessage(), nullptr);
    EXPECT_EQ(ui.LastMessage()->prompt,
              "Only the Amortization Schedule can be printed.  Please open it from the menu and "
              "then select File | Print again.");
    EXPECT_EQ(ui.LastMessage()->title, "UNABLE TO PROCEED");
    EXPECT_EQ(ui.LastMessage()->icon, MsgIcon::Exclamation);
    EXPECT_TRUE(host.calls.empty());

    OpenAmort();
    model.mnuFilePrint_Click();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"FocusAmortForm", "Click:comOK"}));
    EXPECT_EQ(ui.beeps, 1);
}

TEST_F(MainWindowModelTest, CloseAllAsksWithCancelAsTheDefault) {
    ASSERT_TRUE(Start());
    OpenAmort();
    state.InputUnsaved = true;

    ui.QueueAnswer(MsgAnswer::Cancel);
    model.mnuWinClose_Click();
    EXPECT_EQ(ui.LastMessage()->defaultButton, 3);
    EXPECT_EQ(ui.LastFocus(), "txtName");
    EXPECT_TRUE(state.FormOpen[1]);

    // Yes with the Save As dialog cancelled: the form stays and forgets why it was saving.
    ui.QueueAnswer(MsgAnswer::Yes);
    model.mnuWinClose_Click();
    EXPECT_EQ(host.files.requests.size(), 1u);
    EXPECT_EQ(state.MainTag, MainWindowTag::None);
    EXPECT_TRUE(state.FormOpen[1]);

    ui.QueueAnswer(MsgAnswer::No);
    model.mnuWinClose_Click();
    EXPECT_FALSE(state.InputUnsaved);
    EXPECT_FALSE(state.FormOpen[1]);
    EXPECT_EQ(host.calls.back(), "UnloadAmortForm");

    // Only the calculator open: closed without a question.
    state.FormOpen[2] = true;
    ui.Clear();
    model.mnuWinClose_Click();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(state.FormOpen[2]);
}

TEST_F(MainWindowModelTest, ToolbarButtons) {
    ASSERT_TRUE(Start());
    model.ToolBar_ButtonClick(MainAction::tbPrint);
    EXPECT_EQ(ui.beeps, 1);

    model.ToolBar_ButtonClick(MainAction::tbNew);
    EXPECT_EQ(host.calls, std::vector<std::string>{"ShowAmortForm"});
    host.calls.clear();

    model.ToolBar_ButtonClick(MainAction::tbNew);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"FocusAmortForm", "Click:comClr"}));
    host.calls.clear();

    model.ToolBar_ButtonClick(MainAction::tbAmort);
    EXPECT_EQ(host.calls, std::vector<std::string>{"FocusAmortForm"});
    host.calls.clear();

    host.amount = "0.00";
    model.ToolBar_ButtonClick(MainAction::tbPrint);
    EXPECT_EQ(ui.beeps, 2);
    EXPECT_TRUE(host.calls.empty());
    host.amount = "1500.00";
    model.ToolBar_ButtonClick(MainAction::tbPrint);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"FocusAmortForm", "Click:comOK"}));
}

TEST_F(MainWindowModelTest, ToolTipsToggleAppliesOnlyToOpenForms) {
    ASSERT_TRUE(Start());
    model.mnuHelpTips_Click();
    EXPECT_FALSE(state.ToolTipsChecked);
    EXPECT_FALSE(model.Commands.Checked(MainAction::mnuHelpTips));
    EXPECT_TRUE(host.calls.empty());
    EXPECT_FALSE(std::filesystem::exists(state.IniFilePath));

    OpenAmort();
    model.mnuHelpTips_Click();
    EXPECT_TRUE(state.ToolTipsChecked);
    EXPECT_TRUE(model.Commands.Checked(MainAction::mnuHelpTips));
    EXPECT_EQ(host.calls, std::vector<std::string>{"ApplyToolTips"});
}

TEST_F(MainWindowModelTest, TheCalculatorOpensOnceAndCopiesFromTheToolbar) {
    ASSERT_TRUE(Start());
    model.ToolBar_ButtonClick(MainAction::tbCopy);
    EXPECT_TRUE(host.calls.empty());

    model.mnuCalc_Click();
    EXPECT_TRUE(state.FormOpen[2]);
    EXPECT_EQ(host.calls, std::vector<std::string>{"ShowCalcForm"});
    EXPECT_FALSE(model.Commands.Enabled(MainAction::mnuCalc));
    EXPECT_TRUE(model.Commands.Enabled(MainAction::tbCopy));
    EXPECT_TRUE(model.Commands.Enabled(MainAction::mnuWindow));
    EXPECT_FALSE(model.Commands.logoVisible);
    // The calculator alone offers nothing to save or print.
    EXPECT_FALSE(model.Commands.Enabled(MainAction::mnuFileSaveAs));
    EXPECT_FALSE(model.Commands.Enabled(MainAction::tbPrint));
    EXPECT_EQ(ui.hourglassDepth, 0);
    EXPECT_TRUE(ui.messages.empty());
    host.calls.clear();

    model.ToolBar_ButtonClick(MainAction::tbCalc);
    EXPECT_EQ(host.calls, std::vector<std::string>{"FocusCalcForm"});
    host.calls.clear();
    model.ToolBar_ButtonClick(MainAction::tbCopy);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"FocusCalcForm", "ClickCalc:cmdCopy"}));
    host.calls.clear();

    // Close All with only the calculator open asks nothing.
    model.mnuWinClose_Click();
    EXPECT_EQ(host.calls, std::vector<std::string>{"UnloadCalcForm"});
    EXPECT_TRUE(ui.messages.empty());
    model.UpdateMainCommands();
    EXPECT_TRUE(model.Commands.Enabled(MainAction::mnuCalc));
    EXPECT_FALSE(model.Commands.Enabled(MainAction::tbCopy));
    EXPECT_TRUE(model.Commands.logoVisible);
    host.calls.clear();

    model.ToolBar_ButtonClick(MainAction::tbCalc);
    EXPECT_EQ(host.calls, std::vector<std::string>{"ShowCalcForm"});
}

TEST_F(MainWindowModelTest, PrintSetupReportsAPrinterThatCannotBeQueriedThenOpensTheForm) {
    ASSERT_TRUE(Start());
    model.mnuFilePrtSetup_Click();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(host.calls, std::vector<std::string>{"ShowPrtrSelForm"});

    host.calls.clear();
    printers.current.reset();
    model.mnuFilePrtSetup_Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt, "Error # 482 was generated by Quorvia\rPrinter error");
    EXPECT_EQ(ui.messages[0].title, "Error");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::None);
    EXPECT_EQ(host.calls, std::vector<std::string>{"ShowPrtrSelForm"});
}

TEST_F(MainWindowModelTest, PreferencesOpenTheFormAndTheToolTipsMarkFollowsItsSave) {
    ASSERT_TRUE(Start());
    state.ToolTipsChecked = false;
    model.UpdateMainCommands();
    state.ToolTipsChecked = true;  // as a Save with the tool tips box checked leaves it
    model.mnuFilePref_Click();
    EXPECT_EQ(host.calls, std::vector<std::string>{"ShowPrefsForm"});
    EXPECT_TRUE(model.Commands.Checked(MainAction::mnuHelpTips));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MainWindowModelTest, EverySaveFirstAnsweredYesShowsTheSaveAsDialog) {
    ASSERT_TRUE(Start());
    OpenAmort();
    state.InputUnsaved = true;
    ui.SetFallbackAnswer(MsgAnswer::Yes);

    model.mnuFileExit_Click();
    model.mnuFileOpen_Click();
    model.ToolBar_ButtonClick(MainAction::tbOpen);
    model.mnuWinClose_Click();
    EXPECT_TRUE(model.MDIForm_Unload());
    ASSERT_EQ(host.files.requests.size(), 5u);
    for (const FileRequest& request : host.files.requests) {
        EXPECT_EQ(request.kind, FileDialogKind::Save);
    }
    EXPECT_TRUE(state.FormOpen[1]);
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(MainWindowModelTest, CloseAllClosesTheFormOnceItsInputIsSaved) {
    ASSERT_TRUE(Start());
    OpenAmort();
    state.InputUnsaved = true;
    ui.QueueAnswer(MsgAnswer::Yes);
    host.files.Choose((folder / "closing").string());
    model.mnuWinClose_Click();
    EXPECT_TRUE(std::filesystem::exists(folder / "closing.qrv"));
    EXPECT_EQ(state.LoanFilePath, (folder / "closing.qrv").string());
    EXPECT_FALSE(state.FormOpen[1]);
    EXPECT_EQ(host.calls, std::vector<std::string>{"UnloadAmortForm"});
    EXPECT_EQ(state.MainTag, MainWindowTag::None);
}

TEST_F(MainWindowModelTest, AFileNamedAtStartOpensTheAmortizationForm) {
    ASSERT_TRUE(Start());
    std::filesystem::path file =
        folder.Write("start.qrv",
                     "Start Loan\r\n5000.00\r\n9.0000\r\n24\r\n 2 \r\n 1 \r\n04/10/1998\r\n"
                     "0.00\r\n 0 \r\n 1 \r\n0\r\n\r\n 0 \r\n 0 \r\n 1 \r\n");
    model.OpenFileAtStart(file.string());
    EXPECT_EQ(host.calls, std::vector<std::string>{"ShowAmortForm"});
    EXPECT_TRUE(state.FormOpen[1]);
    EXPECT_FALSE(model.Commands.Enabled(MainAction::mnuAmort));
    EXPECT_TRUE(model.Commands.Enabled(MainAction::tbSave));
    ASSERT_NE(host.form, nullptr);
    EXPECT_EQ(host.form->txtName.text, "Start Loan");
    EXPECT_EQ(host.form->optFreq, 2);
    EXPECT_EQ(host.form->optStyle, 1);
    EXPECT_FALSE(state.InputUnsaved);
    EXPECT_TRUE(ui.messages.empty());

    // A second file goes into the open form.
    host.calls.clear();
    model.OpenFileAtStart(file.string());
    EXPECT_EQ(host.calls, std::vector<std::string>{"FocusAmortForm"});
}

// A file a later copy handed over replaces unsaved input only after File | Open's question;
// once the input is saved the handed file opens.
TEST_F(MainWindowModelTest, AHandedOverFileAsksAboutUnsavedInputFirst) {
    ASSERT_TRUE(Start());
    std::filesystem::path file =
        folder.Write("smith.qrv",
                     "Smith\r\n5000.00\r\n9.0000\r\n24\r\n 2 \r\n 1 \r\n04/10/1998\r\n"
                     "0.00\r\n 0 \r\n 1 \r\n0\r\n\r\n 0 \r\n 0 \r\n 1 \r\n");
    OpenAmort();
    host.form->txtName.text = "Typed";
    state.InputUnsaved = true;
    auto handOver = [&](MsgAnswer answer) {
        ui.Clear();
        ui.QueueAnswer(answer);
        model.OpenHandedOverFile(file.string());
        EXPECT_EQ(ui.messages.at(0).title, "CAUTION");
        EXPECT_EQ(ui.messages[0].prompt,
                  "You have not saved your current data.  Do you want to do so now?");
        return host.form->txtName.text;
    };
    EXPECT_EQ(handOver(MsgAnswer::Cancel), "Typed");
    host.files.Cancel();
    EXPECT_EQ(handOver(MsgAnswer::Yes), "Typed");
    EXPECT_TRUE(state.InputUnsaved);

    host.files.Choose((folder / "typed.qrv").string());
    EXPECT_EQ(handOver(MsgAnswer::Yes), "Smith");
    EXPECT_TRUE(std::filesystem::exists(folder / "typed.qrv"));
    EXPECT_EQ(state.LoanFilePath, file.string());

    host.form->txtName.text = "Typed again";
    state.InputUnsaved = true;
    EXPECT_EQ(handOver(MsgAnswer::No), "Smith");
    EXPECT_FALSE(state.InputUnsaved);
}

TEST_F(MainWindowModelTest, StartNamesTheHelpCollectionBesideTheProgram) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(help.helpFile, folder.Path() / "quorvia.qhc");
    EXPECT_EQ(help.indexFolder, folder.Path());
}

// A package puts the program in /usr/bin and its help in /usr/share/quorvia; the search index
// the help builds goes to the person's cache folder.
TEST_F(MainWindowModelTest, AnInstalledProgramReadsItsHelpFromTheInstallationsShareFolder) {
    testing::ScopedEnvironment environment;
    environment.Set("XDG_CONFIG_HOME", (folder / "config").string());
    environment.Set("XDG_CACHE_HOME", (folder / "cache").string());
    std::filesystem::create_directories(folder / "usr" / "share" / "quorvia");
    std::filesystem::create_directories(folder / "usr" / "bin");
    ASSERT_TRUE(model.MDIForm_Load(folder / "usr" / "bin", [] { return OtherCopy::None; }));
    EXPECT_EQ(help.helpFile, folder / "usr" / "share" / "quorvia" / "quorvia.qhc");
    EXPECT_EQ(help.indexFolder, folder / "cache" / "quorvia");
}

TEST_F(MainWindowModelTest, HelpMenuCallsTheHelpWithItsCommandAndTopic) {
    ASSERT_TRUE(Start());
    model.mnuHelpIndex_Click();
    model.mnuHelpSrch_Click();
    model.mnuHelpHelp_Click();
    model.mnuHelpInfo_Click();
    model.mnuHelpAmort_Click();
    model.mnuHelpCalc_Click();
    EXPECT_EQ(help.Log(), (std::vector<std::string>{"Finder", "PartialKey ''", "HelpOnHelp",
                                                    "Context 10", "Context 20", "Context 25"}));
    EXPECT_TRUE(ui.messages.empty());

    model.mnuHelpAbout_Click();
    EXPECT_EQ(host.calls, std::vector<std::string>{"ShowAboutBox"});
}

TEST_F(MainWindowModelTest, HelpWithoutItsCollectionSaysSo) {
    ASSERT_TRUE(Start());
    help.hasHelpFile = false;
    model.mnuHelpIndex_Click();
    model.mnuHelpSrch_Click();
    model.ToolBar_ButtonClick(MainAction::tbHelp);
    EXPECT_TRUE(help.calls.empty());
    ASSERT_EQ(ui.messages.size(), 3u);
    for (const Message& message : ui.messages) {
        EXPECT_EQ(message.prompt,
                  "Unable to display Help Contents. There is no Help associated with this "
                  "project.");
        EXPECT_EQ(message.title, "Quorvia");
        EXPECT_EQ(message.icon, MsgIcon::Information);
        EXPECT_EQ(message.buttons, MsgButtons::Ok);
    }
}

TEST_F(MainWindowModelTest, AFailingHelpCallShowsItsDescription) {
    ASSERT_TRUE(Start());
    help.failure = RunError{53, "The help collection cannot be read."};
    model.mnuHelpAmort_Click();
    ASSERT_NE(ui.LastMessage(), nullptr);
    EXPECT_EQ(ui.LastMessage()->prompt, "The help collection cannot be read.");
    EXPECT_EQ(ui.LastMessage()->icon, MsgIcon::None);
    EXPECT_EQ(ui.LastMessage()->buttons, MsgButtons::Ok);
}

TEST_F(MainWindowModelTest, ToolbarHelpOpensTheContentsOrTheActiveFormsTopic) {
    ASSERT_TRUE(Start());
    model.ToolBar_ButtonClick(MainAction::tbHelp);
    OpenAmort();
    model.ToolBar_ButtonClick(MainAction::tbHelp);
    EXPECT_EQ(help.Log(), (std::vector<std::string>{"Finder", "Context 2100"}));
}

TEST(CenterFormTest, CentresOnTheParentAndBelowTheToolbar) {
    FormRect form{5, 5, 200, 100};
    FormRect centred = CenterForm(form, {0, 0, 1000, 800});
    EXPECT_EQ(centred.left, 400);
    EXPECT_EQ(centred.top, 350);
    EXPECT_EQ(centred.width, 200);
    EXPECT_EQ(centred.height, 100);

    centred = CenterForm(form, {100, 50, 601, 500}, true, 450, 41);
    EXPECT_EQ(centred.left, 100 + 200);
    EXPECT_EQ(centred.top, 50 + 154);

    // A form larger than its parent: Int rounds toward minus infinity.
    centred = CenterForm({0, 0, 301, 100}, {0, 0, 100, 100});
    EXPECT_EQ(centred.left, -101);
}

}  // namespace
}  // namespace quorvia

namespace quorvia {
namespace {

using Paths = std::vector<std::string>;

std::string LoanText(const std::string& name) {
    return name +
           "\r\n5000.00\r\n9.0000\r\n24\r\n 2 \r\n 1 \r\n04/10/1998\r\n"
           "0.00\r\n 0 \r\n 1 \r\n0\r\n\r\n 0 \r\n 0 \r\n 1 \r\n";
}

class RecentFilesModelTest : public MainWindowModelTest {
  protected:
    std::string Loan(const std::string& name) {
        return folder.Write(name + ".qrv", LoanText(name)).string();
    }
    Paths Kept() const { return ReadRecentFiles(state.IniFilePath).Paths(); }
};

// Every loan data file opened or saved goes to the top of the list and into the profile file;
// a file that could not be read, or input that could not be saved, does not.
TEST_F(RecentFilesModelTest, FilesOpenedOrSavedAreListedFirstAndKept) {
    folder.Write("quorvia.ini", "[Recent]\r\nfile1=/gone/old.qrv\r\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(model.Recent().Paths(), Paths{"/gone/old.qrv"});

    std::string smith = Loan("Smith");
    host.files.Choose(smith);
    model.mnuFileOpen_Click();
    ASSERT_EQ(host.form->txtName.text, "Smith");
    state.InputUnsaved = true;
    host.files.Choose((folder / "copy").string());
    model.mnuFileSaveAs_Click();
    std::string copy = (folder / "copy.qrv").string();
    EXPECT_EQ(model.Recent().Paths(), (Paths{copy, smith, "/gone/old.qrv"}));
    EXPECT_EQ(Kept(), model.Recent().Paths());

    std::string broken = folder.Write("broken.qrv", "Broken\r\n").string();
    host.files.Choose(broken);
    model.mnuFileOpen_Click();
    state.InputUnsaved = true;
    host.files.Choose((folder / "no such folder" / "x").string());
    model.mnuFileSaveAs_Click();
    EXPECT_EQ(Kept(), (Paths{copy, smith, "/gone/old.qrv"}));

    // Saving for Close All closes the form, and the file saved is still listed first.
    state.InputUnsaved = true;
    ui.QueueAnswer(MsgAnswer::Yes);
    host.files.Choose((folder / "closing").string());
    model.mnuWinClose_Click();
    ASSERT_FALSE(state.FormOpen[1]);
    EXPECT_EQ(Kept().front(), (folder / "closing.qrv").string());
}

TEST_F(RecentFilesModelTest, AListedFileReopensAfterTheUnsavedInputQuestion) {
    ASSERT_TRUE(Start());
    std::string smith = Loan("Smith");
    std::string lee = Loan("Lee");
    model.OpenFileAtStart(smith);
    model.OpenFileAtStart(lee);
    ASSERT_EQ(model.Recent().Paths(), (Paths{lee, smith}));

    host.form->txtName.text = "Typed";
    state.InputUnsaved = true;
    ui.Clear();
    ui.QueueAnswer(MsgAnswer::Cancel);
    model.OpenRecentFile(1);
    EXPECT_EQ(host.form->txtName.text, "Typed");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "CAUTION");

    ui.QueueAnswer(MsgAnswer::No);
    model.OpenRecentFile(1);
    EXPECT_EQ(host.form->txtName.text, "Smith");
    EXPECT_EQ(state.LoanFilePath, smith);
    EXPECT_EQ(Kept(), (Paths{smith, lee}));
}

}  // namespace
}  // namespace quorvia
