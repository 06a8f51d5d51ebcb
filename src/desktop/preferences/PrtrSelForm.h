#pragma once
// The printer and font window (PrtrSel): the report printer and font with the buttons that
// change them, showing PrtrSelModel's state and forwarding every event to its handlers. Shown
// modally; it closes when the model hides it, and the window's own close counts as Cancel.

#include <array>

#include "core/preferences/PrtrSelModel.h"
#include "desktop/platform/FormDialog.h"

class QLabel;
class QPushButton;

namespace quorvia {

class PrtrSelForm : public FormDialog {
    Q_OBJECT
  public:
    PrtrSelForm(AppState& state, PrinterService& printers, QtUi& ui, CDialog& fontDialog,
                SharedPDialog& printerDialog, HelpEngine& help, QWidget* parent = nullptr);

    PrtrSelModel& Model() { return model_; }
    void Refresh() override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    PrtrSelModel model_;
    QLabel* lblPrtrName_;
    QLabel* lblFontName_;
    QLabel* pnlCaution_;
    // SelectButton, cmdFont, ExitButton, cmdCancel, cmdHelp
    std::array<QPushButton*, 5> buttons_{};
};

}  // namespace quorvia
