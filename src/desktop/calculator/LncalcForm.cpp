#include "desktop/calculator/LncalcForm.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/help/HelpTopics.h"
#include "desktop/help/HelpKey.h"
#include "desktop/platform/QtText.h"
#include "desktop/platform/ScrollingBody.h"

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

}  // namespace

LncalcForm::LncalcForm(AppState& state, QtUi& ui, Clock today, CalculatorHost& host,
                       QWidget* parent)
    : QWidget(parent),
      model_(state, ui, std::move(today), host),
      ui_(ui),
      frame_(*this, ui, FormFrame::Keys::EnterAndEsc, [this] { Refresh(); }) {
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
    AddButtons(*buttonRow);

    auto* body = new QWidget(this);
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    bodyLayout->addWidget(caption);
    bodyLayout->addLayout(entries);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 4);
    layout->addWidget(new ScrollingBody(body, this));
    layout->addLayout(buttonRow);
    layout->addWidget(frame_.StatusPanel());

    QWidget* order[] = {fields_[kAmount], fields_[kRate], fields_[kMonths], fields_[kPayment],
                        optFreq_[1],      optFreq_[2],    optFreq_[3],      optFreq_[4],
                        optFreq_[5],      optFreq_[6],    buttons_[kCalc],  buttons_[kClear],
                        buttons_[kCopy],  buttons_[kQuit]};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

QWidget* LncalcForm::BuildFields() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int field = 0; field < kFieldCount; ++field) {
        const CalcFieldRow& row = kFieldRows[field];
        auto* edit =
            frame_.Add(new QLineEdit, row.name,
                       {[this, &row] { (model_.*row.gotFocus)(); },
                        [this, &row](std::string_view next) { (model_.*row.lostFocus)(next); },
                        [this, &row](int key) { return (model_.*row.keyPress)(key); }});
        edit->setMaximumWidth(110);
        fields_[field] = edit;
        connect(edit, &QLineEdit::textEdited, this,
                [this, field](const QString& text) { FieldText(field) = text.toStdString(); });
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
        auto* option =
            frame_.Add(new QRadioButton(kFrequencyCaptions[index], fraFreq),
                       CalculatorModel::OptionName(index),
                       {[this, index] { model_.optFreq_GotFocus(index); },
                        {},
                        [this, index](int key) { return model_.optFreq_KeyPress(index, key); }});
        optFreq_[index] = option;
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

void LncalcForm::AddButtons(QLayout& row) {
    buttons_[kCalc] = frame_.AddButton(
        "cmdCalc", "&Calculate", [this] { model_.cmdCalc_Click(); },
        [this] { model_.cmdCalc_GotFocus(); });
    buttons_[kClear] = frame_.AddButton(
        "cmdClear", "Clear &Values", [this] { model_.cmdClear_Click(); },
        [this] { model_.cmdClear_GotFocus(); });
    buttons_[kCopy] = frame_.AddButton(
        "cmdCopy", "C&opy Values", [this] { model_.cmdCopy_Click(); },
        [this] { model_.cmdCopy_GotFocus(); });
    // The window is closing once Quit has acted.
    buttons_[kQuit] = frame_.AddButton(
        "cmdQuit", "&Quit", [this] { model_.cmdQuit_Click(); },
        [this] { model_.cmdQuit_GotFocus(); }, FormFrame::AfterClick::Closes);
    for (QPushButton* button : buttons_) {
        row.addWidget(button);
    }
}

std::string& LncalcForm::FieldText(int field) {
    return model_.*kFieldRows[field].text;
}

void LncalcForm::Load() {
    model_.Form_Load();
    Refresh();
}

void LncalcForm::Activate() {
    frame_.MarkActive();
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
    frame_.ShowToolTip("cmdCalc", tips.cmdCalc);
    frame_.ShowToolTip("cmdClear", tips.cmdClear);
    frame_.ShowToolTip("cmdCopy", tips.cmdCopy);
    frame_.ShowToolTip("cmdQuit", tips.cmdQuit);
    frame_.ShowStatus(model_.pnlStatus);
    ui_.ApplyPendingFocus();
}

}  // namespace quorvia
