#include "core/preferences/PrinterLabels.h"

#include "core/printing/PrinterService.h"

namespace quorvia {

std::string PrinterLabel(std::string_view identity) {
    return PrinterDeviceOf(identity) + " on " + PrinterPortOf(identity);
}

void RefuseFontWithoutPrinter(Ui& ui) {
    ui.Beep();
    ui.MsgBox({"You must select a valid Windows printer first.", "Unable to proceed...",
               MsgButtons::Ok, MsgIcon::Information});
}

}  // namespace quorvia
