#include "desktop/app/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <algorithm>
#include <cstdlib>

#include "core/app/FormCentering.h"
#include "core/app/MainWindowTitle.h"
#include "core/base/Text.h"
#include "desktop/amortization/AmortForm.h"
#include "desktop/app/LogoForm.h"
#include "desktop/app/QtScheduleRunner.h"
#include "desktop/calculator/LncalcForm.h"
#include "desktop/comparison/CompareForm.h"
#include "desktop/platform/ModalDialog.h"
#include "desktop/platform/QtText.h"
#include "desktop/platform/ScreenFit.h"
#include "desktop/preferences/PrefsForm.h"
#include "desktop/preferences/PrtrSelForm.h"
#include "desktop/preferences/QtDataFolders.h"

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
// Where the calculator opens inside the working area: left 3900, top 400 twips.
const QPoint kCalcPosition(3900 / kTwipsPerPixel, (400 + kTwipsPerPixel / 2) / kTwipsPerPixel);
// How often a handed-over file waits for the dialogs to close.
constexpr int kHandOverRetryMs = 250;

// Menu items made anew each time their menu opens: the old ones go once the menu is built.
void TakeAway(QMenu& menu, std::vector<QAction*>& actions) {
    for (QAction* action : actions) {
        menu.removeAction(action);
        action->deleteLater();
    }
    actions.clear();
}

}  // namespace

MainWindow::MainWindow(AppState& state, PrinterService& printers, QtUi& ui, Clock today)
    : state_(state),
      printers_(printers),
      ui_(ui),
      today_(std::move(today)),
      dialog_(ui, fonts_, files_),
      help_(this),
      helpKey_(help_, ui),
      model_(state, printers, ui, *this, help_),
      printDialogs_(printers),
      ownPrinterDialog_(ui, printers, printDialogs_, state.PrintOrientation, state.PrintPaperSize) {
    InitToolbarIcons();
    setObjectName("Quorvia");
    setWindowTitle("Quorvia");
    setWindowIcon(QIcon(":/app/quorvia.png"));
    ui_.SetOwner(this);
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName("mdiArea");
    setCentralWidget(mdiArea_);
    logo_ = new LogoForm(mdiArea_->viewport());
    BuildMenusAndToolBar();
    qApp->installEventFilter(&helpKey_);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &MainWindow::SubWindowActivated);
    handOverRetry_ = new QTimer(this);
    handOverRetry_->setSingleShot(true);
    handOverRetry_->setInterval(kHandOverRetryMs);
    connect(handOverRetry_, &QTimer::timeout, this, &MainWindow::OpenHandedOverFiles);
    RefreshCommands();
}

// The data forms go first, while the commands they report to still exist.
MainWindow::~MainWindow() {
    delete amortWindow_;
    delete calcWindow_;
}

bool MainWindow::Start(const std::filesystem::path& programFolder,
                       const std::function<OtherCopy()>& otherCopy) {
    if (state_.DocumentsFolder.empty()) {
        state_.DocumentsFolder = PersonsDocumentsFolder();
    }
    bool started = model_.MDIForm_Load(programFolder, otherCopy);
    RefreshCommands();
    return started;
}

void MainWindow::ShowMainWindow() {
    resize(kWindowWidth, kWindowHeight);
    QRect area = AvailableArea(*this);
    QSize outer = size().grownBy(FrameMarginsOf(*this));
    FormRect centred =
        CenterForm({0, 0, outer.width(), outer.height()}, {0, 0, area.width(), area.height()});
    move(area.x() + centred.left, area.y());
    show();
}

void MainWindow::OpenFileAtStart(const std::string& path) {
    model_.OpenFileAtStart(path);
    RefreshCommands();
}

void MainWindow::TakeHandedOverFile(const std::string& path) {
    BringForward();
    if (!path.empty()) {
        handedOverFiles_.push_back(path);
        OpenHandedOverFiles();
    }
}

void MainWindow::BringForward() {
    if (isMinimized()) {
        showNormal();
    }
    raise();
    activateWindow();
    // A dialog or a question open over the window stays in front of it.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

// A file is opened only while the program waits for the person: not under a dialog or a message
// (the preview, a question), whose command is still running, nor while a menu is open.
void MainWindow::OpenHandedOverFiles() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    bool dialogOpen = std::any_of(windows.begin(), windows.end(),
                                  [](QWidget* window) { return qobject_cast<QDialog*>(window); });
    if (dialogOpen || QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
        handOverRetry_->start();
        return;
    }
    while (!handedOverFiles_.empty()) {
        std::string path = handedOverFiles_.front();
        handedOverFiles_.pop_front();
        model_.OpenHandedOverFile(path);
        RefreshCommands();
    }
}

