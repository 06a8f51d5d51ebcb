#pragma once
// The amortization window (Amort): the widgets of the form, each named after its control
// ("txtRate", "optFreq(3)"), showing AmortFormModel's state and forwarding every event to the
// model's handler of the same name.

#include <QWidget>
#include <string_view>

#include "core/amortization/AmortFormModel.h"
#include "desktop/platform/FormFrame.h"
#include "desktop/platform/QtUi.h"

class QCheckBox;
class QComboBox;
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

    AmortFormModel& Model() { return model_; }

    // The form's load step, once the main window has registered it as open.
    void Load();
    // The form became the active one.
    void Activate();
    void ApplyToolTips();
    // Presses a command button as its access key would: the focus moves to it first, and a field
    // that refuses its entry and keeps the focus keeps the button from acting.
    void ClickButton(std::string_view name) { frame_.ClickButton(name); }
    // Shows the model's state in every widget.
    void Refresh();

  signals:
    // The form showed its state anew: its input may have become unsaved.
    void Refreshed();

  private:
    QWidget* BuildDataTab();
    QWidget* BuildStyleTab();
    QLineEdit* AddField(AmortField field);
    QRadioButton* AddOption(AmortControl group, int index, const QString& caption, QWidget* parent,
                            FormFrame::Handlers handlers, void (AmortFormModel::*click)(int));
    QCheckBox* AddCheck(AmortCheck check, const QString& caption, QWidget* parent);
    void TabChanged(int index);
    void RefreshField(AmortField field);

    AmortFormModel model_;
    QtUi& ui_;
    FormFrame frame_;

    QTabWidget* vsTab_;
    QLineEdit* fields_[9];
    QLabel* lblOdd_;
    QRadioButton* optCalc_[2];
    QRadioButton* optFreq_[7];
    QComboBox* cboSemiMthly_;
    QCheckBox* checks_[3];
    QRadioButton* optStyle_[4];
    QPushButton* comClr_;
};

}  // namespace quorvia
