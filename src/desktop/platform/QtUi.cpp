#include "desktop/platform/QtUi.h"
#include "desktop/platform/QtText.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

namespace quorvia {

namespace {

struct ButtonSet {
    QMessageBox::StandardButton buttons[3];
    int count;
};

ButtonSet ButtonsOf(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::Ok:
            return {{QMessageBox::Ok}, 1};
        case MsgButtons::OkCancel:
            return {{QMessageBox::Ok, QMessageBox::Cancel}, 2};
        case MsgButtons::YesNo:
            return {{QMessageBox::Yes, QMessageBox::No}, 2};
        case MsgButtons::YesNoCancel:
            return {{QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}, 3};
        case MsgButtons::RetryCancel:
            return {{QMessageBox::Retry, QMessageBox::Cancel}, 2};
    }
    return {{QMessageBox::Ok}, 1};
}

QMessageBox::Icon IconOf(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::None:
            return QMessageBox::NoIcon;
        case MsgIcon::Critical:
            return QMessageBox::Critical;
        case MsgIcon::Question:
            return QMessageBox::Question;
        case MsgIcon::Exclamation:
            return QMessageBox::Warning;
        case MsgIcon::Information:
            return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

MsgAnswer AnswerOf(int button) {
    switch (button) {
        case QMessageBox::Cancel:
            return MsgAnswer::Cancel;
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::No:
            return MsgAnswer::No;
        case QMessageBox::Retry:
            return MsgAnswer::Retry;
        default:
            return MsgAnswer::Ok;
    }
}

// Message texts are assembled with carriage return and line feed; the box wants line feeds.
QString MessageText(const std::string& text) {
    return QString::fromStdString(text).replace("\r\n", "\n");
}

}  // namespace

QtUi::~QtUi() {
    while (hourglassDepth_ > 0) {
        SetHourglass(false);
    }
}

MsgAnswer QtUi::MsgBox(const Message& message) {
    if (hook_) {
        if (std::optional<MsgAnswer> answer = hook_(message)) {
            return *answer;
        }
    }
    ButtonSet set = ButtonsOf(message.buttons);
    QMessageBox box(IconOf(message.icon), QString::fromStdString(message.title),
                    MessageText(message.prompt), QMessageBox::NoButton, owner_);
    for (int i = 0; i < set.count; ++i) {
        box.addButton(set.buttons[i]);
    }
    int defaultIndex = message.defaultButton >= 1 && message.defaultButton <= set.count
                           ? message.defaultButton - 1
                           : 0;
    box.setDefaultButton(set.buttons[defaultIndex]);
    // The pointer must not stay an hourglass while the person reads the message.
    bool hourglass = QApplication::overrideCursor() != nullptr;
    if (hourglass) {
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    int button = box.exec();
    if (hourglass) {
        QApplication::restoreOverrideCursor();
    }
    // Closing the box with Esc or its close button answers Cancel when there is one.
    return AnswerOf(button);
}

void QtUi::Beep() {
    if (beepHook_) {
        beepHook_();
        return;
    }
    QApplication::beep();
}

QWidget* QtUi::FindControl(std::string_view control) const {
    QString name = Q(control);
    QWidget* root = form_ ? form_.data() : QApplication::activeWindow();
    if (!root) {
        return nullptr;
    }
    if (root->objectName() == name) {
        return root;
    }
    return root->findChild<QWidget*>(name);
}

void QtUi::SetFocus(std::string_view control) {
    pendingFocus_ = std::string(control);
    waitingForActivation_ = false;
    FocusPendingControl();
}

// Focuses the control asked for last. A control that cannot take the focus yet stays asked
// for; so does one whose window is not active yet (a message box just closed): on its
// activation the working area gives the focus back to where it was, so the focus is given
// again after that.
bool QtUi::FocusPendingControl() {
    QWidget* widget = FindControl(pendingFocus_);
    if (!widget || !widget->isVisible() || !widget->isEnabled()) {
        return false;
    }
    widget->setFocus(Qt::OtherFocusReason);
    if (!widget->isActiveWindow()) {
        WaitForActivation(widget->window());
        return false;
    }
    pendingFocus_.clear();
    waitingForActivation_ = false;
    return true;
}

void QtUi::WaitForActivation(QWidget* window) {
    waitingForActivation_ = true;
    if (activationWatcher_ && activationWatcher_->Watches(window)) {
        return;
    }
    activationWatcher_ = std::make_unique<ActivationWatcher>(window, [this] {
        if (waitingForActivation_ && !pendingFocus_.empty()) {
            FocusPendingControl();
        }
    });
}

void QtUi::ApplyPendingFocus() {
    if (!pendingFocus_.empty() && !FocusPendingControl() && !waitingForActivation_) {
        pendingFocus_.clear();
    }
    if (selectAllPending_) {
        selectAllPending_ = false;
        SelectFocusedText();
    }
}

ActivationWatcher::ActivationWatcher(QWidget* window, std::function<void()> activated)
    : window_(window), activated_(std::move(activated)) {
    window->installEventFilter(this);
}

ActivationWatcher::~ActivationWatcher() {
    if (window_) {
        window_->removeEventFilter(this);
    }
}

bool ActivationWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::WindowActivate) {
        // After the activation has run its course.
        QTimer::singleShot(0, this, activated_);
    }
    return false;
}

void QtUi::SetHourglass(bool on) {
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++hourglassDepth_;
    } else if (hourglassDepth_ > 0) {
        QApplication::restoreOverrideCursor();
        --hourglassDepth_;
    }
}

void QtUi::SelectAllText() {
    selectAllPending_ = true;
    SelectFocusedText();
}

void QtUi::SelectFocusedText() {
    auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!edit) {
        return;
    }
    edit->selectAll();
    // A click that brings the focus places the cursor once the focus has arrived, which
    // would undo the selection: select again after the click.
    if (QApplication::mouseButtons() != Qt::NoButton) {
        QTimer::singleShot(0, edit, [edit] {
            if (edit->hasFocus()) {
                edit->selectAll();
            }
        });
    }
}

}  // namespace quorvia
