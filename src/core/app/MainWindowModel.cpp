#include "core/app/MainWindowModel.h"

#include "core/amortization/AmortControls.h"
#include "core/app/ProgramVersion.h"
#include "core/base/NumberText.h"
#include "core/help/HelpTopics.h"
#include "core/session/PreferenceStore.h"
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
                                   const std::function<bool()>& otherCopyRunning) {
    SetIniPaths(state_, ChooseDataFolder(programFolder));
    state_.InputUnsaved = false;
    state_.LoanFilePath.clear();
    Hourglass hourglass(ui_);
    if (otherCopyRunning()) {
        ui_.MsgBox({std::string(kAlreadyRunning), "PROGRAM ALREADY ACTIVE", MsgButtons::Ok,
                    MsgIcon::None, 1});
        return false;
    }
    LoadPreferences(state_, printers_, ui_);
    if (!CheckReportPrinter(state_, printers_, ui_)) {
        return false;
    }
    ActivateReportPrinter(state_, printers_, ui_);
    state_.ToolTipsChecked = state_.ShowToolTips;
    UpdateMainCommands();
    helpEngine_.SetHelpFile(programFolder / std::string(kHelpFileName));
    return true;
}

bool MainWindowModel::MDIForm_Unload() {
    MsgAnswer answer = AskToSaveInput(state_, ui_, SaveDefault::Yes);
    if (answer == MsgAnswer::Yes) {
        mnuFileSaveAs_Click();
        // A save that was cancelled or failed must not lose the input with the window.
        if (state_.InputUnsaved) {
            return true;
        }
    } else if (answer == MsgAnswer::Cancel) {
        return true;
    }
    state_.InputUnsaved = false;
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

void MainWindowModel::NotAvailable(std::string_view command) {
    ui_.MsgBox({std::string(kNotAvailable), std::string(command), MsgButtons::Ok,
                MsgIcon::Information, 1});
}

void MainWindowModel::mnuFileOpen_Click() {
    NotAvailable("Open");
}

void MainWindowModel::mnuFileSave_Click() {
    NotAvailable("Save");
}

void MainWindowModel::mnuFileSaveAs_Click() {
    NotAvailable("Save As");
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

void MainWindowModel::mnuFilePrtSetup_Click() {
    NotAvailable("Print Setup");
}

void MainWindowModel::mnuFilePref_Click() {
    NotAvailable("Preferences");
}

void MainWindowModel::mnuFileExit_Click() {
    MsgAnswer answer = AskToSaveInput(state_, ui_, SaveDefault::Yes);
    if (answer == MsgAnswer::Yes) {
        mnuFileSaveAs_Click();
        return;
    }
    if (answer == MsgAnswer::Cancel) {
        return;
    }
    state_.InputUnsaved = false;
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
    NotAvailable("Loan Calculator");
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
            if (NumericValue(host_.AmortLoanAmountText()) > 0) {
                host_.FocusAmortForm();
                host_.ClickAmortButton("comOK");
            } else {
                ui_.Beep();
            }
            break;
        case MainAction::tbCopy:
            NotAvailable("Copy to Amortization form");
            break;
        case MainAction::tbAmort:
            if (Commands.Enabled(MainAction::mnuAmort)) {
                mnuAmort_Click();
            } else {
                host_.FocusAmortForm();
            }
            break;
        case MainAction::tbCalc:
            mnuCalc_Click();
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
