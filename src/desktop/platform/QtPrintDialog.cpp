#include "desktop/platform/QtPrintDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include "core/reports/ReportFileName.h"
#include "desktop/platform/ModalDialog.h"
#include "desktop/platform/PaperSizes.h"
#include "desktop/platform/PrintSetupDialog.h"

namespace quorvia {

namespace {

bool IsPdfPrinter(const std::string& device) {
    return device == PdfPrinter().device;
}

// The folder for a proposed file without one: the person's documents folder, else home.
QString DocumentsFolder() {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

}  // namespace

QString PdfFilePath(const std::string& proposed) {
    const QString name =
        QString::fromStdString(proposed.empty() ? ReportPdfName("", kColumnarNoGrid) : proposed);
    return QDir::isAbsolutePath(name) ? name : QDir(DocumentsFolder()).filePath(name);
}

std::optional<PrintDialogResult> QtPrintDialog::PrintDlg(const PrintDialogRequest& request,
                                                         uint32_t& extendedError) {
    // Qt's dialogs fail only by being cancelled.
    extendedError = 0;
    if (request.flags & kPdReturnDefault) {
        return DefaultPrinter();
    }
    if (request.flags & kPdPrintSetup) {
        return PrinterSetup(request);
    }
    return PrintDialog(request);
}

std::string QtPrintDialog::ProposedPdfFile() const {
    return PdfFilePath(proposedPdfFile_).toStdString();
}

std::string QtPrintDialog::TakePdfFileName() {
    return std::exchange(pendingPdfFile_, std::string());
}

PrintDialogResult QtPrintDialog::ResultFor(const DeviceMode& mode) {
    PrintDialogResult result;
    result.devMode = mode;
    result.devNames = {"", mode.deviceName, ""};
    for (const PrinterInfo& printer : printers_.Printers()) {
        if (printer.device == mode.deviceName) {
            result.devNames = {printer.driver, printer.device, printer.port};
        }
    }
    result.copies = mode.copies;
    return result;
}

std::optional<PrintDialogResult> QtPrintDialog::DefaultPrinter() {
    DeviceMode mode;
    QPrinterInfo queue = QPrinterInfo::defaultPrinter();
    mode.deviceName = queue.isNull() ? PdfPrinter().device : queue.printerName().toStdString();
    if (!queue.isNull()) {
        mode.paperSize = PaperCodeOf(queue.defaultPageSize());
    }
    return ResultFor(mode);
}

DeviceMode QtPrintDialog::Opening(const PrintDialogRequest& request) {
    if (request.devMode) {
        return *request.devMode;
    }
    DeviceMode mode;
    std::optional<PrinterInfo> current = printers_.CurrentPrinter();
    mode.deviceName = current ? current->device : PdfPrinter().device;
    return mode;
}

std::optional<PrintDialogResult> QtPrintDialog::PrinterSetup(const PrintDialogRequest& request) {
    PrintSetupDialog dialog(printers_.Printers(), Opening(request), QApplication::activeWindow());
    if (RunModal(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    PrintDialogResult result = ResultFor(dialog.Choice());
    result.flags = request.flags;
    return result;
}

std::optional<PrintDialogResult> QtPrintDialog::PrintDialog(const PrintDialogRequest& request) {
    const DeviceMode opening = Opening(request);
    proposedPdfFile_ = request.pdfFileName;
    QPrinter printer(QPrinter::HighResolution);
    if (IsPdfPrinter(opening.deviceName)) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(PdfFilePath(proposedPdfFile_));
    } else {
        printer.setPrinterName(QString::fromStdString(opening.deviceName));
    }
    printer.setPageSize(QPageSizeOf(opening.paperSize));
    printer.setPageOrientation(OrientationOf(opening.orientation));
    printer.setCopyCount(std::max(1, request.copies));

    QPrintDialog dialog(&printer, QApplication::activeWindow());
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile |
                                                       QAbstractPrintDialog::PrintCollateCopies |
                                                       QAbstractPrintDialog::PrintShowPageSize;
    if ((request.flags & kPdNoPageNums) == 0) {
        options |= QAbstractPrintDialog::PrintPageRange;
        dialog.setMinMax(request.minPage, request.maxPage);
        printer.setFromTo(request.fromPage, request.toPage);
    }
    dialog.setOptions(options);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    if (RunModal(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }

    DeviceMode chosen;
    const bool toPdf = printer.outputFormat() == QPrinter::PdfFormat;
    chosen.deviceName = toPdf ? PdfPrinter().device : printer.printerName().toStdString();
    chosen.paperSize = PaperCodeOf(printer.pageLayout().pageSize());
    chosen.orientation = OrientationCodeOf(printer.pageLayout().orientation());
    chosen.copies = static_cast<int16_t>(printer.copyCount());
    chosen.collate = printer.collateCopies();
    if (toPdf) {
        pendingPdfFile_ = printer.outputFileName().toStdString();
    }
    PrintDialogResult result = ResultFor(chosen);
    if (toPdf) {
        const PrinterInfo pdf = PdfPrinter();
        result.devNames = {pdf.driver, pdf.device, pdf.port};
    }
    const bool range = printer.printRange() == QPrinter::PageRange;
    result.flags = (range ? kPdPageNums : 0) | (chosen.collate ? kPdCollate : 0);
    result.fromPage = range ? printer.fromPage() : request.fromPage;
    result.toPage = range ? printer.toPage() : request.toPage;
    return result;
}

std::string AskPdfFile(QWidget* parent, const std::string& proposed) {
    return QFileDialog::getSaveFileName(parent, QObject::tr("Print to PDF File"),
                                        QString::fromStdString(proposed),
                                        QObject::tr("PDF files (*.pdf)"))
        .toStdString();
}

std::function<std::string()> PdfFileAsker(QtPrintDialog& dialogs, QWidget* parent) {
    return [&dialogs, parent] {
        std::string chosen = dialogs.TakePdfFileName();
        return chosen.empty() ? AskPdfFile(parent, dialogs.ProposedPdfFile()) : chosen;
    };
}

}  // namespace quorvia
