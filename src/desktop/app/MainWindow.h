#pragma once
// The main window (Quorvia): the menu bar, the toolbar, the working area with the data forms
// and the backdrop. What the commands do is MainWindowModel's; this window shows its state.

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTimer>
#include <QToolBar>
#include <array>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/amortization/AmortFormModel.h"
#include "core/app/MainActionTable.h"
#include "core/app/MainWindowModel.h"
#include "core/base/Clock.h"
#include "core/calculator/LncalcModel.h"
#include "core/printing/PDialog.h"
#include "core/printing/PrinterService.h"
#include "core/schedule/ScheduleRunner.h"
#include "core/session/AppState.h"
#include "desktop/about/AboutForm.h"
#include "desktop/help/HelpKey.h"
#include "desktop/help/QtHelpEngine.h"
#include "desktop/platform/QtFileChooser.h"
#include "desktop/platform/QtFontChooser.h"
#include "desktop/platform/QtPrintDialog.h"
#include "desktop/platform/QtUi.h"

namespace quorvia {

class AmortForm;
class QtScheduleRunner;
class LncalcForm;
class LogoForm;

class MainWindow : public QMainWindow,
                   public MainWindowHost,
                   public AmortFormHost,
                   public CalculatorHost {
    Q_OBJECT
  public:
    MainWindow(AppState& state, PrinterService& printers, QtUi& ui, Clock today = SystemToday);
    ~MainWindow() override;

    // Runs the start-up, which shows the window unless another copy runs; false when the
    // program must end.
    bool Start(const std::filesystem::path& programFolder,
               const std::function<OtherCopy()>& otherCopy);
    // Opens a loan data file named on the command line, as File | Open opens a chosen one.
    void OpenFileAtStart(const std::string& path);
    // A later copy of the program handed over a loan data file ("" for none): the window comes
    // forward and opens it as soon as no dialog is open.
    void TakeHandedOverFile(const std::string& path);
    // Puts another printer dialog in place of the program's own (tests script one). Set it
    // before a form or a schedule opens: they keep the one they were given.
    void SetPrinterDialog(SharedPDialog& printerDialog) { printerDialog_ = &printerDialog; }

    MainWindowModel& Model() { return model_; }
    QtHelpEngine& Help() { return help_; }
    QAction* Action(MainAction action) const { return actions_[IndexOf(action)]; }
    AmortForm* OpenAmortForm() const;
    LncalcForm* OpenCalcForm() const;
    LogoForm* Logo() const { return logo_; }
    QMdiArea* WorkArea() const { return mdiArea_; }

    // MainWindowHost
    void ShowMainWindow() override;
    void ShowAmortForm() override;
    void ShowCalcForm() override;
    void ShowCompareForm() override;
    void UnloadAmortForm() override;
    void UnloadCalcForm() override;
    void FocusAmortForm() override;
    void ClickAmortButton(std::string_view button) override;
    void FocusCalcForm() override;
    void ClickCalcButton(std::string_view button) override;
    std::string AmortLoanAmountText() override;
    void ApplyToolTips() override;
    void CloseMainWindow() override;
    AmortFormModel* AmortModel() override;
    CDialog& CommonDialog() override { return dialog_; }
    void ShowAboutBox() override;
    int ActiveFormHelpContext() override;
    void ShowPrefsForm() override;
    void ShowPrtrSelForm() override;
    void TileForms() override;
    void CascadeForms() override;

    // AmortFormHost
    void QueueFileSaveAs() override;
    void UpdateMainCommands() override;

    // CalculatorHost
    AmortFormModel& LoadedAmortForm() override;
    void BringAmortFormForward() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenusAndToolBar();
    QAction* AddAction(QWidget* holder, const MainActionEntry& entry);
    QAction* AddToolButton(QToolBar* toolBar, const MainActionEntry& entry);
    void RefreshCommands();
    void RefreshPressedButtons();
    void RefreshTitle();
    void ListRecentFiles();
    void ListOpenWindows();
    void SubWindowActivated(QMdiSubWindow* window);
    void GrowToHold(QSize formSize);
    QMdiSubWindow* AddFormWindow(QWidget* form, const char* name, const char* title,
                                 const char* icon);
    QtScheduleRunner& Runner();
    void LoadAmortWindow();
    void PresentAmortWindow();
    void ShowModalForm(QDialog& form);
    void BringForward();
    void OpenHandedOverFiles();

    AppState& state_;
    PrinterService& printers_;
    QtUi& ui_;
    Clock today_;
    QtFontChooser fonts_;
    QtFileChooser files_;
    CDialog dialog_;
    QtHelpEngine help_;
    HelpKeyFilter helpKey_;
    QtProgramStarter starter_;
    MainWindowModel model_;
    QtPrintDialog printDialogs_;
    SharedPDialog ownPrinterDialog_;
    SharedPDialog* printerDialog_ = &ownPrinterDialog_;
    // Made when the amortization form first opens, with the printer dialog then in place.
    std::unique_ptr<QtScheduleRunner> runner_;
    QMdiArea* mdiArea_;
    LogoForm* logo_;
    QPointer<QMdiSubWindow> amortWindow_;
    QPointer<QMdiSubWindow> calcWindow_;
    std::array<QAction*, kMainActionCount> actions_{};
    // The File menu's recent files and the Window menu's open windows, made as the menu opens.
    std::vector<QAction*> recentActions_;
    std::vector<QAction*> windowActions_;
    std::deque<std::string> handedOverFiles_;
    QTimer* handOverRetry_;
};

}  // namespace quorvia
