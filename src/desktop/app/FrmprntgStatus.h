#pragma once
// The status window as the schedule run and the preview talk to it.

#include <QPointer>

#include "core/base/StatusDisplay.h"
#include "desktop/app/FrmprntgForm.h"

namespace quorvia {

class FrmprntgStatus : public StatusDisplay {
  public:
    // The window is created on the main window the first time it is shown.
    explicit FrmprntgStatus(QWidget* mainWindow) : mainWindow_(mainWindow) {}
    ~FrmprntgStatus() override;

    void Show(const std::string& label) override;
    void SetLabel(const std::string& label) override;
    // The form draws its caption from the value with the same mask.
    void SetMeter(double percent, const std::string& caption) override;
    void Hide() override;

    FrmprntgForm* Form() const { return form_; }

  private:
    QPointer<QWidget> mainWindow_;
    QPointer<FrmprntgForm> form_;
};

}  // namespace quorvia
