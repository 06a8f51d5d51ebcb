#pragma once
// What the preferences and the printer and font forms show of the report printer, and the
// refusal to choose a font without one.

#include <string>
#include <string_view>

#include "core/base/Ui.h"

namespace quorvia {

inline constexpr std::string_view kNoPrinterLabel =
    "(Windows reports no printer is attached to this system)";
// The printer label's tag while there is no usable printer.
inline constexpr std::string_view kNoPrinterTag = "NOPRINTER";
inline constexpr std::string_view kNoFontLabel = "(none)";

// A printer identity as the forms show it: device " on " port.
std::string PrinterLabel(std::string_view identity);

// Tells the person that a font needs a printer first.
void RefuseFontWithoutPrinter(Ui& ui);

}  // namespace quorvia
