#include "core/preferences/PrinterChoice.h"

#include "core/base/ProfileFile.h"
#include "core/base/Text.h"
#include "core/session/PreferenceStore.h"
#include "core/session/ReportFont.h"

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

void PrinterChoiceForm::AddPrinterKeys(ProfileKeys& keys, const std::string& printer) const {
    keys.emplace_back("dfont", state_.ReportFontName);
    keys.emplace_back("dbold", state_.ReportFontStyle);
    keys.emplace_back("dsize", FontSizeText(state_.ReportFontSize));
    keys.emplace_back("dprtr", Trim(printer));
    for (auto& key : PageSetupKeys(state_)) {
        keys.push_back(std::move(key));
    }
}

bool PrinterChoiceForm::WriteKeys(const ProfileKeys& keys) {
    for (const auto& [key, value] : keys) {
        if (WriteIniString(kIniSection, key, value, state_.IniFilePath, ui_) == 0) {
            return false;
        }
    }
    return true;
}

}  // namespace quorvia
