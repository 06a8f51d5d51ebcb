#pragma once
// Access keys (Alt+O for "&Okay") as a person at a desktop expects them. Each key reaches one
// control of the form in use: the active data form in the working area, or the dialog. A form's
// own key comes before the menu bar's, so Alt+F on "Print with &Fancy Grid" chooses that style
// and does not open the File menu; a key no control of the form holds is the menu bar's.
//
// What a key does with the control it reaches:
// - a button first takes the focus and is then pressed, as a click with the mouse would: the
//   field being edited is left, so it is reformatted and checked before the button acts; an
//   option button is chosen, a check box turned;
// - a label hands the focus to its buddy (to the chosen option, when the buddy is one of a
//   group of options); a group box to its chosen option or its first control;
// - a tab's key turns to that tab.
// Installed once on the application, the filter serves every window.

#include <QChar>
#include <QObject>
#include <vector>

class QAbstractButton;
class QWidget;

namespace quorvia {

class AccessKeys : public QObject {
  public:
    using QObject::QObject;

    // Installs one filter on the running application, owned by it.
    static void Install();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// A control that holds an access key; for a tab bar, which of its tabs.
struct AccessKeyHolder {
    QWidget* control = nullptr;
    int tab = -1;

    bool operator==(const AccessKeyHolder&) const = default;
};

// The form a control belongs to: its data form's window in the working area, else its window.
QWidget* FormOf(QWidget* control);
// The controls of the form that show the access key (a letter or digit, any case) and can be
// reached with it: shown and enabled, and for a label a buddy that is shown and enabled too.
std::vector<AccessKeyHolder> AccessKeyHolders(QWidget& form, QChar key);
// Every access key the form shows on a shown, enabled control, reachable or not.
std::vector<QChar> ShownAccessKeys(QWidget& form);
// Does what the key does with the control it reached (above).
void ReachAccessKey(const AccessKeyHolder& holder);

// Presses a button as its access key does: the focus moves to it first, and a field that refuses
// its entry and keeps the focus keeps the button from acting on the entry it just refused. The
// toolbar's commands press the forms' buttons this way.
void FocusAndPress(QAbstractButton& button, Qt::FocusReason reason = Qt::OtherFocusReason);

// Whether a control's leave handler may run: a control that is hidden or disabled is not
// being left by the person, it is being taken away by the form.
bool HearsLeaveEvents(const QWidget* control);

}  // namespace quorvia
