#pragma once
// The report printer at start-up: making sure there is one, then making it the current printer.

#include "core/base/Ui.h"
#include "core/printing/PrinterService.h"
#include "core/session/AppState.h"

namespace quorvia {

// A report printer left blank or "0" becomes the current printer. False, after telling the
// person, when there is no printer at all: the program must then end.
bool CheckReportPrinter(AppState& state, PrinterService& printers, Ui& ui);

// Makes the report printer the current printer when it is installed; a report printer that
// is not installed gives way to the current printer for this run.
void ActivateReportPrinter(AppState& state, PrinterService& printers, Ui& ui);

}  // namespace quorvia
