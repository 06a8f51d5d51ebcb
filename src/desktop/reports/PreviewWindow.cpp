#include "desktop/reports/PreviewWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>

#include "core/export/ScheduleExport.h"
#include "core/help/HelpTopics.h"
#include "desktop/disclosure/DisclosureForm.h"
#include "desktop/help/HelpKey.h"
#include "desktop/platform/ModalDialog.h"
#include "desktop/platform/QtFileChooser.h"
#include "desktop/platform/QtKeyCodes.h"
#include "desktop/platform/QtText.h"
#include "desktop/platform/ReportPainter.h"
#include "desktop/platform/ScreenFit.h"
#include "desktop/reports/GotoPageDialog.h"

namespace quorvia {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr int kInitialWidth = 820;
constexpr int kInitialHeight = 720;

}  // namespace

PreviewPageWidget::PreviewPageWidget(PreviewWindow& window, QWidget* parent)
    : QWidget(parent), window_(window) {
    setObjectName(Q(NameOf(PreviewControl::ThePage)));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewPageWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const ReportDocument& doc = window_.model_.Document();
    if (doc.PageCount() > 0) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        DrawReportPage(painter, doc, doc.PreviewPage(), QRectF(rect()));
    }
}

void PreviewPageWidget::mousePressEvent(QMouseEvent* event) {
    window_.model_.vsPrinter1_MouseDown(event->button() == Qt::LeftButton,
                                        window_.ToTwips(event->position().x()),
                                        window_.ToTwips(event->position().y()));
    window_.Refresh();
}

void PreviewPageWidget::mouseMoveEvent(QMouseEvent* event) {
    window_.model_.vsPrinter1_MouseMove((event->buttons() & Qt::LeftButton) != 0,
                                        window_.ToTwips(event->position().x()),
                                        window_.ToTwips(event->position().y()));
    window_.Refresh();
}

void PreviewPageWidget::mouseReleaseEvent(QMouseEvent*) {
    window_.model_.vsPrinter1_MouseUp();
    window_.Refresh();
}

