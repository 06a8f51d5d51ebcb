#include "desktop/preferences/PrefsForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileSystemModel>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "core/base/KeyCodes.h"
#include "core/base/Text.h"
#include "core/help/HelpTopics.h"
#include "desktop/help/HelpKey.h"
#include "desktop/platform/QtText.h"
#include "desktop/platform/ScrollingBody.h"
#include "desktop/preferences/FormLabels.h"
#include "desktop/preferences/StylePictures.h"

namespace quorvia {

namespace {

std::string Name(std::string_view group, int index) {
    return PrefsModel::OptionName(group, index);
}

QLabel* Note(const char* text, QWidget* parent) {
    QLabel* note = NewTextLabel(text, parent, "lblNote");
    QFont font = note->font();
    font.setItalic(true);
    note->setFont(font);
    return note;
}

}  // namespace

PrefsForm::PrefsForm(AppState& state, PrinterService& printers, QtUi& ui, CDialog& fontDialog,
                     SharedPDialog& printerDialog, DataFolders& folders, QWidget* parent)
    : FormDialog(ui, "Prefs", parent),
      model_(state, printers, ui, fontDialog, printerDialog, folders) {
    SetHelpContext(*this, help_context::kPreferencesForm);
    setWindowTitle(Q(kPrefsCaption));
    auto* layout = new QVBoxLayout(this);
    vsTab_ = new QTabWidget(this);
    vsTab_->setObjectName("vsTab");
    QStringList captions = Q(kPrefsTabCaptions).split('|');
    vsTab_->addTab(new ScrollingBody(BuildGeneralTab()), captions[0]);
    vsTab_->addTab(new ScrollingBody(BuildCompanyTab()), captions[1]);
    vsTab_->addTab(new ScrollingBody(BuildFilesTab()), captions[2]);
    vsTab_->addTab(new ScrollingBody(BuildStyleTab()), captions[3]);
    Add(vsTab_->tabBar(), vsTab_->tabBar()->objectName().toStdString(), false);
    layout->addWidget(vsTab_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(AddButton("cmdSave", "&Save", [this] { model_.cmdSave_Click(); }));
    buttons->addWidget(AddButton("cmdReset", "Rese&t", [this] { model_.cmdReset_Click(); }));
    buttons->addWidget(AddButton("cmdCancel", "&Cancel", [this] { model_.cmdCancel_Click(); }));
    layout->addLayout(buttons);
    layout->addWidget(frame_.StatusPanel());

    connect(vsTab_, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab != model_.Tab) {
            frame_.Handle([this, tab] { model_.vsTab_Switch(tab); });
        }
    });
    Load({[this] { model_.Form_Load(); }, [this] { model_.Form_Activate(); },
          [this] { model_.cmdCancel_Click(); }, [this] { return model_.Closed; }});
}

template <typename Control>
Control* PrefsForm::Add(Control* control, const std::string& name, bool enterMovesOn,
                        std::function<void(std::string_view)> lostFocus) {
    FormFrame::Handlers handlers{
        [this, name] { model_.Control_GotFocus(name); }, std::move(lostFocus), {}};
    if (enterMovesOn) {
        handlers.keyPress = [this](int key) { return EnterMovesOn(key); };
    }
    return frame_.Add(control, name, std::move(handlers));
}

// Enter in a text box, check box or option moves on to the next control.
bool PrefsForm::EnterMovesOn(int key) {
    if (key != key_code::kEnter) {
        return false;
    }
    focusNextChild();
    return true;
}

QCheckBox* PrefsForm::AddCheck(const char* name, const QString& caption, QWidget* parent,
                               int& value) {
    auto* check = Add(new QCheckBox(caption, parent), name, true);
    connect(check, &QCheckBox::clicked, this, [&value](bool on) { value = on ? 1 : 0; });
    return check;
}

QPushButton* PrefsForm::AddButton(const std::string& name, const QString& caption,
                                  std::function<void()> click) {
    return frame_.AddButton(name, caption, std::move(click),
                            [this, name] { model_.Control_GotFocus(name); });
}

