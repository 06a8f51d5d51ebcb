#include "desktop/platform/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace quorvia {

void KeepOnScreen(QWidget& window) {
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    QRect area = screen->availableGeometry();
    // The window manager's frame is only known once the window was shown.
    QSize frame = window.frameGeometry().size() - window.size();
    QSize room = area.size() - frame;
    QSize fitted = window.size().boundedTo(room);
    if (fitted != window.size()) {
        window.resize(fitted);
    }
    if (!window.isVisible() && !window.testAttribute(Qt::WA_Moved)) {
        return;  // Qt places it when it is shown
    }
    QRect outer = window.frameGeometry();
    int left = std::clamp(outer.left(), area.left(),
                          std::max(area.left(), area.right() + 1 - outer.width()));
    int top = std::clamp(outer.top(), area.top(),
                         std::max(area.top(), area.bottom() + 1 - outer.height()));
    if (left != outer.left() || top != outer.top()) {
        window.move(left, top);
    }
}

void KeepOnScreenWhenShown(QWidget& window) {
    QTimer::singleShot(0, &window, [&window] { KeepOnScreen(window); });
}

}  // namespace quorvia
