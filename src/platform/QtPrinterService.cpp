#include "platform/QtPrinterService.h"

#include <QFontDatabase>
#include <QPrinterInfo>
#include <QString>
#include <algorithm>

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

// Fonts the program asks for by their Windows names and the metric-compatible families that
// stand in for them here.
std::string StandIn(std::string_view fontName) {
    if (fontName == "Times New Roman") {
        return "Liberation Serif";
    }
    if (fontName == "Arial") {
        return "Liberation Sans";
    }
    if (fontName == "Courier New") {
        return "Liberation Mono";
    }
    return {};
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
    QString name = QString::fromUtf8(fontName.data(), static_cast<qsizetype>(fontName.size()));
    if (QFontDatabase::hasFamily(name)) {
        return true;
    }
    std::string standIn = StandIn(fontName);
    return !standIn.empty() && QFontDatabase::hasFamily(QString::fromStdString(standIn));
}

std::vector<std::string> QtPrinterService::Fonts() {
    std::vector<std::string> fonts;
    for (const QString& family : QFontDatabase::families()) {
        fonts.push_back(family.toStdString());
    }
    return fonts;
}

}  // namespace quorvia
