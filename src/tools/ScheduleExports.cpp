#include "tools/ScheduleExports.h"

#include <cstdio>
#include <fstream>

#include "base/Dates.h"
#include "platform/PdfPrinterService.h"
#include "platform/QtTextMetrics.h"
#include "platform/ReportPdf.h"
#include "reports/ReportComposer.h"
#include "reports/ReportDocument.h"

namespace quorvia {

namespace {

std::string Plain(double amount) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", amount);
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
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return RunError{error_number::kPathFileAccess, "Cannot create " + path.string()};
    }
    out << "number,due_date,payment,interest,principal,balance\r\n";
    for (const PaymentRow& row : rows) {
        out << row.number << ',' << IsoDate(row.dueDate) << ',' << Plain(row.payment) << ','
            << Plain(row.interest) << ',' << Plain(row.principal) << ',' << Plain(row.balance)
            << "\r\n";
    }
    out.flush();
    if (!out) {
        return RunError{error_number::kPathFileAccess, "Cannot write " + path.string()};
    }
    return std::nullopt;
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
    if (composer.Tag == "ERROR") {
        return RunError{error_number::kFileNotFound, "Unable to locate temporary report file."};
    }
    return WriteReportPdf(document, path);
}

}  // namespace quorvia