QAction* MainWindow::AddAction(QWidget* holder, const MainActionEntry& entry) {
    auto* action = new QAction(Q(entry.caption), this);
    action->setShortcut(QKeySequence(Q(entry.shortcut), QKeySequence::PortableText));
    connect(action, &QAction::triggered, this, [this, handler = entry.handler] {
        (model_.*handler)();
        RefreshCommands();
    });
    holder->addAction(action);
    return action;
}

QAction* MainWindow::AddToolButton(QToolBar* toolBar, const MainActionEntry& entry) {
    QAction* action = toolBar->addAction(QIcon(Q(entry.icon)), Q(entry.caption));
    action->setToolTip(Q(entry.caption));
    connect(action, &QAction::triggered, this, [this, key = entry.action] {
        model_.ToolBar_ButtonClick(key);
        RefreshCommands();
    });
    return action;
}

void MainWindow::BuildMenusAndToolBar() {
    QMenuBar* bar = menuBar();
    QToolBar* toolBar = addToolBar("ToolBar");
    toolBar->setObjectName("ToolBar");
    toolBar->setMovable(false);
    toolBar->setIconSize(QSize(24, 24));
    QMenu* menu = nullptr;
    for (const MainActionEntry& entry : MainActionTable()) {
        QAction* action = nullptr;
        switch (entry.kind) {
            case MainActionKind::Menu:
                menu = bar->addMenu(Q(entry.caption));
                menu->setObjectName(Q(entry.name));
                action = menu->menuAction();
                break;
            case MainActionKind::Item:
                action = AddAction(menu, entry);
                break;
            case MainActionKind::Separator:
                action = menu->addSeparator();
                break;
            case MainActionKind::BarItem:
                action = AddAction(bar, entry);
                break;
            case MainActionKind::Tool:
                action = AddToolButton(toolBar, entry);
                break;
        }
        action->setObjectName(Q(entry.name));
        action->setCheckable(entry.checkable);
        actions_[IndexOf(entry.action)] = action;
    }
    connect(Action(MainAction::mnuFile)->menu(), &QMenu::aboutToShow, this,
            &MainWindow::ListRecentFiles);
    connect(Action(MainAction::mnuWindow)->menu(), &QMenu::aboutToShow, this,
            &MainWindow::ListOpenWindows);
}

// The recent files stand numbered above Exit, with a line below them.
void MainWindow::ListRecentFiles() {
    QMenu& menu = *Action(MainAction::mnuFile)->menu();
    TakeAway(menu, recentActions_);
    QAction* exit = Action(MainAction::mnuFileExit);
    const std::vector<std::string> captions = RecentFileCaptions(model_.Recent());
    for (std::size_t index = 0; index < captions.size(); ++index) {
        auto* action = new QAction(Q(captions[index]), &menu);
        action->setObjectName(QString("mnuFileRecent(%1)").arg(index));
        connect(action, &QAction::triggered, this, [this, index] {
            model_.OpenRecentFile(index);
            RefreshCommands();
        });
        menu.insertAction(exit, action);
        recentActions_.push_back(action);
    }
    if (!captions.empty()) {
        recentActions_.push_back(menu.insertSeparator(exit));
    }
}

// The open data forms, numbered in the order they opened; the active one is checked.
void MainWindow::ListOpenWindows() {
    QMenu& menu = *Action(MainAction::mnuWindow)->menu();
    TakeAway(menu, windowActions_);
    int number = 0;
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        if (!window->isVisible()) {
            continue;
        }
        QAction* action =
            menu.addAction(Q(NumberedCaption(++number, window->windowTitle().toStdString())));
        action->setObjectName(QString("mnuWinList(%1)").arg(number - 1));
        action->setCheckable(true);
        action->setChecked(window == mdiArea_->activeSubWindow());
        connect(action, &QAction::triggered, this, [this, window = QPointer(window)] {
            if (window) {
                mdiArea_->setActiveSubWindow(window);
                RefreshCommands();
            }
        });
        windowActions_.push_back(action);
    }
}

void MainWindow::TileForms() {
    mdiArea_->tileSubWindows();
}

