#include "desktop/disclosure/DisclosureForm.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/base/Text.h"
#include "core/disclosure/DisclosurePage.h"
#include "core/help/HelpTopics.h"
#include "desktop/help/HelpKey.h"
#include "desktop/platform/QtText.h"
#include "desktop/platform/ReportPdf.h"
#include "desktop/platform/ScreenFit.h"
#include "desktop/platform/ScrollingBody.h"

namespace quorvia {

namespace {

constexpr const char* kBoxNames[] = {"lblApr", "lblFinanceCharge", "lblAmountFinanced",
                                     "lblTotalOfPayments"};

QLabel* NewLabel(const QString& text, QWidget* parent, const char* name = nullptr) {
    auto* label = new QLabel(text, parent);
    if (name != nullptr) {
        label->setObjectName(name);
    }
    return label;
}

void MakeBold(QWidget& widget, double scale = 1) {
    QFont font = widget.font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * scale);
    widget.setFont(font);
}

// Only a changed text is set, so that the cursor stays where the person types.
void ShowText(QLineEdit& edit, const std::string& text) {
    if (edit.text() != Q(text)) {
        edit.setText(Q(text));
    }
}

DisclosureOutputs OutputsOf(const DisclosureServices& services, QtReportPrinter& printOutput,
                            QtTextMetrics& metrics) {
    return {services.printers,
            services.printDialog,
            printOutput,
            services.fileDialog,
            metrics,
            [](const ReportDocument& document, const std::string& path) {
                return WriteReportPdf(document, path);
            },
            services.state.DocumentsFolder.string()};
}

}  // namespace

DisclosureForm::DisclosureForm(QtUi& ui, const DisclosureServices& services,
                               const AmortInputs& loan, const Schedule& schedule, QWidget* parent)
    : FormDialog(ui, "Disclosure", parent),
      model_(services.state, ui, OutputsOf(services, printOutput_, metrics_), loan, schedule) {
    setWindowTitle(Q(DisclosureFormModel::kCaption));
    SetHelpContext(*this, help_context::kDisclosureForm);
    printOutput_.AskPdfFileName = services.askPdfFileName;
    printOutput_.ShowCaption = [this](const std::string& caption) { frame_.ShowStatus(caption); };

    auto* body = new QWidget(this);
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    if (!Trim(loan.BorrowerName).empty()) {
        bodyLayout->addWidget(
            NewLabel("Borrower: " + Q(Trim(loan.BorrowerName)), body, "lblBorrower"));
    }
    bodyLayout->addWidget(BuildBoxes());
    auto* lower = new QHBoxLayout;
    lower->addWidget(BuildCharges(), 1);
    lower->addWidget(BuildPaymentSchedule(), 1);
    bodyLayout->addLayout(lower);

    auto* buttonRow = new QHBoxLayout;
    AddButtons(*buttonRow);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 4);
    layout->addWidget(new ScrollingBody(body, this), 1);
    layout->addLayout(buttonRow);
    layout->addWidget(frame_.StatusPanel());

    Load({[this] { model_.Form_Load(); }, [] {}, [this] { model_.cmdClose_Click(); },
          [this] { return model_.Hidden; }});
}

QWidget* DisclosureForm::BuildBoxes() {
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    for (std::size_t index = 0; index < boxes_.size(); ++index) {
        auto* box = new QFrame(panel);
        box->setFrameShape(QFrame::Box);
        auto* column = new QVBoxLayout(box);
        QLabel* caption = NewLabel(Q(kDisclosureBoxes[index].caption), box);
        MakeBold(*caption);
        caption->setAlignment(Qt::AlignCenter);
        QLabel* explanation = NewLabel(Q(kDisclosureBoxes[index].explanation), box);
        explanation->setWordWrap(true);
        explanation->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        boxes_[index] = NewLabel("", box, kBoxNames[index]);
        MakeBold(*boxes_[index], 1.5);
        boxes_[index]->setAlignment(Qt::AlignCenter);
        boxes_[index]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        column->addWidget(caption);
        column->addWidget(explanation, 1);
        column->addWidget(boxes_[index]);
        if (index == 0) {
            // Beside the APR, so that nobody takes the loan's own rate for it.
            lblNoteRate_ = NewLabel("", box, "lblNoteRate");
            lblNoteRate_->setAlignment(Qt::AlignCenter);
            column->addWidget(lblNoteRate_);
        }
        row->addWidget(box, 1);
    }
    return panel;
}

