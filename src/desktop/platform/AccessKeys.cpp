#include "desktop/platform/AccessKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QShortcutEvent>
#include <QTabBar>
#include <algorithm>
#include <functional>

namespace quorvia {

namespace {

// The key a caption marks with "&" ("&&" shows an ampersand); null when there is none.
QChar KeyOf(const QString& caption) {
    QKeySequence mnemonic = QKeySequence::mnemonic(caption);
    return mnemonic.isEmpty() ? QChar() : QChar(mnemonic[0].key()).toUpper();
}

// The letter or digit of Alt+key; null for any other shortcut.
QChar AltKeyOf(const QKeySequence& sequence) {
    if (sequence.count() != 1 || sequence[0].keyboardModifiers() != Qt::AltModifier) {
        return {};
    }
    int key = sequence[0].key();
    bool letterOrDigit =
        (key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9);
    return letterOrDigit ? QChar(key) : QChar();
}

bool Shown(const QWidget* control) {
    return control->isVisible() && control->isEnabled();
}

QString CaptionOf(const QWidget* control) {
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text();
    }
    if (auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text();
    }
    if (auto* group = qobject_cast<const QGroupBox*>(control)) {
        return group->title();
    }
    return {};
}

// The chosen option of the group an option button belongs to, else the button itself.
QWidget* ChosenOption(QAbstractButton* option) {
    if (!option->autoExclusive() || option->isChecked() || !option->parentWidget()) {
        return option;
    }
    for (auto* sibling :
         option->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
        if (sibling->isChecked() && Shown(sibling)) {
            return sibling;
        }
    }
    return option;
}

// Where a label's or a group box's key puts the focus; null when it reaches nothing.
QWidget* FocusTargetOf(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        QWidget* buddy = label->buddy();
        if (!buddy || !Shown(buddy)) {
            return nullptr;
        }
        auto* option = qobject_cast<QRadioButton*>(buddy);
        return option ? ChosenOption(option) : buddy;
    }
    if (qobject_cast<QGroupBox*>(control)) {
        QWidget* first = nullptr;
        for (QWidget* child : control->findChildren<QWidget*>()) {
            if (!Shown(child) || !(child->focusPolicy() & Qt::TabFocus)) {
                continue;
            }
            auto* option = qobject_cast<QRadioButton*>(child);
            if (option && option->isChecked()) {
                return option;
            }
            first = first ? first : child;
        }
        return first;
    }
    return control;
}

void ForEachShownKey(QWidget& form,
                     const std::function<void(const AccessKeyHolder&, QChar)>& visit) {
    for (QWidget* control : form.findChildren<QWidget*>()) {
        if (!Shown(control) || FormOf(control) != &form) {
            continue;
        }
        if (auto* tabs = qobject_cast<QTabBar*>(control)) {
            for (int tab = 0; tab < tabs->count(); ++tab) {
                if (tabs->isTabVisible(tab) && tabs->isTabEnabled(tab)) {
                    visit({tabs, tab}, KeyOf(tabs->tabText(tab)));
                }
            }
        } else if (!qobject_cast<QLabel*>(control) || static_cast<QLabel*>(control)->buddy()) {
            visit({control}, KeyOf(CaptionOf(control)));
        }
    }
}

}  // namespace

void FocusAndPress(QAbstractButton& button, Qt::FocusReason reason) {
    if (button.focusPolicy() != Qt::NoFocus) {
        button.setFocus(reason);
        // The window's own focus is asked, not the application's: a window that is not active
        // yet still moves its focus to the button.
        if (button.window()->focusWidget() != &button) {
            return;
        }
    }
    if (button.isEnabled()) {
        button.click();
    }
}

void AccessKeys::Install() {
    qApp->installEventFilter(new AccessKeys(qApp));
}

bool AccessKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Shortcut) {
        return false;
    }
    auto* receiver = qobject_cast<QWidget*>(watched);
    QChar key = AltKeyOf(static_cast<QShortcutEvent*>(event)->key());
    if (!receiver || key.isNull()) {
        return false;
    }
    // Qt hears the key once for the menu bar and once for each control of the window that
    // shows it; the form in use decides.
    QWidget* focus = QApplication::focusWidget();
    QWidget* form = FormOf(focus && focus->window() == receiver->window() ? focus : receiver);
    std::vector<AccessKeyHolder> holders = AccessKeyHolders(*form, key);
    if (holders.size() != 1) {
        return false;  // the menu bar's key, or Qt's own dialogs
    }
    ReachAccessKey(holders.front());
    return true;
}

QWidget* FormOf(QWidget* control) {
    for (QWidget* widget = control; widget; widget = widget->parentWidget()) {
        if (auto* subWindow = qobject_cast<QMdiSubWindow*>(widget)) {
            return subWindow->widget() ? subWindow->widget() : subWindow;
        }
        if (widget->isWindow()) {
            return widget;
        }
    }
    return control;
}

std::vector<AccessKeyHolder> AccessKeyHolders(QWidget& form, QChar key) {
    std::vector<AccessKeyHolder> holders;
    ForEachShownKey(form, [&](const AccessKeyHolder& holder, QChar shown) {
        if (shown == key.toUpper() && FocusTargetOf(holder.control)) {
            holders.push_back(holder);
        }
    });
    return holders;
}

std::vector<QChar> ShownAccessKeys(QWidget& form) {
    std::vector<QChar> keys;
    ForEachShownKey(form, [&](const AccessKeyHolder&, QChar shown) {
        if (!shown.isNull() && std::find(keys.begin(), keys.end(), shown) == keys.end()) {
            keys.push_back(shown);
        }
    });
    return keys;
}

void ReachAccessKey(const AccessKeyHolder& holder) {
    if (auto* tabs = qobject_cast<QTabBar*>(holder.control)) {
        tabs->setCurrentIndex(holder.tab);
    } else if (auto* button = qobject_cast<QAbstractButton*>(holder.control)) {
        FocusAndPress(*button, Qt::ShortcutFocusReason);
    } else if (QWidget* target = FocusTargetOf(holder.control)) {
        target->setFocus(Qt::ShortcutFocusReason);
    }
}

bool HearsLeaveEvents(const QWidget* control) {
    return !control->isHidden() && control->isEnabled();
}

}  // namespace quorvia
