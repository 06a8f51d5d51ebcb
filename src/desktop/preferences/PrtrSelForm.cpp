#include "desktop/preferences/PrtrSelForm.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/help/HelpTopics.h"
#include "desktop/help/HelpKey.h"
#include "desktop/platform/QtText.h"
#include "desktop/preferences/FormLabels.h"

namespace quorvia {

PrtrSelForm::PrtrSelForm(AppState& state, PrinterService& printers, QtUi& ui, CDialog& fontDialog,
                         SharedPDialog& printerDialog, HelpEngine& help, QWidget* parent)
    : FormDialog(ui, "PrtrSel", parent),
      model_(state, printers, ui, fontDialog, printerDialog, help) {
    setWindowTitle(Q(kPrtrSelCaption));
    SetHelpContext(*this, help_context::kPrinterSetup);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(NewTextLabel("Current Default Printer (name & port):", this), 0, 0);
    auto shown = [this](const char* name) {
        QLabel* label = NewValueLabel(this, name, 380);
        label->setWordWrap(true);
        return label;
    };
    lblPrtrName_ = shown("lblPrtrName");
    grid->addWidget(lblPrtrName_, 1, 0);
    grid->addWidget(NewTextLabel("Current Default Font (name, size, & weight):", this), 2, 0);
    lblFontName_ = shown("lblFontName");
    grid->addWidget(lblFontName_, 3, 0);

    const char* captions[] = {"Select &Printer", "Select &Font", "&Okay", "&Cancel", "&Help"};
    const std::function<void()> clicks[] = {
        [this] { model_.SelectButton_Click(); }, [this] { model_.cmdFont_Click(); },
        [this] { model_.ExitButton_Click(); }, [this] { model_.cmdCancel_Click(); },
        [this] { model_.cmdHelp_Click(); }};
    auto* column = new QVBoxLayout;
    for (std::size_t index = 0; index < buttons_.size(); ++index) {
        // Enter does not press these buttons: only a click, Space or the access key does.
        buttons_[index] =
            frame_.Add(new QPushButton(captions[index], this), PrtrSelModel::kButtons[index]);
        buttons_[index]->setAutoDefault(false);
        auto click = clicks[index];
        connect(buttons_[index], &QPushButton::clicked, this,
                [this, click] { frame_.Handle(click); });
        column->addWidget(buttons_[index]);
    }
    column->addStretch();
    grid->addLayout(column, 0, 1, 6, 1);
    grid->addWidget(
        NewTextLabel("The program's original 'default' font is Times New Roman, 12 point, "
                     "normal weight",
                     this, "Label1"),
        4, 0);
    grid->addWidget(
        NewTextLabel(" Click 'Select Printer' to choose a new default printer or 'Select "
                     "Font' to choose a new font, font size, or font weight (normal or "
                     "bold).  ",
                     this, "Label3"),
        5, 0);
    layout->addLayout(grid);
    QLabel* note = NewTextLabel(
        "NOTE:  You can also change the printer or font at each print preview "
        "screen prior to printing.",
        this, "pnlNote1");
    note->setFrameShape(QFrame::Panel);
    note->setFrameShadow(QFrame::Raised);
    layout->addWidget(note);
    pnlCaution_ = NewTextLabel(Q(kNoPrinterCaution), this, "pnlCaution");
    pnlCaution_->setFrameShape(QFrame::Panel);
    pnlCaution_->setStyleSheet("color: #a00000; font-weight: bold;");
    layout->addWidget(pnlCaution_);

    Load({[this] { model_.Form_Load(); }, [this] { model_.Form_Activate(); },
          [this] { model_.cmdCancel_Click(); }, [this] { return model_.Hidden; }});
}

void PrtrSelForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (isVisible()) {
        frame_.MarkActive();
        model_.Form_Resize();
        ui_.ApplyPendingFocus();
    }
}

void PrtrSelForm::Refresh() {
    lblPrtrName_->setText(Q(model_.lblPrtrName));
    lblFontName_->setText(Q(model_.lblFontName));
    pnlCaution_->setVisible(model_.pnlCautionVisible);
    buttons_[0]->setEnabled(model_.SelectButtonEnabled);
    buttons_[1]->setEnabled(model_.cmdFontEnabled);
    buttons_[2]->setEnabled(model_.ExitButtonEnabled);
    for (std::size_t index = 0; index < buttons_.size(); ++index) {
        frame_.ShowToolTip(PrtrSelModel::kButtons[index], model_.ToolTips[index]);
    }
    ApplyPendingFocus();
}

}  // namespace quorvia
