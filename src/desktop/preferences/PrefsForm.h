#pragma once
// The preferences window (Prefs): four tabs of widgets, each named after its control
// ("txtRate", "optFreq(3)", "cmdPrtrDefs(1)"), showing PrefsModel's state and forwarding every
// event to the model's handler of the same name. Shown modally; it closes when the model says
// so, and the window's own close counts as Cancel.

#include <array>
#include <string>

#include "core/preferences/PrefsModel.h"
#include "desktop/platform/FormDialog.h"

class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;
class QTreeView;

namespace quorvia {

class PrefsForm : public FormDialog {
    Q_OBJECT
  public:
    PrefsForm(AppState& state, PrinterService& printers, QtUi& ui, CDialog& fontDialog,
              SharedPDialog& printerDialog, DataFolders& folders, QWidget* parent = nullptr);

    PrefsModel& Model() { return model_; }
    void Refresh() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* BuildGeneralTab();
    QWidget* BuildCompanyTab();
    QWidget* BuildFilesTab();
    QWidget* BuildStyleTab();
    // A control whose focus shows its help text in the status panel; Enter moves on from it when
    // `enterMovesOn`, and leaving it runs `lostFocus`.
    template <typename Control>
    Control* Add(Control* control, const std::string& name, bool enterMovesOn,
                 std::function<void(std::string_view)> lostFocus = {});
    QCheckBox* AddCheck(const char* name, const QString& caption, QWidget* parent, int& value);
    QPushButton* AddButton(const std::string& name, const QString& caption,
                           std::function<void()> click);
    bool EnterMovesOn(int key);
    void ShowList();
    void RefreshFolders();

    PrefsModel model_;
    bool listKeyboard_ = false;

    QTabWidget* vsTab_;
    QLineEdit* txtRate_;
    std::array<QRadioButton*, 7> optFreq_{};
    QComboBox* cboSemiMthly_;
    QCheckBox* chkNbrPymts_;
    std::array<QRadioButton*, 2> optCalc_{};
    QCheckBox* chkBalDue_;
    QCheckBox* chkFix_;
    QCheckBox* chkTips_;
    std::array<QLineEdit*, 2> txtName_{};
    QCheckBox* chkFooter_;
    QComboBox* Drive1_;
    QTreeView* Dir1_;
    QFileSystemModel* folders_;
    QLabel* lblCurrPath_;
    QLabel* lblPrtrName_;
    QLabel* lblFontName_;
    std::array<QPushButton*, 2> cmdPrtrDefs_{};
    std::array<QRadioButton*, 4> optStyle_{};
    std::array<QToolButton*, 4> btnStyle_{};
};

}  // namespace quorvia
