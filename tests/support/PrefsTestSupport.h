#pragma once
// What the preferences tests share: the mounted volumes they set, and the printer, font dialog
// and profile file that the Preferences and the printer and font forms work on.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/base/ProfileFile.h"
#include "core/preferences/DataFolders.h"
#include "core/printing/CDialogService.h"
#include "core/printing/PDialog.h"
#include "core/session/AppState.h"
#include "support/FakePrinterService.h"
#include "support/PreviewTestSupport.h"
#include "support/ScriptedPrintDialog.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

namespace quorvia::testing {

class FixedVolumes : public DataFolders {
  public:
    std::vector<std::string> Volumes() override { return volumes; }
    std::vector<std::string> volumes{"/"};
};

// A profile file in a folder of its own, the report printer "Laser" (beside the PDF printer)
// chosen in a printer dialog that answers "Laser", and a scripted font dialog.
class PrinterFormTest : public ::testing::Test {
  protected:
    PrinterFormTest()
        : printers({{"Laser", "hpcups", "CUPS:"}, PdfPrinter()}),
          printerDialog(ui, printers, dialogs, state.PrintOrientation, state.PrintPaperSize),
          fontDialog(ui, fonts) {
        state.AppPath = folder.Path();
        state.IniFilePath = folder / "quorvia.ini";
        state.ReportPrinter = "Laser,hpcups,CUPS:";
        dialogs.fallback = ScriptedPrintDialog::Choice("Laser");
        printerDialog.Get();
    }

    std::string Value(std::string_view key) const {
        return ReadIniString("Prefs", key, state.IniFilePath);
    }

    TempFolder folder;
    AppState state;
    FakePrinterService printers;
    ScriptedUi ui;
    ScriptedFontChooser fonts;
    ScriptedPrintDialog dialogs;
    SharedPDialog printerDialog;
    CDialog fontDialog;
};

}  // namespace quorvia::testing
