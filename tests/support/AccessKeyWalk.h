#pragma once
// Walks the access keys of a window as a person presses them: every key a form shows must be
// held by one control of it and reach that control; every key of a menu bar must open its
// menu, and the items of a menu must not share a key.

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTest>
#include <algorithm>
#include <list>
#include <string>
#include <vector>

#include "desktop/platform/AccessKeys.h"

namespace quorvia::testing {

inline std::string KeyName(QChar key) {
    return "Alt+" + QString(key).toStdString();
}

inline void PressAccessKey(QWidget& form, QChar key) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus && focus->window() == form.window() ? focus : &form,
                    static_cast<Qt::Key>(key.unicode()), Qt::AltModifier);
}

// Whether the key's press got to its control: a tab turned to, a button with the focus (an
// option also chosen), a label's buddy or a group box's control with the focus.
inline bool Reached(const AccessKeyHolder& holder) {
    QWidget* focus = QApplication::focusWidget();
    if (auto* tabs = qobject_cast<QTabBar*>(holder.control)) {
        return tabs->currentIndex() == holder.tab;
    }
    if (auto* option = qobject_cast<QRadioButton*>(holder.control)) {
        return focus == option && option->isChecked();
    }
    if (qobject_cast<QAbstractButton*>(holder.control)) {
        return focus == holder.control;
    }
    if (auto* label = qobject_cast<QLabel*>(holder.control)) {
        QWidget* buddy = label->buddy();
        bool sameGroup = qobject_cast<QRadioButton*>(buddy) && focus &&
                         focus->parentWidget() == buddy->parentWidget();
        return focus == buddy || sameGroup;
    }
    return focus && holder.control->isAncestorOf(focus);
}

// Presses each access key the form shows and returns what went wrong, one line a fault. The
// command buttons are reached but not pressed: their signals are held while the walk runs.
// The tabs' keys come last, the current tab's first: the walk ends on the last tab.
inline std::vector<std::string> WalkAccessKeys(QWidget& form) {
    // Keys reach the controls of the active window only.
    form.window()->activateWindow();
    if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == form.window(); })) {
        return {"the window does not become active"};
    }
    std::list<QSignalBlocker> held;
    for (QPushButton* button : form.findChildren<QPushButton*>()) {
        held.emplace_back(button);
    }
    std::vector<std::string> faults;
    std::vector<std::pair<QChar, AccessKeyHolder>> walk;
    for (QChar key : ShownAccessKeys(form)) {
        std::vector<AccessKeyHolder> holders = AccessKeyHolders(form, key);
        if (holders.size() == 1) {
            walk.emplace_back(key, holders.front());
        } else {
            faults.push_back(KeyName(key) +
                             (holders.empty()
                                  ? " reaches nothing"
                                  : " is held by " + std::to_string(holders.size()) + " controls"));
        }
    }
    auto order = [](const std::pair<QChar, AccessKeyHolder>& entry) {
        auto* tabs = qobject_cast<QTabBar*>(entry.second.control);
        return !tabs ? 0 : tabs->currentIndex() == entry.second.tab ? 1 : 2;
    };
    std::stable_sort(walk.begin(), walk.end(),
                     [&](const auto& a, const auto& b) { return order(a) < order(b); });
    for (const auto& [key, holder] : walk) {
        PressAccessKey(form, key);
        if (!Reached(holder)) {
            QString name = holder.control->objectName();
            if (auto* label = qobject_cast<QLabel*>(holder.control); label && name.isEmpty()) {
                name = label->text();
            }
            faults.push_back(KeyName(key) + " does not reach " + name.toStdString());
        }
    }
    return faults;
}

// The menu bar's keys each open their menu; no two titles, and no two items of a menu, share
// a key.
inline std::vector<std::string> WalkMenuBar(QMenuBar& bar) {
    std::vector<std::string> faults;
    std::vector<int> titles;
    for (QAction* title : bar.actions()) {
        QKeySequence key = QKeySequence::mnemonic(title->text());
        if (!title->isVisible() || !title->isEnabled() || key.isEmpty()) {
            continue;
        }
        if (std::count(titles.begin(), titles.end(), key[0].toCombined())) {
            faults.push_back(key.toString().toStdString() + " is held by two menus");
        }
        titles.push_back(key[0].toCombined());
        if (!title->menu()) {
            continue;  // a command on the bar itself: pressing it would run it
        }
        std::vector<int> items;
        for (QAction* item : title->menu()->actions()) {
            QKeySequence itemKey = QKeySequence::mnemonic(item->text());
            if (itemKey.isEmpty() || !item->isVisible()) {
                continue;
            }
            if (std::count(items.begin(), items.end(), itemKey[0].toCombined())) {
                faults.push_back(itemKey.toString().toStdString() + " is held by two items of " +
                                 title->text().toStdString());
            }
            items.push_back(itemKey[0].toCombined());
        }
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &bar,
                        key[0].key(), Qt::AltModifier);
        if (QApplication::activePopupWidget() != title->menu()) {
            faults.push_back(key.toString().toStdString() + " does not open " +
                             title->text().toStdString());
        }
        title->menu()->close();
    }
    return faults;
}

}  // namespace quorvia::testing
