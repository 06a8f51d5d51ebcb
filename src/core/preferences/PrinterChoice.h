#pragma once
// The printer choice of the preferences and the printer and font forms: what they show of the
// report printer, the printer setup dialog, and the refusal to choose a font without a printer.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/base/Ui.h"
#include "core/printing/CDialogService.h"
#include "core/printing/PDialog.h"
#include "core/printing/PrinterService.h"
#include "core/session/AppState.h"

namespace quorvia {

inline constexpr std::string_view kNoPrinterLabel =
    "(Windows reports no printer is attached to this system)";
// The printer label's tag while there is no usable printer.
inline constexpr std::string_view kNoPrinterTag = "NOPRINTER";
inline constexpr std::string_view kNoFontLabel = "(none)";

// A printer identity as the forms show it: device " on " port.
std::string PrinterLabel(std::string_view identity);

// The printer setup dialog; true when the person chose a printer, which is then the current
// printer, with PrintOrientation and PrintPaperSize as chosen.
bool ShowPrinterSetup(SharedPDialog& printerDialog);

// The page set-up a form opened with, put back when the form is cancelled: the printer setup
// dialog changes it at once.
class KeptPageSetup {
  public:
    explicit KeptPageSetup(const AppState& state)
        : orientation_(state.PrintOrientation), paperSize_(state.PrintPaperSize) {}
    void Restore(AppState& state) const {
        state.PrintOrientation = orientation_;
        state.PrintPaperSize = paperSize_;
    }

  private:
    int16_t orientation_;
    int16_t paperSize_;
};

// Tells the person that a font needs a printer first.
void RefuseFontWithoutPrinter(Ui& ui);

// What the preferences and the printer and font forms both work with: the settings, the
// printers, the person, the font and printer setup dialogs and the page set-up the form opened
// with; and the profile file's keys of the report printer and its font.
class PrinterChoiceForm {
  protected:
    using ProfileKeys = std::vector<std::pair<std::string_view, std::string>>;

    PrinterChoiceForm(AppState& state, PrinterService& printers, Ui& ui, CDialog& fontDialog,
                      SharedPDialog& printerDialog)
        : state_(state),
          printers_(printers),
          ui_(ui),
          fontDialog_(fontDialog),
          printerDialog_(printerDialog),
          openingPageSetup_(state) {}

    // The report font (dfont, dbold, dsize), the printer (dprtr) and the page set-up chosen with
    // it (dpapr, dornt).
    void AddPrinterKeys(ProfileKeys& keys, const std::string& printer) const;
    // Writes the keys in their order. A key that cannot be written has been reported by the
    // writer; the writing stops there, so that the settings never run ahead of the file.
    bool WriteKeys(const ProfileKeys& keys);

    AppState& state_;
    PrinterService& printers_;
    Ui& ui_;
    CDialog& fontDialog_;
    SharedPDialog& printerDialog_;
    KeptPageSetup openingPageSetup_;
};

}  // namespace quorvia
