#include "tools/draw/QtReportDrawing.h"

#include <QPrinterInfo>
#include <QStringList>

#include "core/reports/ReportComposer.h"
#include "core/reports/ReportDocument.h"
#include "desktop/platform/QtReportPrinter.h"
#include "desktop/platform/QtTextMetrics.h"
#include "desktop/platform/ReportPdf.h"

namespace quorvia {

namespace {

std::unique_ptr<QGuiApplication> StartQt() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "quorvia-batch";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

// Composes the report of the work file in `state`; false when the work file could not be read.
bool Compose(ReportDocument& document, AppState& state, Ui& ui, PrinterService& printers,
             int16_t reportKind, int16_t rowCount) {
    ReportComposer composer(state, ui, printers, document);
    composer.ReportKind = reportKind;
    composer.RowCount = rowCount;
    composer.ComposeReport();
    return !composer.Failed;
}

}  // namespace

QtReportDrawing::QtReportDrawing() : qt_(StartQt()) {}

std::string QtReportDrawing::UnknownQueueError(const std::string& queue) {
    QStringList queues = QPrinterInfo::availablePrinterNames();
    if (queues.contains(QString::fromStdString(queue))) {
        return {};
    }
    std::string known = queues.isEmpty()
                            ? std::string("there are no print queues")
                            : "the print queues are: " + queues.join(", ").toStdString();
    return "no print queue is named \"" + queue + "\"; " + known;
}

std::optional<RunError> QtReportDrawing::WritePdf(const std::filesystem::path& path,
                                                  AppState& state, Ui& ui, int16_t reportKind,
                                                  int16_t rowCount) {
    QtTextMetrics metrics;
    ReportDocument document(metrics);
    if (!Compose(document, state, ui, printers_, reportKind, rowCount)) {
        return RunError{error_number::kFileNotFound, "Unable to locate temporary report file."};
    }
    return WriteReportPdf(document, path);
}

std::optional<RunError> QtReportDrawing::Print(const BatchPrint& print, AppState& state, Ui& ui,
                                               int16_t reportKind, int16_t rowCount,
                                               bool& printed) {
    printed = false;
    QtTextMetrics metrics;
    ReportDocument document(metrics);
    if (!Compose(document, state, ui, printers_, reportKind, rowCount)) {
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

std::unique_ptr<ReportDrawing> StartQtReportDrawing() {
    return std::make_unique<QtReportDrawing>();
}

}  // namespace quorvia
