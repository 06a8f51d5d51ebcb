#pragma once
// The preferences window (Prefs): four tabs of widgets, each named after its control
// ("txtRate", "optFreq(3)", "cmdPrtrDefs(1)"), showing PrefsModel's state and forwarding every
// event to the model's handler of the same name. Shown modally; it closes when the model says
// so, and the window's own close counts as Cancel.

#include <QDialog>
#include <array>
#include <string>

#include "core/preferences/PrefsModel.h"
#include "desktop/platform/QtUi.h"

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

class PrefsForm : public QDialog {
    Q_OBJECT
  public:
    PrefsForm(AppState& state, PrinterService& printers, QtUi& ui, CDialog& fontDialog,
              SharedPDialog& printerDialog, DataFolders& folders, QWidget* parent = nullptr);
    ~PrefsForm() override;

    PrefsModel& Model() { return model_; }
    // Shows the model's state in every widget.
    void Refresh();

  public slots:
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* BuildGeneralTab();
    QWidget* BuildCompanyTab();
    QWidget* BuildFilesTab();
    QWidget* BuildStyleTab();
    QPushButton* AddButton(const char* name, const QString& caption);
    void Watch(QWidget* widget);
    void FocusChanged(QWidget* now);
    void LostFocus(const std::string& control, const std::string& nextControl);
    void GotFocus(const std::string& control);
    void Handle(const std::function<void()>& handler);
    void RefreshFolders();

    PrefsModel model_;
    QtUi& ui_;
    QWidget* previousForm_;
    QWidget* lastFocused_ = nullptr;
    QMetaObject::Connection focusConnection_;
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
    QPushButton* cmdSave_;
    QPushButton* cmdReset_;
    QPushButton* cmdCancel_;
    QLabel* pnlStatus_;
};

}  // namespace quorvia
