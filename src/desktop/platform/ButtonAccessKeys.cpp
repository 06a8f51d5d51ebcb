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
    button->setFocus(Qt::ShortcutFocusReason);
    // A leave handler that stopped at its field (a message, the focus sent back) keeps the
    // button from acting on the entry it just refused.
    if (button->hasFocus() && button->isEnabled()) {
        button->click();
    }
    return true;
}

bool HearsLeaveEvents(const QWidget* control) {
    return !control->isHidden() && control->isEnabled();
}

}  // namespace quorvia
