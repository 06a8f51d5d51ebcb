#include "desktop/calculator/LncalcForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/help/HelpTopics.h"
#include "desktop/help/HelpKey.h"
#include "desktop/platform/AccessKeys.h"
#include "desktop/platform/QtText.h"
#include "desktop/platform/ScrollingBody.h"
#include "desktop/platform/StatusPanel.h"

namespace quorvia {

namespace {

// The four text boxes: their label, and the model's text and handlers.
struct CalcFieldRow {
    const char* name;
    const char* label;
    std::string CalculatorModel::*text;
    void (CalculatorModel::*gotFocus)();
    bool (CalculatorModel::*keyPress)(int);
    void (CalculatorModel::*lostFocus)(std::string_view);
};

const CalcFieldRow kFieldRows[] = {
    {"txtLnAmt", "Loan &Amount", &CalculatorModel::txtLnAmt, &CalculatorModel::txtLnAmt_GotFocus,
     &CalculatorModel::txtLnAmt_KeyPress, &CalculatorModel::txtLnAmt_LostFocus},
    {"txtRate", "Annual Interest &Rate", &CalculatorModel::txtRate,
     &CalculatorModel::txtRate_GotFocus, &CalculatorModel::txtRate_KeyPress,
     &CalculatorModel::txtRate_LostFocus},
    {"txtMonths", "&Term in Months", &CalculatorModel::txtMonths,
     &CalculatorModel::txtMonths_GotFocus, &CalculatorModel::txtMonths_KeyPress,
     &CalculatorModel::txtMonths_LostFocus},
    {"txtPymt", "Periodic &Payment", &CalculatorModel::txtPymt, &CalculatorModel::txtPymt_GotFocus,
     &CalculatorModel::txtPymt_KeyPress, &CalculatorModel::txtPymt_LostFocus},
};

const char* const kFrequencyCaptions[] = {
    "",
    "Monthly",
    "Quarterly",
    "Semi-Annual",
    "Annual",
    "Bi-Weekly (every 2 wks)",
    "Semi-Monthly (2 pymts/mo)",
};

// The keys the calculator's controls intercept: Enter and Esc; 0 for any other.
int InterceptedKey(const QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return CalculatorModel::kEnterKey;
        case Qt::Key_Escape:
            return CalculatorModel::kEscKey;
        default:
            return 0;
    }
}

}  // namespace

LncalcForm::LncalcForm(AppState& state, QtUi& ui, Clock today, CalculatorHost& host,
                       QWidget* parent)
    : QWidget(parent), model_(state, ui, std::move(today), host), ui_(ui) {
    setObjectName("Lncalc");
    SetHelpContext(*this, help_context::kCalculatorForm);
    setWindowTitle("Loan Calculator");

    auto* caption = new QLabel("Enter 0 (zero) for the Variable to be Calculated", this);
    caption->setObjectName("lblCaption");
    caption->setAlignment(Qt::AlignCenter);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);

    auto* entries = new QHBoxLayout;
    entries->addWidget(BuildFields());
    entries->addWidget(BuildFrequencies());

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(AddButton(kCalc, "cmdCalc", "&Calculate"));
    buttonRow->addWidget(AddButton(kClear, "cmdClear", "Clear &Values"));
    buttonRow->addWidget(AddButton(kCopy, "cmdCopy", "C&opy Values"));
    buttonRow->addWidget(AddButton(kQuit, "cmdQuit", "&Quit"));

    pnlStatus_ = NewStatusPanel(this);

    auto* body = new QWidget(this);
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    bodyLayout->addWidget(caption);
    bodyLayout->addLayout(entries);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 4);
    layout->addWidget(new ScrollingBody(body, this));
    layout->addLayout(buttonRow);
    layout->addWidget(pnlStatus_);

    QWidget* order[] = {fields_[kAmount], fields_[kRate], fields_[kMonths], fields_[kPayment],
                        optFreq_[1],      optFreq_[2],    optFreq_[3],      optFreq_[4],
                        optFreq_[5],      optFreq_[6],    buttons_[kCalc],  buttons_[kClear],
                        buttons_[kCopy],  buttons_[kQuit]};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
    for (const Control& control : controls_) {
        control.widget->installEventFilter(this);
    }
    focusConnection_ = connect(qApp, &QApplication::focusChanged, this,
                               [this](QWidget*, QWidget* now) { FocusChanged(now); });
}

// The focus moves while the widgets go; the model must not hear of it any more.
LncalcForm::~LncalcForm() {
    disconnect(focusConnection_);
}

QWidget* LncalcForm::BuildFields() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int field = 0; field < kFieldCount; ++field) {
        const CalcFieldRow& row = kFieldRows[field];
        QLineEdit* edit = AddField(static_cast<Field>(field), row.name);
        auto* label = new QLabel(row.label, panel);
        label->setBuddy(edit);
        grid->addWidget(label, field, 0);
        grid->addWidget(edit, field, 1);
    }
    grid->setRowStretch(kFieldCount, 1);
    return panel;
}

