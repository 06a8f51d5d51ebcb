#pragma once
// Printing a composed report: the printer side of the report control (the device it prints
// on, copies, collation, printing one page or the whole document) and the printing steps the
// preview window and the batch tool share: collation and copies with their notes when the
// printer cannot do them, a page range page by page or the whole document, and the message
// when printing fails.

#include <functional>
#include <string>

#include "core/base/Ui.h"
#include "core/printing/PDialog.h"
#include "core/printing/PrinterService.h"
#include "core/reports/ReportDocument.h"

namespace quorvia {

// The error codes of printing.
namespace print_error {
inline constexpr int kNone = 0;
inline constexpr int kPrinterUnknown = 3;    // no such printer
inline constexpr int kCannotStart = 4;       // the printer refused the document
inline constexpr int kCannotAddPage = 6;     // the printer refused a page
inline constexpr int kNotSupported = 7;      // collation or copies
inline constexpr int kJobNotDelivered = 12;  // the finished job did not reach the printer
}  // namespace print_error

// The device a report is printed on. Pages printed one by one go into one job, which is
// delivered by FinishJob; PrintDocument delivers the whole document as one job. The job's
// paper and orientation are those of the document's pages.
class ReportPrintOutput {
  public:
    virtual ~ReportPrintOutput() = default;

    // The printer the report is printed on: its device and port.
    virtual void SetDevice(const std::string& device, const std::string& port) = 0;
    virtual std::string DeviceName() const = 0;
    // Collation and copies; each returns the error code, kNotSupported when the printer cannot.
    virtual int SetCollate(bool collate) = 0;
    virtual int SetCopies(int copies) = 0;
    // Shows the caption while page `number` is added to the job.
    virtual int PrintPage(const ReportDocument& document, int number,
                          const std::string& caption) = 0;
    virtual int FinishJob() = 0;
    // Prints every page of the document as one job.
    virtual int PrintDocument(const ReportDocument& document) = 0;
    // Ends the current document: a job not finished is dropped.
    virtual void EndDoc() = 0;
};

// What the print dialog asked for.
struct PrintChoice {
    int copies = 1;
    bool collate = false;
    bool allPages = true;
    int fromPage = 0;
    int toPage = 0;
};

// Collation, then copies, each falling back to what the printer can do with a note; for a page
// the program draws itself. Returns the error code.
int ApplyCollationAndCopies(Ui& ui, ReportPrintOutput& output, const PrintChoice& choice);

// Steps 5 to 7 of printing: collation, copies, then the page range page by page (the preview
// page following each printed page and put back afterwards) or the whole document. Returns the
// error code; 0 when the report was printed.
int PrintComposedReport(Ui& ui, ReportDocument& document, ReportPrintOutput& output,
                        const PrintChoice& choice);

// Tells the person that printing failed with the error code.
void ReportPrintFailure(Ui& ui, int errorCode);

// Prints a page of one's own (the disclosure, the comparison): the print dialog without a page
// range, proposing one copy and `proposedPdf` for the built-in PDF printer; then, on the printer
// it leaves and under the hourglass, `print` with the copies and collation chosen, which returns
// an error code. A cancelled dialog or a failure ends the job; a failure is reported.
void PrintOwnPage(Ui& ui, PrinterService& printers, SharedPDialog& printDialog,
                  ReportPrintOutput& output, const std::string& proposedPdf,
                  const std::function<int(const PrintChoice&)>& print);

}  // namespace quorvia
