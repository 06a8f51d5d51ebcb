#pragma once
// The behaviour of the print-preview window: composing the report handed over by the
// schedule run, paging, zooming, scrolling and dragging the page, the keys, the go-to-page
// question, the font change and closing. Positions and sizes are in twips, inside the area
// below the toolbar; the window converts them at the screen's resolution.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/base/KeyCodes.h"
#include "core/base/StatusDisplay.h"
#include "core/base/Ui.h"
#include "core/printing/CDialogService.h"
#include "core/printing/PDialog.h"
#include "core/printing/PrinterService.h"
#include "core/reports/PreviewControl.h"
#include "core/reports/ReportComposer.h"
#include "core/reports/ReportDocument.h"
#include "core/reports/ReportPrinting.h"
#include "core/session/AppState.h"

namespace quorvia {

struct ScrollBarState {
    bool visible = false;
    int value = 0;
    int max = 0;
    int largeChange = 1;
    int smallChange = 1;
};

// A control's place in the area below the toolbar, in twips.
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

class PreviewWindowModel {
  public:
    static constexpr int kMargin = 200;
    static constexpr std::array<std::string_view, 5> kZoomList{"20%", "40%", "60%", "80%", "100%"};
    static constexpr int16_t kDefaultZoom = 3;

    PreviewWindowModel(AppState& state, Ui& ui, PrinterService& printers, TextMetrics& metrics,
                       StatusDisplay& status, CDialog& fontDialog, SharedPDialog& printDialog,
                       ReportPrintOutput& printOutput);

    // Asks the go-to-page question with the highest page allowed; returns the input text
    // (empty when the person stopped).
    std::function<std::string(int16_t highest)> ShowGotoPage;
    // Lets the screen catch up with pending events.
    std::function<void()> DoEvents;

    const ReportDocument& Document() const { return doc_; }
    const ReportComposer& Composer() const { return composer_; }

    // The window's state, mirrored by the window after every event.
    bool Visible = true;
    std::string Caption;
    std::string PageLabel;
    bool PageVisible = false;
    TwipRect ThePage;
    ScrollBarState VS;
    ScrollBarState HS;
    // Where the bars and the corner filler stand in the area; the bars' thickness is the
    // window's, in twips.
    int ScrollBarThickness = 255;
    TwipRect VSRect;
    TwipRect HSRect;
    TwipRect ScrollMagnet;
    int16_t ZoomListIndex = -1;
    bool FirstButtonEnabled = false;
    bool PreviousButtonEnabled = false;
    bool NextButtonEnabled = false;
    bool LastButtonEnabled = false;
    bool PrintButtonEnabled = true;
    bool cmdFontEnabled = true;
    // Set by the Close button: the window is on its way out and lays nothing out any more.
    bool Quitting = false;
    // The page is being dragged: the window shows the drag pointer.
    bool Dragging = false;
    // Set by SetUpDocPage when tips are on: control and tooltip.
    std::vector<std::pair<PreviewControl, std::string_view>> ToolTips;

    // Composes the report handed over by the schedule run. The window stays hidden (Visible
    // false) when the work file could not be read.
    void Form_Load(int16_t rowCount, int16_t reportKind);
    // Lays the area below the toolbar out; its size in twips.
    void SetUpDocPage(int areaWidth, int areaHeight);
    void Form_Resize(int areaWidth, int areaHeight);
    // KeyCode becomes 0 when the key was handled; Shift as kShiftMask / kCtrlMask / kAltMask.
    void Form_KeyDown(int& KeyCode, int Shift);

    void cmbZoom_Click(int16_t index);
    void FirstButton_Click();
    void PreviousButton_Click();
    void NextButton_Click();
    void LastButton_Click();
    void GotoButton_Click();
    void PrintButton_Click();
    void cmdFont_Click() { FontSelect(); }
    void CloseButton_Click();

    void HS_Change(int value);
    void HS_Scroll(int value) { HS_Change(value); }
    void VS_Change(int value);
    void VS_Scroll(int value) { VS_Change(value); }

    // Mouse positions in twips in the page's own coordinates.
    void vsPrinter1_MouseDown(bool leftButton, double x, double y);
    void vsPrinter1_MouseMove(bool leftButton, double x, double y);
    void vsPrinter1_MouseUp();

    void FontSelect();
    void LayoutPreviewPage();
    void PositionPage();
    void UpdateNavButtons();

  private:
    void UseReportPrinter();
    void PrintOnChosenPrinter(const std::string& keptDevice);
    void TellPrinterChanged();
    void PrintFailed(int errorCode);
    void Compose();
    void ShowPageNumber();
    void ShowPage(int number);
    void AfterPageChange();
    void FocusPage();
    void SetScrollValue(ScrollBarState& bar, int value);
    void LayoutDirection(ScrollBarState& bar, int page, int visible, int& edge);
    void ApplyToolTips();
    int16_t ZoomPercent() const;
    bool OnLastPage() const { return doc_.PreviewPage() == doc_.PageCount(); }
    bool ScrollKey(int code, int shift);
    bool CtrlKey(int code);
    void TellFontChanged();

    AppState& state_;
    Ui& ui_;
    PrinterService& printers_;
    StatusDisplay& status_;
    CDialog& fontDialog_;
    SharedPDialog& printDialog_;
    ReportPrintOutput& printOutput_;
    ReportDocument doc_;
    ReportComposer composer_;
    int areaWidth_ = 0;
    int areaHeight_ = 0;
    bool layoutBusy_ = false;
    double pressX_ = 0;
    double pressY_ = 0;
};

}  // namespace quorvia