PreviewWindow::PreviewWindow(AppState& state, QtUi& ui, PrinterService& printers,
                             StatusDisplay& status, CDialog& fontDialog, SharedPDialog& printDialog,
                             QtReportPrinter& printOutput, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint |
                          Qt::CustomizeWindowHint),
      state_(state),
      ui_(ui),
      printers_(printers),
      commonDialog_(fontDialog),
      printDialog_(printDialog),
      printOutput_(printOutput),
      model_(state, ui, printers, metrics_, status, fontDialog, printDialog, printOutput),
      previousForm_(ui.ActiveForm()) {
    setObjectName("PreviewWindow");
    SetHelpContext(*this, help_context::kPreviewWindow);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildToolBar();
    BuildPageArea();
    layout->addWidget(toolBar_);
    layout->addWidget(area_, 1);
    model_.ScrollBarThickness =
        static_cast<int>(ToTwips(style()->pixelMetric(QStyle::PM_ScrollBarExtent)));
    model_.ShowGotoPage = [this](int16_t highest) { return AskGotoPage(highest); };
    model_.DoEvents = [this] {
        Refresh();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    printOutput_.ShowCaption = [this](const std::string& caption) {
        PageLabel_->setText(QString::fromStdString(caption));
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    ui_.SetActiveForm(this);
    resize(kInitialWidth, kInitialHeight);
}

PreviewWindow::~PreviewWindow() {
    printOutput_.ShowCaption = nullptr;
    ui_.SetActiveForm(previousForm_);
}

void PreviewWindow::BuildToolBar() {
    toolBar_ = new QWidget(this);
    toolBar_->setObjectName("ToolBar");
    std::vector<QWidget*> strip;
    strip.push_back(
        AddButton(PreviewControl::FirstButton, "&First", &PreviewWindowModel::FirstButton_Click));
    strip.push_back(AddButton(PreviewControl::PreviousButton, "&Previous",
                              &PreviewWindowModel::PreviousButton_Click));
    strip.push_back(
        AddButton(PreviewControl::NextButton, "&Next", &PreviewWindowModel::NextButton_Click));
    strip.push_back(
        AddButton(PreviewControl::LastButton, "&Last", &PreviewWindowModel::LastButton_Click));
    strip.push_back(
        AddButton(PreviewControl::GotoButton, "&Go to...", &PreviewWindowModel::GotoButton_Click));
    PageLabel_ = new QLabel(toolBar_);
    PageLabel_->setObjectName("PageLabel");
    PageLabel_->setMinimumWidth(110);
    PageLabel_->setAlignment(Qt::AlignCenter);
    strip.push_back(PageLabel_);
    cmbZoom_ = new QComboBox(toolBar_);
    cmbZoom_->setObjectName(Q(NameOf(PreviewControl::cmbZoom)));
    Control(PreviewControl::cmbZoom) = cmbZoom_;
    for (std::string_view zoom : PreviewWindowModel::kZoomList) {
        cmbZoom_->addItem(Q(zoom));
    }
    cmbZoom_->installEventFilter(this);
    connect(cmbZoom_, &QComboBox::activated, this, [this](int index) {
        model_.cmbZoom_Click(static_cast<int16_t>(index));
        Refresh();
    });
    strip.push_back(cmbZoom_);
    strip.push_back(AddButton(PreviewControl::PrintButton, "P&rint...",
                              &PreviewWindowModel::PrintButton_Click));
    strip.push_back(
        AddButton(PreviewControl::cmdFont, "F&onts...", &PreviewWindowModel::cmdFont_Click));
    QPushButton* exportButton = MakeButton(PreviewControl::ExportButton, "&Export...");
    exportButton->setEnabled(false);
    connect(exportButton, &QPushButton::clicked, this, [this] { ExportSchedule(); });
    strip.push_back(exportButton);
    QPushButton* disclosureButton = MakeButton(PreviewControl::DisclosureButton, "&Disclosure...");
    disclosureButton->setEnabled(false);
    connect(disclosureButton, &QPushButton::clicked, this, [this] { ShowDisclosure(); });
    strip.push_back(disclosureButton);
    AddButton(PreviewControl::CloseButton, "&Close", &PreviewWindowModel::CloseButton_Click);
    toolBarStrip_ = strip;
    auto* grid = new QGridLayout(toolBar_);
    grid->setContentsMargins(4, 4, 4, 4);
    ArrangeToolBar();
}

// One row where the screen has the room; more on a narrow screen or at a large scale factor.
// Close stands apart at the end of the first row.
void PreviewWindow::ArrangeToolBar() {
    auto* grid = static_cast<QGridLayout*>(toolBar_->layout());
    QWidget* close = Control(PreviewControl::CloseButton);
    int count = static_cast<int>(toolBarStrip_.size());
    auto arrange = [&](int columns) {
        for (int index = 0; index < count; ++index) {
            grid->removeWidget(toolBarStrip_[index]);
            grid->addWidget(toolBarStrip_[index], index / columns, index % columns);
        }
        grid->removeWidget(close);
        grid->addWidget(close, 0, columns + 1);
        for (int column = 0; column <= count; ++column) {
            grid->setColumnStretch(column, column == columns ? 1 : 0);
        }
    };
    int columns = count;
    arrange(columns);
    while (columns > 1 && grid->minimumSize().width() > RoomFor(*this).width()) {
        columns = (columns + 1) / 2;
        arrange(columns);
    }
}

QPushButton* PreviewWindow::AddButton(PreviewControl control, const QString& caption,
                                      void (PreviewWindowModel::*handler)()) {
    QPushButton* button = MakeButton(control, caption);
    connect(button, &QPushButton::clicked, this, [this, handler] { Run(handler); });
    return button;
}

QPushButton* PreviewWindow::MakeButton(PreviewControl control, const QString& caption) {
    auto* button = new QPushButton(caption, toolBar_);
    button->setObjectName(Q(NameOf(control)));
    // Only as wide as the caption needs, so that the whole strip fits a small or scaled screen.
    QString shown = QString(caption).remove('&');
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(shown) +
                            2 * button->fontMetrics().averageCharWidth() + 8);
    button->setAutoDefault(false);
    button->installEventFilter(this);
    Control(control) = button;
    return button;
}

void PreviewWindow::BuildPageArea() {
    area_ = new QWidget(this);
    area_->setObjectName("PageArea");
    area_->setAutoFillBackground(true);
    QPalette palette = area_->palette();
    palette.setColor(QPalette::Window, QColor(128, 128, 128));
    area_->setPalette(palette);
    area_->installEventFilter(this);
    ThePage_ = new PreviewPageWidget(*this, area_);
    Control(PreviewControl::ThePage) = ThePage_;
    ThePage_->installEventFilter(this);
    ThePage_->hide();
    VS_ = new QScrollBar(Qt::Vertical, area_);
    VS_->setObjectName("VS");
    HS_ = new QScrollBar(Qt::Horizontal, area_);
    HS_->setObjectName("HS");
    for (QScrollBar* bar : {VS_, HS_}) {
        bar->installEventFilter(this);
        bar->hide();
    }
    connect(VS_, &QScrollBar::valueChanged, this, [this](int value) {
        if (!refreshing_) {
            model_.VS_Change(value);
            Refresh();
        }
    });
    connect(HS_, &QScrollBar::valueChanged, this, [this](int value) {
        if (!refreshing_) {
            model_.HS_Change(value);
            Refresh();
        }
    });
    ScrollMagnet_ = new QWidget(area_);
    ScrollMagnet_->setObjectName("ScrollMagnet");
    ScrollMagnet_->setAutoFillBackground(true);
    ScrollMagnet_->setPalette(QApplication::palette());
    ScrollMagnet_->hide();
}

bool PreviewWindow::Load(int16_t rowCount, int16_t reportKind) {
    model_.Form_Load(rowCount, reportKind);
    Refresh();
    return model_.Visible;
}

void PreviewWindow::SetSchedule(const AmortInputs& loan, const Schedule& schedule) {
    loan_ = &loan;
    schedule_ = &schedule;
    Control(PreviewControl::ExportButton)->setEnabled(true);
    Control(PreviewControl::DisclosureButton)->setEnabled(true);
}

// The schedule as a workbook or CSV file the person names; the page has the focus again after.
void PreviewWindow::ExportSchedule() {
    if (schedule_ != nullptr) {
        ScheduleExport(state_, ui_, commonDialog_, state_.DocumentsFolder.string())
            .Export(*schedule_);
    }
    ThePage_->setFocus();
}

// The disclosure of the schedule shown, over the preview; the page has the focus again after.
void PreviewWindow::ShowDisclosure() {
    if (schedule_ != nullptr && loan_ != nullptr) {
        DisclosureForm form(
            ui_, {state_, printers_, printDialog_, commonDialog_, printOutput_.AskPdfFileName},
            *loan_, *schedule_, this);
        RunModal(form);
    }
    ThePage_->setFocus();
}

int PreviewWindow::ToPixels(int twips) const {
    return static_cast<int>(std::lround(twips * logicalDpiX() / kTwipsPerInch));
}

double PreviewWindow::ToTwips(double pixels) const {
    return pixels * kTwipsPerInch / logicalDpiX();
}

void PreviewWindow::Run(void (PreviewWindowModel::*handler)()) {
    (model_.*handler)();
    Refresh();
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == area_ && event->type() == QEvent::Resize) {
        AreaResized();
    } else if (event->type() == QEvent::Wheel && (watched == area_ || watched == ThePage_)) {
        return ScrollByWheel(*static_cast<QWheelEvent*>(event));
    } else if (event->type() == QEvent::KeyPress && watched != area_) {
        // A key the page or a scroll bar leaves unhandled travels on to the page area; it
        // was already heard once.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            return false;
        }
        int code = KeyCodeOf(*key);
        model_.Form_KeyDown(code, ShiftOf(key->modifiers()));
        Refresh();
        return code == 0;
    }
    return QDialog::eventFilter(watched, event);
}

