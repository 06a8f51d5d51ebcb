#include "desktop/app/FrmprntgStatus.h"

namespace quorvia {

FrmprntgStatus::~FrmprntgStatus() {
    delete form_.data();
}

void FrmprntgStatus::Show(const std::string& label) {
    if (!form_) {
        form_ = new FrmprntgForm(mainWindow_);
    }
    form_->SetLabel(label);
    form_->ShowCentred();
}

void FrmprntgStatus::SetLabel(const std::string& label) {
    if (form_) {
        form_->SetLabel(label);
    }
}

void FrmprntgStatus::SetMeter(double percent, const std::string&) {
    if (form_) {
        form_->SetMeter(percent);
    }
}

void FrmprntgStatus::Hide() {
    if (form_) {
        form_->hide();
    }
}

}  // namespace quorvia
