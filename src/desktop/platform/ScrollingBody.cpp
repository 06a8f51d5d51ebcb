#include "desktop/platform/ScrollingBody.h"

#include <QApplication>
#include <QScrollBar>

namespace quorvia {

ScrollingBody::ScrollingBody(QWidget* body, QWidget* parent) : QScrollArea(parent) {
    setObjectName(body->objectName().isEmpty() ? QString("body") : body->objectName() + "Body");
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    setWidget(body);
    focusConnection_ =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            if (now && widget() && widget()->isAncestorOf(now)) {
                ensureWidgetVisible(now);
            }
        });
}

ScrollingBody::~ScrollingBody() {
    disconnect(focusConnection_);
}

QSize ScrollingBody::sizeHint() const {
    QSize body = widget() ? widget()->sizeHint() : QSize();
    return body.grownBy(contentsMargins());
}

}  // namespace quorvia
