#pragma once
// The printers of a run that draws nothing (a CSV file, a summary, a portfolio): the built-in PDF
// printer, so that the preferences load as they do for a run that draws, without asking the
// system for fonts or paper. Nothing is laid out, so any font the preferences name will do, and
// the paper is the locale's, as it is for a drawing run when no print queue names one.

#include "core/printing/PrinterService.h"

namespace quorvia {

class NonDrawingPrinters : public PrinterService {
  public:
    std::optional<PrinterInfo> CurrentPrinter() override { return PdfPrinter(); }
    std::vector<PrinterInfo> Printers() override { return {PdfPrinter()}; }
    bool MakeCurrent(const PrinterInfo&) override { return true; }
    bool HasFont(std::string_view) override { return true; }
    std::vector<std::string> Fonts() override { return {}; }
};

}  // namespace quorvia
