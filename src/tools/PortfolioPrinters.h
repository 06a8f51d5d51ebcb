#pragma once
// The printers of a run that draws nothing (a portfolio): the built-in PDF printer, so that the
// preferences load as they do for `schedule`, without asking the system for fonts or paper.
// Nothing is laid out, so any font the preferences name will do.

#include "core/printing/PrinterService.h"

namespace quorvia {

class PortfolioPrinters : public PrinterService {
  public:
    std::optional<PrinterInfo> CurrentPrinter() override { return PdfPrinter(); }
    std::vector<PrinterInfo> Printers() override { return {PdfPrinter()}; }
    bool MakeCurrent(const PrinterInfo&) override { return true; }
    bool HasFont(std::string_view) override { return true; }
    std::vector<std::string> Fonts() override { return {}; }
};

}  // namespace quorvia
