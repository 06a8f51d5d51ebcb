#include "desktop/app/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QToolBar>

#include "core/app/FormCentering.h"
#include "desktop/amortization/AmortForm.h"
#include "desktop/app/LogoForm.h"
#include "desktop/platform/ScreenFit.h"

// The toolbar's icons live in the desktop library, which is linked statically: their
// resources must be registered by name.
static void InitToolbarIcons() {
    Q_INIT_RESOURCE(MainWindowIcons);
}

namespace quorvia {

namespace {

// Twips to pixels on a screen of 96 dots to the inch.
constexpr int kTwipsPerPixel = 15;
constexpr int kWindowHeight = 7030 / kTwipsPerPixel;
constexpr int kWindowWidth = 12000 / kTwipsPerPixel;

// Until the schedule can be shown, a validated loan only gets this notice.
class UnavailableScheduleRunner : public ScheduleRunner {
  public:
    explicit UnavailableScheduleRunner(Ui& ui) : ui_(ui) {}
    void ComputeSchedule(AmortInputs&) override {
        ui_.MsgBox({std::string(kNotAvailable), "Amortization Schedule", MsgButtons::Ok,
                    MsgIcon::Information, 1});
    }

  private:
    Ui& ui_;
};

struct ToolButton {
    const char* key;
    const char* icon;
    const char* tip;
};

constexpr ToolButton kToolButtons[] = {
    {"tbNew", ":/toolbar/new.png", "New Amortization schedule"},
    {"tbOpen", ":/toolbar/open.png", "Open an existing file"},
    {"tbSave", ":/toolbar/save.png", "Save current Amortization data"},
    {"tbPrint", ":/toolbar/print.png", "View/Print the Amortization Schedule"},
    {"tbCopy", ":/toolbar/copy.png", "Copy values to the Amortization form"},
    {"tbAmort", ":/toolbar/amort.png", "Amortization Schedule form"},
    {"tbCalc", ":/toolbar/calc.png", "Loan Calculator form"},
    {"tbHelp", ":/toolbar/help.png", "Help"},
};

}  // namespace

MainWindow::MainWindow(AppState& state, PrinterService& printers, QtUi& ui, Clock today)
    : state_(state),
      ui_(ui),
      today_(std::move(today)),
      model_(state, printers, ui, *this),
      runner_(std::make_unique<UnavailableScheduleRunner>(ui)) {
    InitToolbarIcons();
    setObjectName("Quorvia");
    setWindowTitle("Quorvia");
    ui_.SetOwner(this);
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName("mdiArea");
    setCentralWidget(mdiArea_);
    logo_ = new LogoForm(mdiArea_->viewport());
    BuildMenus();
    BuildToolBar();
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &MainWindow::SubWindowActivated);
    RefreshCommands();
}

// The amortization window goes first, while the commands it reports to still exist.
MainWindow::~MainWindow() {
    delete amortWindow_;
}

bool MainWindow::Start(const std::filesystem::path& programFolder,
                       const std::function<bool()>& otherCopyRunning) {
    resize(kWindowWidth, kWindowHeight);
    KeepOnScreen(*this);
    if (QScreen* screen = QApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        FormRect centred = CenterForm({0, 0, frameGeometry().width(), frameGeometry().height()},
                                      {0, 0, area.width(), area.height()});
        move(area.x() + centred.left, area.y());
    }
    show();
    KeepOnScreenWhenShown(*this);
    bool started = model_.MDIForm_Load(programFolder, otherCopyRunning);
    RefreshCommands();
    return started;
}

void MainWindow::SetScheduleRunner(std::unique_ptr<ScheduleRunner> runner) {
    runner_ = std::move(runner);
}

QAction* MainWindow::AddAction(QWidget* menu, const char* name, const QString& caption,
                               void (MainWindowModel::*handler)()) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [this, handler] {
        (model_.*handler)();
        RefreshCommands();
    });
    menu->addAction(action);
    actions_[name] = action;
    return action;
}

