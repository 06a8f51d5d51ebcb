#include "core/printing/PrinterService.h"

#include "core/base/Text.h"

namespace quorvia {

std::string PrinterIdentity(const PrinterInfo& printer) {
    return printer.device + "," + printer.driver + "," + printer.port;
}

std::string PrinterDeviceOf(std::string_view identity) {
    std::size_t comma = identity.find(',');
    if (TrimView(identity).empty() || comma == std::string_view::npos || comma == 0) {
        return {};
    }
    return std::string(identity.substr(0, comma));
}

std::string PrinterPortOf(std::string_view identity) {
    std::size_t first = identity.find(',');
    std::size_t second = first == std::string_view::npos ? first : identity.find(',', first + 1);
    if (TrimView(identity).empty() || second == std::string_view::npos) {
        return {};
    }
    return std::string(identity.substr(second + 1));
}

PrinterInfo PdfPrinter() {
    return {"PDF", "pdf", "FILE:"};
}

bool IsPdfPrinterIdentity(std::string_view identity) {
    return UpperCase(Trim(identity)) == UpperCase(PrinterIdentity(PdfPrinter()));
}

std::string CurrentPrinterIdentity(PrinterService& printers) {
    std::optional<PrinterInfo> current = printers.CurrentPrinter();
    return current ? PrinterIdentity(*current) : std::string();
}

}  // namespace quorvia
