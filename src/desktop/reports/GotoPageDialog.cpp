#include "desktop/reports/GotoPageDialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "core/app/FormCentering.h"
#include "core/reports/GotoPageControl.h"
#include "desktop/platform/QtKeyCodes.h"
#include "desktop/platform/QtText.h"
#include "desktop/platform/ScreenFit.h"

namespace quorvia {

namespace {

QString Name(GotoPageControl control) {
    return Q(NameOf(control));
}

}  // namespace

GotoPageDialog::GotoPageDialog(QtUi& ui, int16_t highest, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint),
      model_(ui, highest) {
    setObjectName("GotoPage");
    setWindowTitle("Go to page");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel("&Page number:", this);
    ThisInput_ = new QLineEdit(this);
    ThisInput_->setObjectName(Name(GotoPageControl::ThisInput));
    label->setBuddy(ThisInput_);
    layout->addWidget(label);
    layout->addWidget(ThisInput_);
    auto* buttons = new QHBoxLayout;
    GoButton_ = new QPushButton("&Go", this);
    GoButton_->setObjectName(Name(GotoPageControl::GoButton));
    StopButton_ = new QPushButton("&Stop", this);
    StopButton_->setObjectName(Name(GotoPageControl::StopButton));
    buttons->addWidget(GoButton_);
    buttons->addWidget(StopButton_);
    layout->addLayout(buttons);
    for (QWidget* control : {static_cast<QWidget*>(ThisInput_), static_cast<QWidget*>(GoButton_),
                             static_cast<QWidget*>(StopButton_)}) {
        control->installEventFilter(this);
    }
    GoButton_->setAutoDefault(false);
    StopButton_->setAutoDefault(false);
    connect(ThisInput_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.ThisInput = text.toStdString(); });
    connect(GoButton_, &QPushButton::clicked, this, [this] {
        model_.GoButton_Click();
        Finish();
    });
    connect(StopButton_, &QPushButton::clicked, this, [this] {
        model_.StopButton_Click();
        Finish();
    });
}

void GotoPageDialog::Finish() {
    ThisInput_->setText(QString::fromStdString(model_.ThisInput));
    if (model_.Hidden) {
        done(model_.ThisInput.empty() ? QDialog::Rejected : QDialog::Accepted);
    }
}

bool GotoPageDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QDialog::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    int code = KeyCodeOf(*key);
    const int shift = ShiftOf(key->modifiers());
    model_.Form_KeyDown(code, shift);
    if (code == 0) {
        Finish();
        return true;
    }
    if (watched != ThisInput_) {
        return false;
    }
    model_.ThisInput_KeyDown(code, shift);
    if (code == 0) {
        return true;
    }
    int ascii = KeyAsciiOf(*key);
    if (ascii == 0) {
        return false;
    }
    model_.ThisInput_KeyPress(ascii);
    return ascii == 0;
}

void GotoPageDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QRect area = AvailableArea(*this);
    QSize outer = size().grownBy(FrameMarginsOf(*this));
    FormRect centred =
        CenterForm({0, 0, outer.width(), outer.height()}, {0, 0, area.width(), area.height()});
    move(area.x() + centred.left, area.y() + centred.top);
    ThisInput_->setFocus();
}

void GotoPageDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    model_.StopButton_Click();
    Finish();
}

void GotoPageDialog::reject() {
    model_.StopButton_Click();
    Finish();
}

}  // namespace quorvia
