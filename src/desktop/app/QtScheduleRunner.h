#pragma once
// The schedule run of the desktop program, put together: the status window and the preview
// window around DesktopScheduleRunner, with the program's one common-dialog object and one
// printer dialog. The main window hands it to the amortization form.

#include <QWidget>

#include "core/amortization/DesktopScheduleRunner.h"
#include "core/printing/CDialogService.h"
#include "core/printing/PDialog.h"
#include "core/printing/PrinterService.h"
#include "desktop/app/FrmprntgStatus.h"
#include "desktop/platform/QtPrintDialog.h"
#include "desktop/platform/QtReportPrinter.h"
#include "desktop/platform/QtUi.h"
#include "desktop/reports/PreviewWindow.h"

namespace quorvia {

class QtScheduleRunner : public ScheduleRunner {
  public:
    QtScheduleRunner(AppState& state, QtUi& ui, PrinterService& printers, CDialog& fontDialog,
                     SharedPDialog& printDialog, QtPrintDialog& printDialogs, QWidget* mainWindow);

    void ComputeSchedule(AmortInputs& inputs) override { runner_.ComputeSchedule(inputs); }
    void ComputeSchedule(AmortInputs& inputs, const ScheduleEvents& events) {
        runner_.ComputeSchedule(inputs, events);
    }

  private:
    FrmprntgStatus status_;
    QtReportPrinter printOutput_;
    PreviewWindowOpener preview_;
    DesktopScheduleRunner runner_;
};

}  // namespace quorvia
