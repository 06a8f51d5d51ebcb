#pragma once
// The schedule run of the desktop program, put together: the status window, the font dialog
// and the preview window around DesktopScheduleRunner. The main window hands it to the
// amortization form.

#include <QWidget>

#include "amortization/DesktopScheduleRunner.h"
#include "platform/FrmprntgStatus.h"
#include "platform/QtFontChooser.h"
#include "platform/QtUi.h"
#include "printing/CDialogService.h"
#include "printing/PrinterService.h"
#include "reports/PreviewWindow.h"

namespace quorvia {

class QtScheduleRunner : public ScheduleRunner {
  public:
    QtScheduleRunner(AppState& state, QtUi& ui, PrinterService& printers, QWidget* mainWindow);

    void ComputeSchedule(AmortInputs& inputs) override { runner_.ComputeSchedule(inputs); }

  private:
    FrmprntgStatus status_;
    QtFontChooser fonts_;
    CDialog fontDialog_;
    PreviewWindowOpener preview_;
    DesktopScheduleRunner runner_;
};

}  // namespace quorvia
