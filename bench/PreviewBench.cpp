// From a validated loan to the preview's first page on the screen, for the largest schedule:
// 600 months of bi-weekly payments (1,300 payments). The run goes through the desktop
// schedule runner: the engine writes the work file, the preview composes the report with the
// real fonts and page 1 is painted at 80 % as the preview window shows it.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <filesystem>

#include "core/amortization/DesktopScheduleRunner.h"
#include "core/reports/PreviewWindowModel.h"
#include "core/schedule/ScheduleEngine.h"
#include "desktop/platform/QtTextMetrics.h"
#include "desktop/platform/ReportPainter.h"
#include "support/FakePrinterService.h"
#include "support/ScriptedUi.h"

namespace quorvia {
namespace {

class QuietStatus : public StatusDisplay {
  public:
    void Show(const std::string&) override {}
    void SetLabel(const std::string&) override {}
    void SetMeter(double, const std::string&) override {}
    void Hide() override {}
};

class NoFonts : public FontChooser {
  public:
    std::optional<FontChoice> ChooseFont(const FontRequest&, uint32_t& error) override {
        error = 0;
        return std::nullopt;
    }
};

// The bench composes and paints; it never prints.
class NoPrintDialog : public PrintDialogService {
  public:
    std::optional<PrintDialogResult> PrintDlg(const PrintDialogRequest&, uint32_t& error) override {
        error = 0;
        return std::nullopt;
    }
};

class NoPrintOutput : public ReportPrintOutput {
  public:
    void SetDevice(const std::string&, const std::string&) override {}
    std::string DeviceName() const override { return {}; }
    int SetCollate(bool) override { return 0; }
    int SetCopies(int) override { return 0; }
    int PrintPage(const ReportDocument&, int, const std::string&) override { return 0; }
    int FinishJob() override { return 0; }
    int PrintDocument(const ReportDocument&) override { return 0; }
    void EndDoc() override {}
};

// The preview as the window opens it: composed with fresh font metrics, page 1 painted at
// the zoom it opens at, on a 96-dpi screen.
class PaintingPreview : public SchedulePreview {
  public:
    PaintingPreview(AppState& state, Ui& ui)
        : state_(state),
          ui_(ui),
          dialog_(ui, fonts_),
          printDialog_(ui, printers_, printDialogs_, state.PrintOrientation, state.PrintPaperSize) {
    }

    void ShowPreview(const AmortInputs&, const Schedule& schedule, int16_t reportKind) override {
        QtTextMetrics metrics;
        PreviewWindowModel preview(state_, ui_, printers_, metrics, status_, dialog_, printDialog_,
                                   output_);
        preview.Form_Load(schedule.scheduledCount, reportKind);
        preview.SetUpDocPage(12000, 10000);
        const double pixelsPerTwip = 96.0 / 1440.0;
        QImage image(static_cast<int>(std::lround(preview.ThePage.width * pixelsPerTwip)),
                     static_cast<int>(std::lround(preview.ThePage.height * pixelsPerTwip)),
                     QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        DrawReportPage(painter, preview.Document(), 1, QRectF(image.rect()));
        pages = preview.Document().PageCount();
    }

    int pages = 0;

  private:
    AppState& state_;
    Ui& ui_;
    FakePrinterService printers_{{PdfPrinter()}};
    QuietStatus status_;
    NoFonts fonts_;
    CDialog dialog_;
    NoPrintDialog printDialogs_;
    SharedPDialog printDialog_;
    NoPrintOutput output_;
};

AmortInputs LargestLoan() {
    AmortInputs in;
    in.AmountText = "250000.00";
    in.LoanAmount = 250000;
    in.RateText = "7.2500";
    in.AnnualRate = 0.0725;
    in.TermMonths = 600;
    ApplyFrequency(in, kBiWeekly);
    in.ExactDays = true;
    in.FundingDateText = "01/02/2026";
    in.FirstPaymentDateText = "01/16/2026";
    in.DueDay = 16;
    in.CurrentMonth = 1;
    in.CurrentYear = 2026;
    in.NumberPaymentRows = true;
    in.SelectedStyle = kFancyGrid;
    DeriveMissingPaymentOrTerm(in);
    return in;
}

void BM_Preview_FirstPageOfLargestSchedule(benchmark::State& state) {
    AppState app;
    app.AppPath = std::filesystem::temp_directory_path() / "quorvia-preview-bench";
    std::filesystem::create_directories(app.AppPath);
    ScriptedUi ui;
    QuietStatus status;
    PaintingPreview preview(app, ui);
    DesktopScheduleRunner runner(app, ui, status, preview);
    const AmortInputs loan = LargestLoan();
    for (auto _ : state) {
        AmortInputs in = loan;  // the form rebuilds the record before every run
        runner.ComputeSchedule(in);
    }
    state.counters["pages"] = preview.pages;
    std::filesystem::remove_all(app.AppPath);
}

BENCHMARK(BM_Preview_FirstPageOfLargestSchedule)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvia
