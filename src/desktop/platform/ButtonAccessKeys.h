#pragma once
// A button's access key (Alt+O for "&Okay") first moves the focus to the button and only then
// presses it, as a click with the mouse would: the field being edited is left, so it is
// reformatted and checked before the button acts. Qt on its own presses the button and leaves
// the focus where it was. Installed once on the application, it serves every window.

#include <QObject>

class QAbstractButton;

namespace quorvia {

class ButtonAccessKeys : public QObject {
  public:
    using QObject::QObject;

    // Installs one filter on the running application, owned by it.
    static void Install();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Presses a button as its access key does: the focus moves to it first, and it acts only when
// it got the focus. The toolbar's commands press the forms' buttons this way.
void FocusAndPress(QAbstractButton& button, Qt::FocusReason reason = Qt::OtherFocusReason);

// Whether a control's leave handler may run: a control that is hidden or disabled is not
// being left by the person, it is being taken away by the form.
bool HearsLeaveEvents(const QWidget* control);

}  // namespace quorvia
