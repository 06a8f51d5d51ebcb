#include "desktop/platform/FontDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <cmath>

#include "desktop/platform/ReportFontFamilies.h"

namespace quorvia {

namespace {

// A report is printed in a normal or a bold weight, upright and without effects: the dialog
// offers nothing else.
const char* const kStyles[] = {"Regular", "Bold"};
constexpr int kBoldRow = 1;

void SelectRow(QListWidget* list, int row) {
    if (row >= 0 && row < list->count()) {
        list->setCurrentRow(row);
        list->scrollToItem(list->currentItem(), QAbstractItemView::PositionAtCenter);
    }
}

}  // namespace

std::vector<int> OfferedFontSizes(const FontRequest& request) {
    if ((request.flags & kCfLimitSize) != 0 && request.minSize > 0 &&
        request.maxSize >= request.minSize) {
        std::vector<int> sizes;
        for (int size = static_cast<int>(std::ceil(request.minSize)); size <= request.maxSize;
             ++size) {
            sizes.push_back(size);
        }
        return sizes;
    }
    return {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
}

FontDialog::FontDialog(const FontRequest& request, const std::vector<std::string>& families,
                       QWidget* parent)
    : QDialog(parent), request_(request), initialFamily_(RenderedFamily(request.initial.name)) {
    setObjectName("FontDialog");
    setWindowTitle("Font");
    auto* grid = new QGridLayout(this);
    families_ = AddList("&Font:", "lstFamily", 0);
    styles_ = AddList("Font st&yle:", "lstStyle", 1);
    sizes_ = AddList("&Size:", "lstSize", 2);
    for (const std::string& family : families) {
        families_->addItem(QString::fromStdString(family));
    }
    for (const char* style : kStyles) {
        styles_->addItem(style);
    }
    for (int size : OfferedFontSizes(request)) {
        sizes_->addItem(QString::number(size));
    }
    families_->setMinimumWidth(220);
    styles_->setMaximumWidth(130);
    sizes_->setMaximumWidth(70);

    auto* sampleBox = new QGroupBox("Sample", this);
    auto* sampleColumn = new QVBoxLayout(sampleBox);
    sample_ = new QLabel("AaBbYyZz", sampleBox);
    sample_->setObjectName("lblSample");
    sample_->setAlignment(Qt::AlignCenter);
    sample_->setMinimumHeight(60);
    sampleColumn->addWidget(sample_);
    grid->addWidget(sampleBox, 2, 0, 1, 3);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, 3, 0, 1, 3);

    SelectInitial();
    for (QListWidget* list : {families_, styles_, sizes_}) {
        connect(list, &QListWidget::currentRowChanged, this, &FontDialog::ShowSample);
    }
    ShowSample();
}

QListWidget* FontDialog::AddList(const QString& caption, const char* name, int column) {
    auto* list = new QListWidget(this);
    list->setObjectName(name);
    auto* label = new QLabel(caption, this);
    label->setBuddy(list);
    auto* grid = static_cast<QGridLayout*>(layout());
    grid->addWidget(label, 0, column);
    grid->addWidget(list, 1, column);
    return list;
}

void FontDialog::SelectInitial() {
    const FontChoice& initial = request_.initial;
    QList<QListWidgetItem*> family =
        families_->findItems(QString::fromStdString(initialFamily_), Qt::MatchFixedString);
    SelectRow(families_, family.isEmpty() ? 0 : families_->row(family.first()));
    SelectRow(styles_, initial.bold ? kBoldRow : 0);
    QList<QListWidgetItem*> size = sizes_->findItems(
        QString::number(static_cast<int>(std::lround(initial.size))), Qt::MatchExactly);
    SelectRow(sizes_, size.isEmpty() ? 0 : sizes_->row(size.first()));
}

FontChoice FontDialog::Choice() const {
    FontChoice choice;
    QListWidgetItem* family = families_->currentItem();
    choice.name = family ? family->text().toStdString() : request_.initial.name;
    // The stand-in of the font asked for is that font, under the name the caller knows.
    if (choice.name == initialFamily_) {
        choice.name = request_.initial.name;
    }
    choice.bold = styles_->currentRow() == kBoldRow;
    QListWidgetItem* size = sizes_->currentItem();
    choice.size = size ? size->text().toDouble() : request_.initial.size;
    return choice;
}

void FontDialog::ShowSample() {
    FontChoice choice = Choice();
    QFont font(QString::fromStdString(RenderedFamily(choice.name)));
    font.setPointSizeF(choice.size);
    font.setBold(choice.bold);
    sample_->setFont(font);
}

}  // namespace quorvia
