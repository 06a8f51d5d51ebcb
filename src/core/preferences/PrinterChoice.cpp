#include "core/preferences/PrinterChoice.h"

#include "core/printing/PrinterService.h"

namespace quorvia {

std::string PrinterLabel(std::string_view identity) {
    return PrinterDeviceOf(identity) + " on " + PrinterPortOf(identity);
}

bool ShowPrinterSetup(SharedPDialog& printerDialog) {
    uint32_t flags = kPdPrintSetup;
    return printerDialog.Get().SelectPrinter(flags);
}

void RefuseFontWithoutPrinter(Ui& ui) {
    ui.Beep();
    ui.MsgBox({"You must select a valid Windows printer first.", "Unable to proceed...",
               MsgButtons::Ok, MsgIcon::Information});
}

}  // namespace quorvia
