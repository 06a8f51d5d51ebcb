#include "desktop/app/LogoForm.h"

#include <QEvent>
#include <QFont>
#include <QVBoxLayout>

#include "core/about/BuildVersion.h"
#include "core/app/FormCentering.h"
#include "core/app/ProgramVersion.h"
#include "desktop/platform/QtText.h"

namespace quorvia {

LogoForm::LogoForm(QWidget* parent) : QWidget(parent) {
    setObjectName("Logo");
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 24, 32, 24);

    auto* title = new QLabel(Q(kProgramName), this);
    title->setObjectName("lblTitle");
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() * 3);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    lblVersion_ = new QLabel(QString::fromStdString(VersionLine()), this);
    lblVersion_->setObjectName("lblVersion");
    lblVersion_->setAlignment(Qt::AlignCenter);

    auto* notice = new QLabel(Q(kLegalNotice), this);
    notice->setObjectName("lblNotice");
    notice->setAlignment(Qt::AlignCenter);

    layout->addWidget(title);
    layout->addSpacing(12);
    layout->addWidget(lblVersion_);
    layout->addWidget(notice);
    adjustSize();
    if (parent) {
        parent->installEventFilter(this);
    }
}

void LogoForm::CenterInParent() {
    if (!parentWidget()) {
        return;
    }
    QWidget* area = parentWidget();
    FormRect centred =
        CenterForm({x(), y(), width(), height()}, {0, 0, area->width(), area->height()});
    move(centred.left, centred.top);
}

bool LogoForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        CenterInParent();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace quorvia
