#include "tools/ScheduleExports.h"

#include <cstdio>

#include "core/base/AtomicFile.h"
#include "core/base/Dates.h"
#include "core/reports/ReportComposer.h"
#include "core/reports/ReportDocument.h"
#include "desktop/platform/PdfPrinterService.h"
#include "desktop/platform/QtTextMetrics.h"
#include "desktop/platform/ReportPdf.h"

namespace quorvia {

namespace {

// Every digit of the amount, however large: the text is sized to the number.
std::string Plain(double amount) {
    int length = std::snprintf(nullptr, 0, "%.2f", amount);
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, "%.2f", amount);
    return text;
}

std::string IsoDate(Date date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", YearOf(date), MonthOf(date), DayOf(date));
    return text;
}

}  // namespace

std::optional<RunError> WriteScheduleCsv(const std::filesystem::path& path,
                                         const std::vector<PaymentRow>& rows) {
    std::string csv = "number,due_date,payment,interest,principal,balance\r\n";
    for (const PaymentRow& row : rows) {
        csv += std::to_string(row.number) + ',' + IsoDate(row.dueDate) + ',' + Plain(row.payment) +
               ',' + Plain(row.interest) + ',' + Plain(row.principal) + ',' + Plain(row.balance) +
               "\r\n";
    }
    return WriteFileAtomically(path, csv);
}

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
