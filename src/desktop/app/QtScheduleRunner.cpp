#include "desktop/app/QtScheduleRunner.h"

namespace quorvia {

QtScheduleRunner::QtScheduleRunner(AppState& state, QtUi& ui, PrinterService& printers,
                                   CDialog& fontDialog, SharedPDialog& printDialog,
                                   QtPrintDialog& printDialogs, QWidget* mainWindow)
    : status_(mainWindow),
      preview_(state, ui, printers, status_, fontDialog, printDialog, printOutput_, mainWindow),
      runner_(state, ui, status_, preview_) {
    printOutput_.AskPdfFileName = PdfFileAsker(printDialogs, mainWindow);
}

}  // namespace quorvia
