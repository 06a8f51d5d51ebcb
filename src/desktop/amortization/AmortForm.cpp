#include "desktop/amortization/AmortForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/help/HelpTopics.h"
#include "desktop/help/HelpKey.h"
#include "desktop/platform/QtText.h"
#include "desktop/platform/ScrollingBody.h"

namespace quorvia {

namespace {

int Index(AmortField field) {
    return static_cast<int>(field);
}

}  // namespace

AmortForm::AmortForm(AppState& state, QtUi& ui, Clock today, ScheduleRunner& runner,
                     AmortFormHost& host, QWidget* parent)
    : QWidget(parent),
      model_(state, ui, std::move(today), runner, host),
      ui_(ui),
      frame_(*this, ui, FormFrame::Keys::Typing, [this] { Refresh(); }) {
    setObjectName("Amort");
    SetHelpContext(*this, help_context::kAmortForm);
    setWindowTitle("Amortization Schedule");

    vsTab_ = new QTabWidget(this);
    vsTab_->setObjectName("vsTab");
    // Alt+D is the odd days' (or the funding date's) key: the data tab takes M.
    vsTab_->addTab(new ScrollingBody(BuildDataTab()), " A&mortization Data");
    vsTab_->addTab(new ScrollingBody(BuildStyleTab()), "Report St&yle");
    connect(vsTab_, &QTabWidget::currentChanged, this, &AmortForm::TabChanged);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(frame_.AddButton(
        ControlName(AmortControl::comOK), "&Okay", [this] { model_.comOK_Click(); },
        [this] { model_.comOK_GotFocus(); }));
    comClr_ = frame_.AddButton(
        ControlName(AmortControl::comClr), "Clear &Values", [this] { model_.comClr_Click(); },
        [this] { model_.comClr_GotFocus(); });
    buttons->addWidget(comClr_);
    buttons->addWidget(frame_.AddButton(
        ControlName(AmortControl::comQuit), "&Quit", [this] { model_.comQuit_Click(); },
        [this] { model_.comQuit_GotFocus(); }));
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 4);
    layout->addWidget(vsTab_);
    layout->addLayout(buttons);
    layout->addWidget(frame_.StatusPanel());
    frame_.SetCloseQuestion([this] { return model_.Form_Unload(); });
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
    const char* methods[] = {"Equal 30 day months", "Exact number of days"};
    for (int index : {1, 0}) {
        optCalc_[index] = AddOption(AmortControl::optCalc, index, methods[index], fraCalc,
                                    {[this, index] { model_.optCalc_GotFocus(index); },
                                     [this](std::string_view) { model_.optCalc_LostFocus(); },
                                     [this](int key) { return model_.optCalc_KeyPress(key); }},
                                    &AmortFormModel::optCalc_Click);
    }
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
            AddOption(AmortControl::optFreq, index, frequencies[index], fraFreq,
                      {[this, index] { model_.optFreq_GotFocus(index); },
                       [this](std::string_view next) { model_.optFreq_LostFocus(next); },
                       [this](int key) { return model_.optFreq_KeyPress(key); }},
                      &AmortFormModel::optFreq_Click);
        freqGrid->addWidget(optFreq_[index], (index - 1) % 3, (index - 1) / 3);
    }
    optFreq_[0] = nullptr;
    cboSemiMthly_ =
        frame_.Add(new QComboBox(fraFreq), ControlName(AmortControl::cboSemiMthly),
                   {[this] { model_.cboSemiMthly_GotFocus(); },
                    [this](std::string_view next) { model_.cboSemiMthly_LostFocus(next); },
                    {}});
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
        optStyle_[index] = AddOption(AmortControl::optStyle, index, styles[index], page,
                                     {[this, index] { model_.optStyle_GotFocus(index); }, {}, {}},
                                     &AmortFormModel::optStyle_Click);
        column->addWidget(optStyle_[index]);
    }
    column->addStretch();
    return page;
}

QLineEdit* AmortForm::AddField(AmortField field) {
    auto* edit =
        frame_.Add(new QLineEdit, ControlName(FieldRow(field).control),
                   {[this, field] { model_.Field_GotFocus(field); },
                    [this, field](std::string_view next) { model_.Field_LostFocus(field, next); },
                    [this, field](int key) { return model_.Field_KeyPress(field, key); }});
    fields_[Index(field)] = edit;
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
        model_.SetFieldText(field, text.toStdString());
        Refresh();
    });
    return edit;
}

QRadioButton* AmortForm::AddOption(AmortControl group, int index, const QString& caption,
                                   QWidget* parent, FormFrame::Handlers handlers,
                                   void (AmortFormModel::*click)(int)) {
    auto* option = frame_.Add(new QRadioButton(caption, parent), OptionName(group, index),
                              std::move(handlers));
    connect(option, &QRadioButton::clicked, this, [this, click, index] {
        (model_.*click)(index);
        Refresh();
    });
    return option;
}

QCheckBox* AmortForm::AddCheck(AmortCheck check, const QString& caption, QWidget* parent) {
    auto* box = frame_.Add(new QCheckBox(caption, parent), ControlName(CheckRow(check).control),
                           {[this, check] { model_.Check_GotFocus(check); },
                            {},
                            [this, check](int key) { return model_.Check_KeyPress(check, key); }});
    connect(box, &QCheckBox::clicked, this, [this, check](bool checked) {
        model_.Check_Click(check, checked ? 1 : 0);
        Refresh();
    });
    return box;
}

void AmortForm::Load() {
    model_.Form_Load();
    Refresh();
}

void AmortForm::Activate() {
    frame_.MarkActive();
    model_.Form_Activate();
    Refresh();
}

void AmortForm::ApplyToolTips() {
    model_.ApplyToolTips();
    Refresh();
}

void AmortForm::TabChanged(int index) {
    if (index == model_.Tab) {
        return;
    }
    frame_.Handle([this, index] { model_.vsTab_Switch(index); });
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
    frame_.ShowToolTip(ControlName(AmortControl::comOK), model_.ToolTips.comOK);
    frame_.ShowToolTip(ControlName(AmortControl::comClr), model_.ToolTips.comClr);
    frame_.ShowToolTip(ControlName(AmortControl::comQuit), model_.ToolTips.comQuit);
    frame_.ShowStatus(model_.pnlStatus);
    ui_.ApplyPendingFocus();
    emit Refreshed();
}

}  // namespace quorvia
