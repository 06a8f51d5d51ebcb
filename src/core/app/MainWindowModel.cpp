#include "core/app/MainWindowModel.h"

#include <system_error>

#include "core/amortization/AmortControls.h"
#include "core/app/ProgramVersion.h"
#include "core/base/EntryNumbers.h"
#include "core/base/RunError.h"
#include "core/help/HelpTopics.h"
#include "core/session/PreferenceStore.h"
#include "core/session/ProgramFolders.h"
#include "core/session/ReportPrinter.h"
#include "core/session/SaveQuestion.h"

namespace quorvia {

MainWindowModel::MainWindowModel(AppState& state, PrinterService& printers, Ui& ui,
                                 MainWindowHost& host, HelpEngine& help)
    : state_(state),
      printers_(printers),
      ui_(ui),
      host_(host),
      helpEngine_(help),
      help_(help, ui, std::string(kProgramName)) {
    UpdateMainCommands();
}

bool MainWindowModel::MDIForm_Load(const std::filesystem::path& programFolder,
                                   const std::function<OtherCopy()>& otherCopy) {
    ProgramFolders folders = LocateProgramFolders(programFolder);
    UseProgramFolders(state_, folders);
    state_.InputUnsaved = false;
    state_.LoanFilePath.clear();
    switch (otherCopy()) {
        case OtherCopy::None:
            break;
        case OtherCopy::TookOver:
            return false;
        case OtherCopy::Unreachable:
            ui_.MsgBox({std::string(kAlreadyRunning), "PROGRAM ALREADY ACTIVE", MsgButtons::Ok,
                        MsgIcon::None, 1});
            return false;
    }
    host_.ShowMainWindow();
    Hourglass hourglass(ui_);
    CreateProgramFolders(folders);
    LoadPreferences(state_, printers_, ui_);
    recent_ = ReadRecentFiles(state_.IniFilePath);
    if (!CheckReportPrinter(state_, printers_, ui_)) {
        return false;
    }
    ActivateReportPrinter(state_, printers_, ui_);
    state_.ToolTipsChecked = state_.ShowToolTips;
    UpdateMainCommands();
    helpEngine_.SetHelpFile(folders.data / std::string(kHelpFileName), folders.cache);
    return true;
}

bool MainWindowModel::MDIForm_Unload() {
    // A save that was cancelled or failed must not lose the input with the window.
    if (!SaveFirst(state_, ui_, kUnsavedInputQuestion, AfterSaving::GoOn,
                   [this] { mnuFileSaveAs_Click(); })) {
        return true;
    }
    help_.Quit();
    return false;
}

void MainWindowModel::UpdateMainCommands() {
    bool anyOpen = AmortOpen() || CalcOpen();
    Commands.SetEnabled(MainAction::mnuWindow, anyOpen);
    Commands.logoVisible = !anyOpen;
    for (MainAction amortOnly :
         {MainAction::mnuFileSave, MainAction::mnuFileSaveAs, MainAction::mnuFilePrint,
          MainAction::tbSave, MainAction::tbPrint}) {
        Commands.SetEnabled(amortOnly, AmortOpen());
    }
    Commands.SetEnabled(MainAction::tbCopy, CalcOpen());
    // The data forms' own entries are disabled while the form is open.
    Commands.SetEnabled(MainAction::mnuAmort, !AmortOpen());
    Commands.SetEnabled(MainAction::mnuCalc, !CalcOpen());
    Commands.SetChecked(MainAction::mnuHelpTips, state_.ToolTipsChecked);
}

void MainWindowModel::mnuFileOpen_Click() {
    FileMenu().mnuFileOpen_Click();
    RememberLoanFile();
}

void MainWindowModel::mnuFileSave_Click() {
    FileMenu().mnuFileSave_Click();
    RememberLoanFile();
}

void MainWindowModel::mnuFileSaveAs_Click() {
    FileMenu().mnuFileSaveAs_Click();
    RememberLoanFile();
}

void MainWindowModel::OpenFileAtStart(const std::string& path) {
    FileMenu().OpenNamedFile(path);
    RememberLoanFile();
}

void MainWindowModel::OpenHandedOverFile(const std::string& path) {
    FileMenu().OpenHandedOverFile(path);
    RememberLoanFile();
}

void MainWindowModel::OpenRecentFile(std::size_t index) {
    if (index >= recent_.Paths().size()) {
        return;
    }
    std::string path = recent_.Paths()[index];
    // A file that cannot be looked at (a folder without permission) is no missing file: opening
    // it says what is wrong.
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) {
        ui_.MsgBox({"Cannot find '" + path +
                        "'.  It may have been moved, renamed or deleted; it has been removed "
                        "from the list of recent files.",
                    "UNABLE TO OPEN FILE", MsgButtons::Ok, MsgIcon::Exclamation, 1});
        recent_.Remove(path);
        WriteRecentFiles(recent_, state_.IniFilePath, ui_);
        return;
    }
    FileMenu().OpenHandedOverFile(path);
    RememberLoanFile();
}

void MainWindowModel::RememberLoanFile() {
    if (!state_.LoanFilePath.empty() && !state_.InputUnsaved && recent_.Add(state_.LoanFilePath)) {
        WriteRecentFiles(recent_, state_.IniFilePath, ui_);
    }
}

AmortFormModel& MainWindowModel::ShowAmortForm() {
    if (AmortOpen() && host_.AmortModel()) {
        host_.FocusAmortForm();
    } else {
        mnuAmort_Click();
    }
    return *host_.AmortModel();
}

