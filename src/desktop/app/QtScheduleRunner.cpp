#include "desktop/app/QtScheduleRunner.h"

namespace quorvia {

QtScheduleRunner::QtScheduleRunner(AppState& state, QtUi& ui, PrinterService& printers,
                                   QWidget* mainWindow)
    : status_(mainWindow),
      fonts_(mainWindow),
      fontDialog_(ui, fonts_),
      preview_(state, ui, printers, status_, fontDialog_, mainWindow),
      runner_(state, ui, status_, preview_) {}

}  // namespace quorvia