void MainWindow::CascadeForms() {
    mdiArea_->cascadeSubWindows();
}

void MainWindow::RefreshTitle() {
    MainWindowTitle title = MainWindowTitleOf(state_);
    setWindowTitle(Q(title.text));
    setWindowModified(title.modified);
}

AmortForm* MainWindow::OpenAmortForm() const {
    return amortWindow_ ? qobject_cast<AmortForm*>(amortWindow_->widget()) : nullptr;
}

LncalcForm* MainWindow::OpenCalcForm() const {
    return calcWindow_ ? qobject_cast<LncalcForm*>(calcWindow_->widget()) : nullptr;
}

void MainWindow::RefreshCommands() {
    const MainCommands& commands = model_.Commands;
    for (const MainActionEntry& entry : MainActionTable()) {
        Action(entry.action)->setEnabled(commands.Enabled(entry.action));
    }
    Action(MainAction::mnuHelpTips)->setChecked(commands.Checked(MainAction::mnuHelpTips));
    logo_->setVisible(commands.logoVisible);
    if (commands.logoVisible) {
        logo_->CenterInParent();
    }
    RefreshPressedButtons();
    RefreshTitle();
    // A command may have changed the form's entries (File | Open).
    if (AmortForm* form = OpenAmortForm()) {
        form->Refresh();
    }
    ui_.ApplyPendingFocus();
}

void MainWindow::RefreshPressedButtons() {
    QMdiSubWindow* active = mdiArea_->activeSubWindow();
    bool amortActive = active && active == amortWindow_;
    Action(MainAction::tbAmort)->setChecked(amortActive);
    Action(MainAction::tbCalc)->setChecked(active && active == calcWindow_);
}

void MainWindow::SubWindowActivated(QMdiSubWindow* window) {
    LncalcForm* calc = OpenCalcForm();
    if (window && window == amortWindow_) {
        if (AmortForm* form = OpenAmortForm()) {
            ui_.SetActiveForm(form);
            form->Activate();
        }
        if (calc) {
            calc->Deactivate();
        }
    }
    if (window && window == calcWindow_ && calc) {
        calc->Activate();
    }
    RefreshPressedButtons();
}

void MainWindow::ShowAmortForm() {
    LoadAmortWindow();
    PresentAmortWindow();
}

AmortFormModel& MainWindow::LoadedAmortForm() {
    if (!amortWindow_) {
        LoadAmortWindow();
    }
    return OpenAmortForm()->Model();
}

void MainWindow::BringAmortFormForward() {
    PresentAmortWindow();
}

// A data form's window in the working area, not shown yet; it goes when it closes.
QMdiSubWindow* MainWindow::AddFormWindow(QWidget* form, const char* name, const char* title,
                                         const char* icon) {
    auto* window = new QMdiSubWindow;
    window->setObjectName(name);
    window->setWidget(form);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(title);
    window->setWindowIcon(QIcon(icon));
    mdiArea_->addSubWindow(window);
    return window;
}

// The form is loaded (its load step runs) but not shown yet.
// Made when a schedule is first asked for, with the printer dialog then in place.
QtScheduleRunner& MainWindow::Runner() {
    if (!runner_) {
        runner_ = std::make_unique<QtScheduleRunner>(state_, ui_, printers_, dialog_,
                                                     *printerDialog_, printDialogs_, this);
    }
    return *runner_;
}

void MainWindow::LoadAmortWindow() {
    auto* form = new AmortForm(state_, ui_, today_, Runner(), *this);
    connect(form, &AmortForm::Refreshed, this, &MainWindow::RefreshTitle);
    amortWindow_ =
        AddFormWindow(form, "AmortWindow", "Amortization Schedule", ":/toolbar/amort.png");
    ui_.SetActiveForm(form);
    form->Load();
}

// Shows the loaded form where it opens, or brings the open one forward; either way it becomes
// the active window, so its activation runs.
void MainWindow::PresentAmortWindow() {
    QMdiSubWindow* window = amortWindow_;
    if (!window->isVisible()) {
        window->adjustSize();
        GrowToHold(window->size());
        window->resize(window->size().boundedTo(mdiArea_->viewport()->size()));
        FormRect centred =
            CenterForm({0, 0, window->width(), window->height()},
                       {0, 0, mdiArea_->viewport()->width(), mdiArea_->viewport()->height()});
        window->move(std::max(0, centred.left), std::max(0, centred.top));
        window->show();
    }
    mdiArea_->setActiveSubWindow(window);
    RefreshCommands();
}

