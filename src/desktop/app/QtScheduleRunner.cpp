#include "desktop/app/QtScheduleRunner.h"

namespace quorvia {

QtScheduleRunner::QtScheduleRunner(AppState& state, QtUi& ui, PrinterService& printers,
                                   QWidget* mainWindow)
    : status_(mainWindow),
      fonts_(mainWindow),
      fontDialog_(ui, fonts_),
      printDialogs_(printers),
      printDialog_(ui, printers, printDialogs_, state.PrintOrientation, state.PrintPaperSize),
      preview_(state, ui, printers, status_, fontDialog_, printDialog_, printOutput_, mainWindow),
      runner_(state, ui, status_, preview_) {
    printOutput_.AskPdfFileName = [this, mainWindow] {
        std::string chosen = printDialogs_.TakePdfFileName();
        return chosen.empty() ? AskPdfFile(mainWindow) : chosen;
    };
}

}  // namespace quorvia
