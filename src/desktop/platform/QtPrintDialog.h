#pragma once
// The printer dialogs on Qt: the default printer (the system's default queue, else the
// built-in PDF printer), the printer setup dialog and QPrintDialog with its page range. The
// print dialog's "Print to File (PDF)" is the built-in PDF printer; opened on it, the dialog
// proposes the file the request names, and the file name confirmed there (the dialog asks
// before replacing a file) is the one its next job writes.

#include <QString>
#include <QWidget>
#include <functional>
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
    // The full path of the PDF file the last print dialog proposed.
    std::string ProposedPdfFile() const;

  private:
    std::optional<PrintDialogResult> DefaultPrinter();
    std::optional<PrintDialogResult> PrinterSetup(const PrintDialogRequest& request);
    std::optional<PrintDialogResult> PrintDialog(const PrintDialogRequest& request);
    PrintDialogResult ResultFor(const DeviceMode& mode);
    DeviceMode Opening(const PrintDialogRequest& request);

    PrinterService& printers_;
    std::string proposedPdfFile_;
    std::string pendingPdfFile_;
};

// A proposed PDF file as a full path: a bare name stands in the person's documents folder (their
// home folder when they have none); without a proposal, the detailed report's name.
QString PdfFilePath(const std::string& proposed);

// Asks for the PDF file the built-in printer writes, proposing `proposed`; empty when the person
// cancelled.
std::string AskPdfFile(QWidget* parent, const std::string& proposed);

// The file the built-in PDF printer writes for the next job: the one the last print dialog
// confirmed, else asked for then.
std::function<std::string()> PdfFileAsker(QtPrintDialog& dialogs, QWidget* parent);

}  // namespace quorvia