void DisclosureForm::AddChargeRow(QGridLayout& grid, std::size_t index) {
    const std::size_t number = index + 1;
    auto keys = [this](int key) { return model_.txtCharge_KeyPress(key); };
    names_[index] = frame_.Add(
        new QLineEdit(this), DisclosureFormModel::ChargeNameControl(number),
        {[this, number] { model_.txtChargeName_GotFocus(number); },
         [this, number](std::string_view) { model_.txtChargeName_LostFocus(number); }, keys});
    amounts_[index] = frame_.Add(
        new QLineEdit(this), DisclosureFormModel::ChargeAmountControl(number),
        {[this, number] { model_.txtChargeAmount_GotFocus(number); },
         [this, number](std::string_view next) { model_.txtChargeAmount_LostFocus(number, next); },
         keys});
    amounts_[index]->setAlignment(Qt::AlignRight);
    amounts_[index]->setMaximumWidth(130);
    connect(names_[index], &QLineEdit::textEdited, this, [this, index](const QString& text) {
        model_.Charges[index].description = text.toStdString();
    });
    connect(amounts_[index], &QLineEdit::textEdited, this, [this, index](const QString& text) {
        model_.Charges[index].amount = text.toStdString();
    });
    const int row = static_cast<int>(number);
    grid.addWidget(names_[index], row, 0);
    grid.addWidget(amounts_[index], row, 1);
}

QWidget* DisclosureForm::BuildCharges() {
    auto* group = new QGroupBox("Prepaid finance charges", this);
    group->setObjectName("fraCharges");
    auto* grid = new QGridLayout(group);
    grid->addWidget(NewLabel("Description", group), 0, 0);
    grid->addWidget(NewLabel("Amount", group), 0, 1);
    for (std::size_t index = 0; index < DisclosureFormModel::kMostCharges; ++index) {
        AddChargeRow(*grid, index);
    }
    const int below = static_cast<int>(DisclosureFormModel::kMostCharges) + 1;
    grid->addWidget(NewLabel("Total prepaid finance charges", group), below, 0);
    lblPrepaidTotal_ = NewLabel("", group, "lblPrepaidTotal");
    lblPrepaidTotal_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    MakeBold(*lblPrepaidTotal_);
    grid->addWidget(lblPrepaidTotal_, below, 1);
    auto* buttons = new QHBoxLayout;
    cmdAdd_ = frame_.AddButton(
        "cmdAdd", "&Add charge", [this] { model_.cmdAdd_Click(); },
        [this] { model_.StatusText = "Add a line for another prepaid finance charge"; });
    cmdRemove_ = frame_.AddButton(
        "cmdRemove", "&Remove charge", [this] { model_.cmdRemove_Click(); },
        [this] { model_.StatusText = "Take away the charge last typed in, or the last one"; });
    buttons->addWidget(cmdAdd_);
    buttons->addWidget(cmdRemove_);
    buttons->addStretch();
    grid->addLayout(buttons, below + 1, 0, 1, 2);
    grid->setRowStretch(below + 2, 1);
    return group;
}

QWidget* DisclosureForm::BuildPaymentSchedule() {
    auto* group = new QGroupBox("Your payment schedule will be", this);
    group->setObjectName("fraPaymentSchedule");
    auto* column = new QVBoxLayout(group);
    lblPaymentSchedule_ = NewLabel("", group, "lblPaymentSchedule");
    lblPaymentSchedule_->setWordWrap(true);
    lblPaymentSchedule_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblPaymentSchedule_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(lblPaymentSchedule_, 1);
    return group;
}

void DisclosureForm::AddButtons(QLayout& row) {
    row.addWidget(frame_.AddButton(
        "cmdPrint", "&Print...", [this] { model_.cmdPrint_Click(); },
        [this] { model_.StatusText = "Print the disclosure on one page"; }));
    row.addWidget(frame_.AddButton(
        "cmdSave", "&Save as PDF...", [this] { model_.cmdSave_Click(); },
        [this] { model_.StatusText = "Save the one-page disclosure as a PDF file"; }));
    row.addWidget(frame_.AddButton(
        "cmdClose", "&Close", [this] { model_.cmdClose_Click(); },
        [this] { model_.StatusText = "Close the disclosure"; }));
}

void DisclosureForm::Refresh() {
    for (std::size_t index = 0; index < boxes_.size(); ++index) {
        boxes_[index]->setText(Q(model_.Boxes[index]));
    }
    lblNoteRate_->setText("Note rate: " + Q(model_.lblNoteRate));
    lblPrepaidTotal_->setText(Q(model_.lblPrepaidTotal));
    QStringList lines;
    for (const std::string& line : model_.PaymentSchedule) {
        lines << Q(line);
    }
    lblPaymentSchedule_->setText(lines.join('\n'));
    for (std::size_t index = 0; index < DisclosureFormModel::kMostCharges; ++index) {
        const bool shown = index < model_.Charges.size();
        names_[index]->setVisible(shown);
        amounts_[index]->setVisible(shown);
        if (shown) {
            ShowText(*names_[index], model_.Charges[index].description);
            ShowText(*amounts_[index], model_.Charges[index].amount);
        }
    }
    cmdAdd_->setEnabled(model_.cmdAddEnabled);
    cmdRemove_->setEnabled(model_.cmdRemoveEnabled);
    frame_.ShowStatus(model_.StatusText);
    ApplyPendingFocus();
}

void DisclosureForm::showEvent(QShowEvent* event) {
    FormDialog::showEvent(event);
    KeepOnScreen(*this);
}

}  // namespace quorvia