QWidget* PrefsForm::BuildGeneralTab() {
    auto* tab = new QWidget;
    auto* grid = new QGridLayout(tab);
    auto* rateLabel = new QLabel("Default Interest &Rate:", tab);
    txtRate_ = Add(new QLineEdit(tab), "txtRate", false,
                   [this](std::string_view) { model_.txtRate_LostFocus(); });
    txtRate_->setMaximumWidth(100);
    rateLabel->setBuddy(txtRate_);
    connect(txtRate_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.txtRate = text.toStdString(); });
    grid->addWidget(rateLabel, 0, 0);
    grid->addWidget(txtRate_, 0, 1, Qt::AlignLeft);

    auto* fraFreq = new QGroupBox(" Default Fr&equency of Payments: ", tab);
    fraFreq->setObjectName("fraFreq");
    auto* freqLayout = new QGridLayout(fraFreq);
    const char* frequencies[] = {
        "Monthly",        "Quarterly", "Semi-Annual", "Annual", "Bi-Weekly (every 2 wks)",
        "Semi-Monthly ->"};
    for (int index = 1; index <= 6; ++index) {
        auto* option =
            Add(new QRadioButton(frequencies[index - 1], fraFreq), Name("optFreq", index), true,
                [this, index](std::string_view next) { model_.optFreq_LostFocus(index, next); });
        optFreq_[index] = option;
        freqLayout->addWidget(option, (index - 1) % 3, (index - 1) / 3);
        connect(option, &QRadioButton::clicked, this,
                [this, index] { frame_.Handle([this, index] { model_.optFreq_Click(index); }); });
    }
    auto* specialLabel = new QLabel("Special: ", fraFreq);
    cboSemiMthly_ = frame_.Add(
        new QComboBox(fraFreq), "cboSemiMthly",
        {[this] { ShowList(); }, [this](std::string_view) { model_.cboSemiMthly_LostFocus(); },
         [this](int key) {
             if (key == key_code::kEnter) {
                 model_.cboSemiMthly_Enter();
             } else {
                 model_.cboSemiMthly_Escape();
             }
             return true;
         }});
    // The arrow, page and home/end keys choose in the list as the keyboard's choice.
    cboSemiMthly_->installEventFilter(this);
    connect(cboSemiMthly_, &QComboBox::activated, this, [this](int index) {
        bool keyboard = listKeyboard_;
        listKeyboard_ = false;
        frame_.Handle([this, index, keyboard] { model_.cboSemiMthly_Click(index, keyboard); });
    });
    freqLayout->addWidget(specialLabel, 3, 0, Qt::AlignRight);
    freqLayout->addWidget(cboSemiMthly_, 3, 1);
    grid->addWidget(fraFreq, 1, 0, 1, 2);

    chkNbrPymts_ = AddCheck("chkNbrPymts", "Num&ber payments", tab, model_.chkNbrPymts);
    grid->addWidget(chkNbrPymts_, 2, 0, 1, 2);

    // Alt+U is the full payout's on this tab: the interest method takes L.
    auto* calcLabel = new QLabel("Ca&lculate interest using.....", tab);
    grid->addWidget(calcLabel, 3, 0, 1, 2);
    auto* calcGroup = new QWidget(tab);
    auto* calcLayout = new QHBoxLayout(calcGroup);
    calcLayout->setContentsMargins(20, 0, 0, 0);
    const char* methods[] = {"Equal 30 day months", "Exact number of days"};
    for (int index = 0; index < 2; ++index) {
        auto* option =
            Add(new QRadioButton(methods[index], calcGroup), Name("optCalc", index), true);
        optCalc_[index] = option;
        calcLayout->addWidget(option);
        connect(option, &QRadioButton::clicked, this,
                [this, index] { frame_.Handle([this, index] { model_.optCalc_Click(index); }); });
    }
    calcLabel->setBuddy(optCalc_[0]);
    grid->addWidget(calcGroup, 4, 0, 1, 2);

    chkBalDue_ = AddCheck("chkBalDue", "F&ull payout on last pymt.", tab, model_.chkBalDue);
    chkFix_ = AddCheck("chkFix", "Fi&xed principal pymts.", tab, model_.chkFix);
    chkTips_ = Add(new QCheckBox("Show ToolTips &help", tab), "chkTips", true);
    connect(chkTips_, &QCheckBox::clicked, this,
            [this](bool on) { frame_.Handle([this, on] { model_.chkTips_Click(on ? 1 : 0); }); });
    int row = 5;
    for (QCheckBox* check : {chkBalDue_, chkFix_, chkTips_}) {
        grid->addWidget(check, row++, 0, 1, 2);
    }
    grid->addWidget(
        Note("NOTE:  All defaults shown above may be overidden on data entry screens", tab), row, 0,
        1, 2);
    grid->setRowStretch(row + 1, 1);
    return tab;
}

