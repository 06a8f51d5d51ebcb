#pragma once
// The printer choice of the preferences and the printer and font forms: what they show of the
// report printer, the printer setup dialog, and the refusal to choose a font without a printer.

#include <string>
#include <string_view>

#include "core/base/Ui.h"
#include "core/printing/PDialog.h"

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

// Tells the person that a font needs a printer first.
void RefuseFontWithoutPrinter(Ui& ui);

}  // namespace quorvia
