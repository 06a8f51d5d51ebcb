#pragma once
// The loan calculator window (Lncalc): the widgets of the form, each named after its control
// ("txtRate", "optFreq(3)"), showing LncalcModel's state and forwarding every event to the
// model's handler of the same name.

#include <QWidget>
#include <string>
#include <string_view>

#include "core/calculator/LncalcModel.h"
#include "desktop/platform/FormFrame.h"
#include "desktop/platform/QtUi.h"

class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quorvia {

class LncalcForm : public QWidget {
    Q_OBJECT
  public:
    LncalcForm(AppState& state, QtUi& ui, Clock today, CalculatorHost& host,
               QWidget* parent = nullptr);

    LncalcModel& Model() { return model_; }

    // The form's load step, once the main window has registered it as open.
    void Load();
    // The form became the active one, or stopped being it.
    void Activate();
    void Deactivate();
    void ApplyToolTips();
    // Presses a command button as its access key would: the focus moves to it first, and a field
    // that refuses its entry and keeps the focus keeps the button from acting.
    void ClickButton(std::string_view name) { frame_.ClickButton(name); }
    // Shows the model's state in every widget.
    void Refresh();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    enum Field { kAmount, kRate, kMonths, kPayment, kFieldCount };
    enum Button { kCalc, kClear, kCopy, kQuit, kButtonCount };

    QWidget* BuildFields();
    QWidget* BuildFrequencies();
    void AddButtons(QLayout& row);
    std::string& FieldText(int field);

    LncalcModel model_;
    QtUi& ui_;
    FormFrame frame_;

    QLineEdit* fields_[kFieldCount];
    QRadioButton* optFreq_[7];
    QPushButton* buttons_[kButtonCount];
};

}  // namespace quorvia
