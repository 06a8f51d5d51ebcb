#pragma once
// The printer and font form (PrtrSel, "Select Printer or Font"): shows the report printer and
// its font, lets the person choose others under the program's font rules, and on Okay keeps
// both as the program defaults (dfont, dbold, dsize, dprtr), with the paper and orientation
// chosen with the printer (dpapr, dornt).
//
// The window forwards each event to the handler of the same name and then shows the model's
// state again; it hides itself when Hidden is set. Focus moves go through Ui::SetFocus.

#include <array>
#include <string>
#include <string_view>

#include "core/base/Ui.h"
#include "core/help/HelpEngine.h"
#include "core/preferences/PrinterChoice.h"
#include "core/printing/CDialogService.h"
#include "core/printing/PDialog.h"
#include "core/printing/PrinterService.h"
#include "core/session/AppState.h"

namespace quorvia {

inline constexpr std::string_view kPrtrSelCaption = "Select Printer or Font";
inline constexpr std::string_view kNoPrinterCaution =
    "CAUTION:  The system indicates that NO printer is attached to your computer!  Please press "
    "'Cancel' and exit the program ... then use the system's printer settings to add a printer "
    "before restarting the program.";

class PrtrSelModel : PrinterChoiceForm {
  public:
    // Tooltips of SelectButton, cmdFont, ExitButton, cmdCancel, cmdHelp.
    using ButtonTips = std::array<std::string, 5>;
    static constexpr std::array<std::string_view, 5> kButtons{"SelectButton", "cmdFont",
                                                              "ExitButton", "cmdCancel", "cmdHelp"};

    PrtrSelModel(AppState& state, PrinterService& printers, Ui& ui, CDialog& fontDialog,
                 SharedPDialog& printerDialog, HelpEngine& help);

    // The window's state.
    std::string lblPrtrName;
    std::string lblPrtrNameTag;
    std::string lblFontName;
    bool pnlCautionVisible = false;
    bool SelectButtonEnabled = true;
    bool cmdFontEnabled = true;
    bool ExitButtonEnabled = true;
    ButtonTips ToolTips;
    // Set by Okay and Cancel: the form is done and its caller unloads it.
    bool Hidden = false;

    // Form-level state.
    std::string PendingPrinter;
    bool FontValid = false;

    static std::string_view HelpText(std::string_view button);
    // Whether the pending printer is a queue on a file port rather than a hardware port (the
    // built-in PDF printer is not).
    bool PrintsToFile() const;

    void Form_Load();
    void Form_Activate();
    void Form_Resize();
    void SelectButton_Click();
    void cmdFont_Click() { ChooseFont(); }
    void ExitButton_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();

  private:
    void ShowPrinter();
    void ShowNoPrinter();
    void ApplyPitchSize();
    void CheckReportFont();
    void ChooseFont();
    bool WriteDefaults();

    HelpEngine& help_;
};

}  // namespace quorvia
