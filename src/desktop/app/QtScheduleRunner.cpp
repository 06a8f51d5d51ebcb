#include "desktop/app/QtScheduleRunner.h"

namespace quorvia {

QtScheduleRunner::QtScheduleRunner(AppState& state, QtUi& ui, PrinterService& printers,
                                   CDialog& fontDialog, SharedPDialog& printDialog,
                                   QtPrintDialog& printDialogs, QWidget* mainWindow)
    : status_(mainWindow),
      preview_(state, ui, printers, status_, fontDialog, printDialog, printOutput_, mainWindow),
      runner_(state, ui, status_, preview_) {
    printOutput_.AskPdfFileName = [&printDialogs, mainWindow] {
        std::string chosen = printDialogs.TakePdfFileName();
        return chosen.empty() ? AskPdfFile(mainWindow, printDialogs.ProposedPdfFile()) : chosen;
    };
}

}  // namespace quorvia
