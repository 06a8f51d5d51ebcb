#pragma once
// Tells the person why a common dialog failed.

#include <cstdint>
#include <string>

#include "core/base/Ui.h"

namespace quorvia {

// The message for a dialog's extended error code; empty for 0 (the person cancelled).
std::string DialogErrorText(uint32_t code);

// Shows the message for the code under "Dialog Error..."; nothing for a cancel.
void ReportDialogError(Ui& ui, uint32_t code);

}  // namespace quorvia
