#pragma once
// The backdrop (Logo) shown inside the main window while no data form is open: the program's
// name, its version and the legal notice.

#include <QLabel>
#include <QWidget>

namespace quorvia {

class LogoForm : public QWidget {
    Q_OBJECT
  public:
    explicit LogoForm(QWidget* parent = nullptr);

    // Centres the backdrop in its parent, which is the main window's working area.
    void CenterInParent();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* lblVersion_;
};

}  // namespace quorvia
