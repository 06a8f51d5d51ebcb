#include "desktop/amortization/AmortForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/help/HelpTopics.h"
#include "desktop/help/HelpKey.h"
#include "desktop/platform/AccessKeys.h"
#include "desktop/platform/QtText.h"
#include "desktop/platform/ScrollingBody.h"
#include "desktop/platform/StatusPanel.h"

namespace quorvia {

namespace {

constexpr int kOkButton = 0;
constexpr int kClearButton = 1;
constexpr int kQuitButton = 2;

int Index(AmortField field) {
    return static_cast<int>(field);
}

// The key as the form's key handlers know it: Enter, Esc, backspace or a typed character;
// 0 for keys that type nothing (arrows, function keys).
int KeyCode(const QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return AmortFormModel::kEnterKey;
        case Qt::Key_Escape:
            return AmortFormModel::kEscKey;
        case Qt::Key_Backspace:
            return AmortFormModel::kBackspaceKey;
        default:
            break;
    }
    QString text = event->text();
    if (text.size() == 1 && text.at(0).unicode() >= 32) {
        return text.at(0).unicode();
    }
    return 0;
}

}  // namespace

AmortForm::AmortForm(AppState& state, QtUi& ui, Clock today, ScheduleRunner& runner,
                     AmortFormHost& host, QWidget* parent)
    : QWidget(parent), model_(state, ui, std::move(today), runner, host), ui_(ui) {
    setObjectName("Amort");
    SetHelpContext(*this, help_context::kAmortForm);
    setWindowTitle("Amortization Schedule");

    vsTab_ = new QTabWidget(this);
    vsTab_->setObjectName("vsTab");
    // Alt+D is the odd days' (or the funding date's) key: the data tab takes M.
    vsTab_->addTab(new ScrollingBody(BuildDataTab()), " A&mortization Data");
    vsTab_->addTab(new ScrollingBody(BuildStyleTab()), "Report St&yle");
    connect(vsTab_, &QTabWidget::currentChanged, this, &AmortForm::TabChanged);

    comOK_ = AddButton(AmortControl::comOK, "&Okay", kOkButton);
    comClr_ = AddButton(AmortControl::comClr, "Clear &Values", kClearButton);
    comQuit_ = AddButton(AmortControl::comQuit, "&Quit", kQuitButton);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(comOK_);
    buttons->addWidget(comClr_);
    buttons->addWidget(comQuit_);
    buttons->addStretch();

    pnlStatus_ = NewStatusPanel(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 4);
    layout->addWidget(vsTab_);
    layout->addLayout(buttons);
    layout->addWidget(pnlStatus_);

    for (const Control& control : controls_) {
        control.widget->installEventFilter(this);
    }
    focusConnection_ = connect(qApp, &QApplication::focusChanged, this,
                               [this](QWidget*, QWidget* now) { FocusChanged(now); });
}

// The focus moves while the widgets go; the model must not hear of it any more.
AmortForm::~AmortForm() {
    disconnect(focusConnection_);
}

