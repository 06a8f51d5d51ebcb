#include "tools/ScheduleExports.h"

#include "core/reports/ReportComposer.h"
#include "core/reports/ReportDocument.h"
#include "desktop/platform/PdfPrinterService.h"
#include "desktop/platform/QtTextMetrics.h"
#include "desktop/platform/ReportPdf.h"

namespace quorvia {

std::optional<RunError> WriteSchedulePdf(const std::filesystem::path& path, AppState& state, Ui& ui,
                                         int16_t reportKind, int16_t rowCount) {
    QtTextMetrics metrics;
    ReportDocument document(metrics);
    PdfPrinterService printers;
    ReportComposer composer(state, ui, printers, document);
    composer.ReportKind = reportKind;
    composer.RowCount = rowCount;
    composer.ComposeReport();
    if (composer.Failed) {
        return RunError{error_number::kFileNotFound, "Unable to locate temporary report file."};
    }
    return WriteReportPdf(document, path);
}

}  // namespace quorvia
