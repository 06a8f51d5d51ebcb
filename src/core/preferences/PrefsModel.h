#pragma once
// The preferences dialog (Prefs, "Program Preferences (defaults)"): every preference on four
// tabs, written to the profile file by Save and applied to the settings; Cancel discards the
// edits, Reset puts the program's own settings into the controls without saving.
//
// The window copies the person's edits into the public fields, forwards each event to the
// handler of the same name and then shows the model's state again. Focus moves go through
// Ui::SetFocus with the control's name ("txtRate", "optFreq(6)", "cmdPrtrDefs(1)"). The window
// closes when Closed is set.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/Ui.h"
#include "core/preferences/DataFolders.h"
#include "core/preferences/PrinterChoice.h"
#include "core/printing/CDialogService.h"
#include "core/printing/PDialog.h"
#include "core/printing/PrinterService.h"
#include "core/session/AppState.h"

namespace quorvia {

inline constexpr std::string_view kPrefsCaption = "Program Preferences (defaults)";
inline constexpr std::string_view kPrefsTabCaptions =
    "&General|Company &Info|Files && Printer &Defaults|Report St&yle";

class PrefsModel : PrinterChoiceForm {
  public:
    static constexpr int kGeneralTab = 0;
    static constexpr int kCompanyTab = 1;
    static constexpr int kFilesTab = 2;
    static constexpr int kStyleTab = 3;

    struct ComboBox {
        std::vector<std::string> list;
        int listIndex = -1;
        bool enabled = false;
    };
    // Tooltips of the command buttons, in this order.
    using ButtonTips = std::array<std::string, 5>;
    static constexpr std::array<std::string_view, 5> kTipButtons{
        "cmdSave", "cmdReset", "cmdCancel", "cmdPrtrDefs(0)", "cmdPrtrDefs(1)"};

    // The name of a control of a group: "optFreq(3)".
    static std::string OptionName(std::string_view group, int index);

    PrefsModel(AppState& state, PrinterService& printers, Ui& ui, CDialog& fontDialog,
               SharedPDialog& printerDialog, DataFolders& folders);

    // The window's state.
    int Tab = kGeneralTab;
    std::string txtRate = "0.0000";
    int optFreq = 1;  // 1..6; 0 when none is selected
    ComboBox cboSemiMthly;
    int chkNbrPymts = 0;
    int optCalc = 0;  // 0 equal 30-day months, 1 exact number of days; -1 none
    int chkBalDue = 0;
    int chkFix = 0;
    int chkTips = 0;
    std::array<std::string, 2> txtName;
    int chkFooter = 0;
    std::vector<std::string> Drive1List;  // the mounted volumes
    std::string Drive1;                   // the chosen volume
    std::string Dir1;                     // the chosen folder
    std::string lblCurrPath;
    std::string lblPrtrName;
    std::string lblPrtrNameTag;
    std::string lblFontName;
    bool cmdFontEnabled = true;
    int optStyle = 0;
    ButtonTips ToolTips;
    std::string pnlStatus;
    // Set when the form has closed, by Save or by Cancel.
    bool Closed = false;

    // Form-level state.
    std::string PendingPrinter;
    std::string PendingDrive;
    std::string PendingDirectory;
    int PendingStyle = 0;
    std::array<std::string, 3> OpeningFont;  // name, size ("12", "10.5"), style
    bool Loading = false;
    bool ListDroppedDown = false;
    bool KeyboardListChange = false;
    // Asks the window to open the semi-monthly list's drop-down; the window clears it.
    bool DropDown = false;

    // The picture button of a style shows pressed while its style is chosen.
    bool StylePressed(int style) const { return optStyle == style; }
    // The help text of a control, shown on the status line and as a button's tooltip.
    static std::string_view HelpText(std::string_view control);

    void Form_Load();
    void Form_Activate();
    void Control_GotFocus(std::string_view control);
    void vsTab_Switch(int newTab);

    void txtRate_LostFocus();
    void optFreq_Click(int index);
    // Leaving a frequency option for the named control.
    void optFreq_LostFocus(int index, std::string_view nextControl);
    void optCalc_Click(int index);
    void cboSemiMthly_GotFocus();
    // A list choice; byKeyboard when made with the arrow, page or home/end keys.
    void cboSemiMthly_Click(int listIndex, bool byKeyboard);
    void cboSemiMthly_Enter();
    void cboSemiMthly_Escape();
    void cboSemiMthly_LostFocus();
    void chkTips_Click(int value);
    void Drive1_Change(const std::string& volume);
    void Dir1_Change(const std::string& folder);
    void optStyle_Click(int index);
    void btnStyle_Click(int index) { optStyle_Click(index); }

    void cmdPrtrDefs_Click(int index);
    void cmdSave_Click();
    void cmdCancel_Click();
    void cmdReset_Click();

  private:
    bool ConflictResolved();
    void AskAboutConflict(int option);
    void EnableSemiMonthlyList();
    void ChooseDataPath();
    void UseProgramFolder();
    void ShowPrinter(const std::string& identity);
    void ShowNoPrinter();
    void ApplyToolTips(bool on);
    void SelectPrinter();
    void SelectFont();
    bool WritePreferences();
    void ApplyPreferences();
    void RestoreOpeningFont();
    void ResetControls();
    void Focus(std::string_view control) { ui_.SetFocus(control); }

    DataFolders& folders_;
};

}  // namespace quorvia
