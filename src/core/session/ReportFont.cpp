#include "core/session/ReportFont.h"

#include <charconv>
#include <optional>

#include "core/base/NumberText.h"
#include "core/base/Text.h"
#include "core/printing/PrinterFontSize.h"

namespace quorvia {

namespace {

// The size as the decimal it was written as: 10.3 rather than the float's 10.300000190734863.
double DecimalOf(float size) {
    char text[32];
    auto written = std::to_chars(text, text + sizeof text, size);
    double value = size;
    std::from_chars(text, written.ptr, value);
    return value;
}

void TakeChosenFont(const CDialog& fontDialog, AppState& state, Ui& ui) {
    state.ReportFontName = fontDialog.FontName;
    state.ReportFontSize = fontDialog.FontSize;
    state.ReportFontStyle = fontDialog.FontBold ? "Bold" : "Normal";
    if (fontDialog.FontItalic) {
        ui.MsgBox(
            {"Italic styles are ignored by this program. Your font style will be changed "
             "to " +
                 std::string(fontDialog.FontBold ? "Bold." : "Regular."),
             "Please note...", MsgButtons::Ok, MsgIcon::Information});
    }
    if (std::optional<float> size = PrinterFontSize(state.ReportFontName)) {
        state.ReportFontSize = *size;
    }
}

// The font dialog on the working copy: 8 to 14 points, the printer's fonts.
bool ShowFontDialog(const AppState& state, CDialog& fontDialog) {
    fontDialog.FontName = state.ReportFontName;
    fontDialog.FontSize = state.ReportFontSize;
    fontDialog.FontBold = state.ReportFontStyle == "Bold";
    fontDialog.FontItalic = false;
    fontDialog.Min = 8;
    fontDialog.Max = 14;
    fontDialog.Flags = kCfPrinterFonts | kCfInitToLogFont | kCfAnsiOnly;
    return fontDialog.ShowFont();
}

}  // namespace

std::string FontSizeText(float size) {
    return GeneralNumber(DecimalOf(size));
}

void SetCurrentReportFont(AppState& state) {
    state.CurrentReportFont = {state.ReportFontName, NumberToText(DecimalOf(state.ReportFontSize)),
                               state.ReportFontStyle};
}

void RestoreReportFont(AppState& state) {
    state.ReportFontName = state.CurrentReportFont[0];
    state.ReportFontSize = static_cast<float>(NumericValue(state.CurrentReportFont[1]));
    state.ReportFontStyle = state.CurrentReportFont[2];
}

std::string ReportFontLabel(const AppState& state) {
    return state.ReportFontName + " - " + FontSizeText(state.ReportFontSize) + " pt. - " +
           state.ReportFontStyle;
}

bool ChooseReportFont(AppState& state, CDialog& fontDialog, Ui& ui) {
    ui.MsgBox(
        {"For the best looking results you should use a scaleable, proportionally spaced "
         "TrueType font.  (The program's 'default' font is 12 point Times New Roman.)",
         "SELECT A PRINTER FONT", MsgButtons::Ok, MsgIcon::Information});
    bool chosen = ShowFontDialog(state, fontDialog);
    // A failed dialog leaves the working copy as it was. Without a font the reports cannot be
    // printed, so the person is asked for one and the dialog offered once more (a dialog that
    // keeps failing must not hold them in a loop of messages).
    if (!chosen && fontDialog.FontDialogFailed() && Trim(state.ReportFontName).empty()) {
        ui.Beep();
        ui.MsgBox(
            {"You MUST choose a  font!", "NO FONT CHOSEN", MsgButtons::Ok, MsgIcon::Critical});
        chosen = ShowFontDialog(state, fontDialog);
    }
    // A font without a size cannot be printed: it counts as no choice.
    if (!chosen || fontDialog.FontSize <= 0) {
        return false;
    }
    TakeChosenFont(fontDialog, state, ui);
    return true;
}

}  // namespace quorvia
