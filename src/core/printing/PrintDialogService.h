#pragma once
// The platform's printer dialog, as PDialog calls it: one request in, the person's choice (or a
// failure with its extended error code) out. One call serves the three forms of the dialog:
// the default printer without showing anything, the printer setup dialog and the print dialog.

#include <cstdint>
#include <optional>
#include <string>

#include "core/printing/PageSetup.h"

namespace quorvia {

// Printer dialog flags.
inline constexpr uint32_t kPdAllPages = 0x0;
inline constexpr uint32_t kPdPageNums = 0x2;    // the person chose a page range
inline constexpr uint32_t kPdNoPageNums = 0x8;  // no page range is offered
inline constexpr uint32_t kPdCollate = 0x10;
inline constexpr uint32_t kPdPrintSetup = 0x40;      // the printer setup dialog
inline constexpr uint32_t kPdReturnDefault = 0x400;  // the default printer, nothing shown

// The settings of one printer that travel with every printer dialog.
struct DeviceMode {
    std::string deviceName;
    int16_t orientation = kOrientPortrait;
    int16_t paperSize = kPaperLetter;
    int16_t copies = 1;
    bool collate = false;

    bool operator==(const DeviceMode&) const = default;
};

// Which printer: its device name, driver and port.
struct DeviceNames {
    std::string driver;
    std::string device;
    std::string port;

    bool operator==(const DeviceNames&) const = default;
};

struct PrintDialogRequest {
    uint32_t flags = 0;
    // The printer and settings the dialog opens on; nothing opens it on the system's default.
    std::optional<DeviceMode> devMode;
    std::optional<DeviceNames> devNames;
    int fromPage = 0;
    int toPage = 0;
    int minPage = 0;
    int maxPage = 0;
    int copies = 1;
    // The file the built-in PDF printer proposes in the print dialog; a bare name stands in
    // the person's documents folder.
    std::string pdfFileName;
};

struct PrintDialogResult {
    uint32_t flags = 0;
    DeviceMode devMode;
    DeviceNames devNames;
    int fromPage = 0;
    int toPage = 0;
    int copies = 1;
};

class PrintDialogService {
  public:
    virtual ~PrintDialogService() = default;
    // The person's choice, or nothing when the dialog was cancelled or failed; then
    // `extendedError` holds the dialog's extended error code, 0 for a cancel.
    virtual std::optional<PrintDialogResult> PrintDlg(const PrintDialogRequest& request,
                                                      uint32_t& extendedError) = 0;
};

}  // namespace quorvia
