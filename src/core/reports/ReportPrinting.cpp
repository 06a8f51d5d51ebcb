#include "core/reports/ReportPrinting.h"

#include <algorithm>

#include "core/base/NumberText.h"
#include "core/base/Text.h"

namespace quorvia {

namespace {

int ApplyCollation(Ui& ui, ReportPrintOutput& output, bool collate) {
    if (!collate) {
        return output.SetCollate(false);
    }
    int error = output.SetCollate(true);
    if (error == print_error::kNotSupported) {
        ui.MsgBox({"This printer does not support collation ... normal printing will be used.",
                   "Please note...", MsgButtons::Ok, MsgIcon::Information});
        error = output.SetCollate(false);
    }
    return error;
}

int ApplyCopies(Ui& ui, ReportPrintOutput& output, int copies) {
    if (copies <= 1) {
        return output.SetCopies(1);
    }
    int error = output.SetCopies(copies);
    if (error == print_error::kNotSupported) {
        ui.MsgBox(
            {"This printer does not support multiple copies ... single copy printing will "
             "be used.",
             "Please note...", MsgButtons::Ok, MsgIcon::Information});
        error = output.SetCopies(1);
    }
    return error;
}

int PrintRange(ReportDocument& document, ReportPrintOutput& output, int from, int to) {
    const int shown = document.PreviewPage();
    from = std::max(from, 1);
    to = std::min(to, document.PageCount());
    int error = print_error::kNone;
    for (int page = from; page <= to && error == print_error::kNone; ++page) {
        document.SetPreviewPage(page);
        error = output.PrintPage(document, page, "Now Printing Page " + Trim(NumberToText(page)));
    }
    document.SetPreviewPage(shown);
    return error == print_error::kNone ? output.FinishJob() : error;
}

}  // namespace

int ApplyCollationAndCopies(Ui& ui, ReportPrintOutput& output, const PrintChoice& choice) {
    if (int error = ApplyCollation(ui, output, choice.collate)) {
        return error;
    }
    return ApplyCopies(ui, output, choice.copies);
}

int PrintComposedReport(Ui& ui, ReportDocument& document, ReportPrintOutput& output,
                        const PrintChoice& choice) {
    if (int error = ApplyCollationAndCopies(ui, output, choice)) {
        return error;
    }
    if (!choice.allPages) {
        return PrintRange(document, output, choice.fromPage, choice.toPage);
    }
    return output.PrintDocument(document);
}

void ReportPrintFailure(Ui& ui, int errorCode) {
    std::string text;
    if (errorCode == print_error::kPrinterUnknown || errorCode == print_error::kCannotStart ||
        errorCode == print_error::kCannotAddPage) {
        text =
            "Windows reports the currently selected printer is unavailable ... please "
            "investigate and try again.";
    } else {
        text = "Unexpected error received from the currently selected printer [" +
               std::to_string(errorCode) + "] ... please investigate and try again.";
    }
    ui.MsgBox({text, "Unable to access the printer", MsgButtons::Ok, MsgIcon::Information});
}

void PrintOwnPage(Ui& ui, PrinterService& printers, SharedPDialog& printDialog,
                  ReportPrintOutput& output, const std::string& proposedPdf,
                  const std::function<int(const PrintChoice&)>& print) {
    PDialog& dialog = printDialog.Get();
    dialog.Copies = 1;
    dialog.PrinterDefault = true;
    dialog.PdfFileName = proposedPdf;
    uint32_t flags = kPdNoPageNums;
    if (!dialog.SelectPrinter(flags)) {
        output.EndDoc();
        return;
    }
    if (std::optional<PrinterInfo> current = printers.CurrentPrinter()) {
        output.SetDevice(current->device, current->port);
    }
    const PrintValues& values = dialog.Values();
    int error = print_error::kNone;
    {
        Hourglass busy(ui);
        error = print({values.PrintCopies, values.PrintCollate});
    }
    if (error != print_error::kNone) {
        output.EndDoc();
        ReportPrintFailure(ui, error);
    }
}

}  // namespace quorvia