// The working area should show the whole form: the window grows as far as the screen allows,
// and stays on it; where the screen is too small the form scrolls.
void MainWindow::GrowToHold(QSize formSize) {
    QSize area = mdiArea_->viewport()->size();
    QSize grown(width() + std::max(0, formSize.width() - area.width()),
                height() + std::max(0, formSize.height() - area.height()));
    grown = grown.boundedTo(RoomFor(*this));
    if (grown != size()) {
        resize(grown);
        KeepOnScreen(*this);
    }
}

void MainWindow::UnloadAmortForm() {
    if (amortWindow_) {
        amortWindow_->close();
    }
    RefreshCommands();
}

void MainWindow::ShowCalcForm() {
    auto* form = new LncalcForm(state_, ui_, today_, *this);
    QMdiSubWindow* window =
        AddFormWindow(form, "CalcWindow", "Loan Calculator", ":/toolbar/calc.png");
    calcWindow_ = window;
    ui_.SetActiveForm(form);
    form->Load();
    window->adjustSize();
    GrowToHold(window->size() + QSize(kCalcPosition.x(), kCalcPosition.y()));
    QSize area = mdiArea_->viewport()->size();
    window->resize(window->size().boundedTo(area));
    window->move(std::max(0, std::min(kCalcPosition.x(), area.width() - window->width())),
                 std::max(0, std::min(kCalcPosition.y(), area.height() - window->height())));
    window->show();
    mdiArea_->setActiveSubWindow(window);
    RefreshCommands();
}

void MainWindow::ShowCompareForm() {
    std::optional<AmortEntries> loan;
    if (AmortFormModel* amort = AmortModel()) {
        loan = amort->Entries();
    }
    CompareForm form(
        state_, ui_, today_, files_,
        {state_, printers_, *printerDialog_, dialog_, PdfFileAsker(printDialogs_, this)},
        loan ? &*loan : nullptr, this);
    form.SetSchedulePreview([this](AmortInputs& inputs, const ScheduleEvents& events) {
        Runner().ComputeSchedule(inputs, events);
    });
    ShowModalForm(form);
}

void MainWindow::UnloadCalcForm() {
    if (calcWindow_) {
        calcWindow_->close();
    }
    RefreshCommands();
}

void MainWindow::FocusCalcForm() {
    if (calcWindow_) {
        mdiArea_->setActiveSubWindow(calcWindow_);
        ui_.SetActiveForm(OpenCalcForm());
    }
}

void MainWindow::ClickCalcButton(std::string_view button) {
    if (LncalcForm* form = OpenCalcForm()) {
        form->ClickButton(button);
    }
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
    if (LncalcForm* form = OpenCalcForm()) {
        form->ApplyToolTips();
    }
}

AmortFormModel* MainWindow::AmortModel() {
    AmortForm* form = OpenAmortForm();
    return form ? &form->Model() : nullptr;
}

void MainWindow::CloseMainWindow() {
    close();
}

void MainWindow::ShowAboutBox() {
    const char* searchPath = std::getenv("PATH");
    AboutForm about(ui_, starter_, searchPath ? searchPath : "", this);
    RunModal(about);
    raise();
    activateWindow();
}

int MainWindow::ActiveFormHelpContext() {
    QMdiSubWindow* active = mdiArea_->activeSubWindow();
    return HelpContextOf(active ? active->widget() : OpenAmortForm());
}

void MainWindow::ShowPrefsForm() {
    QtDataFolders volumes;
    PrefsForm form(state_, printers_, ui_, dialog_, *printerDialog_, volumes, this);
    ShowModalForm(form);
}

void MainWindow::ShowPrtrSelForm() {
    PrtrSelForm form(state_, printers_, ui_, dialog_, *printerDialog_, help_, this);
    ShowModalForm(form);
}

// Centred over the main window; afterwards the main window is brought to the front.
void MainWindow::ShowModalForm(QDialog& form) {
    form.resize(form.sizeHint().boundedTo(RoomFor(form)));
    FormRect centred = CenterForm({0, 0, form.width(), form.height()},
                                  {x(), y(), frameGeometry().width(), frameGeometry().height()});
    form.move(centred.left, std::max(0, centred.top));
    RunModal(form);
    raise();
    activateWindow();
    RefreshCommands();
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
