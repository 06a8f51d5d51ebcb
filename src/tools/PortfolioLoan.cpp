#include "tools/PortfolioLoan.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <string_view>

#include "core/amortization/AmortFormModel.h"
#include "core/base/NumberText.h"
#include "core/base/Text.h"
#include "core/disclosure/DisclosureModel.h"
#include "core/schedule/ScheduleCsv.h"
#include "core/schedule/ScheduleEngine.h"
#include "core/schedule/ScheduleRunner.h"
#include "core/schedule/ScheduleSummary.h"
#include "tools/BatchUi.h"
#include "tools/EventOptions.h"
#include "tools/ScheduleCommand.h"

namespace quorvia {

namespace {

constexpr std::string_view kIdColumn = "id";

// The `schedule` options with a value a loan's row may give: the column is the option's long
// name ("amount" for --amount).
constexpr std::array<std::string_view, 18> kValueOptions = {
    "--name",  "--amount",  "--rate",   "--term", "--freq",        "--pair",
    "--first", "--payment", "--method", "--odd",  "--funding",     "--fixed",
    "--full",  "--free",    "--extra",  "--lump", "--rate-change", "--interest-only"};
// Options that may be given more than once: their cell holds the values separated by blanks
// ("5000@24 1000@36").
constexpr std::array<std::string_view, 3> kRepeatedOptions = {"--extra", "--lump", "--rate-change"};
// The flag of `schedule` a column gives: 1 gives the flag, 0 or nothing leaves it out.
constexpr std::string_view kKeepPaymentOption = "--keep-payment";

std::string OptionOf(std::string_view column) {
    return "--" + std::string(column);
}

template <std::size_t N>
bool Among(const std::array<std::string_view, N>& options, std::string_view column) {
    return std::find(options.begin(), options.end(), OptionOf(column)) != options.end();
}

OptionNames LoanOptionNames() {
    OptionNames names;
    names.withValue.assign(kValueOptions.begin(), kValueOptions.end());
    names.flags.emplace_back(kKeepPaymentOption);
    return names;
}

// The words of a cell that holds several values.
std::vector<std::string> Words(std::string_view cell) {
    std::vector<std::string> words;
    std::istringstream stream{std::string(cell)};
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    return words;
}

// The record's cells as the options `schedule` takes; an empty cell is an option not given.
std::optional<BatchOptions> LoanOptions(const CsvRecord& record, const PortfolioColumns& columns,
                                        std::string& error) {
    CommandArgs args;
    for (std::size_t column = 0; column < columns.Count(); ++column) {
        const std::string& name = columns.Name(column);
        std::string_view cell = TrimView(record.fields[column]);
        if (column == columns.IdColumn() || cell.empty()) {
            continue;
        }
        if (OptionOf(name) == kKeepPaymentOption) {
            if (cell != "0" && cell != "1") {
                error = "keep-payment must be 0 or 1";
                return std::nullopt;
            }
            if (cell == "1") {
                args.push_back(OptionOf(name));
            }
        } else if (Among(kRepeatedOptions, name)) {
            for (std::string& word : Words(cell)) {
                args.push_back(OptionOf(name));
                args.push_back(std::move(word));
            }
        } else {
            args.push_back(OptionOf(name));
            args.emplace_back(cell);
        }
    }
    static const OptionNames kNames = LoanOptionNames();
    std::optional<BatchOptions> options = BatchOptions::Parse(args, kNames, error);
    if (options && !options->NumbersReadable({"--amount", "--payment"}, "--rate", error)) {
        return std::nullopt;
    }
    return options;
}

// The form's messages, as the batch tool writes them, on one line: their lines joined by blanks.
std::string OnOneLine(const std::string& messages) {
    std::string joined;
    for (const std::string& line : SplitLines(messages)) {
        std::string_view text = TrimView(line);
        if (!text.empty()) {
            joined += (joined.empty() ? "" : " ") + std::string(text);
        }
    }
    return joined;
}

// The runner of a portfolio's loan: the engine alone; the outputs are rows of text.
class PortfolioRunner : public ScheduleRunner {
  public:
    PortfolioRunner(AppState& state, Ui& ui, const BatchEvents& events)
        : state_(state), ui_(ui), events_(events) {}

    void ComputeSchedule(AmortInputs& inputs) override {
        eventsProblem = EventOptionsProblem(events_, ScheduledCount(inputs));
        if (!eventsProblem.empty()) {
            return;
        }
        loan = inputs;  // before the engine works on it
        if (auto error = quorvia::ComputeSchedule(inputs, state_.SemiMonthly, nullptr, schedule,
                                                  events_.events)) {
            ShowScheduleError(ui_, *error);
            return;
        }
        produced = true;
    }

    std::string eventsProblem;
    bool produced = false;
    AmortInputs loan;
    Schedule schedule;

  private:
    AppState& state_;
    Ui& ui_;
    const BatchEvents& events_;
};

class LoanRows {
  public:
    LoanRows(const CsvRecord& record, std::string id, PortfolioRows& rows)
        : record_(record), id_(std::move(id)), rows_(rows) {}