QWidget* AmortForm::BuildDataTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setVerticalSpacing(4);
    auto label = [page](const QString& caption, QWidget* buddy) {
        auto* text = new QLabel(caption, page);
        text->setBuddy(buddy);
        return text;
    };

    QLineEdit* name = AddField(AmortField::Name);
    grid->addWidget(label("&Name:", name), 0, 0);
    grid->addWidget(name, 0, 1, 1, 3);

    auto* fraCalc = new QWidget(page);
    fraCalc->setObjectName("fraCalc");
    auto* calcRow = new QHBoxLayout(fraCalc);
    calcRow->setContentsMargins(0, 0, 0, 0);
    optCalc_[1] = AddOption(Kind::Calc, AmortControl::optCalc, 1, "Exact number of days", fraCalc);
    optCalc_[0] = AddOption(Kind::Calc, AmortControl::optCalc, 0, "Equal 30 day months", fraCalc);
    calcRow->addWidget(optCalc_[1]);
    calcRow->addWidget(optCalc_[0]);
    calcRow->addStretch();
    grid->addWidget(label("&Calculate interest using:", optCalc_[1]), 1, 0);
    grid->addWidget(fraCalc, 1, 1, 1, 3);

    struct Row {
        AmortField field;
        const char* caption;
    };
    const Row rows[] = {{AmortField::Amount, "Loan &Amount:"},
                        {AmortField::Rate, "Interest &Rate:"},
                        {AmortField::Term, "&Term in Months:"},
                        {AmortField::FirstPayment, "&1st Pymt (Mo/Day/Yr):"}};
    int row = 2;
    for (const Row& entry : rows) {
        QLineEdit* edit = AddField(entry.field);
        edit->setMaximumWidth(120);
        grid->addWidget(label(entry.caption, edit), row, 0);
        grid->addWidget(edit, row, 1);
        ++row;
    }

    QLineEdit* startDt = AddField(AmortField::FundingDate);
    QLineEdit* odd = AddField(AmortField::OddDays);
    startDt->setMaximumWidth(120);
    odd->setMaximumWidth(120);
    lblOdd_ = label("Loan funding date:", startDt);
    lblOdd_->setObjectName("lblOdd");
    grid->addWidget(lblOdd_, row, 0);
    auto* startCell = new QHBoxLayout;
    startCell->addWidget(startDt);
    startCell->addWidget(odd);
    grid->addLayout(startCell, row, 1);
    ++row;

    QLineEdit* noInt = AddField(AmortField::InterestFree);
    noInt->setMaximumWidth(120);
    grid->addWidget(label("# of 'Interest Free' payments:", noInt), row, 0);
    grid->addWidget(noInt, row, 1);

    auto* fraFreq = new QGroupBox("Fr&equency of Payments:", page);
    fraFreq->setObjectName("fraFreq");
    auto* freqGrid = new QGridLayout(fraFreq);
    freqGrid->setVerticalSpacing(2);
    const char* frequencies[] = {"",       "Monthly",   "Quarterly",    "Semi-Annual",
                                 "Annual", "Bi-Weekly", "Semi-Monthly:"};
    for (int index = 1; index <= 6; ++index) {
        optFreq_[index] =
            AddOption(Kind::Freq, AmortControl::optFreq, index, frequencies[index], fraFreq);
        freqGrid->addWidget(optFreq_[index], (index - 1) % 3, (index - 1) / 3);
    }
    optFreq_[0] = nullptr;
    cboSemiMthly_ = new QComboBox(fraFreq);
    cboSemiMthly_->setObjectName(Q(ControlName(AmortControl::cboSemiMthly)));
    Register(cboSemiMthly_, Kind::Pair, 0);
    connect(cboSemiMthly_, &QComboBox::activated, this, [this](int index) {
        model_.cboSemiMthly_Click(index);
        Refresh();
    });
    freqGrid->addWidget(cboSemiMthly_, 3, 1);
    grid->addWidget(fraFreq, 2, 2, 4, 2);

    auto* fraPymt = new QGroupBox("Periodic &Payment:", page);
    fraPymt->setObjectName("fraPymt");
    auto* pymtRow = new QHBoxLayout(fraPymt);
    QLineEdit* payment = AddField(AmortField::Payment);
    payment->setMaximumWidth(120);
    pymtRow->addWidget(payment);
    pymtRow->addWidget(new QLabel("(Enter 0 to compute payment)", fraPymt));
    grid->addWidget(fraPymt, 6, 2, 2, 2);

    auto* fraOptions = new QGroupBox("Other Options:", page);
    fraOptions->setObjectName("fraOptions");
    auto* optionsGrid = new QGridLayout(fraOptions);
    optionsGrid->setVerticalSpacing(2);
    checks_[0] = AddCheck(AmortCheck::Fix, "Fi&xed principal payments", fraOptions);
    checks_[1] = AddCheck(AmortCheck::BalDue, "F&ull payout on last scheduled payment", fraOptions);
    checks_[2] =
        AddCheck(AmortCheck::NbrPymts, "Print payment num&ber next to Due Dates", fraOptions);
    optionsGrid->addWidget(checks_[0], 0, 0);
    optionsGrid->addWidget(checks_[1], 0, 1);
    optionsGrid->addWidget(checks_[2], 1, 0, 1, 2);
    grid->addWidget(fraOptions, 8, 0, 1, 4);

    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    QWidget* order[] = {fields_[Index(AmortField::Name)],
                        optCalc_[1],
                        optCalc_[0],
                        fields_[Index(AmortField::Amount)],
                        fields_[Index(AmortField::Rate)],
                        fields_[Index(AmortField::Term)],
                        fields_[Index(AmortField::FirstPayment)],
                        optFreq_[1],
                        optFreq_[2],
                        optFreq_[3],
                        optFreq_[4],
                        optFreq_[5],
                        optFreq_[6],
                        cboSemiMthly_,
                        payment,
                        noInt,
                        startDt,
                        odd,
                        checks_[0],
                        checks_[1],
                        checks_[2]};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
    return page;
}

QWidget* AmortForm::BuildStyleTab() {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    // Alt+C is the Cancel button's while this tab is shown: the columnar format takes G.
    const char* styles[] = {"Columnar format (no &grid)", "Print with &Plain Grid",
                            "Print with &Fancy Grid", "S&ummary Report only"};
    for (int index = 0; index < 4; ++index) {
        optStyle_[index] =
            AddOption(Kind::Style, AmortControl::optStyle, index, styles[index], page);
        column->addWidget(optStyle_[index]);
    }
    column->addStretch();
    return page;
}

