#pragma once
// The system's print queues (CUPS, through Qt) and the built-in PDF printer, which is always
// there so that a machine without print queues still starts, previews and prints.

#include "core/printing/PrinterService.h"

namespace quorvia {

class QtPrinterService : public PrinterService {
  public:
    // Starts with the system's default queue current, or the PDF printer without one.
    QtPrinterService();

    std::optional<PrinterInfo> CurrentPrinter() override { return current_; }
    std::vector<PrinterInfo> Printers() override;
    bool MakeCurrent(const PrinterInfo& printer) override;
    bool HasFont(std::string_view fontName) override;
    std::vector<std::string> Fonts() override;
    int16_t DefaultPaperSize() override;

  private:
    PrinterInfo current_;
};

}  // namespace quorvia
