#include "core/session/ReportPrinter.h"

#include "core/base/Text.h"

namespace quorvia {

bool CheckReportPrinter(AppState& state, PrinterService& printers, Ui& ui) {
    if (!TrimView(state.ReportPrinter).empty() && state.ReportPrinter != "0") {
        return true;
    }
    state.ReportPrinter = CurrentPrinterIdentity(printers);
    if (!state.ReportPrinter.empty()) {
        return true;
    }
    ui.MsgBox({"Can't locate a valid default printer in Windows system ... terminating program!",
               "No Printer Found", MsgButtons::Ok, MsgIcon::Critical});
    return false;
}

void ActivateReportPrinter(AppState& state, PrinterService& printers, Ui& ui) {
    std::string current = CurrentPrinterIdentity(printers);
    if (current == state.ReportPrinter) {
        return;
    }
    for (const PrinterInfo& printer : printers.Printers()) {
        if (PrinterIdentity(printer) != state.ReportPrinter) {
            continue;
        }
        if (!printers.MakeCurrent(printer)) {
            ui.MsgBox({"Unable to activate your 'default' printer ... please choose a new printer.",
                       "Default printer not found", MsgButtons::Ok, MsgIcon::Information});
        }
        return;
    }
    state.ReportPrinter = current;
}

}  // namespace quorvia
