#pragma once
// The printer dialogs on Qt: the default printer (the system's default queue, else the
// built-in PDF printer), the printer setup dialog and QPrintDialog with its page range. The
// print dialog's "Print to File (PDF)" is the built-in PDF printer; the file name typed there
// is the one its next job writes.

#include <QWidget>
#include <string>

#include "core/printing/PrintDialogService.h"
#include "core/printing/PrinterService.h"

namespace quorvia {

class QtPrintDialog : public PrintDialogService {
  public:
    explicit QtPrintDialog(PrinterService& printers) : printers_(printers) {}

    std::optional<PrintDialogResult> PrintDlg(const PrintDialogRequest& request,
                                              uint32_t& extendedError) override;

    // The PDF file chosen in the last print dialog, handed over once; empty when none was.
    std::string TakePdfFileName();

  private:
    std::optional<PrintDialogResult> DefaultPrinter();
    std::optional<PrintDialogResult> PrinterSetup(const PrintDialogRequest& request);
    std::optional<PrintDialogResult> PrintDialog(const PrintDialogRequest& request);
    PrintDialogResult ResultFor(const DeviceMode& mode);
    DeviceMode Opening(const PrintDialogRequest& request);

    PrinterService& printers_;
    std::string lastPdfFile_;
    std::string pendingPdfFile_;
};

// Asks for the PDF file the built-in printer writes; empty when the person cancelled.
std::string AskPdfFile(QWidget* parent);

}  // namespace quorvia
