#include "core/preferences/PrtrSelModel.h"

#include <optional>

#include "core/base/ProfileFile.h"
#include "core/base/Text.h"
#include "core/help/HelpTopics.h"
#include "core/help/ProgramHelp.h"
#include "core/preferences/PrinterChoice.h"
#include "core/printing/PrinterFontSize.h"
#include "core/session/PreferenceStore.h"
#include "core/session/ReportFont.h"

namespace quorvia {

namespace {

constexpr std::string_view kDefaultFont = "Times New Roman";

}  // namespace

PrtrSelModel::PrtrSelModel(AppState& state, PrinterService& printers, Ui& ui, CDialog& fontDialog,
                           SharedPDialog& printerDialog, HelpEngine& help)
    : PrinterChoiceForm(state, printers, ui, fontDialog, printerDialog), help_(help) {}

std::string_view PrtrSelModel::HelpText(std::string_view button) {
    if (button == "SelectButton") {
        return "Select a different printer for your reports";
    }
    if (button == "cmdFont") {
        return "Select a different printer font";
    }
    if (button == "ExitButton") {
        return "Save the current printer & font settings as your program defaults";
    }
    if (button == "cmdCancel") {
        return "Discard all changes to your printer & font settings";
    }
    if (button == "cmdHelp") {
        return "View the Printer Setup help topic";
    }
    return {};
}

// The built-in PDF printer writes files by design: only a queue on a file port is warned about.
bool PrtrSelModel::PrintsToFile() const {
    return UpperCase(Trim(PendingPrinter)).ends_with("FILE:") &&
           !IsPdfPrinterIdentity(PendingPrinter);
}

void PrtrSelModel::Form_Load() {
    if (PendingPrinter.empty()) {
        PendingPrinter = state_.ReportPrinter;
    }
    std::string pending = Trim(PendingPrinter);
    if (pending.empty() || pending == "0") {
        PendingPrinter = CurrentPrinterIdentity(printers_);
    }
    if (PendingPrinter.empty()) {
        ShowNoPrinter();
    } else {
        ShowPrinter();
    }
    if (PrintsToFile()) {
        ui_.MsgBox(
            {"Your current default printer is connected to the port 'FILE.'  For a 'hard "
             "copy' printout you should select a new printer connected to a hardware "
             "port (such as LPT1:, COM1:, etc).",
             "WARNING", MsgButtons::Ok, MsgIcon::Exclamation});
    }
    CheckReportFont();
}

void PrtrSelModel::ShowPrinter() {
    pnlCautionVisible = false;
    lblPrtrName = PrinterLabel(PendingPrinter);
    lblPrtrNameTag.clear();
    SelectButtonEnabled = cmdFontEnabled = true;
    ApplyPitchSize();
}

void PrtrSelModel::ShowNoPrinter() {
    pnlCautionVisible = true;
    lblPrtrName = kNoPrinterLabel;
    lblPrtrNameTag = kNoPrinterTag;
    lblFontName = kNoFontLabel;
    SelectButtonEnabled = cmdFontEnabled = ExitButtonEnabled = false;
}

void PrtrSelModel::ApplyPitchSize() {
    if (std::optional<float> size = PrinterFontSize(state_.ReportFontName)) {
        state_.ReportFontSize = *size;
    }
    lblFontName = ReportFontLabel(state_);
}

// Times New Roman is always there (a metric twin stands in where it is missing); any other
// font must be one the printer offers.
void PrtrSelModel::CheckReportFont() {
    FontValid = false;
    if (state_.ReportFontName == kDefaultFont) {
        FontValid = true;
    } else if (!state_.ReportFontName.empty()) {
        FontValid = printers_.HasFont(state_.ReportFontName);
    } else if (printers_.HasFont(kDefaultFont)) {
        state_.ReportFontName = kDefaultFont;
        state_.ReportFontStyle = "Normal";
        state_.ReportFontSize = 12;
        lblFontName = ReportFontLabel(state_);
        FontValid = true;
    }
    if (Trim(state_.ReportFontName).empty() || !FontValid) {
        FontValid = false;
        ui_.Beep();
        ui_.MsgBox({"Default printer font not found!" + std::string(CrLf) + std::string(CrLf) +
                        "Please click SELECT FONT to choose a font for your printed reports.",
                    "PRINTER SETUP REQUIRED", MsgButtons::Ok, MsgIcon::Critical});
        lblFontName = kNoFontLabel;
    }
}

void PrtrSelModel::Form_Activate() {
    for (std::size_t button = 0; button < kButtons.size(); ++button) {
        ToolTips[button] = state_.ToolTipsChecked
                               ? " " + std::string(HelpText(kButtons[button])) + " "
                               : std::string();
    }
}

void PrtrSelModel::Form_Resize() {
    if (PrintsToFile()) {
        ui_.SetFocus("SelectButton");
    }
}

void PrtrSelModel::SelectButton_Click() {
    if (!ShowPrinterSetup(printerDialog_)) {
        return;
    }
    PendingPrinter = CurrentPrinterIdentity(printers_);
    if (PendingPrinter.empty()) {
        PendingPrinter = state_.ReportPrinter;
    }
    if (Trim(state_.ReportFontName).empty()) {
        FontValid = false;
    }
    ExitButtonEnabled = true;
    ui_.SetFocus("ExitButton");
    Form_Load();
}

void PrtrSelModel::ChooseFont() {
    if (lblPrtrNameTag == kNoPrinterTag) {
        RefuseFontWithoutPrinter(ui_);
        lblFontName = kNoFontLabel;
        cmdFontEnabled = false;
        return;
    }
    ChooseReportFont(state_, fontDialog_, ui_);
    Form_Load();
}

void PrtrSelModel::ExitButton_Click() {
    if (!FontValid) {
        Form_Load();
        return;
    }
    bool written = false;
    {
        Hourglass hourglass(ui_);
        written = WriteDefaults();
    }
    if (written) {
        state_.ReportPrinter = PendingPrinter;
        SetCurrentReportFont(state_);
        Hidden = true;
        return;
    }
    ui_.Beep();
    ui_.MsgBox(
        {"Verify that your QUORVIA.INI file is present in your program subdirectory and "
         "try again. (Or click Cancel to restore previous settings.)",
         "Error During Save", MsgButtons::Ok, MsgIcon::Exclamation});
}

bool PrtrSelModel::WriteDefaults() {
    ProfileKeys keys;
    AddPrinterKeys(keys, PendingPrinter);
    return WriteKeys(keys);
}

void PrtrSelModel::cmdCancel_Click() {
    RestoreReportFont(state_);
    openingPageSetup_.Restore(state_);
    Hidden = true;
}

void PrtrSelModel::cmdHelp_Click() {
    ProgramHelp(help_, ui_).Topic(help_context::kPrinterSetup);
    ui_.SetFocus("ExitButton");
}

}  // namespace quorvia
