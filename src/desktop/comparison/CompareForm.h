#pragma once
// The comparison window (Compare): a column of terms and events for each scenario, the row where
// an event is typed before it is added to a column, and the figures of the last comparison.
// Each column's schedule opens in the preview and its Truth-in-Lending disclosure over the
// window; the comparison prints and exports on one page. Shows CompareModel's state and forwards
// every event to it; shown modally over the program.

#include <array>
#include <functional>

#include "core/comparison/CompareModel.h"
#include "desktop/comparison/CompareCharts.h"
#include "desktop/disclosure/DisclosureForm.h"
#include "desktop/platform/FormDialog.h"
#include "desktop/platform/QtReportPrinter.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace quorvia {

class CompareForm : public FormDialog {
    Q_OBJECT
  public:
    // The first column is `loan` (the amortization form's) when one is given, else typed.
    // `services` print the comparison and the columns' disclosures.
    CompareForm(AppState& state, QtUi& ui, Clock today, FileChooser& files,
                const DisclosureServices& services, const AmortEntries* loan,
                QWidget* parent = nullptr);

    CompareModel& Model() { return model_; }
    // How a column's full schedule is shown: the schedule run with the preview.
    using SchedulePreview = std::function<void(AmortInputs& loan, const ScheduleEvents& events)>;
    void SetSchedulePreview(SchedulePreview preview) { preview_ = std::move(preview); }
    void Refresh() override;

  private:
    static constexpr std::size_t kTermCount = std::size(kScenarioTerms);

    struct Column {
        QLabel* heading;
        std::array<QLineEdit*, kTermCount> terms;
        QListWidget* events;
        QPushButton* removeEvent;
        QPushButton* remove;
        QPushButton* schedule;
        QPushButton* disclosure;
    };

    QWidget* BuildColumns();
    QWidget* BuildEventEntry();
    QTableWidget* BuildFigures();
    void AddColumn(std::size_t scenario, QGridLayout& grid);
    void ShowColumn(std::size_t scenario);
    void ShowFigures();
    void ShowEventEntry();
    void AddEvent();
    void RemoveEvent(std::size_t scenario);

    void ShowSchedule(std::size_t scenario);
    void ShowDisclosure(std::size_t scenario);
    void Print();

    DisclosureServices services_;
    QtReportPrinter printOutput_;
    CompareModel model_;
    SchedulePreview preview_;
    bool closed_ = false;
    std::array<Column, kMostScenarios> columns_{};
    QComboBox* cboScenario_;
    QComboBox* cboKind_;
    QLineEdit* txtValue_;
    QLineEdit* txtFrom_;
    QLineEdit* txtTo_;
    QCheckBox* chkKeep_;
    QPushButton* cmdAddScenario_;
    QTableWidget* figures_;
    CompareCharts* charts_;
    // How many columns the charts draw: they are drawn again only when the figures change.
    std::size_t shownFigures_ = 0;
};

}  // namespace quorvia
