#pragma once
// The amortization window (Amort): the widgets of the form, each named after its control
// ("txtRate", "optFreq(3)"), showing AmortFormModel's state and forwarding every event to the
// model's handler of the same name.

#include <QWidget>
#include <string_view>
#include <vector>

#include "core/amortization/AmortFormModel.h"
#include "desktop/platform/QtUi.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace quorvia {

class AmortForm : public QWidget {
    Q_OBJECT
  public:
    AmortForm(AppState& state, QtUi& ui, Clock today, ScheduleRunner& runner, AmortFormHost& host,
              QWidget* parent = nullptr);
    ~AmortForm() override;

    AmortFormModel& Model() { return model_; }

    // The form's load step, once the main window has registered it as open.
    void Load();
    // The form became the active one.
    void Activate();
    void ApplyToolTips();
    // Presses a command button as its access key would: the focus moves to it first, and a field
    // that refuses its entry and keeps the focus keeps the button from acting.
    void ClickButton(std::string_view name);
    // Shows the model's state in every widget.
    void Refresh();

  signals:
    // The form showed its state anew: its input may have become unsaved.
    void Refreshed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    enum class Kind { Field, Calc, Freq, Pair, Check, Style, Button };
    struct Control {
        QWidget* widget;
        Kind kind;
        int index;  // the field, option index, check or button
    };

    QWidget* BuildDataTab();
    QWidget* BuildStyleTab();
    QLineEdit* AddField(AmortField field);
    QRadioButton* AddOption(Kind kind, AmortControl group, int index, const QString& caption,
                            QWidget* parent);
    QCheckBox* AddCheck(AmortCheck check, const QString& caption, QWidget* parent);
    QPushButton* AddButton(AmortControl name, const QString& caption, int index);
    void Register(QWidget* widget, Kind kind, int index);
    const Control* ControlOf(const QWidget* widget) const;

    void FocusChanged(QWidget* now);
    void GotFocus(const Control& control);
    void LostFocus(const Control& control, std::string_view nextControl);
    bool KeyPress(const Control& control, int key);
    void ButtonClicked(int index);
    void TabChanged(int index);
    void RefreshField(AmortField field);

    AmortFormModel model_;
    QtUi& ui_;
    std::vector<Control> controls_;
    QWidget* lastFocused_ = nullptr;
    QMetaObject::Connection focusConnection_;

    QTabWidget* vsTab_;
    QLineEdit* fields_[9];
    QLabel* lblOdd_;
    QRadioButton* optCalc_[2];
    QRadioButton* optFreq_[7];
    QComboBox* cboSemiMthly_;
    QCheckBox* checks_[3];
    QRadioButton* optStyle_[4];
    QPushButton* comOK_;
    QPushButton* comClr_;
    QPushButton* comQuit_;
    QLabel* pnlStatus_;
};

}  // namespace quorvia
