// The largest detailed report: 600 months of bi-weekly payments (1,300 payments), composed and
// paginated, and written as PDF.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "BenchLoans.h"
#include "core/reports/ReportComposer.h"
#include "core/schedule/ScheduleEngine.h"
#include "core/session/AppState.h"
#include "desktop/platform/PdfPrinterService.h"
#include "desktop/platform/QtTextMetrics.h"
#include "desktop/platform/ReportPdf.h"
#include "support/ScriptedUi.h"

namespace quorvia {
namespace {

// The work file of the loan, written once into a folder of its own.
struct LargestReport {
    AppState state;
    int16_t rows = 0;

    LargestReport() {
        state.AppPath = std::filesystem::temp_directory_path() / "quorvia-report-bench";
        std::filesystem::create_directories(state.AppPath);
        AmortInputs in = LargestLoan();
        SemiMonthlyChoice semiMonthly{};
        Schedule schedule;
        WriteSchedule(in, semiMonthly, state.WorkFilePath(), {}, &schedule);
        rows = schedule.scheduledCount;
    }
    ~LargestReport() { std::filesystem::remove_all(state.AppPath); }
};

void Compose(ReportDocument& doc, LargestReport& report) {
    ScriptedUi ui;
    PdfPrinterService printers;
    ReportComposer composer(report.state, ui, printers, doc);
    composer.ReportKind = kFancyGrid;
    composer.RowCount = report.rows;
    composer.Progress = [](double, const std::string&) {};
    composer.ComposeReport();
}

void ComposeWith(benchmark::State& state, TextMetrics& metrics) {
    LargestReport report;
    int pages = 0;
    for (auto _ : state) {
        ReportDocument doc(metrics);
        Compose(doc, report);
        pages = doc.PageCount();
        benchmark::DoNotOptimize(pages);
    }
    state.counters["pages"] = pages;
}

void BM_DetailedReport_Compose_FixedMetrics(benchmark::State& state) {
    FixedTextMetrics metrics;
    ComposeWith(state, metrics);
}

void BM_DetailedReport_Compose_QtMetrics(benchmark::State& state) {
    QtTextMetrics metrics;
    ComposeWith(state, metrics);
}

// The first composition of a preview window: no text measured yet.
void BM_DetailedReport_Compose_QtMetricsFirstTime(benchmark::State& state) {
    LargestReport report;
    for (auto _ : state) {
        QtTextMetrics metrics;
        ReportDocument doc(metrics);
        Compose(doc, report);
        benchmark::DoNotOptimize(doc.PageCount());
    }
}

void BM_DetailedReport_WritePdf(benchmark::State& state) {
    LargestReport report;
    QtTextMetrics metrics;
    ReportDocument doc(metrics);
    Compose(doc, report);
    const auto pdf = report.state.AppPath / "report.pdf";
    for (auto _ : state) {
        if (WriteReportPdf(doc, pdf)) {
            state.SkipWithError("the PDF file could not be written");
            break;
        }
    }
    state.counters["pages"] = doc.PageCount();
}

BENCHMARK(BM_DetailedReport_Compose_FixedMetrics)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DetailedReport_Compose_QtMetrics)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DetailedReport_Compose_QtMetricsFirstTime)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DetailedReport_WritePdf)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvia
