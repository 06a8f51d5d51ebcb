#pragma once
// The printers the program can report to. The desktop program reaches the system's print
// queues and a built-in printer that writes PDF files; tests supply their own.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/printing/PageSetup.h"

namespace quorvia {

struct PrinterInfo {
    std::string device;
    std::string driver;
    std::string port;
};

// The printer identity as the preferences keep it: device, driver and port joined by commas.
std::string PrinterIdentity(const PrinterInfo& printer);
// The text before the first comma; empty when blank or when that comma is missing or first.
std::string PrinterDeviceOf(std::string_view identity);
// The text after the second comma; empty when blank or when there is no second comma.
std::string PrinterPortOf(std::string_view identity);

// The built-in printer that writes PDF files.
PrinterInfo PdfPrinter();
// Whether a printer identity names the built-in PDF printer (blanks and case aside).
bool IsPdfPrinterIdentity(std::string_view identity);

class PrinterService {
  public:
    virtual ~PrinterService() = default;

    // The current printer, or nothing when there is none.
    virtual std::optional<PrinterInfo> CurrentPrinter() = 0;
    virtual std::vector<PrinterInfo> Printers() = 0;
    // Makes a listed printer the current one; false when that fails.
    virtual bool MakeCurrent(const PrinterInfo& printer) = 0;
    // Whether the current printer can print with the named font.
    virtual bool HasFont(std::string_view fontName) = 0;
    // Font families the current printer offers.
    virtual std::vector<std::string> Fonts() = 0;
    // The paper reports are laid out on until the person chooses another: the system's.
    virtual int16_t DefaultPaperSize() { return LocalePaperSize(); }
};

// The identity of the current printer; empty when there is none.
std::string CurrentPrinterIdentity(PrinterService& printers);

}  // namespace quorvia
