#pragma once
// The printer choice of the preferences and the printer and font forms: what they show of the
// report printer, the printer setup dialog, and the refusal to choose a font without a printer.

#include <string>
#include <string_view>

#include "core/base/Ui.h"
#include "core/printing/PDialog.h"
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

}  // namespace quorvia
