#include "desktop/app/FrmprntgForm.h"

#include <QVBoxLayout>
#include <algorithm>

#include "core/app/FormCentering.h"
#include "core/base/NumberText.h"

namespace quorvia {

FrmprntgForm::FrmprntgForm(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
    setObjectName("Frmprntg");
    setWindowTitle("W O R K I N G . . .");
    setWindowModality(Qt::NonModal);
    auto* layout = new QVBoxLayout(this);
    Label1_ = new QLabel("Please Wait ...", this);
    Label1_->setObjectName("Label1");
    Label1_->setAlignment(Qt::AlignCenter);
    pnlMeter_ = new QProgressBar(this);
    pnlMeter_->setObjectName("pnlMeter");
    pnlMeter_->setRange(0, 100);
    pnlMeter_->setAlignment(Qt::AlignCenter);
    layout->addWidget(Label1_);
    layout->addWidget(pnlMeter_);
    setMinimumWidth(320);
    SetMeter(0);
}

void FrmprntgForm::SetLabel(const std::string& text) {
    Label1_->setText(QString::fromStdString(text));
    Label1_->repaint();
}

void FrmprntgForm::SetMeter(double percent) {
    double value = std::clamp(percent, 0.0, 100.0);
    pnlMeter_->setValue(static_cast<int>(value + 0.5));
    pnlMeter_->setFormat(QString::fromStdString(FormatNumber(value, "##0\\%")));
    pnlMeter_->repaint();
}

void FrmprntgForm::ShowCentred() {
    adjustSize();
    if (QWidget* main = parentWidget()) {
        QRect frame = main->frameGeometry();
        FormRect centred = CenterForm({0, 0, width(), height()},
                                      {frame.x(), frame.y(), frame.width(), frame.height()});
        move(centred.left, centred.top);
    }
    show();
}

}  // namespace quorvia