QWidget* LncalcForm::BuildFrequencies() {
    auto* fraFreq = new QGroupBox("Fr&equency of Payments", this);
    fraFreq->setObjectName("fraFreq");
    auto* grid = new QGridLayout(fraFreq);
    grid->setVerticalSpacing(2);
    optFreq_[0] = nullptr;
    for (int index = 1; index <= 6; ++index) {
        auto* option = new QRadioButton(kFrequencyCaptions[index], fraFreq);
        option->setObjectName(Q(CalculatorModel::OptionName(index)));
        optFreq_[index] = option;
        controls_.push_back({option, Kind::Freq, index});
        connect(option, &QRadioButton::clicked, this, [this, index] {
            model_.optFreq = index;
            Refresh();
        });
        grid->addWidget(option, index - 1, 1);
    }
    auto* special = new QLabel("Special: ", fraFreq);
    special->setObjectName("lblSpecial");
    grid->addWidget(special, 4, 0, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    return fraFreq;
}

QLineEdit* LncalcForm::AddField(Field field, const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setMaximumWidth(110);
    fields_[field] = edit;
    controls_.push_back({edit, Kind::Field, field});
    connect(edit, &QLineEdit::textEdited, this,
            [this, field](const QString& text) { FieldText(field) = text.toStdString(); });
    return edit;
}

QPushButton* LncalcForm::AddButton(Button button, const char* name, const QString& caption) {
    auto* push = new QPushButton(caption, this);
    push->setObjectName(name);
    push->setAutoDefault(false);
    buttons_[button] = push;
    controls_.push_back({push, Kind::Button, button});
    connect(push, &QPushButton::clicked, this, [this, button] { ButtonClicked(button); });
    return push;
}

const LncalcForm::Control* LncalcForm::ControlOf(const QWidget* widget) const {
    for (const Control& control : controls_) {
        if (control.widget == widget) {
            return &control;
        }
    }
    return nullptr;
}

std::string& LncalcForm::FieldText(int field) {
    return model_.*kFieldRows[field].text;
}

void LncalcForm::Load() {
    model_.Form_Load();
    Refresh();
}

void LncalcForm::Activate() {
    ui_.SetActiveForm(this);
    model_.ApplyToolTips();
    Refresh();
}

void LncalcForm::Deactivate() {
    model_.Form_Deactivate();
    Refresh();
}

void LncalcForm::ApplyToolTips() {
    model_.ApplyToolTips();
    Refresh();
}

void LncalcForm::ClickButton(std::string_view name) {
    for (QPushButton* button : buttons_) {
        if (button->objectName().toStdString() == name) {
            FocusAndPress(*button);
            return;
        }
    }
}

void LncalcForm::ButtonClicked(int button) {
    ui_.SetActiveForm(this);
    switch (button) {
        case kCalc:
            model_.cmdCalc_Click();
            break;
        case kClear:
            model_.cmdClear_Click();
            break;
        case kCopy:
            model_.cmdCopy_Click();
            break;
        default:
            model_.cmdQuit_Click();
            return;  // the window is closing
    }
    Refresh();
}

// Every focus move inside the form runs the lost-focus handler of the field that had the
// focus, then the got-focus handler of the control that has it now.
void LncalcForm::FocusChanged(QWidget* now) {
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

void LncalcForm::GotFocus(const Control& control) {
    switch (control.kind) {
        case Kind::Field:
            (model_.*kFieldRows[control.index].gotFocus)();
            break;
        case Kind::Freq:
            model_.optFreq_GotFocus(control.index);
            break;
        case Kind::Button:
            switch (control.index) {
                case kCalc:
                    model_.cmdCalc_GotFocus();
                    break;
                case kClear:
                    model_.cmdClear_GotFocus();
                    break;
                case kCopy:
                    model_.cmdCopy_GotFocus();
                    break;
                default:
                    model_.cmdQuit_GotFocus();
                    break;
            }
            break;
    }
}

void LncalcForm::LostFocus(const Control& control, std::string_view nextControl) {
    if (control.kind == Kind::Field) {
        (model_.*kFieldRows[control.index].lostFocus)(nextControl);
    }
}

bool LncalcForm::KeyPress(const Control& control, int key) {
    switch (control.kind) {
        case Kind::Field:
            return (model_.*kFieldRows[control.index].keyPress)(key);
        case Kind::Freq:
            return model_.optFreq_KeyPress(control.index, key);
        case Kind::Button:
            // Enter presses the command button that has the focus.
            if (key == CalculatorModel::kEnterKey) {
                static_cast<QPushButton*>(control.widget)->click();
                return true;
            }
            return false;
    }
    return false;
}

bool LncalcForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const Control* control = ControlOf(qobject_cast<QWidget*>(watched));
        int key = InterceptedKey(static_cast<QKeyEvent*>(event));
        if (control && key != 0) {
            ui_.SetActiveForm(this);
            bool swallowed = KeyPress(*control, key);
            Refresh();
            return swallowed;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void LncalcForm::closeEvent(QCloseEvent* event) {
    model_.Form_Unload();
    event->accept();
}

void LncalcForm::Refresh() {
    for (int field = 0; field < kFieldCount; ++field) {
        QString text = QString::fromStdString(FieldText(field));
        if (fields_[field]->text() != text) {
            fields_[field]->setText(text);
        }
    }
    if (model_.optFreq >= 1 && model_.optFreq <= 6) {
        optFreq_[model_.optFreq]->setChecked(true);
    }
    const CalculatorModel::ButtonTips& tips = model_.ToolTips;
    buttons_[kCalc]->setToolTip(QString::fromStdString(tips.cmdCalc));
    buttons_[kClear]->setToolTip(QString::fromStdString(tips.cmdClear));
    buttons_[kCopy]->setToolTip(QString::fromStdString(tips.cmdCopy));
    buttons_[kQuit]->setToolTip(QString::fromStdString(tips.cmdQuit));
    pnlStatus_->setText(QString::fromStdString(model_.pnlStatus));
    ui_.ApplyPendingFocus();
}

}  // namespace quorvia
