#pragma once
// Widget tests reach a modal window from a timer: its exec() returns to the test only once the
// window has closed.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>

namespace quorvia::testing {

// Runs `steps` on the modal window named `name` (its object name, or a class it inherits, such
// as "QMessageBox") as soon as it shows, and closes it afterwards if the steps left it open.
// A window that never shows is a failure; whatever modal window is up then is closed, so that
// the test run never hangs.
inline void WhenModalShows(const std::string& name, std::function<void(QWidget&)> steps) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, name, steps, ticks = 0]() mutable {
        QWidget* window = QApplication::activeModalWidget();
        bool found = window && window->isVisible() &&
                     (window->objectName() == name.c_str() || window->inherits(name.c_str()));
        if (!found && ++ticks < 1000) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        if (!found) {
            ADD_FAILURE() << name << " did not show";
            if (window) {
                window->close();
            }
            return;
        }
        steps(*window);
        if (window->isVisible()) {
            auto* dialog = qobject_cast<QDialog*>(window);
            dialog ? dialog->reject() : static_cast<void>(window->close());
        }
    });
    poll->start(10);
}

}  // namespace quorvia::testing
