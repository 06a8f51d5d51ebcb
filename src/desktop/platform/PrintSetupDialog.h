#pragma once
// The printer setup dialog: which printer, the paper size and the orientation.

#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <string>
#include <vector>

#include "core/printing/PrintDialogService.h"
#include "core/printing/PrinterService.h"

namespace quorvia {

class PrintSetupDialog : public QDialog {
    Q_OBJECT
  public:
    // Opens on `current` (its device, paper size and orientation) among `printers`.
    PrintSetupDialog(const std::vector<PrinterInfo>& printers, const DeviceMode& current,
                     QWidget* parent = nullptr);

    // The person's choice, read after the dialog was accepted.
    DeviceMode Choice() const;

  private:
    QComboBox* printer_;
    QComboBox* paper_;
    QButtonGroup* orientation_;
};

}  // namespace quorvia
