#include "tools/ScheduleExports.h"

#include "core/reports/ReportComposer.h"
#include "core/reports/ReportDocument.h"
#include "desktop/platform/PdfPrinterService.h"
#include "desktop/platform/QtReportPrinter.h"
#include "desktop/platform/QtTextMetrics.h"
#include "desktop/platform/ReportPdf.h"

namespace quorvia {

namespace {

// Composes the report of the work file in `state`; false when the work file could not be read.
bool Compose(ReportDocument& document, AppState& state, Ui& ui, int16_t reportKind,
             int16_t rowCount) {
    PdfPrinterService printers;
    ReportComposer composer(state, ui, printers, document);
    composer.ReportKind = reportKind;
    composer.RowCount = rowCount;
    composer.ComposeReport();
    return !composer.Failed;
}

}  // namespace

std::optional<RunError> WriteSchedulePdf(const std::filesystem::path& path, AppState& state, Ui& ui,
                                         int16_t reportKind, int16_t rowCount) {
    QtTextMetrics metrics;
    ReportDocument document(metrics);
    if (!Compose(document, state, ui, reportKind, rowCount)) {
        return RunError{error_number::kFileNotFound, "Unable to locate temporary report file."};
    }
    return WriteReportPdf(document, path);
}

std::optional<RunError> PrintSchedule(const BatchPrint& print, AppState& state, Ui& ui,
                                      int16_t reportKind, int16_t rowCount, bool& printed) {
    printed = false;
    QtTextMetrics metrics;
    ReportDocument document(metrics);
    if (!Compose(document, state, ui, reportKind, rowCount)) {
        return RunError{error_number::kFileNotFound, "Unable to locate temporary report file."};
    }
    QtReportPrinter output;
    output.SetDevice(print.queue, "CUPS:");
    int error = PrintComposedReport(ui, document, output, print.choice);
    if (error != print_error::kNone) {
        output.EndDoc();
        ReportPrintFailure(ui, error);
        return std::nullopt;
    }
    printed = true;
    return std::nullopt;
}

}  // namespace quorvia
