#pragma once
// PDialog, the printer dialogs the forms use: the default printer, the printer setup dialog and
// the print dialog with a page range. Every confirmed dialog sets the print values the printing
// code reads and makes the chosen printer the system printer. The program keeps one PDialog for
// the whole run (SharedPDialog); creating it learns the default printer, or asks for one.

#include <cstdint>
#include <optional>
#include <string>

#include "core/base/Ui.h"
#include "core/printing/PrintDialogService.h"
#include "core/printing/PrinterService.h"

namespace quorvia {

// Set by every confirmed printer dialog.
struct PrintValues {
    int PrintFromPage = 0;
    int PrintToPage = 0;
    int32_t PrintCopies = 1;
    bool PrintAllPages = true;
    bool PrintCollate = false;
};

class PDialog {
  public:
    // Learns the default printer; when there is none, says so and offers the printer setup
    // dialog. `printOrientation` and `printPaperSize` are the program's page set-up, handed to
    // and taken from every printer dialog.
    PDialog(Ui& ui, PrinterService& printers, PrintDialogService& dialogs,
            int16_t& printOrientation, int16_t& printPaperSize);

    // The copy count the print dialog opens with; after a confirmed dialog, the copies chosen.
    int32_t Copies = 1;
    // When true a confirmed dialog makes the chosen printer the system printer.
    bool PrinterDefault = true;
    // The file the print dialog proposes when it prints to the built-in PDF printer.
    std::string PdfFileName;

    // kPdReturnDefault learns the default printer without showing anything, kPdPrintSetup shows
    // the printer setup dialog, any other flags the print dialog without a page range. True when
    // the person confirmed; `lFlags` then holds the flags the dialog returned. A failed dialog
    // is reported, a cancelled one is silent.
    bool SelectPrinter(uint32_t& lFlags);
    // The print dialog over pages `minpg` to `maxpg`, opening on `frompg` to `topg` (a range
    // with `topg` below `frompg` offers no page range); a confirmed dialog leaves the chosen
    // range in them.
    bool SelectPrinter(uint32_t& lFlags, int& frompg, int& topg, int minpg, int maxpg);

    const PrintValues& Values() const { return values_; }
    // The printer of the last confirmed dialog.
    const std::string& DeviceName() const { return deviceName_; }
    const std::string& DriverName() const { return driverName_; }
    const std::string& Port() const { return port_; }
    bool Initialized() const { return initialized_; }

  private:
    struct PageRange {
        int& from;
        int& to;
        int min;
        int max;
    };

    bool Select(uint32_t& lFlags, std::optional<PageRange> range);
    PrintDialogRequest Request(uint32_t lFlags, const std::optional<PageRange>& range);
    void Keep(const PrintDialogResult& result, bool takePageSetup);
    void MakeSystemPrinter(const std::string& device);

    Ui& ui_;
    PrinterService& printers_;
    PrintDialogService& dialogs_;
    int16_t& printOrientation_;
    int16_t& printPaperSize_;
    PrintValues values_;
    std::optional<DeviceMode> devMode_;
    std::optional<DeviceNames> devNames_;
    std::string deviceName_;
    std::string driverName_;
    std::string port_;
    bool initialized_ = false;
};

// The program's one PDialog, created on first use and kept for the run.
class SharedPDialog {
  public:
    SharedPDialog(Ui& ui, PrinterService& printers, PrintDialogService& dialogs,
                  int16_t& printOrientation, int16_t& printPaperSize)
        : ui_(ui),
          printers_(printers),
          dialogs_(dialogs),
          printOrientation_(printOrientation),
          printPaperSize_(printPaperSize) {}

    PDialog& Get() {
        if (!dialog_) {
            dialog_.emplace(ui_, printers_, dialogs_, printOrientation_, printPaperSize_);
        }
        return *dialog_;
    }
    bool Created() const { return dialog_.has_value(); }
    void Release() { dialog_.reset(); }

  private:
    Ui& ui_;
    PrinterService& printers_;
    PrintDialogService& dialogs_;
    int16_t& printOrientation_;
    int16_t& printPaperSize_;
    std::optional<PDialog> dialog_;
};

}  // namespace quorvia
