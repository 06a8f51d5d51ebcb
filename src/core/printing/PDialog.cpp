#include "core/printing/PDialog.h"

#include <algorithm>

#include "core/base/Text.h"
#include "core/printing/CmnDlgs.h"

namespace quorvia {

PDialog::PDialog(Ui& ui, PrinterService& printers, PrintDialogService& dialogs,
                 int16_t& printOrientation, int16_t& printPaperSize)
    : ui_(ui),
      printers_(printers),
      dialogs_(dialogs),
      printOrientation_(printOrientation),
      printPaperSize_(printPaperSize) {
    uint32_t flags = kPdReturnDefault;
    if (!SelectPrinter(flags)) {
        ui_.MsgBox({"Unable to retrieve Default Printer information.", "Please select a Printer...",
                    MsgButtons::Ok, MsgIcon::None});
        flags = kPdPrintSetup;
        if (!SelectPrinter(flags)) {
            ui_.MsgBox({"No Printer has been selected.  Default report settings will be used.",
                        "Cancelled", MsgButtons::Ok, MsgIcon::None});
        }
    }
    initialized_ = true;
}

bool PDialog::SelectPrinter(uint32_t& lFlags) {
    return Select(lFlags, std::nullopt);
}

bool PDialog::SelectPrinter(uint32_t& lFlags, int& frompg, int& topg, int minpg, int maxpg) {
    return Select(lFlags, PageRange{frompg, topg, minpg, maxpg});
}

bool PDialog::Select(uint32_t& lFlags, std::optional<PageRange> range) {
    PrintDialogRequest request = Request(lFlags, range);
    uint32_t extendedError = 0;
    std::optional<PrintDialogResult> result = dialogs_.PrintDlg(request, extendedError);
    if (!result) {
        ReportDialogError(ui_, extendedError);
        return false;
    }
    lFlags = result->flags;
    values_.PrintFromPage = result->fromPage;
    values_.PrintToPage = result->toPage;
    values_.PrintCopies = result->copies;
    values_.PrintAllPages = (result->flags & kPdPageNums) == 0;
    if (range) {
        range->from = result->fromPage;
        range->to = result->toPage;
    }
    Keep(*result, (request.flags & kPdReturnDefault) == 0);
    initialized_ = true;
    return true;
}

PrintDialogRequest PDialog::Request(uint32_t lFlags, const std::optional<PageRange>& range) {
    PrintDialogRequest request;
    request.flags = lFlags;
    if (initialized_) {
        request.devMode = devMode_;
        request.devNames = devNames_;
    }
    if (lFlags != kPdReturnDefault && lFlags != kPdPrintSetup) {
        if (!range || range->to < range->from) {
            request.flags |= kPdNoPageNums;
        } else {
            request.fromPage = range->from;
            request.toPage = range->to;
            request.minPage = range->min;
            request.maxPage = range->max;
        }
        request.copies = Copies;
        request.pdfFileName = PdfFileName;
    }
    if (printOrientation_ == 0) {
        printOrientation_ = kOrientPortrait;
    }
    if (printPaperSize_ == 0) {
        printPaperSize_ = kPaperLetter;
    }
    if (request.devMode) {
        request.devMode->orientation = printOrientation_;
        request.devMode->paperSize = printPaperSize_;
    }
    return request;
}

// Keeps the dialog's printer and settings for the next dialog and hands the choice on. Only a
// dialog the person saw sets the page set-up: the default printer's own paper does not replace
// the one the person chose before.
void PDialog::Keep(const PrintDialogResult& result, bool takePageSetup) {
    devMode_ = result.devMode;
    devNames_ = result.devNames;
    if (devMode_->copies > 1) {
        devMode_->copies = 1;
    }
    MakeSystemPrinter(result.devMode.deviceName);
    if (takePageSetup) {
        printOrientation_ = result.devMode.orientation;
        printPaperSize_ = result.devMode.paperSize;
    }
    values_.PrintCollate = result.devMode.collate;
    int32_t copies = std::max<int32_t>(result.copies, result.devMode.copies);
    values_.PrintCopies = copies;
    Copies = copies;
}

// A chosen printer that matches no installed printer leaves the system printer as it was.
void PDialog::MakeSystemPrinter(const std::string& device) {
    deviceName_ = device;
    for (const PrinterInfo& printer : printers_.Printers()) {
        if (EqualsIgnoreCase(printer.device, device)) {
            if (PrinterDefault) {
                printers_.MakeCurrent(printer);
            }
            driverName_ = printer.driver;
            port_ = printer.port;
            return;
        }
    }
}

}  // namespace quorvia
