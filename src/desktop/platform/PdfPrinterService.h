#pragma once
// The printers of a program that only writes PDF files (the batch tool): the built-in PDF
// printer, with every font Qt can find, on the system's paper.

#include "core/printing/PrinterService.h"

namespace quorvia {

class PdfPrinterService : public PrinterService {
  public:
    std::optional<PrinterInfo> CurrentPrinter() override { return PdfPrinter(); }
    std::vector<PrinterInfo> Printers() override { return {PdfPrinter()}; }
    bool MakeCurrent(const PrinterInfo& printer) override;
    bool HasFont(std::string_view fontName) override;
    std::vector<std::string> Fonts() override;
    int16_t DefaultPaperSize() override;
};

}  // namespace quorvia
