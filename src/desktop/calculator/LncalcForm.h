#pragma once
// The loan calculator window (Lncalc): the widgets of the form, each named after its control
// ("txtRate", "optFreq(3)"), showing LncalcModel's state and forwarding every event to the
// model's handler of the same name.

#include <QWidget>
#include <string_view>
#include <vector>

#include "core/calculator/LncalcModel.h"
#include "desktop/platform/QtUi.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quorvia {

class LncalcForm : public QWidget {
    Q_OBJECT
  public:
    LncalcForm(AppState& state, QtUi& ui, Clock today, CalculatorHost& host,
               QWidget* parent = nullptr);
    ~LncalcForm() override;

    LncalcModel& Model() { return model_; }

    // The form's load step, once the main window has registered it as open.
    void Load();
    // The form became the active one, or stopped being it.
    void Activate();
    void Deactivate();
    void ApplyToolTips();
    // Presses a command button as its access key would: the focus moves to it first, and a field
    // that refuses its entry and keeps the focus keeps the button from acting.
    void ClickButton(std::string_view name);
    // Shows the model's state in every widget.
    void Refresh();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    enum class Kind { Field, Freq, Button };
    enum Field { kAmount, kRate, kMonths, kPayment, kFieldCount };
    enum Button { kCalc, kClear, kCopy, kQuit, kButtonCount };
    struct Control {
        QWidget* widget;
        Kind kind;
        int index;  // the field, option index or button
    };

    QWidget* BuildFields();
    QWidget* BuildFrequencies();
    QLineEdit* AddField(Field field, const char* name);
    QPushButton* AddButton(Button button, const char* name, const QString& caption);
    const Control* ControlOf(const QWidget* widget) const;
    std::string& FieldText(int field);

    void FocusChanged(QWidget* now);
    void GotFocus(const Control& control);
    void LostFocus(const Control& control, std::string_view nextControl);
    bool KeyPress(const Control& control, int key);
    void ButtonClicked(int button);

    LncalcModel model_;
    QtUi& ui_;
    std::vector<Control> controls_;
    QWidget* lastFocused_ = nullptr;
    QMetaObject::Connection focusConnection_;

    QLineEdit* fields_[kFieldCount];
    QRadioButton* optFreq_[7];
    QPushButton* buttons_[kButtonCount];
    QLabel* pnlStatus_;
};

}  // namespace quorvia