void AmortForm::Register(QWidget* widget, Kind kind, int index) {
    controls_.push_back({widget, kind, index});
}

QLineEdit* AmortForm::AddField(AmortField field) {
    auto* edit = new QLineEdit;
    edit->setObjectName(Q(ControlName(FieldRow(field).control)));
    fields_[Index(field)] = edit;
    Register(edit, Kind::Field, Index(field));
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
        model_.SetFieldText(field, text.toStdString());
        Refresh();
    });
    return edit;
}

QRadioButton* AmortForm::AddOption(Kind kind, AmortControl group, int index, const QString& caption,
                                   QWidget* parent) {
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(Q(OptionName(group, index)));
    Register(option, kind, index);
    connect(option, &QRadioButton::clicked, this, [this, kind, index] {
        if (kind == Kind::Calc) {
            model_.optCalc_Click(index);
        } else if (kind == Kind::Freq) {
            model_.optFreq_Click(index);
        } else {
            model_.optStyle_Click(index);
        }
        Refresh();
    });
    return option;
}

QCheckBox* AmortForm::AddCheck(AmortCheck check, const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(Q(ControlName(CheckRow(check).control)));
    Register(box, Kind::Check, static_cast<int>(check));
    connect(box, &QCheckBox::clicked, this, [this, check](bool checked) {
        model_.Check_Click(check, checked ? 1 : 0);
        Refresh();
    });
    return box;
}

QPushButton* AmortForm::AddButton(AmortControl name, const QString& caption, int index) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(Q(ControlName(name)));
    Register(button, Kind::Button, index);
    connect(button, &QPushButton::clicked, this, [this, index] { ButtonClicked(index); });
    return button;
}

const AmortForm::Control* AmortForm::ControlOf(const QWidget* widget) const {
    for (const Control& control : controls_) {
        if (control.widget == widget) {
            return &control;
        }
    }
    return nullptr;
}

void AmortForm::Load() {
    model_.Form_Load();
    Refresh();
}

void AmortForm::Activate() {
    ui_.SetActiveForm(this);
    model_.Form_Activate();
    Refresh();
}

void AmortForm::ApplyToolTips() {
    model_.ApplyToolTips();
    Refresh();
}

void AmortForm::ClickButton(std::string_view name) {
    QPushButton* button = name == ControlName(AmortControl::comOK)    ? comOK_
                          : name == ControlName(AmortControl::comClr) ? comClr_
                                                                      : comQuit_;
    FocusAndPress(*button);
}

void AmortForm::ButtonClicked(int index) {
    ui_.SetActiveForm(this);
    if (index == kOkButton) {
        model_.comOK_Click();
    } else if (index == kClearButton) {
        model_.comClr_Click();
    } else {
        model_.comQuit_Click();
    }
    Refresh();
}

void AmortForm::TabChanged(int index) {
    if (index == model_.Tab) {
        return;
    }
    ui_.SetActiveForm(this);
    model_.vsTab_Switch(index);
    Refresh();
}

// Every focus move inside the form runs the lost-focus handler of the control that had the
// focus (unless the form hid or disabled it), told where the focus went, then the got-focus handler
// of the new one. A handler may move the focus elsewhere; the got-focus handler then belongs to
// that control instead.
void AmortForm::FocusChanged(QWidget* now) {
    const Control* next = ControlOf(now);
    if (!next || now == lastFocused_) {
        return;
    }
    ui_.SetActiveForm(this);
    const Control* previous = ControlOf(lastFocused_);
    lastFocused_ = now;
    if (previous && HearsLeaveEvents(previous->widget)) {
        LostFocus(*previous, now->objectName().toStdString());
    }
    if (QApplication::focusWidget() == now) {
        GotFocus(*next);
    }
    Refresh();
}

void AmortForm::GotFocus(const Control& control) {
    switch (control.kind) {
        case Kind::Field:
            model_.Field_GotFocus(static_cast<AmortField>(control.index));
            break;
        case Kind::Calc:
            model_.optCalc_GotFocus(control.index);
            break;
        case Kind::Freq:
            model_.optFreq_GotFocus(control.index);
            break;
        case Kind::Pair:
            model_.cboSemiMthly_GotFocus();
            break;
        case Kind::Check:
            model_.Check_GotFocus(static_cast<AmortCheck>(control.index));
            break;
        case Kind::Style:
            model_.optStyle_GotFocus(control.index);
            break;
        case Kind::Button:
            if (control.index == kOkButton) {
                model_.comOK_GotFocus();
            } else if (control.index == kClearButton) {
                model_.comClr_GotFocus();
            } else {
                model_.comQuit_GotFocus();
            }
            break;
    }
}

