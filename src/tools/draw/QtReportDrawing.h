#pragma once
// The drawing of quorvia-batch's drawing program: the report laid out with Qt's fonts, written
// as PDF or printed on a CUPS queue, on Qt's offscreen platform, for the batch tool never needs
// a display.

#include <QGuiApplication>
#include <memory>

#include "desktop/platform/PdfPrinterService.h"
#include "tools/ReportDrawing.h"

namespace quorvia {

class QtReportDrawing : public ReportDrawing {
  public:
    // Starts Qt, which lasts as long as the drawing.
    QtReportDrawing();

    PrinterService& Printers() override { return printers_; }
    std::string UnknownQueueError(const std::string& queue) override;
    std::optional<RunError> WritePdf(const std::filesystem::path& path, AppState& state, Ui& ui,
                                     int16_t reportKind, int16_t rowCount) override;
    std::optional<RunError> Print(const BatchPrint& print, AppState& state, Ui& ui,
                                  int16_t reportKind, int16_t rowCount, bool& printed) override;

  private:
    std::unique_ptr<QGuiApplication> qt_;
    PdfPrinterService printers_;
};

// Starts Qt and a drawing on it: the drawing program's DrawingStarter.
std::unique_ptr<ReportDrawing> StartQtReportDrawing();

}  // namespace quorvia
