#pragma once
// The body of a form (its fields, or one tab page of them) in a frame that scrolls when the
// window has less room than the body wants: on a small screen or at a large scale factor the
// window is made smaller than its controls, and the buttons and the status line below the body
// stay in view. Where the room is there, nothing scrolls and nothing looks different. A control
// that takes the focus is scrolled into view.

#include <QMetaObject>
#include <QScrollArea>

namespace quorvia {

class ScrollingBody : public QScrollArea {
  public:
    explicit ScrollingBody(QWidget* body, QWidget* parent = nullptr);
    ~ScrollingBody() override;

    // The body's own size: the window opens at it when the screen has the room.
    QSize sizeHint() const override;

  private:
    QMetaObject::Connection focusConnection_;
};

}  // namespace quorvia
