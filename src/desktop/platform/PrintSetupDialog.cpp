#include "desktop/platform/PrintSetupDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "desktop/platform/PaperSizes.h"

namespace quorvia {

PrintSetupDialog::PrintSetupDialog(const std::vector<PrinterInfo>& printers,
                                   const DeviceMode& current, QWidget* parent)
    : QDialog(parent),
      printer_(new QComboBox(this)),
      paper_(new QComboBox(this)),
      orientation_(new QButtonGroup(this)) {
    setWindowTitle(tr("Print Setup"));
    setObjectName(QStringLiteral("PrintSetupDialog"));
    printer_->setObjectName(QStringLiteral("printer"));
    paper_->setObjectName(QStringLiteral("paper"));
    for (const PrinterInfo& printer : printers) {
        printer_->addItem(QString::fromStdString(printer.device));
    }
    printer_->setCurrentIndex(
        std::max(0, printer_->findText(QString::fromStdString(current.deviceName))));
    for (const Paper& paper : PaperSizes()) {
        paper_->addItem(QPageSizeOf(paper.code).name(), paper.code);
    }
    paper_->setCurrentIndex(std::max(0, paper_->findData(current.paperSize)));

    auto* portrait = new QRadioButton(tr("&Portrait"), this);
    auto* landscape = new QRadioButton(tr("&Landscape"), this);
    portrait->setObjectName(QStringLiteral("portrait"));
    landscape->setObjectName(QStringLiteral("landscape"));
    orientation_->addButton(portrait, kOrientPortrait);
    orientation_->addButton(landscape, kOrientLandscape);
    (current.orientation == kOrientLandscape ? landscape : portrait)->setChecked(true);
    auto* orientationRow = new QHBoxLayout;
    orientationRow->addWidget(portrait);
    orientationRow->addWidget(landscape);

    auto* form = new QFormLayout;
    form->addRow(tr("P&rinter:"), printer_);
    form->addRow(tr("Paper si&ze:"), paper_);
    form->addRow(tr("Orientation:"), orientationRow);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

DeviceMode PrintSetupDialog::Choice() const {
    DeviceMode mode;
    mode.deviceName = printer_->currentText().toStdString();
    mode.paperSize = static_cast<int16_t>(paper_->currentData().toInt());
    mode.orientation = static_cast<int16_t>(orientation_->checkedId());
    return mode;
}

}  // namespace quorvia
