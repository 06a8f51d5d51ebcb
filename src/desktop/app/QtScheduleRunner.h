#pragma once
// The schedule run of the desktop program, put together: the status window, the font dialog
// and the preview window around DesktopScheduleRunner. The main window hands it to the
// amortization form.

#include <QWidget>

#include "core/amortization/DesktopScheduleRunner.h"
#include "core/printing/CDialogService.h"
#include "core/printing/PrinterService.h"
#include "desktop/app/FrmprntgStatus.h"
#include "desktop/platform/QtFontChooser.h"
#include "desktop/platform/QtPrintDialog.h"
#include "desktop/platform/QtReportPrinter.h"
#include "desktop/platform/QtUi.h"
#include "desktop/reports/PreviewWindow.h"

namespace quorvia {

class QtScheduleRunner : public ScheduleRunner {
  public:
    QtScheduleRunner(AppState& state, QtUi& ui, PrinterService& printers, QWidget* mainWindow);

    void ComputeSchedule(AmortInputs& inputs) override { runner_.ComputeSchedule(inputs); }
    // The program's one PDialog, which Preferences and Print Setup use too.
    SharedPDialog& PrinterDialog() { return printDialog_; }

  private:
    FrmprntgStatus status_;
    QtFontChooser fonts_;
    CDialog fontDialog_;
    QtPrintDialog printDialogs_;
    SharedPDialog printDialog_;
    QtReportPrinter printOutput_;
    PreviewWindowOpener preview_;
    DesktopScheduleRunner runner_;
};

}  // namespace quorvia