QWidget* PrefsForm::BuildCompanyTab() {
    auto* tab = new QWidget;
    auto* grid = new QGridLayout(tab);
    const char* captions[] = {"Company &name:", "&Address, city, state:"};
    for (int index = 0; index < 2; ++index) {
        auto* label = new QLabel(captions[index], tab);
        auto* edit = Add(new QLineEdit(tab), Name("txtName", index), true);
        edit->setMinimumWidth(360);
        label->setBuddy(edit);
        txtName_[index] = edit;
        connect(edit, &QLineEdit::textEdited, this,
                [this, index](const QString& text) { model_.txtName[index] = text.toStdString(); });
        grid->addWidget(label, index, 0);
        grid->addWidget(edit, index, 1);
    }
    chkFooter_ = AddCheck(
        "chkFooter", "&Print Company name && address as a page footer on Amortization schedule",
        tab, model_.chkFooter);
    grid->addWidget(chkFooter_, 2, 0, 1, 2);
    grid->addWidget(Note("NOTE:  These defaults cannot be overidden within the program", tab), 3, 0,
                    1, 2);
    grid->setRowStretch(4, 1);
    return tab;
}

QWidget* PrefsForm::BuildFilesTab() {
    auto* tab = new QWidget;
    auto* grid = new QGridLayout(tab);
    grid->addWidget(new QLabel("Default path for saved data files:", tab), 0, 0, 1, 3);
    auto* driveLabel = new QLabel("Dri&ve:", tab);
    Drive1_ = Add(new QComboBox(tab), "Drive1", false);
    driveLabel->setBuddy(Drive1_);
    connect(Drive1_, &QComboBox::activated, this, [this](int index) {
        std::string volume = Drive1_->itemText(index).toStdString();
        frame_.Handle([this, volume] { model_.Drive1_Change(volume); });
    });
    auto* dirLabel = new QLabel("Su&bdirectory:", tab);
    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    Dir1_ = Add(new QTreeView(tab), "Dir1", false);
    Dir1_->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column) {
        Dir1_->hideColumn(column);
    }
    Dir1_->header()->hide();
    Dir1_->setMinimumHeight(130);
    dirLabel->setBuddy(Dir1_);
    connect(Dir1_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) {
                    std::string folder = folders_->filePath(current).toStdString();
                    frame_.Handle([this, folder] { model_.Dir1_Change(folder); });
                }
            });
    // The folder tree fills in as the volume is read: show the chosen folder once it is there.
    connect(folders_, &QFileSystemModel::directoryLoaded, this, [this] { RefreshFolders(); });
    lblCurrPath_ = NewValueLabel(tab, "lblCurrPath", 360);
    grid->addWidget(driveLabel, 1, 0);
    grid->addWidget(Drive1_, 1, 1, 1, 2);
    grid->addWidget(dirLabel, 2, 0, Qt::AlignTop);
    grid->addWidget(Dir1_, 2, 1, 1, 2);
    grid->addWidget(lblCurrPath_, 3, 1, 1, 2);

    grid->addWidget(new QLabel("Printer to use for Amortization Schedules:", tab), 4, 0, 1, 3);
    lblPrtrName_ = NewValueLabel(tab, "lblPrtrName", 360);
    cmdPrtrDefs_[0] = AddButton(Name("cmdPrtrDefs", 0), "Select &Printer...",
                                [this] { model_.cmdPrtrDefs_Click(0); });
    grid->addWidget(lblPrtrName_, 5, 0, 1, 2);
    grid->addWidget(cmdPrtrDefs_[0], 5, 2);
    grid->addWidget(new QLabel("Font to use for Amortization Schedules:", tab), 6, 0, 1, 3);
    lblFontName_ = NewValueLabel(tab, "lblFontName", 360);
    cmdPrtrDefs_[1] = AddButton(Name("cmdPrtrDefs", 1), "Select &Font...",
                                [this] { model_.cmdPrtrDefs_Click(1); });
    grid->addWidget(lblFontName_, 7, 0, 1, 2);
    grid->addWidget(cmdPrtrDefs_[1], 7, 2);
    grid->addWidget(
        Note("NOTE:  Printer & font defaults can be overidden on the Print Preview screen", tab), 8,
        0, 1, 3);
    grid->addWidget(
        Note("NOTE:  Path may be selected/changed at the Open & Save dialog windows", tab), 9, 0, 1,
        3);
    return tab;
}

QWidget* PrefsForm::BuildStyleTab() {
    auto* tab = new QWidget;
    auto* grid = new QGridLayout(tab);
    const char* styles[] = {"C&olumnar format (no grid)", "Print with &Plain Grid",
                            "Print with &Fancy Grid", "S&ummary Report only"};
    for (int index = 0; index < 4; ++index) {
        auto* picture = new QToolButton(tab);
        picture->setObjectName(Name("btnStyle", index));
        picture->setCheckable(true);
        picture->setIcon(StylePicture(index));
        picture->setIconSize(StylePicture(index).size());
        picture->setFocusPolicy(Qt::NoFocus);
        btnStyle_[index] = picture;
        auto* option = Add(new QRadioButton(styles[index], tab), Name("optStyle", index), true);
        optStyle_[index] = option;
        grid->addWidget(picture, index / 2 * 2, index % 2, Qt::AlignCenter);
        grid->addWidget(option, index / 2 * 2 + 1, index % 2, Qt::AlignCenter);
        connect(option, &QRadioButton::clicked, this,
                [this, index] { frame_.Handle([this, index] { model_.optStyle_Click(index); }); });
        connect(picture, &QToolButton::clicked, this,
                [this, index] { frame_.Handle([this, index] { model_.btnStyle_Click(index); }); });
    }
    grid->setRowStretch(4, 1);
    return tab;
}

