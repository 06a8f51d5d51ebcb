#include "platform/PdfPrinterService.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>

namespace quorvia {

bool PdfPrinterService::MakeCurrent(const PrinterInfo& printer) {
    return PrinterIdentity(printer) == PrinterIdentity(PdfPrinter());
}

bool PdfPrinterService::HasFont(std::string_view fontName) {
    // "Times New Roman" is drawn with its metric twin when the font itself is missing.
    return fontName == "Times New Roman" ||
           QFontDatabase::hasFamily(QString::fromUtf8(fontName.data(), fontName.size()));
}

std::vector<std::string> PdfPrinterService::Fonts() {
    std::vector<std::string> fonts;
    for (const QString& family : QFontDatabase::families()) {
        fonts.push_back(family.toStdString());
    }
    return fonts;
}

}  // namespace quorvia
