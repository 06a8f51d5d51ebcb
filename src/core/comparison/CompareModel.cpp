#include "core/comparison/CompareModel.h"

#include <charconv>
#include <cmath>

#include "core/amortization/PaymentDates.h"
#include "core/base/EntryNumbers.h"
#include "core/base/NumberText.h"
#include "core/base/Text.h"
#include "core/comparison/ComparisonFile.h"
#include "core/reports/ReportFileName.h"
#include "core/schedule/ScheduleEngine.h"
#include "core/schedule/ScheduleRunner.h"

namespace quorvia {

namespace {

// A payment number as typed: whole digits only, blanks around them ignored.
std::optional<int> PaymentNumber(std::string_view text) {
    std::string_view digits = TrimView(text);
    int number = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return number;
}

const FileFilter kComparisonFilter{"Comparisons (*.qrvc)", "*.qrvc"};

int MonthCount(Date date) {
    return YearOf(date) * 12 + MonthOf(date);
}

}  // namespace

std::string ScenarioName(std::size_t scenario) {
    return "Scenario " + std::to_string(scenario + 1);
}

std::string MonthsText(int months) {
    auto count = [](int number, const char* unit) {
        return std::to_string(number) + " " + unit + (number == 1 ? "" : "s");
    };
    int years = months / 12;
    int rest = months % 12;
    if (years == 0) {
        return count(rest, "month");
    }
    return rest == 0 ? count(years, "year") : count(years, "year") + " " + count(rest, "month");
}

std::vector<std::string> FigureTexts(const ScenarioFigures& figures, bool first) {
    auto money = [](double amount) { return FormatNumber(amount, "$###,###,##0.00"); };
    const ScheduleSummary& summary = figures.summary;
    std::vector<std::string> texts = {money(summary.payment), std::to_string(summary.payments),
                                      FormatDate(summary.lastDate, kDateFieldText),
                                      money(summary.totalInterest), money(summary.totalPaid)};
    if (first) {
        texts.insert(texts.end(), {"", ""});
        return texts;
    }
    // Rounded to the cent first, so that a saving of less than half a cent is none.
    double saved = std::round(figures.interestSaved * 100) / 100;
    texts.push_back(saved < 0 ? money(-saved) + " more" : money(saved));
    texts.push_back(figures.monthsSaved < 0 ? MonthsText(-figures.monthsSaved) + " more"
                                            : MonthsText(figures.monthsSaved));
    return texts;
}

std::vector<ChartPoint> BalanceOverTime(const Schedule& schedule) {
    std::vector<ChartPoint> points;
    points.reserve(schedule.rows.size());
    for (const PaymentRow& row : schedule.rows) {
        points.push_back({row.dueDate, row.balance});
    }
    return points;
}

std::vector<ChartPoint> InterestOverTime(const Schedule& schedule) {
    std::vector<ChartPoint> points;
    points.reserve(schedule.rows.size());
    double paid = 0;
    for (const PaymentRow& row : schedule.rows) {
        paid += row.interest;
        points.push_back({row.dueDate, paid});
    }
    return points;
}

CompareModel::CompareModel(AppState& state, Ui& ui, Clock today, FileChooser& files)
    : state_(state), ui_(ui), today_(std::move(today)), files_(files) {}

std::optional<std::filesystem::path> CompareModel::ChooseFile(FileDialogKind kind,
                                                              const FileFilter& filter,
                                                              std::string_view title) {
    FileRequest request;
    request.kind = kind;
    request.filters = {filter, {"All files (*.*)", "*.*"}};
    request.defaultExt = filter.pattern.substr(2);
    request.initDir =
        (filePath_.empty() ? state_.DocumentsFolder : filePath_.parent_path()).string();
    request.fileName = filePath_.stem().string();
    request.title = std::string(title);
    request.flags = kOfnHideReadOnly | kOfnPathMustExist |
                    (kind == FileDialogKind::Save ? kOfnOverwritePrompt : kOfnFileMustExist);
    uint32_t extendedError = 0;
    std::optional<FileAnswer> answer = files_.ChooseFile(request, extendedError);
    if (!answer || answer->fileName.empty()) {
        return std::nullopt;
    }
    return std::filesystem::path(answer->fileName);
}

void CompareModel::Save() {
    std::optional<std::filesystem::path> path =
        ChooseFile(FileDialogKind::Save, kComparisonFilter, "Save Comparison");
    if (!path) {
        return;
    }
    if (std::optional<RunError> error = SaveComparison(*path, scenarios_)) {
        Refuse(error->description);
        return;
    }
    filePath_ = *path;
}

void CompareModel::ExportPdf(const PdfWriter& write) {
    if (figures_.empty() && !Compare()) {
        return;
    }
    std::optional<std::filesystem::path> path =
        ChooseFile(FileDialogKind::Save, {"PDF files (*.pdf)", "*.pdf"}, "Export PDF");
    if (!path) {
        return;
    }
    if (std::optional<RunError> error = write(*path)) {
        Refuse(error->description);
    }
}

void CompareModel::Print(const Printing& printing) {
    if (figures_.empty() && !Compare()) {
        return;
    }
    PrintOwnPage(
        ui_, printing.printers, printing.printDialog, printing.output,
        ProposedPdf(state_, DocumentPdfName(loans_.front().BorrowerName, kComparisonTitle)),
        [&](const PrintChoice& choice) {
            int error = ApplyCollationAndCopies(ui_, printing.output, choice);
            return error != print_error::kNone ? error : printing.drawPage();
        });
}

void CompareModel::Open() {
    std::optional<std::filesystem::path> path =
        ChooseFile(FileDialogKind::Open, kComparisonFilter, "Open Comparison");
    if (!path) {
        return;
    }
    std::string problem;
    std::optional<std::vector<Scenario>> scenarios = OpenComparison(*path, problem);
    if (!scenarios) {
        Refuse(problem);
        return;
    }
    scenarios_ = std::move(*scenarios);
    filePath_ = *path;
    Changed();
}

std::string CompareModel::ControlOf(std::string_view control, std::size_t scenario) {
    return std::string(control) + "(" + std::to_string(scenario + 1) + ")";
}

void CompareModel::StartFrom(const AmortEntries& loan) {
    scenarios_ = {Scenario{loan, {}}};
    Changed();
}

void CompareModel::StartTyped() {
    AmortEntries loan;
    const PaymentFrequency& frequency = state_.DefaultFrequency == kSemiMonthly
                                            ? FrequencyOf(kMonthly)
                                            : FrequencyOf(state_.DefaultFrequency);
    loan.optFreq = frequency.index;
    loan[AmortField::Rate] = Trim(state_.DefaultRate);
    loan[AmortField::FirstPayment] = FormatDate(
        AddInterval(today_(), frequency.dateInterval, frequency.dateIntervalCount), kDateFieldText);
    loan[AmortField::FundingDate] = FormatDate(today_(), kDateFieldText);
    loan[AmortField::InterestFree] = "0";
    loan.chkFix = state_.DefaultFixedPrincipal != 0 ? 1 : 0;
    loan.chkBalDue = state_.DefaultFullPayout != 0 ? 1 : 0;
    StartFrom(loan);
}

bool CompareModel::AddScenario() {
    if (scenarios_.size() >= kMostScenarios) {
        ui_.Beep();
        return false;
    }
    scenarios_.push_back(Scenario{scenarios_.front().loan, {}});
    Changed();
    return true;
}

void CompareModel::RemoveScenario(std::size_t scenario) {
    if (scenario == 0 || scenario >= scenarios_.size()) {
        return;
    }
    scenarios_.erase(scenarios_.begin() + static_cast<std::ptrdiff_t>(scenario));
    Changed();
}

const std::string& CompareModel::Term(std::size_t scenario, AmortField field) const {
    return scenarios_.at(scenario).loan[field];
}

void CompareModel::SetTerm(std::size_t scenario, AmortField field, std::string text) {
    std::string& term = scenarios_.at(scenario).loan[field];
    if (term != text) {
        term = std::move(text);
        Changed();
    }
}

bool CompareModel::Refuse(const std::string& prompt) {
    ui_.Beep();
    ui_.MsgBox({prompt, std::string(kTitle), MsgButtons::Ok, MsgIcon::Exclamation});
    return false;
}

std::optional<ScheduleEvent> CompareModel::ReadEvent(const EventEntry& entry) {
    std::optional<int> from = PaymentNumber(entry.from);
    if (!from) {
        Refuse(entry.kind == EventKind::InterestOnly
                   ? "Type the number of interest-only payments, such as 12."
                   : "Type the payment number the event starts with, such as 13.");
        return std::nullopt;
    }
    if (entry.kind == EventKind::InterestOnly) {
        return InterestOnly(*from);
    }
    if (entry.kind == EventKind::RateChange) {
        std::optional<double> percent = RatePercent(entry.value);
        if (!percent || Trim(entry.value).empty()) {
            ui_.MsgBox(NotANumberMessage("New Rate", kRateExample));
            return std::nullopt;
        }
        return RateChange(*percent / 100, *from, entry.keepPayment);
    }
    std::optional<double> amount = AmountValue(entry.value);
    if (!amount || Trim(entry.value).empty()) {
        ui_.MsgBox(NotANumberMessage("Amount", kAmountExample));
        return std::nullopt;
    }
    if (entry.kind == EventKind::LumpSum) {
        return LumpSum(*amount, *from);
    }
    std::optional<int> to = Trim(entry.to).empty() ? 0 : PaymentNumber(entry.to);
    if (!to) {
        Refuse(
            "Type the last payment with extra principal, such as 60, or leave it blank for "
            "every payment to the end.");
        return std::nullopt;
    }
    return ExtraPrincipal(*amount, *from, *to);
}

// The checks that need no loan come now; those against the term come with Compare.
bool CompareModel::AddEvent(std::size_t scenario, const EventEntry& entry) {
    std::optional<ScheduleEvent> event = ReadEvent(entry);
    if (!event) {
        return false;
    }
    ScheduleEvents events = scenarios_.at(scenario).events;
    events.push_back(*event);
    if (std::optional<EventProblem> problem = FindEventProblem(events, kMaximumTermMonths * 2)) {
        return Refuse(problem->message);
    }
    scenarios_[scenario].events = std::move(events);
    Changed();
    return true;
}

void CompareModel::RemoveEvent(std::size_t scenario, std::size_t event) {
    ScheduleEvents& events = scenarios_.at(scenario).events;
    if (event < events.size()) {
        events.erase(events.begin() + static_cast<std::ptrdiff_t>(event));
        Changed();
    }
}

std::optional<std::pair<AmortInputs, ScheduleEvents>> CompareModel::ScheduleOf(
    std::size_t scenario) {
    if (figures_.empty() && !Compare()) {
        return std::nullopt;
    }
    return std::make_pair(loans_.at(scenario), scenarios_.at(scenario).events);
}

bool CompareModel::Compare() {
    Changed();
    for (std::size_t scenario = 0; scenario < scenarios_.size(); ++scenario) {
        if (!Compute(scenario)) {
            Changed();
            return false;
        }
    }
    const ScheduleSummary& first = figures_.front().summary;
    for (ScenarioFigures& column : figures_) {
        column.interestSaved = first.totalInterest - column.summary.totalInterest;
        column.monthsSaved = MonthCount(first.lastDate) - MonthCount(column.summary.lastDate);
    }
    return true;
}

// Validation may bring the session's semi-monthly choice in line with the loan: a column works
// on a copy, so that comparing changes nothing the amortization form relies on.
bool CompareModel::Compute(std::size_t scenario) {
    const Scenario& column = scenarios_[scenario];
    AppState state = state_;
    AmortValidationResult result = AmortValidation(state, ui_, today_).Validate(column.loan);
    if (!result.inputs) {
        ui_.SetFocus(ControlOf(result.focus, scenario));
        return false;
    }
    AmortInputs loan = *result.inputs;
    if (std::optional<EventProblem> problem =
            FindEventProblem(column.events, ScheduledCount(loan))) {
        Refuse(ScenarioName(scenario) + ": " + problem->message);
        ui_.SetFocus(ControlOf("lstEvents", scenario));
        return false;
    }
    loans_.push_back(loan);
    ScenarioFigures figures;
    if (std::optional<RunError> error =
            ComputeSchedule(loan, state.SemiMonthly, {}, figures.schedule, column.events)) {
        ShowScheduleError(ui_, *error);
        return false;
    }
    figures.summary = Summarize(figures.schedule);
    figures_.push_back(std::move(figures));
    return true;
}

}  // namespace quorvia