    void Error(std::string_view message) { AddErrorRow(rows_, record_.line, id_, message); }

    void Summary(const AmortInputs& loan, const Schedule& schedule) {
        ScheduleSummary summary = Summarize(schedule);
        std::string& out = rows_.summary;
        out += CsvField(id_) + ',' + PlainAmount(summary.payment) + ',' +
               std::to_string(summary.payments) + ',' + IsoDate(summary.lastDate) + ',' +
               PlainAmount(summary.totalInterest) + ',' + PlainAmount(summary.totalPaid) + ',';
        DisclosureModel disclosure(loan, schedule);
        if (std::optional<std::string> refusal = disclosure.Compute()) {
            out += "\r\n";
            Error("no APR: " + *refusal);
            return;
        }
        out += FormatNumber(disclosure.Figures().annualPercentageRate, "0.0000") + "\r\n";
    }

    void Schedules(const Schedule& schedule) {
        const std::string lead = CsvField(id_) + ',';
        for (const PaymentRow& row : schedule.rows) {
            rows_.schedules += lead;
            AppendScheduleCsvRow(rows_.schedules, row);
        }
    }

    void Balances(const Schedule& schedule, Date date) {
        StandingOnDate standing = StandingOn(schedule, date);
        rows_.balances += CsvField(id_) + ',' + PlainAmount(standing.balance) + ',' +
                          PlainAmount(standing.interestPaid) + ',' +
                          PlainAmount(standing.principalPaid) + "\r\n";
    }

  private:
    const CsvRecord& record_;
    std::string id_;
    PortfolioRows& rows_;
};

}  // namespace

void AddErrorRow(PortfolioRows& rows, long line, std::string_view id, std::string_view message) {
    rows.errors += std::to_string(line) + ',' + CsvField(id) + ',' + CsvField(message) + "\r\n";
    ++rows.failures;
}

std::optional<PortfolioColumns> PortfolioColumns::FromHeader(const std::vector<std::string>& header,
                                                             std::string& error) {
    PortfolioColumns columns;
    bool hasId = false;
    for (const std::string& cell : header) {
        std::string name = Trim(cell);
        if (name != kIdColumn && OptionOf(name) != kKeepPaymentOption &&
            !Among(kValueOptions, name)) {
            error = "unknown column \"" + name + "\"";
            return std::nullopt;
        }
        if (std::find(columns.names_.begin(), columns.names_.end(), name) != columns.names_.end()) {
            error = "column " + name + " is named twice";
            return std::nullopt;
        }
        if (name == kIdColumn) {
            hasId = true;
            columns.id_ = columns.names_.size();
        }
        columns.names_.push_back(std::move(name));
    }
    if (!hasId) {
        error = "the header names no id column";
        return std::nullopt;
    }
    return columns;
}

void RunPortfolioLoan(const CsvRecord& record, const PortfolioColumns& columns,
                      const PortfolioSettings& settings, PortfolioRows& rows) {
    const bool hasId = columns.IdColumn() < record.fields.size();
    LoanRows loanRows(record, hasId ? Trim(record.fields[columns.IdColumn()]) : "", rows);
    if (!record.problem.empty()) {
        loanRows.Error(record.problem);
        return;
    }
    if (record.fields.size() != columns.Count()) {
        loanRows.Error("the row has " + std::to_string(record.fields.size()) +
                       " fields where the header names " + std::to_string(columns.Count()));
        return;
    }
    std::string error;
    std::optional<BatchOptions> options = LoanOptions(record, columns, error);
    std::optional<BatchEvents> events;
    if (options) {
        events = ParseEventOptions(*options, error);
    }
    if (!events) {
        loanRows.Error(error);
        return;
    }

    AppState state = settings.state;
    std::ostringstream messages;
    BatchUi ui(messages, settings.answerYes);
    PortfolioRunner runner(state, ui, *events);
    BatchHost host;
    const Date today = settings.today;
    AmortFormModel form(
        state, ui, [today] { return today; }, runner, host);
    state.FormOpen[1] = true;
    form.Form_Load();
    form.Form_Activate();
    Typing typing = TypeOptions(form, state, *options, error);
    if (typing == Typing::UsageError) {
        loanRows.Error(error);
        return;
    }
    if (typing == Typing::Done) {
        form.comOK_Click();
    }
    if (!runner.eventsProblem.empty()) {
        loanRows.Error(runner.eventsProblem);
        return;
    }
    if (!runner.produced) {
        loanRows.Error(OnOneLine(messages.str()));
        return;
    }
    if (settings.summary) {
        loanRows.Summary(runner.loan, runner.schedule);
    }
    if (settings.schedules) {
        loanRows.Schedules(runner.schedule);
    }
    if (settings.balancesAt) {
        loanRows.Balances(runner.schedule, *settings.balancesAt);
    }
}

}  // namespace quorvia
