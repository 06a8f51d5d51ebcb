#pragma once
// The desktop program's Ui: real message boxes, the system beep, focus moves by control name
// inside the active form and the hourglass pointer.

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/base/Ui.h"

namespace quorvia {

// Tells when a window becomes active.
class ActivationWatcher : public QObject {
  public:
    ActivationWatcher(QWidget* window, std::function<void()> activated);
    ~ActivationWatcher() override;
    bool Watches(const QWidget* window) const { return window_ == window; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPointer<QWidget> window_;
    std::function<void()> activated_;
};

class QtUi : public Ui {
  public:
    // Answers message boxes without showing them, for tests; a message it answers with
    // nothing is shown as usual.
    using MessageHook = std::function<std::optional<MsgAnswer>(const Message&)>;

    explicit QtUi(QWidget* owner = nullptr) : owner_(owner) {}
    ~QtUi() override;

    MsgAnswer MsgBox(const Message& message) override;
    void Beep() override;
    void SetFocus(std::string_view control) override;
    void SetHourglass(bool on) override;
    void SelectAllText() override;

    void SetOwner(QWidget* owner) { owner_ = owner; }
    // The form whose controls SetFocus finds by their object names.
    void SetActiveForm(QWidget* form) { form_ = form; }
    QWidget* ActiveForm() const { return form_; }
    // Requests made while the form's new state was not shown yet are applied here, once it
    // is: a focus move to a control that was hidden (on another tab), and the selection of a
    // text that was about to be replaced.
    void ApplyPendingFocus();
    void SetMessageHook(MessageHook hook) { hook_ = std::move(hook); }
    // Hears the beeps instead of the speaker, for tests.
    void SetBeepHook(std::function<void()> hook) { beepHook_ = std::move(hook); }

  private:
    QWidget* FindControl(std::string_view control) const;
    void SelectFocusedText();
    bool FocusPendingControl();
    void WaitForActivation(QWidget* window);

    QPointer<QWidget> owner_;
    QPointer<QWidget> form_;
    std::string pendingFocus_;
    bool selectAllPending_ = false;
    bool waitingForActivation_ = false;
    std::unique_ptr<ActivationWatcher> activationWatcher_;
    MessageHook hook_;
    std::function<void()> beepHook_;
    int hourglassDepth_ = 0;
};

}  // namespace quorvia
