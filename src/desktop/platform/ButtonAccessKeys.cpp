#include "desktop/platform/ButtonAccessKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QShortcutEvent>

namespace quorvia {

void ButtonAccessKeys::Install() {
    qApp->installEventFilter(new ButtonAccessKeys(qApp));
}

bool ButtonAccessKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Shortcut) {
        return false;
    }
    auto* button = qobject_cast<QAbstractButton*>(watched);
    // Two controls sharing a key are left to Qt, which moves the focus between them.
    if (!button || static_cast<QShortcutEvent*>(event)->isAmbiguous() ||
        button->focusPolicy() == Qt::NoFocus) {
        return false;
    }
    FocusAndPress(*button, Qt::ShortcutFocusReason);
    return true;
}

void FocusAndPress(QAbstractButton& button, Qt::FocusReason reason) {
    button.setFocus(reason);
    // A leave handler that stopped at its field (a message, the focus sent back) keeps the
    // button from acting on the entry it just refused. The window's own focus is asked, not the
    // application's: a window that is not active yet still moves its focus to the button.
    if (button.window()->focusWidget() == &button && button.isEnabled()) {
        button.click();
    }
}

bool HearsLeaveEvents(const QWidget* control) {
    return !control->isHidden() && control->isEnabled();
}

}  // namespace quorvia