void MainWindow::BuildMenus() {
    QMenuBar* bar = menuBar();
    auto separator = [this](QMenu* menu, const char* name) {
        QAction* line = menu->addSeparator();
        line->setObjectName(name);
        actions_[name] = line;
    };
    auto topMenu = [this, bar](const char* name, const QString& caption) {
        QMenu* menu = bar->addMenu(caption);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        actions_[name] = menu->menuAction();
        return menu;
    };

    QMenu* file = topMenu("mnuFile", "&File");
    AddAction(file, "mnuFileOpen", "&Open ...", &MainWindowModel::mnuFileOpen_Click);
    AddAction(file, "mnuFileSave", "&Save", &MainWindowModel::mnuFileSave_Click);
    AddAction(file, "mnuFileSaveAs", "Save &As ...", &MainWindowModel::mnuFileSaveAs_Click);
    AddAction(file, "mnuFilePrint", "&Print ...", &MainWindowModel::mnuFilePrint_Click);
    AddAction(file, "mnuFilePrtSetup", "Print Se&tup ...", &MainWindowModel::mnuFilePrtSetup_Click);
    separator(file, "mnuFileSep1");
    AddAction(file, "mnuFilePref", "P&references ...", &MainWindowModel::mnuFilePref_Click);
    separator(file, "mnuFileSep2");
    AddAction(file, "mnuFileExit", "E&xit", &MainWindowModel::mnuFileExit_Click);

    AddAction(bar, "mnuAmort", " Amorti&zation ", &MainWindowModel::mnuAmort_Click);
    AddAction(bar, "mnuCalc", " &Loan Calculator ", &MainWindowModel::mnuCalc_Click);

    QMenu* window = topMenu("mnuWindow", "&Window");
    AddAction(window, "mnuWinClose", "Close &All", &MainWindowModel::mnuWinClose_Click);

    // The Help menu comes last on the bar.
    QMenu* help = topMenu("mnuHelp", " &Help ");
    AddAction(help, "mnuHelpIndex", "&Contents", &MainWindowModel::mnuHelpIndex_Click);
    AddAction(help, "mnuHelpSrch", "&Search for Help on ...", &MainWindowModel::mnuHelpSrch_Click);
    AddAction(help, "mnuHelpHelp", "&How to Use Help", &MainWindowModel::mnuHelpHelp_Click);
    separator(help, "mnuHelpSep");
    AddAction(help, "mnuHelpInfo", "&Program Overview", &MainWindowModel::mnuHelpInfo_Click);
    AddAction(help, "mnuHelpAmort", "&Amortization Info", &MainWindowModel::mnuHelpAmort_Click);
    AddAction(help, "mnuHelpCalc", "&Loan Calc Info", &MainWindowModel::mnuHelpCalc_Click);
    separator(help, "mnuHelpSep3");
    AddAction(help, "mnuHelpTips", "Show &Tool Tips", &MainWindowModel::mnuHelpTips_Click)
        ->setCheckable(true);
    separator(help, "mnuHelpSep4");
    AddAction(help, "mnuHelpAbout", "About &Quorvia...", &MainWindowModel::mnuHelpAbout_Click);
}

void MainWindow::BuildToolBar() {
    QToolBar* toolBar = addToolBar("ToolBar");
    toolBar->setObjectName("ToolBar");
    toolBar->setMovable(false);
    toolBar->setIconSize(QSize(24, 24));
    for (const ToolButton& button : kToolButtons) {
        QAction* action = toolBar->addAction(QIcon(button.icon), button.tip);
        action->setObjectName(button.key);
        action->setToolTip(button.tip);
        std::string key = button.key;
        connect(action, &QAction::triggered, this, [this, key] {
            model_.ToolBar_ButtonClick(key);
            RefreshCommands();
        });
        actions_[button.key] = action;
    }
    actions_["tbAmort"]->setCheckable(true);
    actions_["tbCalc"]->setCheckable(true);
}

QAction* MainWindow::Action(const QString& name) const {
    auto found = actions_.find(name);
    return found == actions_.end() ? nullptr : found->second;
}

AmortForm* MainWindow::OpenAmortForm() const {
    return amortWindow_ ? qobject_cast<AmortForm*>(amortWindow_->widget()) : nullptr;
}