// The wheel scrolls the page up and down, with Shift (or a sideways wheel) from side to side,
// by the lines the desktop asks for.
bool PreviewWindow::ScrollByWheel(const QWheelEvent& wheel) {
    QPoint delta = wheel.angleDelta();
    bool sideways = (wheel.modifiers() & Qt::ShiftModifier) != 0 || delta.y() == 0;
    QScrollBar* bar = sideways ? HS_ : VS_;
    int notches = (delta.y() != 0 ? delta.y() : delta.x()) / QWheelEvent::DefaultDeltasPerStep;
    if (bar->isVisible() && notches != 0) {
        bar->setValue(bar->value() -
                      notches * QApplication::wheelScrollLines() * bar->singleStep());
    }
    return true;
}

void PreviewWindow::AreaResized() {
    model_.Form_Resize(static_cast<int>(ToTwips(area_->width())),
                       static_cast<int>(ToTwips(area_->height())));
    Refresh();
}

void PreviewWindow::Place(QWidget* widget, const TwipRect& rect) {
    widget->setGeometry(ToPixels(rect.left), ToPixels(rect.top), ToPixels(rect.width),
                        ToPixels(rect.height));
}

void PreviewWindow::MirrorBar(QScrollBar* bar, const ScrollBarState& state) {
    bar->setRange(0, state.max);
    bar->setPageStep(state.largeChange);
    bar->setSingleStep(state.smallChange);
    bar->setValue(state.value);
    bar->setVisible(state.visible);
}

