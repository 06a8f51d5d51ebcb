#include "core/reports/PreviewWindowModel.h"

#include <algorithm>
#include <cmath>

#include "core/base/NumberText.h"
#include "core/base/Text.h"
#include "core/reports/ReportFileName.h"
#include "core/session/ReportFont.h"

namespace quorvia {

namespace {

constexpr int16_t kSummaryKind = kSummaryOnly;
// The steps of the arrow keys.
constexpr int kVerticalStep = 200;
constexpr int kHorizontalStep = 100;

constexpr std::pair<PreviewControl, std::string_view> kToolTips[] = {
    {PreviewControl::CloseButton, " Close & exit the print preview window "},
    {PreviewControl::cmdFont, " Select a new font for this report "},
    {PreviewControl::ExportButton, " Export this schedule as an Excel workbook or a CSV file "},
    {PreviewControl::DisclosureButton, " Show the Truth-in-Lending disclosure of this loan "},
    {PreviewControl::FirstButton, " Display the first page of this report "},
    {PreviewControl::GotoButton, " Jump to a specific page "},
    {PreviewControl::LastButton, " Display the last page of this report "},
    {PreviewControl::NextButton, " Display the next page of this report "},
    {PreviewControl::PreviousButton, " Display the previous page of this report "},
    {PreviewControl::PrintButton, " Print the current report "},
    {PreviewControl::cmbZoom, " Zoom in or out on the displayed report "},
};

std::string PageText(int number) {
    return Trim(NumberToText(number));
}

}  // namespace

PreviewWindowModel::PreviewWindowModel(AppState& state, Ui& ui, PrinterService& printers,
                                       TextMetrics& metrics, StatusDisplay& status,
                                       CDialog& fontDialog, SharedPDialog& printDialog,
                                       ReportPrintOutput& printOutput)
    : state_(state),
      ui_(ui),
      printers_(printers),
      status_(status),
      fontDialog_(fontDialog),
      printDialog_(printDialog),
      printOutput_(printOutput),
      doc_(metrics),
      composer_(state, ui, printers, doc_) {
    composer_.Progress = [this](double percent, const std::string& caption) {
        status_.SetMeter(percent, caption);
    };
}

void PreviewWindowModel::Form_Load(int16_t rowCount, int16_t reportKind) {
    PageVisible = false;
    UseReportPrinter();
    if (std::optional<PrinterInfo> current = printers_.CurrentPrinter()) {
        printOutput_.SetDevice(current->device, current->port);
    }
    composer_.RowCount = rowCount;
    if (rowCount > 0) {
        status_.SetMeter(0, "0%");
    }
    composer_.ReportKind = reportKind;
    status_.SetLabel(reportKind == kSummaryKind ? "Composing summary report ..."
                                                : "Composing report ...");
    ZoomListIndex = state_.ZoomIndex;
    Caption = reportKind == kSummaryKind ? "Amortization Schedule (Summary Report)"
                                         : "Amortization Schedule";
    Compose();
    if (composer_.Failed) {
        ui_.Beep();
        ui_.MsgBox({"Unable to locate temporary report file.", "Error composing report",
                    MsgButtons::Ok, MsgIcon::Critical});
        Visible = false;
        return;
    }
    ShowPageNumber();
    UpdateNavButtons();
    if (state_.ZoomIndex == 0) {
        state_.ZoomIndex = kDefaultZoom;
    }
    ZoomListIndex = state_.ZoomIndex;
    PageVisible = true;
    status_.Hide();
    if (DoEvents) {
        DoEvents();
    }
    FocusPage();
}

// The report is laid out for the printer chosen in the preferences, when it is installed.
void PreviewWindowModel::UseReportPrinter() {
    std::string wanted = PrinterDeviceOf(state_.ReportPrinter);
    std::optional<PrinterInfo> current = printers_.CurrentPrinter();
    if (wanted.empty() || (current && current->device == wanted)) {
        return;
    }
    for (const PrinterInfo& printer : printers_.Printers()) {
        if (printer.device == wanted) {
            printers_.MakeCurrent(printer);
            break;
        }
    }
}

void PreviewWindowModel::Compose() {
    Hourglass busy(ui_);
    composer_.ComposeReport();
    PrintButtonEnabled = composer_.PrintButtonEnabled;
    cmdFontEnabled = composer_.FontButtonEnabled;
}

void PreviewWindowModel::SetUpDocPage(int areaWidth, int areaHeight) {
    if (Quitting) {
        return;
    }
    areaWidth_ = std::max(areaWidth, ScrollBarThickness);
    areaHeight_ = std::max(areaHeight, ScrollBarThickness);
    const int t = ScrollBarThickness;
    VSRect = {areaWidth_ - t, 0, t, areaHeight_ - t};
    HSRect = {0, areaHeight_ - t, areaWidth_ - t, t};
    ScrollMagnet = {areaWidth_ - t, areaHeight_ - t, t, t};
    LayoutPreviewPage();
    ApplyToolTips();
}

void PreviewWindowModel::Form_Resize(int areaWidth, int areaHeight) {
    PageVisible = false;
    SetUpDocPage(areaWidth, areaHeight);
}

void PreviewWindowModel::ApplyToolTips() {
    ToolTips.clear();
    if (state_.ToolTipsChecked) {
        ToolTips.assign(std::begin(kToolTips), std::end(kToolTips));
    }
}

int16_t PreviewWindowModel::ZoomPercent() const {
    return static_cast<int16_t>(NumericValue(kZoomList.at(ZoomListIndex)));
}

void PreviewWindowModel::LayoutPreviewPage() {
    if (Quitting) {
        return;
    }
    Hourglass busy(ui_);
    layoutBusy_ = true;
    if (ZoomListIndex < 0 || ZoomListIndex >= static_cast<int16_t>(kZoomList.size())) {
        ZoomListIndex = kDefaultZoom;
    }
    state_.ZoomIndex = ZoomListIndex;
    const double factor = ZoomPercent() / 100.0;
    ThePage.width = static_cast<int>(std::lround(doc_.PageWidth() * factor));
    ThePage.height = static_cast<int>(std::lround(doc_.PageHeight() * factor));
    LayoutDirection(HS, ThePage.width, VSRect.left, ThePage.left);
    LayoutDirection(VS, ThePage.height, HSRect.top, ThePage.top);
    PageVisible = true;
    layoutBusy_ = false;
}

// Centres the page when it fits with its margins, else shows the bar and starts the page a
// margin from the area's edge.
void PreviewWindowModel::LayoutDirection(ScrollBarState& bar, int page, int visible, int& edge) {
    bar.value = 0;
    if (page + 2 * kMargin <= visible) {
        bar.visible = false;
        bar.max = 0;
        edge = (visible - page) / 2;
        return;
    }
    bar.visible = true;
    bar.max = page + 2 * kMargin - visible;
    bar.largeChange = std::max(1, visible / 4);
    bar.smallChange = std::max(1, visible / 20);
    edge = kMargin;
}

void PreviewWindowModel::PositionPage() {
    if (HS.visible) {
        ThePage.left = kMargin - HS.value;
    }
    if (VS.visible) {
        ThePage.top = kMargin - VS.value;
    }
}

void PreviewWindowModel::SetScrollValue(ScrollBarState& bar, int value) {
    bar.value = std::clamp(value, 0, bar.max);
    if (!layoutBusy_) {
        PositionPage();
    }
}

void PreviewWindowModel::HS_Change(int value) {
    SetScrollValue(HS, value);
}

void PreviewWindowModel::VS_Change(int value) {
    SetScrollValue(VS, value);
}

void PreviewWindowModel::cmbZoom_Click(int16_t index) {
    ZoomListIndex = index;
    LayoutPreviewPage();
}

void PreviewWindowModel::ShowPageNumber() {
    PageLabel = "Page " + PageText(doc_.PreviewPage()) + " of " + PageText(doc_.PageCount());
}

void PreviewWindowModel::UpdateNavButtons() {
    const bool onFirst = doc_.PreviewPage() == 1;
    FirstButtonEnabled = !onFirst;
    PreviousButtonEnabled = !onFirst;
    NextButtonEnabled = !OnLastPage();
    LastButtonEnabled = !OnLastPage();
}

void PreviewWindowModel::FocusPage() {
    if (Visible) {
        ui_.SetFocus(NameOf(PreviewControl::ThePage));
    }
}

// A page shown anew is read from its top: the vertical bar goes back to 0.
void PreviewWindowModel::ShowPage(int number) {
    const int shown = doc_.PreviewPage();
    doc_.SetPreviewPage(number);
    if (doc_.PreviewPage() != shown && VS.visible) {
        SetScrollValue(VS, 0);
    }
}

void PreviewWindowModel::AfterPageChange() {
    ShowPageNumber();
    UpdateNavButtons();
    FocusPage();
}

void PreviewWindowModel::FirstButton_Click() {
    ShowPage(1);
    AfterPageChange();
}

void PreviewWindowModel::PreviousButton_Click() {
    ShowPage(doc_.PreviewPage() - 1);
    AfterPageChange();
}

void PreviewWindowModel::NextButton_Click() {
    ShowPage(doc_.PreviewPage() + 1);
    AfterPageChange();
}

void PreviewWindowModel::LastButton_Click() {
    ShowPage(doc_.PageCount());
    AfterPageChange();
}

void PreviewWindowModel::GotoButton_Click() {
    const int16_t pages = static_cast<int16_t>(doc_.PageCount());
    if (pages <= 1) {
        ui_.Beep();
        return;
    }
    double chosen = NumericValue(ShowGotoPage ? ShowGotoPage(pages) : std::string());
    if (chosen >= 1 && chosen <= pages) {
        ShowPage(static_cast<int>(RoundHalfEven(chosen)));
    }
    FocusPage();
    ShowPageNumber();
    UpdateNavButtons();
}

void PreviewWindowModel::PrintButton_Click() {
    const std::string keptDevice = printOutput_.DeviceName();
    const int keptPage = doc_.PreviewPage();
    // The dialog opens on the page being previewed, as a range of that one page.
    int fromPage = keptPage;
    int toPage = keptPage;
    PDialog& dialog = printDialog_.Get();
    dialog.Copies = 1;
    dialog.PrinterDefault = true;
    dialog.PdfFileName = ProposedReportPdf(state_, composer_.Borrower, composer_.ReportKind);
    uint32_t flags = kPdAllPages;
    if (!dialog.SelectPrinter(flags, fromPage, toPage, 1, doc_.PageCount())) {
        printOutput_.EndDoc();
        FocusPage();
        return;
    }
    PrintOnChosenPrinter(keptDevice);
}

// A new printer is announced; it, or a new paper or orientation, has the report composed again
// for the page it now prints on.
void PreviewWindowModel::PrintOnChosenPrinter(const std::string& keptDevice) {
    std::optional<PrinterInfo> current = printers_.CurrentPrinter();
    const bool newPrinter = current && current->device != keptDevice;
    const bool newPage = PageSizeOf(state_.PrintPaperSize, state_.PrintOrientation) !=
                         PageSize{doc_.PageWidth(), doc_.PageHeight()};
    if (newPrinter) {
        TellPrinterChanged();
    }
    if (newPrinter || newPage) {
        Hourglass busy(ui_);
        printOutput_.EndDoc();
        PageVisible = false;
        if (newPrinter) {
            printOutput_.SetDevice(current->device, current->port);
        }
        Compose();
        ShowPageNumber();
        UpdateNavButtons();
        LayoutPreviewPage();
    }
    const PrintValues& values = printDialog_.Get().Values();
    PrintChoice choice{values.PrintCopies, values.PrintCollate, values.PrintAllPages,
                       values.PrintFromPage, values.PrintToPage};
    int error = 0;
    {
        Hourglass busy(ui_);
        error = PrintComposedReport(ui_, doc_, printOutput_, choice);
    }
    if (error != print_error::kNone) {
        PrintFailed(error);
        return;
    }
    ShowPageNumber();
    UpdateNavButtons();
    FocusPage();
}

void PreviewWindowModel::TellPrinterChanged() {
    ui_.MsgBox(
        {"You selected a new printer ... your report must be reformatted for this "
         "printer." +
             std::string(CrLf) + std::string(CrLf) +
             "To save this printer as your program 'default printer' please use File | "
             "Preferences from the Main Menu.",
         "DEFAULT PRINTER CHANGED", MsgButtons::Ok, MsgIcon::Information});
}

// The preview stays as it was.
void PreviewWindowModel::PrintFailed(int errorCode) {
    printOutput_.EndDoc();
    FocusPage();
    ReportPrintFailure(ui_, errorCode);
}

void PreviewWindowModel::CloseButton_Click() {
    Quitting = true;
    Dragging = false;
    layoutBusy_ = false;
    Visible = false;
}

// The keys that scroll the page; they act on a visible bar only, but are handled either way.
bool PreviewWindowModel::ScrollKey(int code, int shift) {
    const bool ctrl = shift == kCtrlMask;
    switch (code) {
        case key_code::kUp:
            if (VS.visible) {
                SetScrollValue(VS, VS.value - kVerticalStep);
            }
            return true;
        case key_code::kDown:
            if (VS.visible) {
                SetScrollValue(VS, VS.value + kVerticalStep);
            }
            return true;
        case key_code::kLeft:
            if (HS.visible) {
                SetScrollValue(HS, HS.value - kHorizontalStep);
            }
            return true;
        case key_code::kRight:
            if (HS.visible) {
                SetScrollValue(HS, HS.value + kHorizontalStep);
            }
            return true;
        case key_code::kPageUp:
            if (ctrl) {
                if (doc_.PreviewPage() != 1) {
                    PreviousButton_Click();
                }
            } else if (VS.visible) {
                SetScrollValue(VS, VS.value - VS.largeChange);
            }
            return true;
        case key_code::kPageDown:
            if (ctrl) {
                if (!OnLastPage()) {
                    NextButton_Click();
                }
            } else if (VS.visible) {
                SetScrollValue(VS, VS.value + VS.largeChange);
            }
            return true;
        case key_code::kHome:
            if (ctrl) {
                if (doc_.PreviewPage() != 1) {
                    FirstButton_Click();
                }
            } else {
                if (HS.visible) {
                    SetScrollValue(HS, 0);
                }
                if (VS.visible) {
                    SetScrollValue(VS, 0);
                }
            }
            return true;
        case key_code::kEnd:
            if (ctrl) {
                if (!OnLastPage()) {
                    LastButton_Click();
                }
            } else {
                if (HS.visible) {
                    SetScrollValue(HS, HS.max);
                }
                if (VS.visible) {
                    SetScrollValue(VS, VS.max);
                }
            }
            return true;
        default:
            return false;
    }
}

// The Ctrl shortcuts of the zoom, the font, the go-to page and printing.
bool PreviewWindowModel::CtrlKey(int code) {
    switch (code) {
        case '2':
            cmbZoom_Click(0);
            return true;
        case '4':
            cmbZoom_Click(1);
            return true;
        case '6':
            cmbZoom_Click(2);
            return true;
        case '8':
            cmbZoom_Click(3);
            return true;
        case '1':
            cmbZoom_Click(4);
            return true;
        case 'F':
            if (cmdFontEnabled) {
                cmdFont_Click();
            }
            return true;
        case 'G':
            GotoButton_Click();
            return true;
        case 'P':
            if (PrintButtonEnabled) {
                Hourglass busy(ui_);
                PrintButton_Click();
            }
            return true;
        default:
            return false;
    }
}

void PreviewWindowModel::Form_KeyDown(int& KeyCode, int Shift) {
    if (KeyCode == key_code::kEsc) {
        CloseButton_Click();
        KeyCode = 0;
    } else if (ScrollKey(KeyCode, Shift) || (Shift == kCtrlMask && CtrlKey(KeyCode))) {
        KeyCode = 0;
    }
    const int silent[] = {
        0, key_code::kEnter, key_code::kAlt, key_code::kCtrl, key_code::kShift, key_code::kF1};
    if (std::find(std::begin(silent), std::end(silent), KeyCode) == std::end(silent)) {
        ui_.Beep();
    }
    if (DoEvents) {
        DoEvents();
    }
    FocusPage();
}

void PreviewWindowModel::vsPrinter1_MouseDown(bool leftButton, double x, double y) {
    if (leftButton && (HS.visible || VS.visible)) {
        Dragging = true;
        pressX_ = std::trunc(x);
        pressY_ = std::trunc(y);
    }
}

void PreviewWindowModel::vsPrinter1_MouseMove(bool leftButton, double x, double y) {
    if (!leftButton || !Dragging) {
        return;
    }
    layoutBusy_ = true;
    if (HS.visible) {
        int dx = static_cast<int>(std::trunc(x) - pressX_);
        int left = ThePage.left + dx;
        left = dx > 0 ? std::min(left, kMargin)
                      : std::max(left, VSRect.left - kMargin - ThePage.width);
        ThePage.left = left;
        HS.value = std::clamp(kMargin - left, 0, HS.max);
    }
    if (VS.visible) {
        int dy = static_cast<int>(std::trunc(y) - pressY_);
        int top = ThePage.top + dy;
        top =
            dy > 0 ? std::min(top, kMargin) : std::max(top, HSRect.top - kMargin - ThePage.height);
        ThePage.top = top;
        VS.value = std::clamp(kMargin - top, 0, VS.max);
    }
}

void PreviewWindowModel::vsPrinter1_MouseUp() {
    Dragging = false;
    layoutBusy_ = false;
    FocusPage();
}

void PreviewWindowModel::FontSelect() {
    const std::string oldName = state_.ReportFontName;
    const float oldSize = state_.ReportFontSize;
    const std::string oldStyle = state_.ReportFontStyle;
    if (!ChooseReportFont(state_, fontDialog_, ui_)) {
        return;
    }
    if (state_.ReportFontName == oldName && state_.ReportFontSize == oldSize &&
        state_.ReportFontStyle == oldStyle) {
        return;
    }
    TellFontChanged();
    Compose();
    ShowPageNumber();
    UpdateNavButtons();
    FocusPage();
}

void PreviewWindowModel::TellFontChanged() {
    const std::string twoLines = std::string(CrLf) + std::string(CrLf);
    ui_.MsgBox(
        {"You changed your Font settings ... your report must be reformatted for these new "
         "settings - this will just take a few seconds." +
             twoLines +
             "[Please remember that the report is formatted for your Printer, and some "
             "fonts may appear distorted or lines either 'clipped' or 'short' at lower "
             "preview zoom settings.  These problems will not appear in your actual "
             "printout.]" +
             twoLines +
             "To save these settings as your program 'defaults' please use "
             "File|Preferences from the Main Menu.",
         "FONT or FONT ATTRIBUTES CHANGED", MsgButtons::Ok, MsgIcon::Information});
}

}  // namespace quorvia
