#pragma once
// What a window that prints stands on in a widget test: the built-in PDF printer alone, the
// common dialogs answered from a script, the program's print dialog over a scripted one, and
// the PDF file the PDF printer writes.

#include <filesystem>
#include <utility>

#include "core/printing/CDialogService.h"
#include "core/printing/PDialog.h"
#include "desktop/disclosure/DisclosureForm.h"
#include "desktop/platform/QtUi.h"
#include "support/FakePrinterService.h"
#include "support/PreviewTestSupport.h"
#include "support/ScriptedFileChooser.h"
#include "support/ScriptedPrintDialog.h"

namespace quorvia::testing {

struct PrintingParts {
    PrintingParts(AppState& state, QtUi& ui, std::filesystem::path pdfFile)
        : state(state),
          pdf(std::move(pdfFile)),
          dialog(ui, fonts, files),
          printDialog(ui, printers, printDialogs, state.PrintOrientation, state.PrintPaperSize) {}

    // The services of the disclosure and comparison windows, over these parts.
    DisclosureServices Services() {
        return {state, printers, printDialog, dialog, [this] { return pdf.string(); }};
    }

    AppState& state;
    std::filesystem::path pdf;
    FakePrinterService printers{{PdfPrinter()}};
    ScriptedFontChooser fonts;
    ScriptedFileChooser files;
    CDialog dialog;
    ScriptedPrintDialog printDialogs;
    SharedPDialog printDialog;
};

}  // namespace quorvia::testing
