#pragma once
// The preview's go-to-page question: a box for the page number, Go and Stop. Centred on the
// screen; the caller reads the input after it closes.

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "core/reports/GotoPageModel.h"
#include "desktop/platform/QtUi.h"

namespace quorvia {

class GotoPageDialog : public QDialog {
    Q_OBJECT
  public:
    GotoPageDialog(QtUi& ui, int16_t highest, QWidget* parent = nullptr);

    GotoPageModel& Model() { return model_; }
    QLineEdit* Input() const { return ThisInput_; }

  public slots:
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Finish();

    GotoPageModel model_;
    QLineEdit* ThisInput_;
    QPushButton* GoButton_;
    QPushButton* StopButton_;
};

}  // namespace quorvia
