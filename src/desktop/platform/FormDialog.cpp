#include "desktop/platform/FormDialog.h"

namespace quorvia {

FormDialog::FormDialog(QtUi& ui, const char* name, QWidget* parent)
    : QDialog(parent),
      ui_(ui),
      frame_(*this, ui, FormFrame::Keys::EnterAndEsc, [this] { Refresh(); }),
      previousForm_(ui.ActiveForm()) {
    setObjectName(name);
    setModal(true);
}

FormDialog::~FormDialog() {
    ui_.SetActiveForm(previousForm_);
}

void FormDialog::Load(ModelSteps steps) {
    steps_ = std::move(steps);
    frame_.SetDoneWhen(steps_.done);
    frame_.MarkActive();
    steps_.load();
    Refresh();
}

void FormDialog::ApplyPendingFocus() {
    if (isVisible()) {
        ui_.ApplyPendingFocus();
    }
}

void FormDialog::reject() {
    if (!steps_.done()) {
        frame_.MarkActive();
        steps_.cancel();
    }
    QDialog::reject();
}

void FormDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    frame_.MarkActive();
    steps_.activate();
    Refresh();
}

}  // namespace quorvia