void MainWindowModel::mnuFilePrint_Click() {
    if (AmortOpen()) {
        host_.FocusAmortForm();
        host_.ClickAmortButton("comOK");
        return;
    }
    ui_.Beep();
    ui_.MsgBox(
        {"Only the Amortization Schedule can be printed.  Please open it from the menu "
         "and then select File | Print again.",
         "UNABLE TO PROCEED", MsgButtons::Ok, MsgIcon::Exclamation, 1});
    UpdateMainCommands();
}

// The form opens whatever the printer says; a printer that cannot be queried is only reported.
void MainWindowModel::mnuFilePrtSetup_Click() {
    if (!printers_.CurrentPrinter()) {
        RunError error{error_number::kPrinterError, "Printer error"};
        ui_.MsgBox({"Error # " + std::to_string(error.number) + " was generated by Quorvia\r" +
                        error.description,
                    "Error", MsgButtons::Ok, MsgIcon::None});
    }
    host_.ShowPrtrSelForm();
    UpdateMainCommands();
}

void MainWindowModel::mnuFilePref_Click() {
    host_.ShowPrefsForm();
    UpdateMainCommands();
}

void MainWindowModel::mnuFileExit_Click() {
    if (!SaveFirst(state_, ui_, kUnsavedInputQuestion, AfterSaving::Stop,
                   [this] { mnuFileSaveAs_Click(); })) {
        return;
    }
    if (AmortOpen()) {
        host_.UnloadAmortForm();
    }
    if (CalcOpen()) {
        host_.UnloadCalcForm();
    }
    help_.Quit();
    host_.CloseMainWindow();
}

void MainWindowModel::mnuAmort_Click() {
    Hourglass hourglass(ui_);
    Commands.SetEnabled(MainAction::mnuAmort, false);
    state_.FormOpen[1] = true;
    UpdateMainCommands();
    host_.ShowAmortForm();
}

void MainWindowModel::mnuCalc_Click() {
    Hourglass hourglass(ui_);
    state_.FormOpen[2] = true;
    UpdateMainCommands();
    host_.ShowCalcForm();
}

void MainWindowModel::mnuCompare_Click() {
    host_.ShowCompareForm();
    UpdateMainCommands();
}

void MainWindowModel::mnuWinClose_Click() {
    if (CalcOpen()) {
        host_.UnloadCalcForm();
    }
    if (!AmortOpen()) {
        return;
    }
    MsgAnswer answer = AskToSaveInput(state_, ui_, SaveDefault::Cancel);
    if (answer == MsgAnswer::Yes) {
        state_.MainTag = MainWindowTag::CloseAmortFormAfterSave;
        mnuFileSaveAs_Click();
        return;
    }
    if (answer == MsgAnswer::Cancel) {
        host_.FocusAmortForm();
        ui_.SetFocus(ControlName(AmortControl::txtName));
        return;
    }
    state_.InputUnsaved = false;
    host_.UnloadAmortForm();
}

void MainWindowModel::mnuHelpIndex_Click() {
    help_.Contents();
}

void MainWindowModel::mnuHelpSrch_Click() {
    help_.Search();
}

void MainWindowModel::mnuHelpHelp_Click() {
    help_.HelpOnHelp();
}

void MainWindowModel::mnuHelpInfo_Click() {
    help_.Topic(help_context::kProgramOverview);
}

void MainWindowModel::mnuHelpAmort_Click() {
    help_.Topic(help_context::kAmortizationInfo);
}

void MainWindowModel::mnuHelpCalc_Click() {
    help_.Topic(help_context::kLoanCalcInfo);
}

void MainWindowModel::mnuHelpTips_Click() {
    state_.ToolTipsChecked = !state_.ToolTipsChecked;
    Commands.SetChecked(MainAction::mnuHelpTips, state_.ToolTipsChecked);
    if (AmortOpen() || CalcOpen()) {
        host_.ApplyToolTips();
    }
}

void MainWindowModel::mnuHelpAbout_Click() {
    host_.ShowAboutBox();
}

// With a data form open the button asks for that form's own topic, as F1 in it would.
void MainWindowModel::tbHelp_Click() {
    if (help_.HasHelpFile() && (AmortOpen() || CalcOpen())) {
        help_.Topic(host_.ActiveFormHelpContext());
    } else {
        help_.Contents();
    }
}

void MainWindowModel::ToolBar_ButtonClick(MainAction key) {
    switch (key) {
        case MainAction::tbNew:
            if (Commands.Enabled(MainAction::mnuAmort)) {
                mnuAmort_Click();
            } else {
                host_.FocusAmortForm();
                host_.ClickAmortButton("comClr");
            }
            break;
        case MainAction::tbOpen:
            mnuFileOpen_Click();
            break;
        case MainAction::tbSave:
            mnuFileSave_Click();
            break;
        case MainAction::tbPrint:
            // An amount that is not a number is for the form's check to refuse, with its message.
            if (std::optional<double> amount = AmountValue(host_.AmortLoanAmountText());
                !amount || *amount > 0) {
                host_.FocusAmortForm();
                host_.ClickAmortButton("comOK");
            } else {
                ui_.Beep();
            }
            break;
        case MainAction::tbCopy:
            if (CalcOpen()) {
                host_.FocusCalcForm();
                host_.ClickCalcButton("cmdCopy");
            }
            break;
        case MainAction::tbAmort:
            if (Commands.Enabled(MainAction::mnuAmort)) {
                mnuAmort_Click();
            } else {
                host_.FocusAmortForm();
            }
            break;
        case MainAction::tbCalc:
            if (Commands.Enabled(MainAction::mnuCalc)) {
                mnuCalc_Click();
            } else {
                host_.FocusCalcForm();
            }
            break;
        case MainAction::tbCompare:
            mnuCompare_Click();
            break;
        case MainAction::tbHelp:
            tbHelp_Click();
            break;
        default:
            // Menu entries have handlers of their own.
            break;
    }
}

}  // namespace quorvia
