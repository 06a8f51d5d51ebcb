#pragma once
// What every form window shares, so that a window only declares its controls and wires its
// model's handlers to them:
// - the controls: each widget under its name from the model's name table ("txtRate",
//   "optFreq(3)"), with the model's handlers for it;
// - focus: every focus move between the form's controls runs the lost-focus handler of the
//   control left, told where the focus went (unless the form hid or disabled that control: it
//   is being taken away, not left), then the got-focus handler of the control that has the focus
//   after it. A lost-focus handler that refuses its entry sends the focus back; the got-focus
//   handler then belongs to that control, and a button being pressed is not pressed;
// - keys: the keys the form intercepts reach the key handler of the control they were typed in,
//   with the form marked active and shown again after; Enter presses a command button;
// - command buttons, their access keys and tool tips, the status panel at the form's foot, and
//   the question the model asks before the window closes.
// Every handler runs as the form's (Handle): the form is the active one while it runs, and the
// window shows the model's state after it.

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "desktop/platform/QtUi.h"

class QAbstractButton;
class QLabel;
class QPushButton;
class QWidget;

namespace quorvia {

class FormFrame : public QObject {
  public:
    // The keys the form's key handlers hear: Enter and Esc, or every key that types something
    // (Enter, Esc, Backspace and the printable characters).
    enum class Keys { EnterAndEsc, Typing };
    // What a command button's click leaves: the form to show again, or a closing window.
    enum class AfterClick { Refresh, Closes };

    struct Handlers {
        std::function<void()> gotFocus;
        std::function<void(std::string_view nextControl)> lostFocus;
        // True when the handler took the key and the control must not see it.
        std::function<bool(int key)> keyPress;
    };

    // `refresh` shows the model's state in every widget of the form.
    FormFrame(QWidget& form, QtUi& ui, Keys keys, std::function<void()> refresh);
    ~FormFrame() override;

    // Names the control after its entry in the model's name table and routes its focus moves
    // and keys to the handlers.
    template <typename Control>
    Control* Add(Control* control, std::string_view name, Handlers handlers = {}) {
        Register(control, name, std::move(handlers));
        return control;
    }
    // A command button of the form; a click runs `click` as the form's handler.
    QPushButton* AddButton(std::string_view name, const QString& caption,
                           std::function<void()> click, std::function<void()> gotFocus = {},
                           AfterClick after = AfterClick::Refresh);

    // Runs one of the model's handlers as the form's (above).
    void Handle(const std::function<void()>& handler);
    void MarkActive();
    // Presses a command button as its access key would (FocusAndPress).
    void ClickButton(std::string_view name);

    // The sunken panel at the form's foot, made on first use.
    QLabel* StatusPanel();
    // Shows the model's status text; a shown ampersand is written doubled, as in captions.
    void ShowStatus(const std::string& text);
    void ShowToolTip(std::string_view control, const std::string& tip);

    // The model's question before the window closes: true keeps the window open.
    void SetCloseQuestion(std::function<bool()> keepsOpen);
    // For a form shown modally: the model's word that the form is done, after which it closes
    // and no longer hears focus moves.
    void SetDoneWhen(std::function<bool()> done);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Control {
        QWidget* widget;
        Handlers handlers;
    };

    void Register(QWidget* widget, std::string_view name, Handlers handlers);
    const Control* ControlOf(const QObject* widget) const;
    void FocusChanged(QWidget* now);
    bool KeyPress(const Control& control, int key);
    bool Closing(QEvent* event);
    void Refresh();
    bool Done() const { return done_ && done_(); }

    QWidget& form_;
    QtUi& ui_;
    Keys keys_;
    std::function<void()> refresh_;
    std::function<bool()> keepsOpen_;
    std::function<bool()> done_;
    std::vector<Control> controls_;
    QWidget* lastFocused_ = nullptr;
    QLabel* status_ = nullptr;
    QMetaObject::Connection focusConnection_;
};

}  // namespace quorvia