void MainWindow::RefreshCommands() {
    const MainCommands& commands = model_.Commands;
    actions_["mnuAmort"]->setEnabled(commands.mnuAmort);
    actions_["mnuCalc"]->setEnabled(commands.mnuCalc);
    actions_["mnuWindow"]->setEnabled(commands.mnuWindow);
    actions_["mnuFileSave"]->setEnabled(commands.mnuFileSave);
    actions_["mnuFileSaveAs"]->setEnabled(commands.mnuFileSaveAs);
    actions_["mnuFilePrint"]->setEnabled(commands.mnuFilePrint);
    actions_["tbSave"]->setEnabled(commands.tbSave);
    actions_["tbPrint"]->setEnabled(commands.tbPrint);
    actions_["tbCopy"]->setEnabled(commands.tbCopy);
    actions_["mnuHelpTips"]->setChecked(state_.ToolTipsChecked);
    logo_->setVisible(commands.logoVisible);
    if (commands.logoVisible) {
        logo_->CenterInParent();
    }
    RefreshPressedButtons();
    ui_.ApplyPendingFocus();
}

void MainWindow::RefreshPressedButtons() {
    QMdiSubWindow* active = mdiArea_->activeSubWindow();
    bool amortActive = active && active == amortWindow_;
    actions_["tbAmort"]->setChecked(amortActive);
    // The calculator window is not part of this program yet.
    actions_["tbCalc"]->setChecked(false);
}

void MainWindow::SubWindowActivated(QMdiSubWindow* window) {
    if (window && window == amortWindow_) {
        if (AmortForm* form = OpenAmortForm()) {
            ui_.SetActiveForm(form);
            form->Activate();
        }
    }
    RefreshPressedButtons();
}

void MainWindow::ShowAmortForm() {
    auto* form = new AmortForm(state_, ui_, today_, *runner_, *this);
    auto* window = new QMdiSubWindow;
    window->setObjectName("AmortWindow");
    window->setWidget(form);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle("Amortization Schedule");
    window->setWindowIcon(QIcon(":/toolbar/amort.png"));
    mdiArea_->addSubWindow(window);
    amortWindow_ = window;
    ui_.SetActiveForm(form);
    form->Load();
    window->adjustSize();
    GrowToHold(window->size());
    FormRect centred =
        CenterForm({0, 0, window->width(), window->height()},
                   {0, 0, mdiArea_->viewport()->width(), mdiArea_->viewport()->height()});
    window->move(std::max(0, centred.left), std::max(0, centred.top));
    window->show();
    mdiArea_->setActiveSubWindow(window);
    RefreshCommands();
}

// The working area must show the whole form: the window grows as far as the screen allows.
void MainWindow::GrowToHold(QSize formSize) {
    QSize area = mdiArea_->viewport()->size();
    QSize grown(width() + std::max(0, formSize.width() - area.width()),
                height() + std::max(0, formSize.height() - area.height()));
    if (QScreen* screen = this->screen()) {
        grown = grown.boundedTo(screen->availableGeometry().size());
    }
    if (grown != size()) {
        resize(grown);
    }
}

void MainWindow::UnloadAmortForm() {
    if (amortWindow_) {
        amortWindow_->close();
    }
    RefreshCommands();
}

void MainWindow::UnloadCalcForm() {
    state_.FormOpen[2] = false;
    UpdateMainCommands();
}

void MainWindow::FocusAmortForm() {
    if (amortWindow_) {
        mdiArea_->setActiveSubWindow(amortWindow_);
        ui_.SetActiveForm(OpenAmortForm());
    }
}

void MainWindow::ClickAmortButton(std::string_view button) {
    if (AmortForm* form = OpenAmortForm()) {
        form->ClickButton(button);
    }
}

std::string MainWindow::AmortLoanAmountText() {
    AmortForm* form = OpenAmortForm();
    return form ? form->Model().txtAmount.text : std::string();
}

void MainWindow::ApplyToolTips() {
    if (AmortForm* form = OpenAmortForm()) {
        form->ApplyToolTips();
    }
}

void MainWindow::CloseMainWindow() {
    close();
}

void MainWindow::QueueFileSaveAs() {
    QTimer::singleShot(0, this, [this] {
        model_.mnuFileSaveAs_Click();
        RefreshCommands();
    });
}

void MainWindow::UpdateMainCommands() {
    model_.UpdateMainCommands();
    RefreshCommands();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (model_.MDIForm_Unload()) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace quorvia
