#pragma once
// The printer and font window (PrtrSel): the report printer and font with the buttons that
// change them, showing PrtrSelModel's state and forwarding every event to its handlers. Shown
// modally; it closes when the model hides it, and the window's own close counts as Cancel.

#include <QDialog>
#include <array>
#include <functional>

#include "core/preferences/PrtrSelModel.h"
#include "desktop/platform/QtUi.h"

class QLabel;
class QPushButton;

namespace quorvia {

class PrtrSelForm : public QDialog {
    Q_OBJECT
  public:
    PrtrSelForm(AppState& state, PrinterService& printers, QtUi& ui, CDialog& fontDialog,
                SharedPDialog& printerDialog, HelpEngine& help, QWidget* parent = nullptr);
    ~PrtrSelForm() override;

    PrtrSelModel& Model() { return model_; }
    void Refresh();

  public slots:
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Handle(const std::function<void()>& handler);

    PrtrSelModel model_;
    QtUi& ui_;
    QWidget* previousForm_;
    QLabel* lblPrtrName_;
    QLabel* lblFontName_;
    QLabel* pnlCaution_;
    // SelectButton, cmdFont, ExitButton, cmdCancel, cmdHelp
    std::array<QPushButton*, 5> buttons_{};
};

}  // namespace quorvia