// The list drops down as the focus reaches it from the option that enabled it.
void PrefsForm::ShowList() {
    model_.cboSemiMthly_GotFocus();
    if (model_.DropDown) {
        model_.DropDown = false;
        cboSemiMthly_->showPopup();
    }
}

bool PrefsForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cboSemiMthly_ && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
            case Qt::Key_Home:
            case Qt::Key_End:
                listKeyboard_ = true;
                break;
            default:
                break;
        }
    }
    return FormDialog::eventFilter(watched, event);
}

void PrefsForm::RefreshFolders() {
    QStringList volumes;
    for (const std::string& volume : model_.Drive1List) {
        volumes << Q(volume);
    }
    QStringList shown;
    for (int index = 0; index < Drive1_->count(); ++index) {
        shown << Drive1_->itemText(index);
    }
    if (shown != volumes) {
        Drive1_->clear();
        Drive1_->addItems(volumes);
    }
    Drive1_->setCurrentIndex(Drive1_->findText(Q(model_.Drive1)));
    QString root = Q(model_.Drive1);
    if (folders_->rootPath() != root) {
        folders_->setRootPath(root);
        Dir1_->setRootIndex(folders_->index(root));
    }
    QModelIndex folder = folders_->index(Q(model_.Dir1));
    if (folder.isValid() && Dir1_->currentIndex() != folder) {
        QSignalBlocker block(Dir1_->selectionModel());
        Dir1_->setCurrentIndex(folder);
    }
    if (folder.isValid()) {
        Dir1_->scrollTo(folder);
    }
    lblCurrPath_->setText(Q(model_.lblCurrPath));
}

void PrefsForm::Refresh() {
    if (txtRate_->text() != Q(model_.txtRate)) {
        txtRate_->setText(Q(model_.txtRate));
    }
    for (int index = 1; index <= 6; ++index) {
        optFreq_[index]->setChecked(model_.optFreq == index);
    }
    const PrefsModel::ComboBox& pairs = model_.cboSemiMthly;
    if (cboSemiMthly_->count() != static_cast<int>(pairs.list.size())) {
        cboSemiMthly_->clear();
        for (const std::string& caption : pairs.list) {
            cboSemiMthly_->addItem(Q(caption));
        }
    }
    cboSemiMthly_->setCurrentIndex(pairs.listIndex);
    cboSemiMthly_->setEnabled(pairs.enabled);
    chkNbrPymts_->setChecked(model_.chkNbrPymts != 0);
    for (int index = 0; index < 2; ++index) {
        // An option group with nothing selected shows both buttons released.
        optCalc_[index]->setAutoExclusive(model_.optCalc >= 0);
        optCalc_[index]->setChecked(model_.optCalc == index);
        optCalc_[index]->setAutoExclusive(true);
        if (txtName_[index]->text() != Q(model_.txtName[index])) {
            txtName_[index]->setText(Q(model_.txtName[index]));
        }
    }
    chkBalDue_->setChecked(model_.chkBalDue != 0);
    chkFix_->setChecked(model_.chkFix != 0);
    chkTips_->setChecked(model_.chkTips != 0);
    chkFooter_->setChecked(model_.chkFooter != 0);
    RefreshFolders();
    lblPrtrName_->setText(Q(model_.lblPrtrName));
    lblFontName_->setText(Q(model_.lblFontName));
    cmdPrtrDefs_[1]->setEnabled(model_.cmdFontEnabled);
    for (int index = 0; index < 4; ++index) {
        optStyle_[index]->setChecked(model_.optStyle == index);
        btnStyle_[index]->setChecked(model_.StylePressed(index));
    }
    for (std::size_t index = 0; index < model_.ToolTips.size(); ++index) {
        frame_.ShowToolTip(PrefsModel::kTipButtons[index], model_.ToolTips[index]);
    }
    if (vsTab_->currentIndex() != model_.Tab) {
        QSignalBlocker block(vsTab_);
        vsTab_->setCurrentIndex(model_.Tab);
    }
    frame_.ShowStatus(model_.pnlStatus);
    ApplyPendingFocus();
}

}  // namespace quorvia
