#include "desktop/platform/PdfPrinterService.h"

#include "desktop/platform/PaperSizes.h"
#include "desktop/platform/ReportFontFamilies.h"

namespace quorvia {

bool PdfPrinterService::MakeCurrent(const PrinterInfo& printer) {
    return PrinterIdentity(printer) == PrinterIdentity(PdfPrinter());
}

bool PdfPrinterService::HasFont(std::string_view fontName) {
    return ReportFontAvailable(fontName);
}

std::vector<std::string> PdfPrinterService::Fonts() {
    return ReportFontFamilies();
}

int16_t PdfPrinterService::DefaultPaperSize() {
    return SystemPaperSize();
}

}  // namespace quorvia
