#pragma once
// A form shown modally over the program (Preferences, the printer and font form), on the form
// frame. While it is open it is the active form; the form that was active before is again once
// it closes. Its model loads as the window is made and activates as the window shows; the window
// closes when the model says the form is done, and closing it any other way (Esc, the close
// button) is the model's Cancel.

#include <QDialog>
#include <functional>

#include "desktop/platform/FormFrame.h"
#include "desktop/platform/QtUi.h"

namespace quorvia {

class FormDialog : public QDialog {
    Q_OBJECT
  public:
    ~FormDialog() override;

    // Shows the model's state in every widget.
    virtual void Refresh() = 0;

  public slots:
    void reject() override;

  protected:
    struct ModelSteps {
        std::function<void()> load;
        std::function<void()> activate;
        std::function<void()> cancel;
        std::function<bool()> done;
    };

    // `name` is the form's name ("Prefs"). Its controls hear Enter and Esc.
    FormDialog(QtUi& ui, const char* name, QWidget* parent);
    // Runs the model's load step; called once the form's controls are made.
    void Load(ModelSteps steps);
    // The focus the model asked for while the window was not shown yet waits until it is.
    void ApplyPendingFocus();
    void showEvent(QShowEvent* event) override;

    QtUi& ui_;
    FormFrame frame_;

  private:
    QWidget* previousForm_;
    ModelSteps steps_;
};

}  // namespace quorvia
