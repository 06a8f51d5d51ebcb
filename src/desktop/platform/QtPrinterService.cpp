#include "desktop/platform/QtPrinterService.h"

#include <QPrinterInfo>
#include <QString>
#include <algorithm>

#include "desktop/platform/PaperSizes.h"
#include "desktop/platform/ReportFontFamilies.h"

namespace quorvia {

namespace {

// A printer identity joins its three parts with commas, so none of them may hold one.
std::string WithoutCommas(const QString& text) {
    QString cleaned = text;
    cleaned.replace(',', ' ');
    return cleaned.trimmed().toStdString();
}

PrinterInfo InfoOf(const QPrinterInfo& queue) {
    std::string model = WithoutCommas(queue.makeAndModel());
    return {WithoutCommas(queue.printerName()), model.empty() ? "cups" : model, "CUPS:"};
}

bool SameIdentity(const PrinterInfo& a, const PrinterInfo& b) {
    return PrinterIdentity(a) == PrinterIdentity(b);
}

}  // namespace

QtPrinterService::QtPrinterService() : current_(PdfPrinter()) {
    QPrinterInfo queue = QPrinterInfo::defaultPrinter();
    if (!queue.isNull()) {
        current_ = InfoOf(queue);
    }
}

std::vector<PrinterInfo> QtPrinterService::Printers() {
    std::vector<PrinterInfo> printers;
    for (const QPrinterInfo& queue : QPrinterInfo::availablePrinters()) {
        printers.push_back(InfoOf(queue));
    }
    printers.push_back(PdfPrinter());
    return printers;
}

bool QtPrinterService::MakeCurrent(const PrinterInfo& printer) {
    std::vector<PrinterInfo> printers = Printers();
    auto listed = std::find_if(printers.begin(), printers.end(),
                               [&](const PrinterInfo& p) { return SameIdentity(p, printer); });
    if (listed == printers.end()) {
        return false;
    }
    current_ = *listed;
    return true;
}

bool QtPrinterService::HasFont(std::string_view fontName) {
    return ReportFontAvailable(fontName);
}

std::vector<std::string> QtPrinterService::Fonts() {
    return ReportFontFamilies();
}

int16_t QtPrinterService::DefaultPaperSize() {
    return SystemPaperSize();
}

}  // namespace quorvia
