#include "desktop/platform/ScreenFit.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QtMath>
#include <algorithm>

#include "core/app/FormCentering.h"

namespace quorvia {

namespace {

// Before any window was shown: a title bar and a thin border of the usual window managers, in
// the screen's own pixels.
constexpr QMargins kUsualFrame(4, 32, 4, 4);
// The frame a window was last fitted with, to fit it again once its own frame is known; kept
// as a rectangle of the four margins.
constexpr const char* kFittedFrame = "quorviaFittedFrame";

QRect Kept(const QMargins& frame) {
    return {frame.left(), frame.top(), frame.right(), frame.bottom()};
}

bool IsFramedWindow(const QWidget* widget) {
    if (!widget->isWindow()) {
        return false;
    }
    Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog || type == Qt::Tool;
}

QMargins OwnFrame(const QWidget& window) {
    QRect outer = window.frameGeometry();
    QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// The frame with a pixel more on each side: at a fractional scale factor the frame's size in
// the program's pixels is rounded.
QMargins Allowance(const QWidget& window) {
    return FrameMarginsOf(window) + QMargins(1, 1, 1, 1);
}

QMargins Larger(const QMargins& a, const QMargins& b) {
    return {std::max(a.left(), b.left()), std::max(a.top(), b.top()),
            std::max(a.right(), b.right()), std::max(a.bottom(), b.bottom())};
}

// A main window that nobody placed opens centred; a dialog stands where Qt put it, over its
// parent.
bool PlacedByNobody(const QWidget& window) {
    return !window.testAttribute(Qt::WA_Moved) && !qobject_cast<const QDialog*>(&window);
}

void Fit(QWidget& window) {
    window.setProperty(kFittedFrame, Kept(FrameMarginsOf(window)));
    QSize fitted = window.size().boundedTo(RoomFor(window));
    if (fitted != window.size()) {
        window.resize(fitted);
    }
    QRect area = AvailableArea(window);
    QSize outer = window.size().grownBy(Allowance(window));
    QPoint place = window.pos();
    if (PlacedByNobody(window)) {
        FormRect centred =
            CenterForm({0, 0, outer.width(), outer.height()}, {0, 0, area.width(), area.height()});
        place = area.topLeft() + QPoint(centred.left, centred.top);
    }
    QPoint inside(
        std::clamp(place.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())),
        std::clamp(place.y(), area.top(),
                   std::max(area.top(), area.bottom() + 1 - outer.height())));
    // Until the window manager has framed a window Qt has made, Qt takes the position for that
    // of the inside of the frame: the frame's own room is added.
    if (OwnFrame(window).isNull() && window.testAttribute(Qt::WA_WState_Created)) {
        QMargins frame = Allowance(window);
        inside += QPoint(frame.left(), frame.top());
    }
    if (inside != window.pos()) {
        window.move(inside);
    }
}

}  // namespace

void ScreenFit::Install() {
    qApp->installEventFilter(new ScreenFit(qApp));
}

bool ScreenFit::eventFilter(QObject* watched, QEvent* event) {
    QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize) {
        return false;
    }
    auto* window = qobject_cast<QWidget*>(watched);
    if (!window || !IsFramedWindow(window) || !window->isVisible() || window->isMaximized() ||
        window->isFullScreen()) {
        return false;
    }
    // Where a window is moved later is the person's business, unless it is only now that its
    // frame is known; it never grows larger than the screen.
    QVariant fitted = window->property(kFittedFrame);
    bool frameKnownNow = fitted.isValid() && fitted.toRect() != Kept(FrameMarginsOf(*window));
    bool tooLarge =
        window->width() > RoomFor(*window).width() || window->height() > RoomFor(*window).height();
    if (type == QEvent::Show || frameKnownNow || tooLarge) {
        Fit(*window);
    }
    return false;
}

QRect AvailableArea(const QWidget& window) {
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 640, 480);
}

QMargins FrameMarginsOf(const QWidget& window) {
    QMargins own = OwnFrame(window);
    if (!own.isNull()) {
        return own;
    }
    QMargins shown;
    for (QWidget* other : QApplication::topLevelWidgets()) {
        if (other != &window && other->isVisible() && IsFramedWindow(other)) {
            shown = Larger(shown, OwnFrame(*other));
        }
    }
    if (!shown.isNull()) {
        return shown;
    }
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    return {qCeil(kUsualFrame.left() / ratio), qCeil(kUsualFrame.top() / ratio),
            qCeil(kUsualFrame.right() / ratio), qCeil(kUsualFrame.bottom() / ratio)};
}

QSize RoomFor(const QWidget& window) {
    return AvailableArea(window).size().shrunkBy(Allowance(window));
}

void KeepOnScreen(QWidget& window) {
    Fit(window);
}

}  // namespace quorvia