void AmortForm::LostFocus(const Control& control, std::string_view nextControl) {
    switch (control.kind) {
        case Kind::Field:
            model_.Field_LostFocus(static_cast<AmortField>(control.index), nextControl);
            break;
        case Kind::Calc:
            model_.optCalc_LostFocus();
            break;
        case Kind::Freq:
            model_.optFreq_LostFocus(nextControl);
            break;
        case Kind::Pair:
            model_.cboSemiMthly_LostFocus(nextControl);
            break;
        case Kind::Check:
        case Kind::Style:
        case Kind::Button:
            break;
    }
}

bool AmortForm::KeyPress(const Control& control, int key) {
    switch (control.kind) {
        case Kind::Field:
            return model_.Field_KeyPress(static_cast<AmortField>(control.index), key);
        case Kind::Calc:
            return model_.optCalc_KeyPress(key);
        case Kind::Freq:
            return model_.optFreq_KeyPress(key);
        case Kind::Check:
            return model_.Check_KeyPress(static_cast<AmortCheck>(control.index), key);
        case Kind::Button:
            // Enter presses the command button that has the focus.
            if (key == AmortFormModel::kEnterKey) {
                static_cast<QPushButton*>(control.widget)->click();
                return true;
            }
            return false;
        case Kind::Pair:
        case Kind::Style:
            return false;
    }
    return false;
}

bool AmortForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const Control* control = ControlOf(qobject_cast<QWidget*>(watched));
        int key = KeyCode(static_cast<QKeyEvent*>(event));
        if (control && key != 0) {
            ui_.SetActiveForm(this);
            bool swallowed = KeyPress(*control, key);
            Refresh();
            return swallowed;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void AmortForm::closeEvent(QCloseEvent* event) {
    ui_.SetActiveForm(this);
    if (model_.Form_Unload()) {
        event->ignore();
        Refresh();
        return;
    }
    event->accept();
}

void AmortForm::RefreshField(AmortField field) {
    const AmortFormModel::TextBox& box = model_.FieldOf(field);
    QLineEdit* edit = fields_[Index(field)];
    QString text = QString::fromStdString(box.text);
    if (edit->text() != text) {
        edit->setText(text);
    }
    edit->setVisible(box.visible);
    edit->setEnabled(box.enabled);
}

void AmortForm::Refresh() {
    for (int field = 0; field < 9; ++field) {
        RefreshField(static_cast<AmortField>(field));
    }
    lblOdd_->setText(QString::fromStdString(model_.lblOdd));
    lblOdd_->setBuddy(model_.txtStartDt.visible ? fields_[Index(AmortField::FundingDate)]
                                                : fields_[Index(AmortField::OddDays)]);
    if (model_.optCalc == 0 || model_.optCalc == 1) {
        optCalc_[model_.optCalc]->setChecked(true);
    }
    if (model_.optFreq >= 1 && model_.optFreq <= 6) {
        optFreq_[model_.optFreq]->setChecked(true);
    }
    if (model_.optStyle >= 0 && model_.optStyle <= 3) {
        optStyle_[model_.optStyle]->setChecked(true);
    }

    const AmortFormModel::ComboBox& pairs = model_.cboSemiMthly;
    QStringList list;
    for (const std::string& caption : pairs.list) {
        list << QString::fromStdString(caption);
    }
    QStringList shown;
    for (int i = 0; i < cboSemiMthly_->count(); ++i) {
        shown << cboSemiMthly_->itemText(i);
    }
    if (shown != list) {
        cboSemiMthly_->clear();
        cboSemiMthly_->addItems(list);
    }
    cboSemiMthly_->setCurrentIndex(pairs.listIndex);
    cboSemiMthly_->setVisible(pairs.visible);
    cboSemiMthly_->setEnabled(pairs.enabled);

    checks_[0]->setChecked(model_.chkFix != 0);
    checks_[1]->setChecked(model_.chkBalDue != 0);
    checks_[2]->setChecked(model_.chkNbrPymts != 0);

    if (vsTab_->currentIndex() != model_.Tab) {
        QSignalBlocker block(vsTab_);
        vsTab_->setCurrentIndex(model_.Tab);
    }
    comClr_->setText(QString::fromStdString(model_.comClrCaption));
    comOK_->setToolTip(QString::fromStdString(model_.ToolTips.comOK));
    comClr_->setToolTip(QString::fromStdString(model_.ToolTips.comClr));
    comQuit_->setToolTip(QString::fromStdString(model_.ToolTips.comQuit));
    // A status text writes a shown ampersand doubled, as captions do.
    pnlStatus_->setText(QString::fromStdString(model_.pnlStatus).replace("&&", "&"));
    ui_.ApplyPendingFocus();
    emit Refreshed();
}

}  // namespace quorvia
