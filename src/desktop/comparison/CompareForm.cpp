#include "desktop/comparison/CompareForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/help/HelpTopics.h"
#include "desktop/comparison/ComparisonPage.h"
#include "desktop/help/HelpKey.h"
#include "desktop/platform/ModalDialog.h"
#include "desktop/platform/QtText.h"
#include "desktop/platform/ScrollingBody.h"

namespace quorvia {

namespace {

// The captions of the terms' rows, in the order of kScenarioTerms; the access key moves to the
// first column's field.
constexpr const char* kTermCaptions[] = {
    "Loan &amount:", "&Rate (%):", "&Term (months):", "Pa&yment:", "&First payment:"};

// The event kinds in the order the list offers them.
constexpr std::pair<EventKind, const char*> kKinds[] = {
    {EventKind::ExtraPrincipal, "Extra principal with each payment"},
    {EventKind::LumpSum, "Lump sum with one payment"},
    {EventKind::RateChange, "Rate change"},
    {EventKind::InterestOnly, "Interest only at the start"},
};

std::string_view ControlOfTerm(AmortField field) {
    switch (field) {
        case AmortField::Amount:
            return "txtAmount";
        case AmortField::Rate:
            return "txtRate";
        case AmortField::Term:
            return "txtTerm";
        case AmortField::Payment:
            return "txtPymt";
        default:
            return "txtPymt1";
    }
}

}  // namespace

CompareForm::CompareForm(AppState& state, QtUi& ui, Clock today, FileChooser& files,
                         const DisclosureServices& services, const AmortEntries* loan,
                         QWidget* parent)
    : FormDialog(ui, "Compare", parent),
      services_(services),
      model_(state, ui, std::move(today), files) {
    printOutput_.AskPdfFileName = services_.askPdfFileName;
    setWindowTitle("Compare Scenarios");
    SetHelpContext(*this, help_context::kCompareForm);
    auto* body = new QWidget;
    auto* fields = new QVBoxLayout(body);
    fields->addWidget(BuildColumns());
    fields->addWidget(BuildEventEntry());
    auto* results = new QHBoxLayout;
    results->addWidget(BuildFigures());
    charts_ = new CompareCharts(body);
    results->addWidget(charts_, 1);
    fields->addLayout(results, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new ScrollingBody(body), 1);
    auto* buttons = new QHBoxLayout;
    cmdAddScenario_ =
        frame_.AddButton("cmdAddScenario", "Add &Scenario", [this] { model_.AddScenario(); });
    buttons->addWidget(cmdAddScenario_);
    buttons->addWidget(frame_.AddButton("cmdOpen", "&Open...", [this] { model_.Open(); }));
    buttons->addWidget(frame_.AddButton("cmdSave", "Sa&ve...", [this] { model_.Save(); }));
    buttons->addWidget(frame_.AddButton("cmdPrint", "&Print...", [this] { Print(); }));
    buttons->addWidget(frame_.AddButton("cmdPdf", "E&xport PDF...", [this] {
        model_.ExportPdf([this](const std::filesystem::path& path) {
            return WriteComparisonPdf(model_, services_.state.PrintPaperSize, path);
        });
    }));
    buttons->addStretch();
    buttons->addWidget(frame_.AddButton("cmdCompare", "&Compare", [this] { model_.Compare(); }));
    buttons->addWidget(frame_.AddButton("cmdClose", "C&lose", [this] { closed_ = true; }));
    layout->addLayout(buttons);

    Load({[this, loan] { loan ? model_.StartFrom(*loan) : model_.StartTyped(); },
          [this] { ui_.SetFocus(CompareModel::ControlOf("txtAmount", 0)); }, [] {},
          [this] { return closed_; }});
}

QWidget* CompareForm::BuildColumns() {
    auto* box = new QGroupBox("Scenarios", this);
    auto* grid = new QGridLayout(box);
    for (std::size_t row = 0; row < kTermCount; ++row) {
        grid->addWidget(new QLabel(kTermCaptions[row], box), static_cast<int>(row) + 1, 0);
    }
    grid->addWidget(new QLabel("Events:", box), kTermCount + 1, 0, Qt::AlignTop);
    for (std::size_t scenario = 0; scenario < kMostScenarios; ++scenario) {
        AddColumn(scenario, *grid);
    }
    for (std::size_t row = 0; row < kTermCount; ++row) {
        auto* label =
            static_cast<QLabel*>(grid->itemAtPosition(static_cast<int>(row) + 1, 0)->widget());
        label->setBuddy(columns_[0].terms[row]);
    }
    return box;
}

void CompareForm::AddColumn(std::size_t scenario, QGridLayout& grid) {
    Column& column = columns_[scenario];
    const int at = static_cast<int>(scenario) + 1;
    QWidget* box = grid.parentWidget();
    column.heading = new QLabel(Q(ScenarioName(scenario)), box);
    column.heading->setAlignment(Qt::AlignCenter);
    column.heading->setStyleSheet(QString("font-weight: bold; border-bottom: 3px solid %1;")
                                      .arg(ScenarioColour(scenario).name()));
    grid.addWidget(column.heading, 0, at);
    for (std::size_t row = 0; row < kTermCount; ++row) {
        AmortField field = kScenarioTerms[row];
        auto* edit =
            frame_.Add(new QLineEdit(box), CompareModel::ControlOf(ControlOfTerm(field), scenario));
        edit->setAccessibleName(Q(ScenarioName(scenario)) + " " +
                                QString(kTermCaptions[row]).remove('&').remove(':'));
        connect(edit, &QLineEdit::textEdited, this, [this, scenario, field](const QString& text) {
            frame_.Handle([&] { model_.SetTerm(scenario, field, text.toStdString()); });
        });
        column.terms[row] = edit;
        grid.addWidget(edit, static_cast<int>(row) + 1, at);
    }
    column.events =
        frame_.Add(new QListWidget(box), CompareModel::ControlOf("lstEvents", scenario));
    column.events->setAccessibleName(Q(ScenarioName(scenario)) + " events");
    column.events->setMinimumWidth(190);
    column.events->setMaximumHeight(90);
    column.events->setWordWrap(true);
    grid.addWidget(column.events, kTermCount + 1, at);
    auto* row = new QHBoxLayout;
    column.removeEvent =
        frame_.AddButton(CompareModel::ControlOf("cmdRemoveEvent", scenario), "Remove Event",
                         [this, scenario] { RemoveEvent(scenario); });
    row->addWidget(column.removeEvent);
    column.remove =
        frame_.AddButton(CompareModel::ControlOf("cmdRemoveScenario", scenario), "Remove Scenario",
                         [this, scenario] { model_.RemoveScenario(scenario); });
    row->addWidget(column.remove);
    column.schedule = frame_.AddButton(CompareModel::ControlOf("cmdSchedule", scenario),
                                       "Schedule...", [this, scenario] { ShowSchedule(scenario); });
    column.schedule->setAccessibleName(Q(ScenarioName(scenario)) + " schedule");
    auto* shows = new QHBoxLayout;
    shows->addWidget(column.schedule);
    column.disclosure =
        frame_.AddButton(CompareModel::ControlOf("cmdDisclosure", scenario), "Disclosure...",
                         [this, scenario] { ShowDisclosure(scenario); });
    column.disclosure->setAccessibleName(Q(ScenarioName(scenario)) + " disclosure");
    shows->addWidget(column.disclosure);
    grid.addLayout(row, kTermCount + 2, at);
    grid.addLayout(shows, kTermCount + 3, at);
}

QWidget* CompareForm::BuildEventEntry() {
    auto* box = new QGroupBox("Add an event", this);
    // Two rows, so that the window stays narrow enough for a laptop's screen at 150 %.
    auto* rows = new QVBoxLayout(box);
    auto* row = new QHBoxLayout;
    rows->addLayout(row);
    auto labelled = [&](const char* caption, QWidget* field) {
        auto* label = new QLabel(caption, box);
        label->setBuddy(field);
        row->addWidget(label);
        row->addWidget(field);
    };
    cboScenario_ = frame_.Add(new QComboBox(box), "cboScenario");
    labelled("&Event for:", cboScenario_);
    cboKind_ = frame_.Add(new QComboBox(box), "cboKind");
    for (const auto& [kind, caption] : kKinds) {
        cboKind_->addItem(caption);
    }
    connect(cboKind_, &QComboBox::currentIndexChanged, this, [this] { ShowEventEntry(); });
    labelled("&Kind:", cboKind_);
    row->addStretch();
    row = new QHBoxLayout;
    rows->addLayout(row);
    txtValue_ = frame_.Add(new QLineEdit(box), "txtValue");
    labelled("A&mount or rate:", txtValue_);
    txtFrom_ = frame_.Add(new QLineEdit(box), "txtFrom");
    txtFrom_->setMaximumWidth(60);
    labelled("From payme&nt:", txtFrom_);
    txtTo_ = frame_.Add(new QLineEdit(box), "txtTo");
    txtTo_->setMaximumWidth(60);
    labelled("&Up to:", txtTo_);
    chkKeep_ = frame_.Add(new QCheckBox("Keep t&he payment", box), "chkKeep");
    row->addWidget(chkKeep_);
    row->addStretch();
    row->addWidget(frame_.AddButton("cmdAddEvent", "A&dd Event", [this] { AddEvent(); }));
    return box;
}

QTableWidget* CompareForm::BuildFigures() {
    figures_ = frame_.Add(new QTableWidget(static_cast<int>(kFigureRowCount), 1), "tblFigures");
    figures_->setAccessibleName("Figures of each scenario");
    figures_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList rows;
    for (std::string_view row : kFigureRows) {
        rows << Q(row);
    }
    figures_->setVerticalHeaderLabels(rows);
    figures_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    figures_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    return figures_;
}

void CompareForm::AddEvent() {
    std::size_t scenario = static_cast<std::size_t>(std::max(0, cboScenario_->currentIndex()));
    EventEntry entry{kKinds[cboKind_->currentIndex()].first, txtValue_->text().toStdString(),
                     txtFrom_->text().toStdString(), txtTo_->text().toStdString(),
                     chkKeep_->isChecked()};
    if (model_.AddEvent(scenario, entry)) {
        txtValue_->clear();
        txtFrom_->clear();
        txtTo_->clear();
    }
}

void CompareForm::ShowSchedule(std::size_t scenario) {
    if (auto loan = model_.ScheduleOf(scenario); loan && preview_) {
        preview_(loan->first, loan->second);
    }
}

// The column's Truth-in-Lending disclosure over the window, from its compared schedule.
void CompareForm::ShowDisclosure(std::size_t scenario) {
    if (model_.ScheduleOf(scenario)) {
        DisclosureForm form(ui_, services_, model_.Loans()[scenario],
                            model_.Figures()[scenario].schedule, this);
        RunModal(form);
    }
}

void CompareForm::Print() {
    model_.Print({services_.printers, services_.printDialog, printOutput_, [this] {
                      return printOutput_.PrintDrawnPage(
                          std::string(kComparisonTitle),
                          ComparisonLayout(services_.state.PrintPaperSize),
                          [this](QPainter& painter, const QRectF& page) {
                              PaintComparison(painter, page, model_);
                          });
                  }});
}

void CompareForm::RemoveEvent(std::size_t scenario) {
    int selected = columns_[scenario].events->currentRow();
    if (selected < 0) {
        ui_.Beep();
        return;
    }
    model_.RemoveEvent(scenario, static_cast<std::size_t>(selected));
}

void CompareForm::Refresh() {
    const std::size_t count = model_.Scenarios().size();
    for (std::size_t scenario = 0; scenario < kMostScenarios; ++scenario) {
        ShowColumn(scenario);
    }
    while (cboScenario_->count() > static_cast<int>(count)) {
        cboScenario_->removeItem(cboScenario_->count() - 1);
    }
    while (cboScenario_->count() < static_cast<int>(count)) {
        cboScenario_->addItem(Q(ScenarioName(static_cast<std::size_t>(cboScenario_->count()))));
    }
    cmdAddScenario_->setEnabled(count < kMostScenarios);
    ShowEventEntry();
    ShowFigures();
    ApplyPendingFocus();
}

void CompareForm::ShowColumn(std::size_t scenario) {
    Column& column = columns_[scenario];
    bool shown = scenario < model_.Scenarios().size();
    column.heading->setVisible(shown);
    column.events->setVisible(shown);
    column.removeEvent->setVisible(shown);
    column.remove->setVisible(shown && scenario > 0);
    column.schedule->setVisible(shown);
    column.disclosure->setVisible(shown);
    for (std::size_t row = 0; row < kTermCount; ++row) {
        column.terms[row]->setVisible(shown);
        QString text = shown ? Q(model_.Term(scenario, kScenarioTerms[row])) : QString();
        if (column.terms[row]->text() != text) {
            column.terms[row]->setText(text);
        }
    }
    const ScheduleEvents none;
    const ScheduleEvents& events = shown ? model_.Scenarios()[scenario].events : none;
    int selected = column.events->currentRow();
    column.events->clear();
    for (const ScheduleEvent& event : events) {
        column.events->addItem(Q(DescribeEvent(event)));
    }
    column.events->setCurrentRow(std::min(selected, column.events->count() - 1));
    column.removeEvent->setEnabled(!events.empty());
}

void CompareForm::ShowEventEntry() {
    EventKind kind = kKinds[std::max(0, cboKind_->currentIndex())].first;
    txtValue_->setEnabled(kind != EventKind::InterestOnly);
    txtTo_->setEnabled(kind == EventKind::ExtraPrincipal);
    chkKeep_->setEnabled(kind == EventKind::RateChange);
}

void CompareForm::ShowFigures() {
    const std::size_t count = model_.Scenarios().size();
    const auto& figures = model_.Figures();
    figures_->setColumnCount(static_cast<int>(count));
    for (std::size_t scenario = 0; scenario < count; ++scenario) {
        const int column = static_cast<int>(scenario);
        auto* heading = new QTableWidgetItem(Q(ScenarioName(scenario)));
        heading->setForeground(ScenarioColour(scenario));
        figures_->setHorizontalHeaderItem(column, heading);
        std::vector<std::string> texts;
        if (scenario < figures.size()) {
            texts = FigureTexts(figures[scenario], scenario == 0);
        }
        texts.resize(kFigureRowCount);
        for (std::size_t row = 0; row < kFigureRowCount; ++row) {
            auto* item = new QTableWidgetItem(Q(texts[row]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            figures_->setItem(static_cast<int>(row), column, item);
        }
    }
    // Every change clears the figures, so a new comparison always shows a new count first.
    if (figures.size() != shownFigures_) {
        shownFigures_ = figures.size();
        charts_->Show(figures);
    }
}

}  // namespace quorvia