void PreviewWindow::Refresh() {
    refreshing_ = true;
    setWindowTitle(Q(model_.Caption));
    PageLabel_->setText(Q(model_.PageLabel));
    Control(PreviewControl::FirstButton)->setEnabled(model_.FirstButtonEnabled);
    Control(PreviewControl::PreviousButton)->setEnabled(model_.PreviousButtonEnabled);
    Control(PreviewControl::NextButton)->setEnabled(model_.NextButtonEnabled);
    Control(PreviewControl::LastButton)->setEnabled(model_.LastButtonEnabled);
    Control(PreviewControl::PrintButton)->setEnabled(model_.PrintButtonEnabled);
    Control(PreviewControl::cmdFont)->setEnabled(model_.cmdFontEnabled);
    for (QWidget* control : controls_) {
        control->setToolTip(QString());
    }
    for (const auto& [control, tip] : model_.ToolTips) {
        Control(control)->setToolTip(Q(tip));
    }
    if (model_.ZoomListIndex >= 0) {
        QSignalBlocker blocker(cmbZoom_);
        cmbZoom_->setCurrentIndex(model_.ZoomListIndex);
    }
    MirrorBar(VS_, model_.VS);
    MirrorBar(HS_, model_.HS);
    Place(VS_, model_.VSRect);
    Place(HS_, model_.HSRect);
    Place(ScrollMagnet_, model_.ScrollMagnet);
    ScrollMagnet_->setVisible(model_.VS.visible || model_.HS.visible);
    Place(ThePage_, model_.ThePage);
    ThePage_->setVisible(model_.PageVisible);
    ThePage_->setCursor(model_.Dragging ? Qt::ClosedHandCursor : Qt::ArrowCursor);
    ThePage_->update();
    refreshing_ = false;
    if (!model_.Visible && isVisible()) {
        closing_ = true;
        done(QDialog::Accepted);
    }
}

std::string PreviewWindow::AskGotoPage(int16_t highest) {
    GotoPageDialog dialog(ui_, highest, this);
    ui_.SetActiveForm(&dialog);
    dialog.exec();
    ui_.SetActiveForm(this);
    return dialog.Model().ThisInput;
}

void PreviewWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The buttons' true widths are known now: the strip takes more rows where they need it.
    ArrangeToolBar();
    toolBar_->layout()->activate();
    layout()->activate();
    KeepOnScreen(*this);
    ThePage_->setFocus();
}

void PreviewWindow::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
    } else {
        event->ignore();
    }
}

void PreviewWindow::reject() {
    if (closing_) {
        QDialog::reject();
    } else {
        Run(&PreviewWindowModel::CloseButton_Click);
    }
}

PreviewWindowOpener::PreviewWindowOpener(AppState& state, QtUi& ui, PrinterService& printers,
                                         StatusDisplay& status, CDialog& fontDialog,
                                         SharedPDialog& printDialog, QtReportPrinter& printOutput,
                                         QWidget* parent)
    : makeWindow_(
          [&state, &ui, &printers, &status, &fontDialog, &printDialog, &printOutput, parent] {
              return std::make_unique<PreviewWindow>(state, ui, printers, status, fontDialog,
                                                     printDialog, printOutput, parent);
          }),
      parent_(parent) {}

void PreviewWindowOpener::ShowPreview(const AmortInputs& loan, const Schedule& schedule,
                                      int16_t reportKind) {
    std::unique_ptr<PreviewWindow> window = makeWindow_();
    window->SetSchedule(loan, schedule);
    if (window->Load(schedule.scheduledCount, reportKind)) {
        window->exec();
    }
    // The amortization form asks for its focus next: its window must be the active one again.
    if (parent_ != nullptr) {
        parent_->activateWindow();
    }
}

}  // namespace quorvia
