#pragma once
// The comparison window (Compare): one loan and up to three what-if variations of it, side by
// side. Each scenario column holds the loan's terms as the amortization form takes them and the
// events it adds; Compare validates every column as the form's Okay would, computes each
// schedule and sums it up, with the interest and the time each column saves against the first.
//
// The model talks to the person through Ui: a column that does not validate stops the
// comparison with the form's own message, the focus on that column's field.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/amortization/AmortValidation.h"
#include "core/base/Clock.h"
#include "core/base/RunError.h"
#include "core/base/Ui.h"
#include "core/printing/FileChooser.h"
#include "core/printing/PDialog.h"
#include "core/printing/PrinterService.h"
#include "core/reports/ReportPrinting.h"
#include "core/schedule/Schedule.h"
#include "core/schedule/ScheduleEvents.h"
#include "core/schedule/ScheduleSummary.h"
#include "core/session/AppState.h"

namespace quorvia {

inline constexpr std::size_t kMostScenarios = 4;
inline constexpr std::string_view kComparisonTitle = "Comparison of Scenarios";

// The terms a column lets the person change; the rest of the loan (frequency, dates, interest
// method, options) is the first column's.
inline constexpr AmortField kScenarioTerms[] = {AmortField::Amount, AmortField::Rate,
                                                AmortField::Term, AmortField::Payment,
                                                AmortField::FirstPayment};

// One event as the person types it before adding it to a column.
struct EventEntry {
    EventKind kind = EventKind::ExtraPrincipal;
    // The amount, or the new rate of a rate change; not read for an interest-only period.
    std::string value;
    // The payment it applies from; for an interest-only period the number of payments.
    std::string from;
    // The last payment of a run of extra principal; blank for every payment to the end.
    std::string to;
    bool keepPayment = false;
};

struct Scenario {
    AmortEntries loan;
    ScheduleEvents events;
};

// What a computed column shows below the terms.
struct ScenarioFigures {
    Schedule schedule;
    ScheduleSummary summary;
    // Against the first column; zero for the first column itself.
    double interestSaved = 0;
    int monthsSaved = 0;
};

class CompareModel {
  public:
    static constexpr std::string_view kTitle = "COMPARISON";

    CompareModel(AppState& state, Ui& ui, Clock today, FileChooser& files);

    // The first column takes the amortization form's loan.
    void StartFrom(const AmortEntries& loan);
    // No form is open: the first column waits for a loan to be typed, with the preferences'
    // rate and frequency and the first payment one period from today.
    void StartTyped();

    const std::vector<Scenario>& Scenarios() const { return scenarios_; }
    // A new column starts as a copy of the first, without events; a fifth is refused.
    bool AddScenario();
    // Any column but the first.
    void RemoveScenario(std::size_t scenario);
    const std::string& Term(std::size_t scenario, AmortField field) const;
    void SetTerm(std::size_t scenario, AmortField field, std::string text);

    // Reads the entry into an event of the column; an entry that is not one is refused with a
    // message, and the column keeps what it had.
    bool AddEvent(std::size_t scenario, const EventEntry& entry);
    void RemoveEvent(std::size_t scenario, std::size_t event);

    // Save and Open: the comparison file the person names in the file dialog. A file that
    // cannot be written or read is reported, and the comparison stays as it was.
    void Save();
    void Open();
    // Export PDF: the comparison on one page, into the PDF file the person names; the columns
    // are compared first when they were changed since. `write` makes the file.
    using PdfWriter = std::function<std::optional<RunError>(const std::filesystem::path& path)>;
    void ExportPdf(const PdfWriter& write);
    // Print: the comparison on one page, on the printer the print dialog leaves; the columns are
    // compared first when they were changed since. `drawPage` draws the page on `output`'s
    // printer and returns a printing error code; a failure is reported.
    struct Printing {
        PrinterService& printers;
        SharedPDialog& printDialog;
        ReportPrintOutput& output;
        std::function<int()> drawPage;
    };
    void Print(const Printing& printing);
    // The comparison file last saved or opened; empty before.
    const std::filesystem::path& FilePath() const { return filePath_; }

    // The validated loan and the events of a column, for its full schedule; the columns are
    // compared first when they were changed since. Nothing when the comparison stopped.
    std::optional<std::pair<AmortInputs, ScheduleEvents>> ScheduleOf(std::size_t scenario);

    // Computes every column; false when one stops it, and the figures are then cleared.
    bool Compare();
    // The figures of the last comparison, one per column, or none since a change.
    const std::vector<ScenarioFigures>& Figures() const { return figures_; }
    // The validated loan of each column at the last comparison, for its report.
    const std::vector<AmortInputs>& Loans() const { return loans_; }

    // The control of a column's term or event list as the window names it: "txtAmount(2)".
    static std::string ControlOf(std::string_view control, std::size_t scenario);

  private:
    std::optional<ScheduleEvent> ReadEvent(const EventEntry& entry);
    bool Refuse(const std::string& prompt);
    bool Compute(std::size_t scenario);
    void Changed() {
        figures_.clear();
        loans_.clear();
    }

    std::optional<std::filesystem::path> ChooseFile(FileDialogKind kind, const FileFilter& filter,
                                                    std::string_view title);

    AppState& state_;
    Ui& ui_;
    Clock today_;
    FileChooser& files_;
    std::filesystem::path filePath_;
    std::vector<Scenario> scenarios_;
    std::vector<ScenarioFigures> figures_;
    std::vector<AmortInputs> loans_;
};

// The rows of the figures below the columns, as the window shows them and the comparison prints.
inline constexpr std::string_view kFigureRows[] = {
    "Periodic payment", "Number of payments", "Pay-off date", "Total interest",
    "Total paid",       "Interest saved",     "Time saved"};
inline constexpr std::size_t kFigureRowCount = std::size(kFigureRows);

// A column's figures in the rows' order; the first column saves nothing against itself and its
// last two are blank. A column that costs more than the first says so: "$3,000.00 more".
std::vector<std::string> FigureTexts(const ScenarioFigures& figures, bool first);

// What the charts draw of a column: a value at each payment's due date.
struct ChartPoint {
    Date date;
    double value = 0;
};
// The balance after each payment.
std::vector<ChartPoint> BalanceOverTime(const Schedule& schedule);
// The interest paid up to and with each payment.
std::vector<ChartPoint> InterestOverTime(const Schedule& schedule);

// "Scenario 2".
std::string ScenarioName(std::size_t scenario);
// The time between two pay-off dates as a person says it: "13 years 7 months", "5 months".
std::string MonthsText(int months);

}  // namespace quorvia
