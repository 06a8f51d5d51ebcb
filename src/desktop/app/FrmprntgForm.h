#pragma once
// The status window (Frmprntg) shown while a schedule is calculated or a report laid out:
// a line of text and a meter with its percentage. It does not block the main window.

#include <QLabel>
#include <QProgressBar>
#include <QWidget>
#include <string>

namespace quorvia {

class FrmprntgForm : public QWidget {
    Q_OBJECT
  public:
    explicit FrmprntgForm(QWidget* mainWindow);

    void SetLabel(const std::string& text);
    // Sets the meter to a percentage from 0 to 100 and shows it redrawn at once.
    void SetMeter(double percent);
    // Centres the window on the main window, the toolbar not taken into account, and shows it.
    void ShowCentred();

    QString LabelText() const { return Label1_->text(); }
    QString MeterCaption() const { return pnlMeter_->text(); }

  private:
    QLabel* Label1_;
    QProgressBar* pnlMeter_;
};

}  // namespace quorvia
