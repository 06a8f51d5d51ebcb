#pragma once
// The main window (Quorvia): start-up and shutdown, the menu and toolbar commands, and which
// of them are enabled while the data forms are open or closed.
//
// The window shows Commands after every call and does what the model asks of it through
// MainWindowHost; messages, beeps, focus and the hourglass go through Ui.

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "core/amortization/AmortFormModel.h"
#include "core/app/MainAction.h"
#include "core/base/Ui.h"
#include "core/help/HelpEngine.h"
#include "core/help/ProgramHelp.h"
#include "core/loanfile/LoanFileMenu.h"
#include "core/printing/CDialogService.h"
#include "core/printing/PrinterService.h"
#include "core/session/AppState.h"
#include "core/session/RecentFiles.h"

namespace quorvia {

// What the main window's commands ask of the window around them.
class MainWindowHost {
  public:
    virtual ~MainWindowHost() = default;
    // Shows the main window where it opens, with its hourglass pointer as start-up goes on.
    virtual void ShowMainWindow() = 0;
    virtual void ShowAmortForm() = 0;
    virtual void ShowCalcForm() = 0;
    // Shows the comparison window modally, its first column the amortization form's loan when
    // the form is open.
    virtual void ShowCompareForm() = 0;
    // Closes the amortization form; its own unload handler runs.
    virtual void UnloadAmortForm() = 0;
    virtual void UnloadCalcForm() = 0;
    // Makes the amortization form the active one.
    virtual void FocusAmortForm() = 0;
    // Presses a command button of the amortization form ("comOK", "comClr").
    virtual void ClickAmortButton(std::string_view button) = 0;
    virtual void FocusCalcForm() = 0;
    // Presses a command button of the calculator ("cmdCopy").
    virtual void ClickCalcButton(std::string_view button) = 0;
    virtual std::string AmortLoanAmountText() = 0;
    // Gives the command buttons of the open data forms their tooltips, or takes them away.
    virtual void ApplyToolTips() = 0;
    // Closes the main window; its unload handler runs.
    virtual void CloseMainWindow() = 0;
    // The open amortization form's model, or nullptr.
    virtual AmortFormModel* AmortModel() = 0;
    // The program's one common-dialog object.
    virtual CDialog& CommonDialog() = 0;
    virtual void ShowAboutBox() = 0;
    // The help topic of the active data form, the one F1 in it opens.
    virtual int ActiveFormHelpContext() = 0;
    // Show the preferences and the printer and font forms modally and unload them.
    virtual void ShowPrefsForm() = 0;
    virtual void ShowPrtrSelForm() = 0;
    // Arrange the open data forms side by side, or overlapping from the top left.
    virtual void TileForms() = 0;
    virtual void CascadeForms() = 0;
};

// The enabled and checked state of the menu items and toolbar buttons, and whether the
// backdrop shows.
class MainCommands {
  public:
    MainCommands() { enabled_.fill(true); }

    bool Enabled(MainAction action) const { return enabled_[IndexOf(action)]; }
    bool Checked(MainAction action) const { return checked_[IndexOf(action)]; }
    void SetEnabled(MainAction action, bool on) { enabled_[IndexOf(action)] = on; }
    void SetChecked(MainAction action, bool on) { checked_[IndexOf(action)] = on; }

    bool logoVisible = true;

  private:
    std::array<bool, kMainActionCount> enabled_{};
    std::array<bool, kMainActionCount> checked_{};
};

// What start-up learns of another copy of the program that the same person runs.
enum class OtherCopy {
    // No other copy runs: this one goes on.
    None,
    // The running copy took over: its window came forward and opens the loan file named.
    TookOver,
    // A copy runs but did not answer.
    Unreachable,
};

inline constexpr std::string_view kAlreadyRunning =
    "Quorvia is already running.  Please switch to its window with Alt+Tab or from your "
    "desktop's panel.";

class MainWindowModel : private LoanFileWindows {
  public:
    MainWindowModel(AppState& state, PrinterService& printers, Ui& ui, MainWindowHost& host,
                    HelpEngine& help);

    MainCommands Commands;

    // Start-up of the program in `programFolder`. otherCopy is asked once the program's folders
    // are settled, before the window shows: a second copy ends without a window of its own.
    // Returns false when the program must end (another copy runs, or there is no printer).
    bool MDIForm_Load(const std::filesystem::path& programFolder,
                      const std::function<OtherCopy()>& otherCopy);
    // Returns whether the closing is cancelled.
    bool MDIForm_Unload();
    void UpdateMainCommands();

    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFilePrint_Click();
    void mnuFilePrtSetup_Click();
    void mnuFilePref_Click();
    void mnuFileExit_Click();
    void mnuAmort_Click();
    void mnuCalc_Click();
    void mnuCompare_Click();
    void mnuWinClose_Click();
    void mnuWinTile_Click() { host_.TileForms(); }
    void mnuWinCascade_Click() { host_.CascadeForms(); }
    void mnuHelpIndex_Click();
    void mnuHelpSrch_Click();
    void mnuHelpHelp_Click();
    void mnuHelpInfo_Click();
    void mnuHelpAmort_Click();
    void mnuHelpCalc_Click();
    void mnuHelpTips_Click();
    void mnuHelpAbout_Click();
    // The toolbar button with this key was clicked (tbNew, ...).
    void ToolBar_ButtonClick(MainAction key);
    // Opens the loan data file named on the command line, as File | Open opens a chosen file.
    void OpenFileAtStart(const std::string& path);
    // Opens a loan data file that a later copy of the program handed over, after File | Open's
    // question about unsaved input.
    void OpenHandedOverFile(const std::string& path);

    // The loan data files opened or saved last, as the File menu lists them.
    const RecentFiles& Recent() const { return recent_; }
    // Opens the listed file as a handed-over file is opened. A file no longer there is told to
    // the person and taken off the list.
    void OpenRecentFile(std::size_t index);

  private:
    bool AmortOpen() const { return state_.FormOpen[1]; }
    bool CalcOpen() const { return state_.FormOpen[2]; }
    LoanFileMenu FileMenu() { return LoanFileMenu(state_, ui_, host_.CommonDialog(), *this); }

    // LoanFileWindows
    AmortFormModel* AmortForm() override { return host_.AmortModel(); }
    AmortFormModel& ShowAmortForm() override;
    // File | Save As closes the form after saving for closing: the file saved is listed first.
    void UnloadAmortForm() override {
        RememberLoanFile();
        host_.UnloadAmortForm();
    }
    void tbHelp_Click();
    // Lists the current loan data file first among the recent files once it is read or saved.
    void RememberLoanFile();

    AppState& state_;
    PrinterService& printers_;
    Ui& ui_;
    MainWindowHost& host_;
    HelpEngine& helpEngine_;
    ProgramHelp help_;
    RecentFiles recent_;
};

}  // namespace quorvia
