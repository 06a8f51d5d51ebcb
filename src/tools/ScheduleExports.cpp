#include "tools/ScheduleExports.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <fstream>

#include "base/Dates.h"
#include "platform/QtTextMetrics.h"
#include "platform/ReportPdf.h"
#include "printing/PrinterService.h"
#include "reports/ReportComposer.h"
#include "reports/ReportDocument.h"

namespace quorvia {

namespace {

// The batch tool prints on the built-in PDF printer only, with every font Qt can find.
class PdfPrinterService : public PrinterService {
  public:
    std::optional<PrinterInfo> CurrentPrinter() override { return PdfPrinter(); }
    std::vector<PrinterInfo> Printers() override { return {PdfPrinter()}; }
    bool MakeCurrent(const PrinterInfo& printer) override {
        return PrinterIdentity(printer) == PrinterIdentity(PdfPrinter());
    }
    bool HasFont(std::string_view fontName) override {
        return QFontDatabase::hasFamily(QString::fromUtf8(fontName.data(), fontName.size())) ||
               fontName == "Times New Roman";
    }
    std::vector<std::string> Fonts() override {
        std::vector<std::string> fonts;
        for (const QString& family : QFontDatabase::families()) {
            fonts.push_back(family.toStdString());
        }
        return fonts;
    }
};

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
