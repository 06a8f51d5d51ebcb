#pragma once
// A printer service for tests: the installed printers, the current one, the fonts and the
// default paper are whatever the test sets; MakeCurrent succeeds or fails as told and records every
// call.

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/printing/PrinterService.h"

namespace quorvia {

class FakePrinterService : public PrinterService {
  public:
    FakePrinterService() = default;
    // The given printers, the first of them current.
    explicit FakePrinterService(std::vector<PrinterInfo> installed)
        : printers(std::move(installed)) {
        if (!printers.empty()) {
            current = printers.front();
        }
    }

    std::optional<PrinterInfo> CurrentPrinter() override { return current; }
    std::vector<PrinterInfo> Printers() override { return printers; }

    bool MakeCurrent(const PrinterInfo& printer) override {
        madeCurrent.push_back(printer);
        if (makeCurrentSucceeds) {
            current = printer;
        }
        return makeCurrentSucceeds;
    }

    bool HasFont(std::string_view fontName) override {
        return std::find(fonts.begin(), fonts.end(), fontName) != fonts.end();
    }
    std::vector<std::string> Fonts() override { return fonts; }
    int16_t DefaultPaperSize() override { return defaultPaperSize; }

    std::vector<PrinterInfo> printers;
    std::optional<PrinterInfo> current;
    std::vector<std::string> fonts{"Times New Roman", "Arial", "Courier New"};
    bool makeCurrentSucceeds = true;
    int16_t defaultPaperSize = kPaperLetter;
    std::vector<PrinterInfo> madeCurrent;  // every MakeCurrent call, in order
};

}  // namespace quorvia
